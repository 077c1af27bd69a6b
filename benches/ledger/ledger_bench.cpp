// Amount reading beside glibc strtold, both formats beside snprintf("%.17Lg"), and one whole loss step.
// Prints the ratios at the end.
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/series.h"

namespace {

// What traders type: small amounts, cents, payouts, now and then an exponent or padding.
const std::vector<std::string> kTexts = {
    "1", "95", "10", "2.5", "100", "0.35", "1250.75", "87", " 5", "9 ", "25E-2", "1e3", "3.0526315789",
    "0.01", "500", "12.5", "7", "1000000", "42.42", "80",
};

const std::vector<long double> kValues = {
    1, 3.0526315789473686, 7.2659279778393353, 32.5, 0.125, 1674724.9111749786, 14483606.479514299,
    125259236.41861914, 2.675, 0.005, 12.5, 1000, 99999999.5, 0.0001, 2152336000, 42.42,
};

void read_amount(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ledger::read_amount(kTexts[i], '.'));
        if (++i == kTexts.size()) i = 0;
    }
}
BENCHMARK(read_amount);

void glibc_strtold(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::strtold(kTexts[i].c_str(), nullptr));
        if (++i == kTexts.size()) i = 0;
    }
}
BENCHMARK(glibc_strtold);

void general_format(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ledger::general_format(kValues[i], '.'));
        if (++i == kValues.size()) i = 0;
    }
}
BENCHMARK(general_format);

void fixed_format(benchmark::State& state) {
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(ledger::fixed_format(kValues[i], '.'));
        if (++i == kValues.size()) i = 0;
    }
}
BENCHMARK(fixed_format);

void snprintf_17Lg(benchmark::State& state) {
    std::size_t i = 0;
    char buffer[64];
    for (auto _ : state) {
        benchmark::DoNotOptimize(std::snprintf(buffer, sizeof buffer, "%.17Lg", kValues[i]));
        benchmark::DoNotOptimize(buffer);
        if (++i == kValues.size()) i = 0;
    }
}
BENCHMARK(snprintf_17Lg);

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
BENCHMARK(loss_step);

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
        const auto ratio = [this](const char* a, const char* b) {
            const auto x = times_.find(a), y = times_.find(b);
            return x == times_.end() || y == times_.end() || x->second == 0 ? 0.0 : y->second / x->second;
        };
        std::printf("\nread_amount is %.2fx as fast as strtold (target: 2x)\n", ratio("read_amount", "glibc_strtold"));
        std::printf("general_format is %.2fx as fast as snprintf %%.17Lg (target: 3x)\n",
                    ratio("general_format", "snprintf_17Lg"));
        std::printf("fixed_format is %.2fx as fast as snprintf %%.17Lg (target: 3x)\n",
                    ratio("fixed_format", "snprintf_17Lg"));
        if (auto it = times_.find("loss_step"); it != times_.end())
            std::printf("a whole loss step takes %.1f ns (target: under 150 ns)\n", it->second);
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
