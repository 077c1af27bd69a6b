// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/amount_reading.h"

namespace ledger {

// Each character is compared with the ten digits and the separator; comparing for identity is what the
// locale's case-sensitive comparison of these one-character texts comes to.
std::optional<std::string> filter_first_trade(std::string_view text, char separator) {
    for (char c : text) {
        const bool allowed = (c >= '0' && c <= '9') || c == separator;
        if (!allowed) return std::string(kFirstTradeReplacement);
    }
    return std::nullopt;
}

}  // namespace ledger
