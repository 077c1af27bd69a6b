#include "plan/table_output.h"

#include <algorithm>
#include <iomanip>
#include <string>
#include <vector>

#include "plan/text_wrap.h"

namespace plan {
namespace {

using Row = std::vector<std::string>;

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
    Row header = {"Trade", "Stake", "Stakes so far", "Net if won"};
    if (plan.win_rate) {
        header.emplace_back("Reached");
    }
    std::vector<Row> rows;
    rows.reserve(plan.trades.size());
    for (const PlannedTrade& trade : plan.trades) {
        Row row{std::to_string(trade.number), trade.stake_text, trade.stakes_so_far_text, trade.net_if_won_text};
        if (plan.win_rate) {
            row.push_back(trade.reach_text);
        }
        rows.push_back(std::move(row));
    }
    std::vector<std::size_t> width(header.size());
    std::size_t row_width = 0;
    for (std::size_t column = 0; column < header.size(); ++column) {
        width[column] = header[column].size();
        for (const Row& row : rows) {
            width[column] = std::max(width[column], row[column].size());
        }
        row_width += (column == 0 ? 0 : kGap.size()) + width[column];
    }
    const auto write_row = [&](const Row& row, const std::string& mark) {
        for (std::size_t column = 0; column < row.size(); ++column) {
            out << (column == 0 ? "" : kGap) << std::setw(static_cast<int>(width[column])) << row[column];
        }
        if (mark.empty()) {
            out << '\n';
        } else if (row_width + kGap.size() + mark.size() <= kLineWidth) {
            out << kGap << mark << '\n';
        } else {  // a row of very long amounts: the mark goes under it, below the stake
            out << '\n' << std::string(width[0] + kGap.size(), ' ') << mark << '\n';
        }
    };
    write_row(header, "");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        write_row(rows[i], mark_of(plan.trades[i], plan));
    }
}

}  // namespace plan
