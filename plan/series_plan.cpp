// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/series_plan.h"

#include <string_view>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/failures.h"
#include "ledger/series.h"
#include "plan/failure_text.h"
#include "plan/figure_text.h"

namespace plan {
namespace {

// The payout fraction as the loss step forms it: the percentage divided by 100 in extended precision,
// rounded to double.
double payout_fraction(std::string_view payout, char separator) {
    const ledger::Extended percentage = ledger::read_amount(payout, separator);
    ledger::FloatEnvironmentGuard guard;
    double fraction = static_cast<double>(percentage / 100);
    ledger::settle(fraction);
    return fraction;
}

// What a win on a stake earns net: stake x payout fraction, less the stakes placed before it,
// formed in extended precision. Expects a guarded environment.
ledger::Extended net_if_won(double stake, double fraction, double stakes_before) {
    ledger::Extended net = static_cast<ledger::Extended>(stake) * fraction;
    ledger::settle(net);
    net -= stakes_before;
    ledger::settle(net);
    return net;
}

// An option's amount; a text that is no number names the option in its message.
std::optional<ledger::Extended> read_option(const std::optional<std::string>& text, std::string_view option,
                                            char separator) {
    if (!text) {
        return std::nullopt;
    }
    try {
        return ledger::read_amount(*text, separator);
    } catch (const ledger::EConvertError& failure) {
        throw OptionValueError(std::string(option) + ": " + shown_failure_text(failure.message()));
    }
}

std::optional<WinRate> read_win_rate(const std::optional<std::string>& text, char separator) {
    const std::optional<ledger::Extended> percent = read_option(text, "--win-rate", separator);
    if (!percent) {
        return std::nullopt;
    }
    if (!(*percent > 0 && *percent < 100)) {
        throw OptionValueError("--win-rate takes a percentage above 0 and below 100, not '" + *text + "'");
    }
    ledger::FloatEnvironmentGuard guard;
    WinRate rate;
    rate.win = *percent / 100;
    rate.loss = (100 - *percent) / 100;
    return rate;
}

void check_first_trade(const std::string& text, char separator) {
    if (text.empty()) {
        throw FirstTradeError("FIRST_TRADE is empty; the First Trade field needs digits");
    }
    if (ledger::filter_first_trade(text, separator)) {
        throw FirstTradeError("the First Trade field holds only digits and '" + std::string(1, separator) + "', not '" +
                              text + "'");
    }
}

void mark_limits(const PlannedTrade& trade, SeriesPlan& plan) {
    if (!plan.over_bankroll && plan.limits.bankroll && trade.stakes_so_far > *plan.limits.bankroll) {
        plan.over_bankroll = trade.number;
    }
    if (!plan.over_max_stake && plan.limits.max_stake && trade.stake > *plan.limits.max_stake) {
        plan.over_max_stake = trade.number;
    }
}

}  // namespace

SeriesPlan plan_series(const PlanRequest& request, char separator) {
    check_first_trade(request.first_trade, separator);
    SeriesPlan plan;
    const double fraction = payout_fraction(request.payout, separator);
    ledger::read_amount(request.first_trade, separator);  // its message comes before the options'
    plan.limits = {read_option(request.bankroll, "--bankroll", separator),
                   read_option(request.max_stake, "--max-stake", separator)};
    plan.win_rate = read_win_rate(request.win_rate, separator);
    ledger::Extended reach = 1;

    ledger::Series series;
    series.start();
    plan.trades.reserve(static_cast<std::size_t>(request.losses));
    for (int k = 1; k <= request.losses; ++k) {
        const double stakes_before = series.state().stake_sum;
        std::string shown;
        try {
            series.loss_step(
                request.first_trade, request.payout, separator, [&shown](std::string_view text) { shown = text; });
        } catch (const ledger::EMathError& failure) {
            plan.failure = failure.message();
            break;
        }
        PlannedTrade trade;
        trade.number = k;
        trade.stake_text = std::move(shown);
        trade.stake = series.state().next_stake;
        trade.stakes_so_far = series.state().stake_sum;
        {
            ledger::FloatEnvironmentGuard guard;  // one for the whole row
            trade.net_if_won = net_if_won(trade.stake, fraction, stakes_before);
            trade.stakes_so_far_text = ledger::fixed_format_unguarded(trade.stakes_so_far, separator);
            trade.net_if_won_text = ledger::fixed_format_unguarded(trade.net_if_won, separator);
            if (plan.win_rate) {
                trade.reach = reach;
                trade.reach_text = percent_text_unguarded(reach, separator);
                reach = reach * plan.win_rate->loss;
            }
        }
        mark_limits(trade, plan);
        plan.trades.push_back(std::move(trade));
    }
    return plan;
}

}  // namespace plan
