// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The pieces of a CSV line: a value as the shortest text that reads back to exactly that value (always
// with "." as its decimal point), and a field quoted when it holds a comma, a quotation mark or a line
// feed.

#include <string>
#include <string_view>

#include "ledger/shortest_text.h"

namespace plan {

// A double by the standard library. An extended value goes to ledger::shortest_text (found by its
// argument), which writes the same text on every processor.
std::string shortest_text(double value);

std::string csv_field(std::string_view text);

}  // namespace plan
