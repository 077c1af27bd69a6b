// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The plan as people read it: an aligned table with a header, amounts in the window's fixed format,
// with a win rate the chance of reaching each trade,
// and a mark beside the first trade beyond each limit.

#include <ostream>

#include "plan/series_plan.h"

namespace plan {

void write_table(std::ostream& out, const SeriesPlan& plan);

}  // namespace plan
