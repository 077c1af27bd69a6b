// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/figure_text.h"

#include <algorithm>
#include <cstddef>

#include "ledger/amount_display.h"

namespace plan {
namespace {

constexpr int kPercentDigits = 4;
constexpr int kCountDigits = 3;
constexpr int kLargestPlainExponent = 6;  // 0.d x 10^6 is below a million
// The binary exponent that zero and the values below the normal range of the extended format report.
constexpr int kBelowNormalRange = -16383;

std::string scientific(const ledger::DigitForm& form, char separator) {
    std::string text(1, form.digits.empty() ? '0' : form.digits.front());
    if (form.digits.size() > 1) {
        text += separator;
        text.append(form.digits, 1, std::string::npos);
    }
    return text + 'E' + std::to_string(form.exponent - 1);
}

// 0.d1 d2 ... dn x 10^e for e >= 1: the digits with the separator after the e-th, zeros filling up.
std::string plain(const ledger::DigitForm& form, char separator) {
    const auto whole = static_cast<std::size_t>(form.exponent);
    std::string text = form.digits.substr(0, std::min(whole, form.digits.size()));
    text.append(whole - text.size(), '0');
    if (form.digits.size() > whole) {
        text += separator;
        text.append(form.digits, whole, std::string::npos);
    }
    return text;
}

}  // namespace

bool below_extended_range(ledger::Extended value) { return ledger::binary_exponent(value) <= kBelowNormalRange; }

std::string percent_text(ledger::Extended fraction, char separator) {
    ledger::FloatEnvironmentGuard guard;
    return percent_text_unguarded(fraction, separator);
}

std::string percent_text_unguarded(ledger::Extended fraction, char separator) {
    if (below_extended_range(fraction)) {
        return "<3" + std::string(1, separator) + "4E-4930%";
    }
    const ledger::Extended percent = fraction * 100;
    if (percent * 100 < 1) {
        return scientific(ledger::digit_form(percent, kPercentDigits, std::nullopt), separator) + '%';
    }
    std::string text = ledger::fixed_format_unguarded(percent, separator);
    if (fraction < 1 && text == "100" + std::string(1, separator) + "00") {
        text = ">99" + std::string(1, separator) + "99";
    }
    return text + '%';
}

std::string rounded_count_text(ledger::Extended value, char separator) {
    ledger::FloatEnvironmentGuard guard;
    const ledger::DigitForm form = ledger::digit_form(value, kCountDigits, std::nullopt);
    if (form.exponent < 1 || form.exponent > kLargestPlainExponent) {
        return scientific(form, separator);
    }
    return plain(form, separator);
}

}  // namespace plan
