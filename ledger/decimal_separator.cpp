// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/amount_reading.h"

namespace ledger {

namespace {
// Written only on the user-interface thread, between two events.
char current_separator = '.';
}  // namespace

char decimal_separator() noexcept { return current_separator; }

void set_decimal_separator(char separator) noexcept { current_separator = separator; }

char separator_from_locale_point(std::string_view decimal_point) noexcept {
    return decimal_point.size() == 1 ? decimal_point.front() : '.';
}

}  // namespace ledger
