// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/csv_output.h"

#include <string>

#include "plan/csv_text.h"

namespace plan {
namespace {

std::string mark_of(const PlannedTrade& trade, const SeriesPlan& plan) {
    std::string mark;
    if (plan.over_bankroll == trade.number) {
        mark = "bankroll";
    }
    if (plan.over_max_stake == trade.number) {
        mark += mark.empty() ? "max-stake" : " max-stake";
    }
    return mark;
}

}  // namespace

void write_csv(std::ostream& out, const SeriesPlan& plan) {
    out << "trade,stake,stakes_so_far,net_if_won,stake_value,stakes_so_far_value,net_if_won_value,mark"
        << (plan.win_rate ? ",reach_probability\n" : "\n");
    std::string line;
    for (const PlannedTrade& trade : plan.trades) {
        line.assign(std::to_string(trade.number));
        for (const std::string* text : {&trade.stake_text, &trade.stakes_so_far_text, &trade.net_if_won_text}) {
            line.append(1, ',').append(csv_field(*text));
        }
        line.append(1, ',').append(shortest_text(trade.stake));
        line.append(1, ',').append(shortest_text(trade.stakes_so_far));
        line.append(1, ',').append(shortest_text(trade.net_if_won));
        line.append(1, ',').append(mark_of(trade, plan));
        if (plan.win_rate) {
            line.append(1, ',').append(shortest_text(static_cast<double>(trade.reach)));
        }
        line += '\n';
        out << line;
    }
}

}  // namespace plan
