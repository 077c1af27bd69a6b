// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the chances and counts of the risk figures are written, with the amounts' decimal separator.

#include <string>

#include "ledger/extended.h"

namespace plan {

// A chance given as a fraction (0 < f <= 1), written as a percentage:
//   two decimals from 0.01% on ("45.00%", "0.01%"), and ">99.99%" for a chance below 1 that two
//   decimals would round to 100.00%;
//   below 0.01% four significant digits in scientific notation ("1.024E-5%"), never a bare 0.00%;
//   "<3.4E-4930%" for a chance too small for the extended format to hold.
std::string percent_text(ledger::Extended fraction, char separator);
// The same for callers that already hold a FloatEnvironmentGuard.
std::string percent_text_unguarded(ledger::Extended fraction, char separator);

// Zero, and the values below the normal range of the extended format (about 3.4E-4932), which keep
// too few digits to be shown.
bool below_extended_range(ledger::Extended value);

// A positive value with three significant digits: plain below a million ("16", "24.4", "597"),
// scientific from there on ("1.23E6").
std::string rounded_count_text(ledger::Extended value, char separator);

}  // namespace plan
