// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/csv_text.h"

#include <charconv>
#include <system_error>

namespace plan {

std::string shortest_text(double value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc{}) {
        throw std::system_error(std::make_error_code(error), "writing a value for the CSV");
    }
    return std::string(buffer, end);
}

std::string csv_field(std::string_view text) {
    if (text.find_first_of(",\"\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

}  // namespace plan
