// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The risk ahead, for a win rate and a bankroll: how likely the run of losses that the bankroll cannot
// carry on from is, and what a series earns on average. Trades are taken as independent, each winning
// with the same chance, and every win pays the same fixed payout.

#include <cstdint>
#include <optional>

#include "ledger/extended.h"
#include "plan/series_plan.h"

namespace plan {

struct RiskSummary {
    // K: the losses in a row that the bankroll covers. When the bankroll outlasts the plan, K is the
    // plan's length and only a lower bound, and the chances below are upper bounds.
    std::int32_t losses_covered = 0;
    bool outlasts_plan = false;
    ledger::Extended ruin = 1;                     // (1 - w)^K, a series' chance of K losses in a row
    std::optional<ledger::Extended> expected_net;  // none when the bankroll outlasts the plan
    std::optional<std::int64_t> series;            // M, with --series
    std::optional<ledger::Extended> ruin_within;   // 1 - (1 - (1 - w)^K)^M
};

// Needs a plan with a win rate and a bankroll, planned without a failure. The expected net is
//   sum over k = 1..K of w (1 - w)^(k - 1) x net if won on trade k  -  (1 - w)^K x stakes of 1..K,
// summed in trade order from the rows' own chances.
RiskSummary summarize_risk(const SeriesPlan& plan, std::optional<std::int64_t> series);

// 1 - (1 - r)^m, formed without taking 1 - (1 - r)^m apart, so that a small r keeps its digits.
ledger::Extended chance_within(ledger::Extended r, std::int64_t m);

}  // namespace plan
