// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The series ahead: the loss step of the core run N times from the start values, with what each trade
// stakes, what the series has staked by then and what a win on it would earn.

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "ledger/extended.h"
#include "plan/command_line.h"

namespace plan {

struct PlannedTrade {
    std::int32_t number = 0;          // trade k is what the k-th press of "Lost" after start prices
    std::string stake_text;           // the text the window shows for it
    double stake = 0;                 // the stake as the series stores it
    double stakes_so_far = 0;         // the stake sum of the series, this trade included
    ledger::Extended net_if_won = 0;  // stake x payout fraction - the stakes before it
    std::string stakes_so_far_text;   // both in the window's fixed format
    std::string net_if_won_text;
    // With a win rate w: the chance that a series comes to this trade at all, (1 - w)^(k - 1),
    // multiplied up trade by trade, and its text as a percentage.
    ledger::Extended reach = 1;
    std::string reach_text;
};

// The limits, read from their texts with the same separator as the amounts.
struct Limits {
    std::optional<ledger::Extended> bankroll;
    std::optional<ledger::Extended> max_stake;
};

// The chance that one trade wins, and that it loses, as fractions; trades are independent.
struct WinRate {
    ledger::Extended win = 0;
    ledger::Extended loss = 0;
};

struct SeriesPlan {
    std::vector<PlannedTrade> trades;    // the trades priced before any failure
    std::optional<std::string> failure;  // the message of the failure that stopped the series
    Limits limits;
    std::optional<WinRate> win_rate;
    std::optional<std::int32_t> over_bankroll;   // the first trade whose stakes so far exceed the bankroll
    std::optional<std::int32_t> over_max_stake;  // the first trade whose stake exceeds the maximum stake
};

// The value of an option that cannot be used: "--win-rate takes ...", "--bankroll: 'x' is not ...".
class OptionValueError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// FIRST_TRADE holds what the window's First Trade field would not hold: anything but digits and the
// decimal separator, or nothing at all.
class FirstTradeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Checks the first trade's text, then reads the payout, the first trade, the limits and the win rate in
// that order; a text that is no number throws EConvertError (the payout or the first trade) or
// OptionValueError before anything is priced. A failure of the loss step ends the plan at that trade
// and is kept in `failure`.
SeriesPlan plan_series(const PlanRequest& request, char separator);

}  // namespace plan
