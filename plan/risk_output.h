// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The risk figures under the table, and the same figures for spreadsheets.

#include <ostream>

#include "plan/risk_summary.h"

namespace plan {

// Under the bankroll's line:
//   Risk of ruin per series: 12.50%, about 1 series in 8.
//   Expected net per series: 0.00
//   Risk of ruin within 2 series: 23.44%        (with --series)
// When the bankroll outlasts the plan, the chances are bounds ("at most") and the expected net is not
// known.
void write_risk_lines(std::ostream& out, const RiskSummary& summary, char separator);

// figure,value,shown - one line for each figure: the value as the shortest text that reads back to the
// same extended value (with "."), beside the text the lines above show for it.
//   losses_covered, risk_of_ruin, one_series_in, expected_net, series, risk_of_ruin_within_series
void write_risk_csv(std::ostream& out, const RiskSummary& summary, char separator);

}  // namespace plan
