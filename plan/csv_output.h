// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The plan for spreadsheets and scripts: one header line, then one line per trade with the texts the
// table shows and, beside them, the exact values (the shortest text that reads back to the same value,
// always with "." as its decimal point).
//
//   trade,stake,stakes_so_far,net_if_won,stake_value,stakes_so_far_value,net_if_won_value,mark
//
// With a win rate, a last column reach_probability holds the chance that a series comes to the trade
// at all, as a fraction (the shortest text that reads back to the same double).
//
// mark is "bankroll" on the first trade whose stakes so far exceed the bankroll, "max-stake" on the
// first whose stake exceeds the maximum stake, both separated by a blank when one trade is both.
// Fields that hold a comma or a quotation mark are quoted.

#include <ostream>

#include "plan/series_plan.h"

namespace plan {

void write_csv(std::ostream& out, const SeriesPlan& plan);

}  // namespace plan
