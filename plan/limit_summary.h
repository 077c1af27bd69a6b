// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The closing lines under the table: how many losses in a row the bankroll covers, and where the
// maximum stake cuts the series short.

#include <ostream>

#include "plan/series_plan.h"

namespace plan {

// One line for each limit given. Expects the whole series planned (no failure).
void write_limit_summary(std::ostream& out, const SeriesPlan& plan, char separator);

}  // namespace plan
