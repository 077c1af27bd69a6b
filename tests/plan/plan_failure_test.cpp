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

class PlanBadInput : public testing::TestWithParam<BadInput> {};

TEST_P(PlanBadInput, writes_the_window_message_with_its_full_stop_and_nothing_else) {
    const Finished run = run_plan(GetParam().arguments);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().message + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, PlanBadInput,
    testing::Values(
        BadInput{"letter_in_the_first_trade", {"12a", "95"}, "'12a' is not a valid floating point value."},
        BadInput{"empty_first_trade", {"", "95"}, "'' is not a valid floating point value."},
        BadInput{"payout_of_two_blanks", {"1", "  "}, "'  ' is not a valid floating point value."},
        BadInput{"comma_under_a_point_locale", {"1,5", "95"}, "'1,5' is not a valid floating point value."},
        // The payout is read first, as the window reads it.
        BadInput{"both_texts_bad", {"x", "y"}, "'y' is not a valid floating point value."},
        BadInput{"bankroll_no_number", {"--bankroll", "lots", "1", "95"}, "'lots' is not a valid floating point value."},
        BadInput{"max_stake_no_number", {"--max-stake", "1 000", "1", "95"},
                 "'1 000' is not a valid floating point value."},
        // 0 / 0 at the first trade, as the first press of "Lost" after start.
        BadInput{"zero_payout", {"1", "0"}, "Invalid floating point operation."},
        BadInput{"first_trade_beyond_the_double_range", {std::string("1") + std::string(309, '0'), "95"},
                 "Floating point overflow."},
        BadInput{"payout_beyond_the_double_range", {"1", "1E400"}, "Floating point overflow."}),
    [](const testing::TestParamInfo<BadInput>& info) { return info.param.name; });

struct BrokenSeries {
    std::string name;
    std::vector<std::string> arguments;
    std::size_t rows_shown;  // trades priced before the failing one
    std::string message;
};

class PlanBrokenSeries : public testing::TestWithParam<BrokenSeries> {};

TEST_P(PlanBrokenSeries, shows_the_trades_before_the_failure_then_the_message) {
    const BrokenSeries& broken = GetParam();
    const Finished run = run_plan(broken.arguments);
    EXPECT_EQ(run.status, 3);
    EXPECT_EQ(run.err, broken.message + "\n");
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), broken.rows_shown + 1);  // the header, then the rows
    EXPECT_EQ(std::stoul(lines.back()), broken.rows_shown) << lines.back();  // the last row's trade number
}

INSTANTIATE_TEST_SUITE_P(
    Failures, PlanBrokenSeries,
    testing::Values(
        // Trade 2 stakes 1.2E308 and shows it, then the stake sum leaves the double range.
        BrokenSeries{"stake_sum_overflows", {"--losses", "3", "6E307", "1E300"}, 1, "Floating point overflow."},
        BrokenSeries{"stake_sum_overflows_in_csv", {"--csv", "--losses", "3", "6E307", "1E300"}, 1,
                     "Floating point overflow."},
        // The stake itself roughly doubles each trade and leaves the double range at trade 987.
        BrokenSeries{"stake_overflows", {"--losses", "2000", "1", "95"}, 986, "Floating point overflow."}),
    [](const testing::TestParamInfo<BrokenSeries>& info) { return info.param.name; });

struct BadCommandLine {
    std::string name;
    std::vector<std::string> arguments;
    std::string complaint;  // the first line of standard error
};

class PlanBadCommandLine : public testing::TestWithParam<BadCommandLine> {};

TEST_P(PlanBadCommandLine, prints_what_is_wrong_and_the_usage_with_status_64) {
    const Finished run = run_plan(GetParam().arguments);
    EXPECT_EQ(run.status, 64);
    EXPECT_EQ(run.out, "");
    const std::vector<std::string> lines = lines_of(run.err);
    ASSERT_EQ(lines.size(), 3u) << run.err;
    EXPECT_EQ(lines[0], GetParam().complaint);
    EXPECT_EQ(lines[1].rfind("Usage: kestrun-plan ", 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, PlanBadCommandLine,
    testing::Values(
        BadCommandLine{"no_arguments", {}, "kestrun-plan: FIRST_TRADE and PAYOUT are missing"},
        BadCommandLine{"payout_missing", {"1"}, "kestrun-plan: PAYOUT is missing"},
        BadCommandLine{"argument_too_many", {"1", "95", "3"}, "kestrun-plan: unexpected argument '3'"},
        BadCommandLine{"unknown_option", {"--loses", "3", "1", "95"}, "kestrun-plan: unknown option '--loses'"},
        BadCommandLine{"negative_amount_without_double_dash", {"-5", "95"},
                       "kestrun-plan: unknown option '-5' (write -- before a negative amount)"},
        BadCommandLine{"losses_without_value", {"1", "95", "--losses"}, "kestrun-plan: --losses needs a value"},
        BadCommandLine{"zero_losses", {"--losses", "0", "1", "95"},
                       "kestrun-plan: --losses takes a whole number from 1 to 100000, not '0'"},
        BadCommandLine{"losses_not_a_number", {"--losses=ten", "1", "95"},
                       "kestrun-plan: --losses takes a whole number from 1 to 100000, not 'ten'"},
        BadCommandLine{"too_many_losses", {"--losses", "100001", "1", "95"},
                       "kestrun-plan: --losses takes a whole number from 1 to 100000, not '100001'"},
        BadCommandLine{"separator_of_two_characters", {"--separator", ",,", "1", "95"},
                       "kestrun-plan: --separator takes one visible character that is no digit, sign or exponent "
                       "letter, not ',,'"},
        BadCommandLine{"digit_as_separator", {"--separator", "5", "1", "95"},
                       "kestrun-plan: --separator takes one visible character that is no digit, sign or exponent "
                       "letter, not '5'"}),
    [](const testing::TestParamInfo<BadCommandLine>& info) { return info.param.name; });

TEST(PlanCommandLine, reads_a_negative_amount_after_a_double_dash) {
    const Finished run = run_plan({"--losses", "1", "--", "-2", "50"});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(words_of(lines_of(run.out).at(1)), (std::vector<std::string>{"1", "-2.00", "-2.00", "-1.00"}));
}

TEST(PlanCommandLine, describes_the_formula_and_every_option_in_its_help) {
    const Finished run = run_plan({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    for (const char* expected : {"k x a + S / p", "--losses N", "--bankroll B", "--max-stake M", "--separator C",
                                 "--csv", "--version", "Exit status"}) {
        EXPECT_NE(run.out.find(expected), std::string::npos) << expected;
    }
}

TEST(PlanCommandLine, prints_its_version) {
    const Finished run = run_plan({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "kestrun-plan " KESTRUN_VERSION "\n");
}

}  // namespace
}  // namespace plan_test
