#include "plan/table_output.h"

#include <algorithm>
#include <array>
#include <iomanip>
#include <string>
#include <vector>

namespace plan {
namespace {

constexpr std::size_t kColumns = 4;
using Row = std::array<std::string, kColumns>;

const Row kHeader = {"Trade", "Stake", "Stakes so far", "Net if won"};

std::string mark_of(const PlannedTrade& trade, const SeriesPlan& plan) {
    std::vector<std::string> marks;
    if (plan.over_bankroll == trade.number) {
        marks.emplace_back("stakes so far above the bankroll");
    }
    if (plan.over_max_stake == trade.number) {
        marks.emplace_back("stake above the maximum stake");
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
    std::vector<Row> rows;
    rows.reserve(plan.trades.size());
    for (const PlannedTrade& trade : plan.trades) {
        rows.push_back({std::to_string(trade.number), trade.stake_text, trade.stakes_so_far_text,
                        trade.net_if_won_text});
    }
    std::array<std::size_t, kColumns> width{};
    for (std::size_t column = 0; column < kColumns; ++column) {
        width[column] = kHeader[column].size();
        for (const Row& row : rows) {
            width[column] = std::max(width[column], row[column].size());
        }
    }
    const auto write_row = [&](const Row& row, const std::string& mark) {
        for (std::size_t column = 0; column < kColumns; ++column) {
            out << (column == 0 ? "" : "  ") << std::setw(static_cast<int>(width[column])) << row[column];
        }
        out << (mark.empty() ? "" : "  ") << mark << '\n';
    };
    write_row(kHeader, "");
    for (std::size_t i = 0; i < rows.size(); ++i) {
        write_row(rows[i], mark_of(plan.trades[i], plan));
    }
}

}  // namespace plan
