// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The shortest decimal text that reads back to exactly a given extended value, written as C++'s
// std::to_chars writes a floating-point value without a format: plain or scientific notation,
// whichever is shorter ("100", "0.001", "1e+22", "-2.5e-07", "inf", "nan").
// Worked out in integers, so that every processor writes the same text.

#include <string>

#include "ledger/extended.h"

namespace ledger {

std::string shortest_text(Extended value);

}  // namespace ledger
