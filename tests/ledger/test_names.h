// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Readable names and printouts for the rows of the parameterised tests, and a printout of extended
// values for failure messages.

#include <cctype>
#include <cstddef>
#include <cstdio>
#include <ostream>
#include <string>
#include <string_view>

#include <gtest/gtest.h>

#include "ledger/amount_display.h"
#include "ledger/extended.h"

namespace ledger {

// The value in the general format and its bits.
inline void PrintTo(Extended value, std::ostream* os) {
    const Bits80 bits = bits80(value);
    char hex[32];
    std::snprintf(
        hex, sizeof hex, "%04X:%016llX", bits.sign_exponent, static_cast<unsigned long long>(bits.significand));
    *os << general_format(value, '.') << " (" << hex << ')';
}

}  // namespace ledger

namespace test_names {

// The text with every character that is not printable ASCII written as \xNN, cut after 40 characters.
inline std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text.substr(0, 40)) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x20 && u < 0x7F) {
            out += c;
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", u);
            out += hex;
        }
    }
    if (text.size() > 40) out += "...";
    return out;
}

// A test name from a row's index and text: letters and digits kept, the rest spelt out.
inline std::string case_name(std::size_t index, std::string_view text) {
    std::string name = std::to_string(index) + "_";
    for (const char c : text.substr(0, 24)) {
        const auto u = static_cast<unsigned char>(c);
        if (std::isalnum(u) && u < 0x80) {
            name += c;
        } else {
            switch (c) {
            case '.':
                name += "_point_";
                break;
            case ',':
                name += "_comma_";
                break;
            case ' ':
                name += "_blank_";
                break;
            case '-':
                name += "_minus_";
                break;
            case '+':
                name += "_plus_";
                break;
            default: {
                char hex[8];
                std::snprintf(hex, sizeof hex, "_x%02X_", u);
                name += hex;
            }
            }
        }
    }
    if (text.empty()) name += "empty";
    if (text.size() > 24) name += "_etc";
    return name;
}

// The name generator for rows with a `text` member.
struct ByText {
    template <typename Row>
    std::string operator()(const testing::TestParamInfo<Row>& info) const {
        return case_name(info.index, info.param.text);
    }
};

}  // namespace test_names
