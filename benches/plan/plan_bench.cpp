// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A plan of 100000 trades with a win rate: working it out, writing it as a table and as CSV, the risk
// summary, and the whole program from start to exit with its output thrown away.
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <ostream>
#include <streambuf>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "plan/csv_output.h"
#include "plan/limit_summary.h"
#include "plan/risk_output.h"
#include "plan/risk_summary.h"
#include "plan/series_plan.h"
#include "plan/table_output.h"

extern char** environ;

namespace {

// Payout 1000000 % keeps 100000 stakes within the double range; the bankroll runs out half way.
const std::vector<std::string> kArguments = {
    "--losses", "100000", "--win-rate", "55", "--bankroll", "1E12", "--series", "100", "1", "1E6"};

plan::PlanRequest request() {
    plan::PlanRequest wanted;
    wanted.first_trade = "1";
    wanted.payout = "1E6";
    wanted.losses = 100000;
    wanted.win_rate = "55";
    wanted.bankroll = "1E12";
    wanted.series = 100;
    return wanted;
}

// Counts what it is given and keeps nothing.
class NullBuffer : public std::streambuf {
protected:
    std::streamsize xsputn(const char*, std::streamsize count) override { return count; }
    int_type overflow(int_type c) override { return traits_type::not_eof(c); }
};

void plan_series(benchmark::State& state) {
    const plan::PlanRequest wanted = request();
    for (auto _ : state) {
        benchmark::DoNotOptimize(plan::plan_series(wanted, '.'));
    }
}
BENCHMARK(plan_series)->Unit(benchmark::kMillisecond);

void plan_as_table_with_summary(benchmark::State& state) {
    const plan::PlanRequest wanted = request();
    NullBuffer buffer;
    std::ostream out(&buffer);
    for (auto _ : state) {
        const plan::SeriesPlan series = plan::plan_series(wanted, '.');
        plan::write_table(out, series);
        plan::write_limit_summary(out, series, '.');
        plan::write_risk_lines(out, plan::summarize_risk(series, wanted.series), '.');
    }
}
BENCHMARK(plan_as_table_with_summary)->Unit(benchmark::kMillisecond);

void plan_as_csv(benchmark::State& state) {
    const plan::PlanRequest wanted = request();
    NullBuffer buffer;
    std::ostream out(&buffer);
    for (auto _ : state) {
        plan::write_csv(out, plan::plan_series(wanted, '.'));
    }
}
BENCHMARK(plan_as_csv)->Unit(benchmark::kMillisecond);

// The real program, output to /dev/null, from spawn to exit; the counter program_cpu_ms is the
// processor time the program itself took (user and system), which a busy machine does not inflate.
void whole_program(benchmark::State& state, bool csv) {
    std::vector<std::string> texts{KESTRUN_PLAN_BINARY};
    if (csv) texts.emplace_back("--csv");
    texts.insert(texts.end(), kArguments.begin(), kArguments.end());
    std::vector<char*> argv;
    for (std::string& text : texts) argv.push_back(text.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    double cpu_seconds = 0;
    for (auto _ : state) {
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) {
            state.SkipWithError("the program could not be started");
            break;
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        cpu_seconds += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                       static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
            state.SkipWithError("the program failed");
            break;
        }
    }
    posix_spawn_file_actions_destroy(&actions);
    state.counters["program_cpu_ms"] = benchmark::Counter(cpu_seconds * 1000, benchmark::Counter::kAvgIterations);
}
BENCHMARK_CAPTURE(whole_program, table, false)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(whole_program, csv, true)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
