// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the ledger benchmarks read and show: what traders type (small amounts, cents, payouts, now and
// then an exponent or padding), and stakes as the series stores them.
#include <string>
#include <vector>

namespace bench_inputs {

inline const std::vector<std::string> kTexts = {
    "1",     "95",  "10",           "2.5",  "100", "0.35", "1250.75", "87",      " 5",    "9 ",
    "25E-2", "1e3", "3.0526315789", "0.01", "500", "12.5", "7",       "1000000", "42.42", "80",
};

inline const std::vector<double> kValues = {
    1,
    3.0526315789473686,
    7.2659279778393353,
    32.5,
    0.125,
    1674724.9111749786,
    14483606.479514299,
    125259236.41861914,
    2.675,
    0.005,
    12.5,
    1000,
    99999999.5,
    0.0001,
    2152336000,
    42.42,
};

}  // namespace bench_inputs
