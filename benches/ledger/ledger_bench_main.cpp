// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Amount reading beside glibc strtold, both formats beside snprintf("%.17Lg"), and one whole loss step,
// for each implementation of the extended format (ledger_bench_cases.cpp). Prints the ratios at the end.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "ledger_bench_inputs.h"

namespace {

void glibc_strtold(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtold(bench_inputs::kTexts[i].c_str(), nullptr));
        if (++i == bench_inputs::kTexts.size()) i = 0;
    }
}
BENCHMARK(glibc_strtold);

void snprintf_17Lg(benchmark::State& state) {
    std::size_t i = 0;
    char buffer[64];
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            std::snprintf(buffer, sizeof buffer, "%.17Lg", static_cast<long double>(bench_inputs::kValues[i])));
        benchmark::DoNotOptimize(buffer);
        if (++i == bench_inputs::kValues.size()) i = 0;
    }
}
BENCHMARK(snprintf_17Lg);

// Keeps each benchmark's time per iteration for the ratios.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        // One figure per benchmark: the single run, or the median of its repetitions.
        for (const Run& run : runs) {
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Iteration || median)
                times_[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
    }
    void print_ratios() const {
        const auto time = [this](const std::string& name) {
            const auto it = times_.find(name);
            return it == times_.end() ? 0.0 : it->second;
        };
        const auto ratio = [&](const std::string& a, const std::string& b) {
            return time(a) == 0 ? 0.0 : time(b) / time(a);
        };
        struct Targets {
            const char* label;
            double reading, format, loss_step_ns;
        };
        for (const Targets t : {Targets{"x87", 2, 3, 120}, Targets{"portable", 1, 0, 300}}) {
            const std::string l = t.label;
            if (time(l + "/read_amount") == 0) continue;
            std::printf("\n%s:\n", t.label);
            std::printf("  read_amount is %.2fx as fast as strtold (target: %gx)\n",
                        ratio(l + "/read_amount", "glibc_strtold"),
                        t.reading);
            for (const char* format : {"general_format", "fixed_format"}) {
                std::printf(
                    "  %s is %.2fx as fast as snprintf %%.17Lg", format, ratio(l + "/" + format, "snprintf_17Lg"));
                if (t.format > 0) std::printf(" (target: %gx)", t.format);
                std::printf("\n");
            }
            std::printf(
                "  a whole loss step takes %.1f ns (target: under %g ns)\n", time(l + "/loss_step"), t.loss_step_ns);
        }
        if (time("x87/loss_step") > 0 && time("portable/loss_step") > 0) {
            std::printf("\nportable time / x87 time:");
            for (const char* name : {"read_amount", "general_format", "fixed_format", "loss_step"})
                std::printf(" %s %.2f", name, ratio(std::string("x87/") + name, std::string("portable/") + name));
            std::printf("\n");
        }
    }

private:
    std::map<std::string, double> times_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.print_ratios();
    benchmark::Shutdown();
    return 0;
}
