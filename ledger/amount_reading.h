// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the texts of the two input fields become numbers, which characters the First Trade field may
// hold, and the decimal separator that these rules and the display formats share.

#include <optional>
#include <string>
#include <string_view>

#include "ledger/extended.h"

namespace ledger {

// Reads an amount: blanks, an optional sign, digits with at most one decimal separator, an optional
// exponent ("E" or "e"), blanks. Throws EConvertError for any other text and for a value beyond the
// extended range. Leaves the caller's floating-point environment as it was.
Extended read_amount(std::string_view text, char separator);

// The same without the guard: for callers that already hold a FloatEnvironmentGuard.
Extended read_amount_unguarded(std::string_view text, char separator);

// The text that replaces a rejected First Trade text.
inline constexpr std::string_view kFirstTradeReplacement = "1";

// Keeps the First Trade text to digits and decimal separators: nullopt when the text stands,
// otherwise the text that replaces it ("1"). The empty text stands.
std::optional<std::string> filter_first_trade(std::string_view text, char separator);

// The process-wide decimal separator, "." until set. Only the window's start-up and its handling of a
// locale change write it; every rule above takes the separator as an argument instead of reading this.
char decimal_separator() noexcept;
void set_decimal_separator(char separator) noexcept;

// The separator for a locale's decimal point text: that character when the text is one character
// long, "." otherwise.
char separator_from_locale_point(std::string_view decimal_point) noexcept;

}  // namespace ledger
