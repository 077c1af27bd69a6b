#include "plan/series_plan.h"

#include <string_view>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/failures.h"
#include "ledger/series.h"

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
// formed in extended precision.
ledger::Extended net_if_won(double stake, double fraction, double stakes_before) {
    ledger::FloatEnvironmentGuard guard;
    ledger::Extended net = static_cast<ledger::Extended>(stake) * fraction;
    ledger::settle(net);
    net -= stakes_before;
    ledger::settle(net);
    return net;
}

std::optional<ledger::Extended> read_limit(const std::optional<std::string>& text, char separator) {
    if (!text) {
        return std::nullopt;
    }
    return ledger::read_amount(*text, separator);
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
    SeriesPlan plan;
    const double fraction = payout_fraction(request.payout, separator);
    ledger::read_amount(request.first_trade, separator);  // its message comes before the limits'
    plan.limits = {read_limit(request.bankroll, separator), read_limit(request.max_stake, separator)};

    ledger::Series series;
    series.start();
    plan.trades.reserve(static_cast<std::size_t>(request.losses));
    for (int k = 1; k <= request.losses; ++k) {
        const double stakes_before = series.state().stake_sum;
        std::string shown;
        try {
            series.loss_step(request.first_trade, request.payout, separator,
                             [&shown](std::string_view text) { shown = text; });
        } catch (const ledger::EMathError& failure) {
            plan.failure = failure.message();
            break;
        }
        PlannedTrade trade;
        trade.number = k;
        trade.stake_text = std::move(shown);
        trade.stake = series.state().next_stake;
        trade.stakes_so_far = series.state().stake_sum;
        trade.net_if_won = net_if_won(trade.stake, fraction, stakes_before);
        trade.stakes_so_far_text = ledger::fixed_format(trade.stakes_so_far, separator);
        trade.net_if_won_text = ledger::fixed_format(trade.net_if_won, separator);
        mark_limits(trade, plan);
        plan.trades.push_back(std::move(trade));
    }
    return plan;
}

}  // namespace plan
