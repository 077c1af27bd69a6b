// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/risk_summary.h"

namespace plan {

ledger::Extended chance_within(ledger::Extended r, std::int64_t m) {
    ledger::FloatEnvironmentGuard guard;
    // For runs of a and b series: ruined(a + b) = ruined(a) + ruined(b) x spared(a), spared = 1 - ruined,
    // and spared(a + b) = spared(a) x spared(b). Only sums of positive terms: nothing cancels.
    ledger::Extended ruined_step = r;
    ledger::Extended spared_step = 1 - r;
    ledger::Extended ruined = 0;
    ledger::Extended spared = 1;
    for (std::int64_t rest = m; rest > 0; rest /= 2) {
        if (rest % 2 == 1) {
            ruined = ruined + ruined_step * spared;
            spared = spared * spared_step;
        }
        ruined_step = ruined_step + ruined_step * spared_step;
        spared_step = spared_step * spared_step;
    }
    return ruined;
}

RiskSummary summarize_risk(const SeriesPlan& plan, std::optional<std::int64_t> series) {
    RiskSummary summary;
    const WinRate& rate = plan.win_rate.value();
    summary.outlasts_plan = !plan.over_bankroll;
    summary.losses_covered =
        plan.over_bankroll ? *plan.over_bankroll - 1 : static_cast<std::int32_t>(plan.trades.size());
    const auto covered = static_cast<std::size_t>(summary.losses_covered);
    {
        ledger::FloatEnvironmentGuard guard;
        ledger::Extended won = 0;
        for (std::size_t i = 0; i < covered; ++i) {
            const PlannedTrade& trade = plan.trades[i];
            won = won + rate.win * trade.reach * trade.net_if_won;
        }
        // The chance of K losses: the next trade's chance of being reached.
        summary.ruin = covered == 0 ? ledger::Extended(1) : plan.trades[covered - 1].reach * rate.loss;
        if (!summary.outlasts_plan) {
            const double staked = covered == 0 ? 0 : plan.trades[covered - 1].stakes_so_far;
            summary.expected_net = won - summary.ruin * staked;
        }
    }
    if (series) {
        summary.series = series;
        summary.ruin_within = chance_within(summary.ruin, *series);
    }
    return summary;
}

}  // namespace plan
