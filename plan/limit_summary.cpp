#include "plan/limit_summary.h"

#include <string>

#include "ledger/amount_display.h"

namespace plan {
namespace {

std::string losses_in_a_row(std::int32_t count) {
    return std::to_string(count) + (count == 1 ? " loss" : " losses") + " in a row";
}

const PlannedTrade& trade_number(const SeriesPlan& plan, std::int32_t number) {
    return plan.trades.at(static_cast<std::size_t>(number - 1));
}

void write_bankroll_line(std::ostream& out, const SeriesPlan& plan, char separator) {
    const std::string bankroll = ledger::general_format(*plan.limits.bankroll, separator);
    if (plan.over_bankroll) {
        const PlannedTrade& over = trade_number(plan, *plan.over_bankroll);
        out << "A bankroll of " << bankroll << " covers " << losses_in_a_row(over.number - 1) << "; with trade "
            << over.number << " the stakes come to " << over.stakes_so_far_text
            << ".\n";
        return;
    }
    const std::int32_t count = static_cast<std::int32_t>(plan.trades.size());
    out << "A bankroll of " << bankroll << " covers at least " << losses_in_a_row(count) << "; the stakes of the "
        << count << (count == 1 ? " trade" : " trades") << " come to "
        << plan.trades.back().stakes_so_far_text << ".\n";
}

void write_max_stake_line(std::ostream& out, const SeriesPlan& plan, char separator) {
    const std::string max_stake = ledger::general_format(*plan.limits.max_stake, separator);
    if (plan.over_max_stake) {
        const PlannedTrade& over = trade_number(plan, *plan.over_max_stake);
        out << "A maximum stake of " << max_stake << " cuts the series short at trade " << over.number
            << ", which stakes " << over.stake_text << ": it covers " << losses_in_a_row(over.number - 1)
            << ".\n";
        return;
    }
    out << "No stake of the " << plan.trades.size() << (plan.trades.size() == 1 ? " trade" : " trades")
        << " exceeds the maximum stake of " << max_stake << ".\n";
}

}  // namespace

void write_limit_summary(std::ostream& out, const SeriesPlan& plan, char separator) {
    if (plan.trades.empty()) {
        return;
    }
    if (plan.limits.bankroll) {
        write_bankroll_line(out, plan, separator);
    }
    if (plan.limits.max_stake) {
        write_max_stake_line(out, plan, separator);
    }
}

}  // namespace plan
