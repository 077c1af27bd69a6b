// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/limit_summary.h"

#include <sstream>
#include <string>

#include "ledger/amount_display.h"
#include "plan/text_wrap.h"

namespace plan {
namespace {

std::string losses_in_a_row(std::int32_t count) {
    return std::to_string(count) + (count == 1 ? " loss" : " losses") + " in a row";
}

const PlannedTrade& trade_number(const SeriesPlan& plan, std::int32_t number) {
    return plan.trades.at(static_cast<std::size_t>(number - 1));
}

std::string bankroll_line(const SeriesPlan& plan, char separator) {
    std::ostringstream out;
    const std::string bankroll = ledger::general_format(*plan.limits.bankroll, separator);
    if (plan.over_bankroll) {
        const PlannedTrade& over = trade_number(plan, *plan.over_bankroll);
        out << "A bankroll of " << bankroll << " covers " << losses_in_a_row(over.number - 1) << "; by trade "
            << over.number << " the stakes are " << over.stakes_so_far_text << '.';
        return out.str();
    }
    const std::int32_t count = static_cast<std::int32_t>(plan.trades.size());
    out << "A bankroll of " << bankroll << " covers at least " << losses_in_a_row(count) << "; " << count
        << (count == 1 ? " trade stakes " : " trades stake ") << plan.trades.back().stakes_so_far_text << '.';
    return out.str();
}

std::string max_stake_line(const SeriesPlan& plan, char separator) {
    std::ostringstream out;
    const std::string max_stake = ledger::general_format(*plan.limits.max_stake, separator);
    if (plan.over_max_stake) {
        const PlannedTrade& over = trade_number(plan, *plan.over_max_stake);
        out << "A maximum stake of " << max_stake << " covers " << losses_in_a_row(over.number - 1) << "; trade "
            << over.number << " would stake " << over.stake_text << '.';
        return out.str();
    }
    out << "No stake of the " << plan.trades.size() << (plan.trades.size() == 1 ? " trade" : " trades")
        << " exceeds the maximum stake of " << max_stake << '.';
    return out.str();
}

}  // namespace

void write_limit_summary(std::ostream& out, const SeriesPlan& plan, char separator) {
    if (plan.trades.empty()) {
        return;
    }
    if (plan.limits.bankroll) {
        write_wrapped(out, bankroll_line(plan, separator));
    }
    if (plan.limits.max_stake) {
        write_wrapped(out, max_stake_line(plan, separator));
    }
}

}  // namespace plan
