// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How a number becomes the text of the result label: the general format (up to 15 significant
// digits) and the fixed format (two decimals, at most 8 significant digits).

#include <optional>
#include <string>

#include "ledger/extended.h"

namespace ledger {

// The decimal shape of a finite value: 0.d1 d2 ... dn x 10^exponent, no leading or trailing zero digit.
struct DigitForm {
    int exponent = 0;
    bool negative = false;
    std::string digits;  // 0 to 18 characters '0'..'9'; empty for zero
    bool operator==(const DigitForm&) const = default;
};

// precision: significant digits wanted; decimals: digits wanted after the decimal point, if limited.
// Rounds half up on the value's 18-digit decimal string. Expects a guarded environment.
DigitForm digit_form(Extended value, int precision, std::optional<int> decimals);

// "1", "2.5", "1E15", "1.2345E-5", "INF", "NAN" ... Leaves the caller's environment as it was.
std::string general_format(Extended value, char separator);

// "1.00", "32.50", "1674724.90", "1.2525924E8" ... Leaves the caller's environment as it was.
std::string fixed_format(Extended value, char separator);

// Unguarded versions for callers that already hold a FloatEnvironmentGuard.
std::string general_format_unguarded(Extended value, char separator);
std::string fixed_format_unguarded(Extended value, char separator);

}  // namespace ledger
