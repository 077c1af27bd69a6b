// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What kestrun-plan does with input it cannot plan: the window's message, and an exit status that
// tells a bad input, a series that breaks down and a bad command line apart.

#include <gtest/gtest.h>

#include "plan_run.h"

namespace plan_test {
namespace {

struct BadInput {
    std::string name;
    std::vector<std::string> arguments;
    std::string message;  // standard error, whole
};

void PrintTo(const BadInput& c, std::ostream* out) { *out << c.name; }

class PlanBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(PlanBadInput, writes_the_window_message_with_its_full_stop_and_nothing_else) {
    const Finished run = run_plan(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().message + "\n");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Inputs, PlanBadInput,
    testing::Values(
        BadInput{"letter_in_the_first_trade", {"12a", "95"},
                 "kestrun-plan: the First Trade field holds only digits and '.', not '12a'"},
        BadInput{"empty_first_trade", {"", "95"},
                 "kestrun-plan: FIRST_TRADE is empty; the First Trade field needs digits"},
        // The First Trade field keeps no sign, exponent, blank or foreign separator.
        BadInput{"negative_first_trade", {"--", "-1", "95"},
                 "kestrun-plan: the First Trade field holds only digits and '.', not '-1'"},
        BadInput{"first_trade_with_an_exponent", {"1E3", "95"},
                 "kestrun-plan: the First Trade field holds only digits and '.', not '1E3'"},
        BadInput{"first_trade_with_blanks", {" 2.5 ", "95"},
                 "kestrun-plan: the First Trade field holds only digits and '.', not ' 2.5 '"},
        BadInput{"comma_under_a_point_locale", {"1,5", "95"},
                 "kestrun-plan: the First Trade field holds only digits and '.', not '1,5'"},
        // Digits and separators the field holds, but no number.
        BadInput{"two_separators_in_the_first_trade", {"1..5", "95"},
                 "kestrun-plan: '1..5' is not a valid floating point value."},
        BadInput{"payout_of_two_blanks", {"1", "  "}, "kestrun-plan: '  ' is not a valid floating point value."},
        // The payout is read first, as the window reads it.
        BadInput{"both_texts_bad", {"1..5", "y"}, "kestrun-plan: 'y' is not a valid floating point value."},
        BadInput{"bankroll_no_number", {"--bankroll", "lots", "1", "95"},
                 "kestrun-plan: --bankroll: 'lots' is not a valid floating point value."},
        BadInput{"max_stake_no_number", {"--max-stake", "1 000", "1", "95"},
                 "kestrun-plan: --max-stake: '1 000' is not a valid floating point value."},
        // 0 / 0 at the first trade, as the first press of "Lost" after start.
        BadInput{"zero_payout", {"1", "0"}, "kestrun-plan: Invalid floating point operation."},
        BadInput{"first_trade_beyond_the_double_range", {std::string("1") + std::string(309, '0'), "95"},
                 "kestrun-plan: Floating point overflow."},
        BadInput{"payout_beyond_the_double_range", {"1", "1E400"}, "kestrun-plan: Floating point overflow."},
        // A win rate is a chance: above 0 and below 100 percent.
        BadInput{"win_rate_of_zero", {"--win-rate", "0", "1", "95"},
                 "kestrun-plan: --win-rate takes a percentage above 0 and below 100, not '0'"},
        BadInput{"win_rate_of_a_hundred", {"--win-rate", "100", "1", "95"},
                 "kestrun-plan: --win-rate takes a percentage above 0 and below 100, not '100'"},
        BadInput{"negative_win_rate", {"--win-rate", "-5", "1", "95"},
                 "kestrun-plan: --win-rate takes a percentage above 0 and below 100, not '-5'"},
        BadInput{"win_rate_beyond_the_double_range", {"--win-rate", "1E400", "1", "95"},
                 "kestrun-plan: --win-rate takes a percentage above 0 and below 100, not '1E400'"},
        BadInput{"win_rate_no_number", {"--win-rate", "55%", "1", "95"},
                 "kestrun-plan: --win-rate: '55%' is not a valid floating point value."},
        BadInput{"win_rate_with_a_comma_under_a_point_locale", {"--win-rate", "55,5", "1", "95"},
                 "kestrun-plan: --win-rate: '55,5' is not a valid floating point value."}),
    [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });
// clang-format on

const std::string kSixTimesTenTo307 = "6" + std::string(307, '0');

struct BrokenSeries {
    std::string name;
    std::vector<std::string> arguments;
    std::size_t rows_shown;  // trades priced before the failing one
    std::string message;
};

void PrintTo(const BrokenSeries& c, std::ostream* out) { *out << c.name; }

class PlanBrokenSeries : public testing::TestWithParam<BrokenSeries> {};

TEST_P(PlanBrokenSeries, shows_the_trades_before_the_failure_then_the_message) {
    const BrokenSeries& broken = GetParam();
    const Finished run = run_plan(broken.arguments);
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, "kestrun-plan: " + broken.message + "\n");
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), broken.rows_shown + 1);                          // the header, then the rows
    EXPECT_EQ(std::stoul(lines.back()), broken.rows_shown) << lines.back();  // the last row's trade number
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Failures, PlanBrokenSeries,
    testing::Values(
        // Trade 2 stakes 1.2E308 and shows it, then the stake sum leaves the double range.
        BrokenSeries{"stake_sum_overflows", {"--losses", "3", kSixTimesTenTo307, "1E300"}, 1,
                     "Floating point overflow."},
        BrokenSeries{"stake_sum_overflows_in_csv", {"--csv", "--losses", "3", kSixTimesTenTo307, "1E300"}, 1,
                     "Floating point overflow."},
        // The stake itself roughly doubles each trade and leaves the double range at trade 987.
        BrokenSeries{"stake_overflows", {"--losses", "2000", "1", "95"}, 986, "Floating point overflow."}),
    [](const testing::TestParamInfo<BrokenSeries>& info) { return info.param.name; });
// clang-format on

struct BadCommandLine {
    std::string name;
    std::vector<std::string> arguments;
    std::string complaint;  // the first line of standard error
};

void PrintTo(const BadCommandLine& c, std::ostream* out) { *out << c.name; }

class PlanBadCommandLine : public testing::TestWithParam<BadCommandLine> {};

TEST_P(PlanBadCommandLine, prints_what_is_wrong_and_the_usage_with_status_64) {
    const Finished run = run_plan(GetParam().arguments);
    EXPECT_EQ(run.status, 64);
    EXPECT_EQ(run.out, "");
    const std::vector<std::string> lines = lines_of(run.err);
    ASSERT_GE(lines.size(), 3u) << run.err;
    EXPECT_EQ(lines[0], GetParam().complaint);
    EXPECT_EQ(lines[1].rfind("Usage: kestrun-plan ", 0), 0u);
    EXPECT_EQ(lines.back(), "       kestrun-plan -h | --help | --version");
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    CommandLines, PlanBadCommandLine,
    testing::Values(
        BadCommandLine{"no_arguments", {}, "kestrun-plan: FIRST_TRADE and PAYOUT are missing"},
        BadCommandLine{"payout_missing", {"1"}, "kestrun-plan: PAYOUT is missing"},
        BadCommandLine{"argument_too_many", {"1", "95", "3"}, "kestrun-plan: unexpected argument '3'"},
        BadCommandLine{"unknown_option", {"--loses", "3", "1", "95"}, "kestrun-plan: unknown option '--loses'"},
        BadCommandLine{"negative_payout_without_double_dash", {"5", "-95"},
                       "kestrun-plan: unknown option '-9' (write -- before a negative payout)"},
        BadCommandLine{"losses_without_value", {"1", "95", "--losses"}, "kestrun-plan: --losses needs a value"},
        BadCommandLine{"zero_losses", {"--losses", "0", "1", "95"},
                       "kestrun-plan: --losses takes a whole number from 1 to 100000, not '0'"},
        BadCommandLine{"losses_not_a_number", {"--losses=ten", "1", "95"},
                       "kestrun-plan: --losses takes a whole number from 1 to 100000, not 'ten'"},
        BadCommandLine{"too_many_losses", {"--losses", "100001", "1", "95"},
                       "kestrun-plan: --losses takes a whole number from 1 to 100000, not '100001'"},
        BadCommandLine{"separator_of_two_characters", {"--separator", ",,", "1", "95"},
                       "kestrun-plan: bad --separator ',,': one character, no digit, sign, E or blank"},
        BadCommandLine{"digit_as_separator", {"--separator", "5", "1", "95"},
                       "kestrun-plan: bad --separator '5': one character, no digit, sign, E or blank"},
        BadCommandLine{"series_without_win_rate", {"--series", "10", "--bankroll", "50", "1", "95"},
                       "kestrun-plan: --series needs --win-rate and --bankroll"},
        BadCommandLine{"series_without_bankroll", {"--series", "10", "--win-rate", "50", "1", "95"},
                       "kestrun-plan: --series needs --win-rate and --bankroll"},
        BadCommandLine{"summary_file_without_bankroll", {"--summary-csv", "s.csv", "--win-rate", "50", "1", "95"},
                       "kestrun-plan: --summary-csv needs --win-rate and --bankroll"},
        BadCommandLine{"zero_series", {"--series", "0", "--win-rate", "50", "--bankroll", "9", "1", "95"},
                       "kestrun-plan: --series takes a whole number from 1 to 1000000000, not '0'"},
        BadCommandLine{"series_of_a_fraction", {"--series", "2.5", "--win-rate", "50", "--bankroll", "9", "1", "95"},
                       "kestrun-plan: --series takes a whole number from 1 to 1000000000, not '2.5'"}),
    [](const testing::TestParamInfo<BadCommandLine>& info) { return info.param.name; });
// clang-format on

// 1 x 2 + 0 / -0.5 for the first trade, and a win on it earns 2 x -0.5.
TEST(PlanCommandLine, reads_a_negative_payout_after_a_double_dash) {
    const Finished run = run_plan({"--losses", "1", "--", "2", "-50"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(words_of(lines_of(run.out).at(1)), (std::vector<std::string>{"1", "2.00", "2.00", "-1.00"}));
}

TEST(PlanCommandLine, prints_its_version) {
    const Finished run = run_plan({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "kestrun-plan " KESTRUN_VERSION "\n");
}

}  // namespace
}  // namespace plan_test
