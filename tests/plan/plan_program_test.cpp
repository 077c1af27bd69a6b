// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// kestrun-plan among the other commands of a system: its help, the width of what it writes, how it
// ends when its reader goes away, and the names of its tests.

#include <gtest/gtest.h>

#include <signal.h>

#include <algorithm>
#include <set>

#include "plan_run.h"

namespace plan_test {
namespace {

constexpr std::size_t kColumns = 80;

std::vector<std::string> lines_wider_than_a_terminal(const std::string& text) {
    std::vector<std::string> wide;
    for (const std::string& line : lines_of(text)) {
        if (line.size() > kColumns) wide.push_back(line);
    }
    return wide;
}

class PlanHelp : public testing::TestWithParam<std::string> {};

TEST_P(PlanHelp, describes_every_option_within_eighty_columns) {
    const Finished run = run_plan({GetParam()});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* expected : {"k x a + S / p",
                                 "--losses N",
                                 "--bankroll B",
                                 "--max-stake M",
                                 "--win-rate W",
                                 "--series COUNT",
                                 "--summary-csv FILE",
                                 "--separator C",
                                 "--csv",
                                 "-h, --help",
                                 "--version",
                                 "independent",
                                 "Exit status",
                                 "141"}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
    }
    EXPECT_EQ(lines_wider_than_a_terminal(run.out), std::vector<std::string>{});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Spellings, PlanHelp, testing::Values("-h", "--help"),
                         [](const testing::TestParamInfo<std::string>& info) {
                             return info.param == "-h" ? std::string("short") : std::string("long");
                         });
// clang-format on

// The longest texts each part of the output can hold: amounts of 13 and more characters, both marks on
// one row, every closing line, a usage error.
struct WideOutput {
    std::string name;
    std::vector<std::string> arguments;
};

void PrintTo(const WideOutput& c, std::ostream* out) { *out << c.name; }

class PlanWidth : public testing::TestWithParam<WideOutput> {};

TEST_P(PlanWidth, keeps_every_line_within_eighty_columns) {
    const Finished run = run_plan(GetParam().arguments, {"LC_ALL=xx_XX.UTF-8"});
    EXPECT_FALSE(run.out.empty() && run.err.empty());
    EXPECT_EQ(lines_wider_than_a_terminal(run.out), std::vector<std::string>{});
    EXPECT_EQ(lines_wider_than_a_terminal(run.err), std::vector<std::string>{});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Outputs, PlanWidth,
    testing::Values(
        // Stakes of 13 characters, a net of 14, and both marks on one row: the marks go under it.
        WideOutput{"long_amounts_and_both_marks",
                   {"--losses", "1000", "--bankroll", "1", "--max-stake", "1", "--win-rate", "99.9", "--series",
                    "999999999", "1234567890123456789" + std::string(283, '0'), "--", "-1E300"}},
        WideOutput{"bankroll_outlasting_a_long_plan",
                   {"--losses", "99999", "--bankroll", "1.23456789012345E300", "--max-stake", "1.7E308",
                    "--win-rate", "99.999999", "--series", "1000000000", "99999999.99999", "1E6"}},
        WideOutput{"usage_error", {"--losses", "1000000000000", "1", "95"}},
        WideOutput{"locale_missing", {"--losses", "1", "1", "95"}},
        WideOutput{"series_that_breaks_down", {"--losses", "2000", "--win-rate", "50", "1", "95"}}),
    [](const testing::TestParamInfo<WideOutput>& info) { return info.param.name; });
// clang-format on

// 100000 rows are far more than a pipe holds, so the program writes after its reader has gone.
struct ClosedPipe {
    std::string name;
    bool ignore_sigpipe;
    int status;
    int signal;
};

void PrintTo(const ClosedPipe& c, std::ostream* out) { *out << c.name; }

class PlanClosedPipe : public testing::TestWithParam<ClosedPipe> {};

TEST_P(PlanClosedPipe, ends_quietly_with_the_usual_status) {
    const ClosedPipe& pipe = GetParam();
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--losses", "100000", "--win-rate", "50", "1", "1E6"},
          std::vector<std::string>{"--csv", "--losses", "100000", "1", "1E6"}}) {
        const Finished run =
            run_plan(arguments, kCLocale, {.ignore_sigpipe = pipe.ignore_sigpipe, .close_output = true});
        EXPECT_EQ(run.status, pipe.status) << arguments.front();
        EXPECT_EQ(run.signal, pipe.signal) << arguments.front();
        EXPECT_EQ(run.err, "") << arguments.front();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Signals, PlanClosedPipe,
    testing::Values(ClosedPipe{"sigpipe_at_its_default_ends_the_program", false, -1, SIGPIPE},
                    ClosedPipe{"sigpipe_ignored_gives_status_141", true, 141, 0}),
    [](const testing::TestParamInfo<ClosedPipe>& info) { return info.param.name; });
// clang-format on

TEST(PlanOutput, says_why_when_standard_output_cannot_be_written) {
    std::string command = "exec";
    for (const std::string& word : plan_command({"1", "95"})) command += " '" + word + "'";
    const Finished run = run_program("/bin/sh", {"-c", command + " >/dev/full"}, kCLocale);
    EXPECT_EQ(run.status, 74);
    EXPECT_EQ(run.err, "kestrun-plan: cannot write the plan: No space left on device\n");
}

// The names CTest gives these tests are what people read and filter by: each readable and given once.
TEST(PlanTestNames, are_readable_and_unique_in_ctest) {
    const Finished run = run_program(KESTRUN_CTEST, {"-N", "--test-dir", KESTRUN_BUILD_DIR}, kCLocale);
    ASSERT_EQ(run.status, 0) << run.err;
    std::set<std::string> names;
    std::size_t ours = 0;
    for (const std::string& line : lines_of(run.out)) {
        const std::size_t colon = line.find(": ");
        if (line.find("Test ") == std::string::npos || colon == std::string::npos) continue;
        const std::string name = line.substr(colon + 2);
        if (name.find("Plan") == std::string::npos) continue;
        ++ours;
        EXPECT_TRUE(names.insert(name).second) << "twice: " << name;
        EXPECT_EQ(name.find("GetParam"), std::string::npos) << name;
        EXPECT_EQ(name.find("byte object"), std::string::npos) << name;
        EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 0x7F; })) << name;
    }
    EXPECT_GT(ours, 50u);
}

}  // namespace
}  // namespace plan_test
