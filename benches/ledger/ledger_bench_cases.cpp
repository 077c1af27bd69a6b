// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The ledger's own benchmarks: amount reading, both formats and one whole loss step. This file is
// compiled once for each implementation of the extended format; KESTRUN_BENCH_LABEL names it.
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/series.h"
#include "ledger_bench_inputs.h"

namespace {

void read_amount(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ledger::read_amount(bench_inputs::kTexts[i], '.'));
        if (++i == bench_inputs::kTexts.size()) i = 0;
    }
}

void general_format(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ledger::general_format(bench_inputs::kValues[i], '.'));
        if (++i == bench_inputs::kValues.size()) i = 0;
    }
}

void fixed_format(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ledger::fixed_format(bench_inputs::kValues[i], '.'));
        if (++i == bench_inputs::kValues.size()) i = 0;
    }
}

void loss_step(benchmark::State& state) {
    ledger::Series series;
    std::string shown;
    const ledger::ResultDisplay show = [&shown](std::string_view text) { shown.assign(text); };
    const ledger::SeriesState mid{3, 4.0526315789473681, 3.0526315789473686};
    for (auto _ : state) {
        series.restore(mid);
        series.loss_step("1", "95", '.', show);
        benchmark::DoNotOptimize(shown.data());
    }
}

const bool registered = [] {
    const std::string label = KESTRUN_BENCH_LABEL;
    benchmark::RegisterBenchmark((label + "/read_amount").c_str(), read_amount);
    benchmark::RegisterBenchmark((label + "/general_format").c_str(), general_format);
    benchmark::RegisterBenchmark((label + "/fixed_format").c_str(), fixed_format);
    benchmark::RegisterBenchmark((label + "/loss_step").c_str(), loss_step);
    return true;
}();

}  // namespace
