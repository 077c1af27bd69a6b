#include "plan/csv_output.h"

#include <charconv>
#include <string>
#include <string_view>
#include <system_error>

#include "ledger/shortest_text.h"

namespace plan {
namespace {

// The shortest text that reads back to exactly this value.
template <typename Floating>
std::string shortest_text(Floating value) {
    char buffer[64];
    const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, value);
    if (error != std::errc{}) {
        throw std::system_error(std::make_error_code(error), "writing a value for the CSV");
    }
    return std::string(buffer, end);
}

std::string field(std::string_view text) {
    if (text.find_first_of(",\"\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + '"';
}

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
    out << "trade,stake,stakes_so_far,net_if_won,stake_value,stakes_so_far_value,net_if_won_value,mark\n";
    for (const PlannedTrade& trade : plan.trades) {
        out << trade.number << ',' << field(trade.stake_text) << ','
            << field(trade.stakes_so_far_text) << ',' << field(trade.net_if_won_text) << ',' << shortest_text(trade.stake) << ','
            << shortest_text(trade.stakes_so_far) << ',' << ledger::shortest_text(trade.net_if_won) << ','
            << mark_of(trade, plan) << '\n';
    }
}

}  // namespace plan
