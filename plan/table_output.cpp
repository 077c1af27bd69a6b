// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/table_output.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "plan/text_wrap.h"

namespace plan {
namespace {

using Cells = std::array<std::string_view, 5>;

constexpr std::string_view kGap = "  ";

std::string mark_of(const PlannedTrade& trade, const SeriesPlan& plan) {
    std::vector<std::string> marks;
    if (plan.over_bankroll == trade.number) {
        marks.emplace_back("above bankroll");
    }
    if (plan.over_max_stake == trade.number) {
        marks.emplace_back("above max stake");
    }
    std::string text;
    for (const std::string& mark : marks) {
        text += text.empty() ? "<- " : ", ";
        text += mark;
    }
    return text;
}

}  // namespace

void write_table(std::ostream& out, const SeriesPlan& plan) {
    const std::size_t columns = plan.win_rate ? 5 : 4;
    const Cells header = {"Trade", "Stake", "Stakes so far", "Net if won", "Reached"};
    std::vector<std::string> numbers;  // the trade numbers, the only cells not held by the trades
    numbers.reserve(plan.trades.size());
    for (const PlannedTrade& trade : plan.trades) {
        numbers.push_back(std::to_string(trade.number));
    }
    const auto cells = [&](std::size_t i) -> Cells {
        const PlannedTrade& trade = plan.trades[i];
        return {numbers[i], trade.stake_text, trade.stakes_so_far_text, trade.net_if_won_text, trade.reach_text};
    };
    std::vector<std::size_t> width(columns);
    std::size_t row_width = 0;
    for (std::size_t column = 0; column < columns; ++column) {
        width[column] = header[column].size();
        for (std::size_t i = 0; i < plan.trades.size(); ++i) {
            width[column] = std::max(width[column], cells(i)[column].size());
        }
        row_width += (column == 0 ? 0 : kGap.size()) + width[column];
    }
    std::string line;
    const auto write_row = [&](const Cells& row, const std::string& mark) {
        line.clear();
        for (std::size_t column = 0; column < columns; ++column) {
            line.append(column == 0 ? 0 : kGap.size(), ' ');
            line.append(width[column] - row[column].size(), ' ');
            line.append(row[column]);
        }
        if (mark.empty()) {
            line += '\n';
        } else if (row_width + kGap.size() + mark.size() <= kLineWidth) {
            line.append(kGap).append(mark) += '\n';
        } else {  // a row of very long amounts: the mark goes under it, below the stake
            line.append("\n").append(width[0] + kGap.size(), ' ').append(mark) += '\n';
        }
        out << line;
    };
    write_row(header, "");
    for (std::size_t i = 0; i < plan.trades.size(); ++i) {
        write_row(cells(i), mark_of(plan.trades[i], plan));
    }
}

}  // namespace plan
