// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The table of the series ahead: the same stakes as the window shows press after press of "Lost".

#include <gtest/gtest.h>

#include "plan_run.h"

namespace plan_test {
namespace {

TEST(PlanTable, shows_the_worked_series_of_first_trade_1_and_payout_95_as_an_aligned_table) {
    const Finished run = run_plan({"--losses", "3", "1", "95"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Trade  Stake  Stakes so far  Net if won\n"
              "    1   1.00           1.00        0.95\n"
              "    2   3.05           4.05        1.90\n"
              "    3   7.27          11.32        2.85\n");
}

TEST(PlanTable, plans_ten_trades_when_no_number_of_losses_is_given) {
    const Finished run = run_plan({"1", "95"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 11u);
    EXPECT_EQ(words_of(lines.back()), (std::vector<std::string>{"10", "1260.39", "2448.27", "9.50"}));
}

struct TradeRow {
    std::string name;
    std::string first_trade;
    std::string payout;
    std::size_t trade;               // which row of the table
    std::vector<std::string> words;  // trade, stake, stakes so far, net if won
};

void PrintTo(const TradeRow& row, std::ostream* out) { *out << row.name; }

class PlannedTrade : public testing::TestWithParam<TradeRow> {};

TEST_P(PlannedTrade, shows_the_stake_the_window_shows_at_that_press_of_lost) {
    const TradeRow& row = GetParam();
    const Finished run = run_plan({"--losses", std::to_string(row.trade), row.first_trade, row.payout});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), row.trade + 1);
    EXPECT_EQ(words_of(lines[row.trade]), row.words);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    WorkedStakes, PlannedTrade,
    testing::Values(
        // Past a million the fixed format loses decimals, past 10^8 it turns scientific.
        TradeRow{"past_a_million", "1", "95", 20, {"20", "1674724.90", "3265694.60", "19.00"}},
        TradeRow{"eight_digits_before_the_point", "1", "95", 23, {"23", "14483606.00", "28243011.00", "21.85"}},
        TradeRow{"scientific_from_10_to_the_8", "1", "95", 26, {"26", "1.2525924E8", "2.4425549E8", "24.70"}},
        // 2 x 10 + 10 / 0.8 after a first stake of 10: a win earns 2 x 10 x 0.8.
        TradeRow{"first_trade_10_payout_80", "10", "80", 2, {"2", "32.50", "42.50", "16.00"}},
        // A payout that is no whole percentage, as the terminal allows.
        TradeRow{"payout_87_and_a_half", "1", "87.5", 2, {"2", "3.14", "4.14", "1.75"}},
        // Blanks around the payout are read as the window reads them.
        TradeRow{"payout_between_blanks", "2.5", " 50 ", 1, {"1", "2.50", "2.50", "1.25"}}),
    [](const testing::TestParamInfo<TradeRow>& info) { return info.param.name; });
// clang-format on

struct LimitCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string marked_row;            // the whole line of the marked trade; empty when none is marked
    std::vector<std::string> closing;  // the lines under the table
};

void PrintTo(const LimitCase& limit, std::ostream* out) { *out << limit.name; }

class PlanLimits : public testing::TestWithParam<LimitCase> {};

TEST_P(PlanLimits, marks_the_first_trade_beyond_the_limit_and_says_what_it_covers) {
    const LimitCase& limit = GetParam();
    const Finished run = run_plan(limit.arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_GT(lines.size(), limit.closing.size());
    const std::vector<std::string> closing(lines.end() - static_cast<long>(limit.closing.size()), lines.end());
    EXPECT_EQ(closing, limit.closing);
    std::vector<std::string> marked;
    for (const std::string& line : lines) {
        if (line.find("<-") != std::string::npos) marked.push_back(line);
    }
    EXPECT_EQ(marked,
              limit.marked_row.empty() ? std::vector<std::string>{} : std::vector<std::string>{limit.marked_row});
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Limits, PlanLimits,
    testing::Values(
        LimitCase{"bankroll_reached_at_trade_9",
                  {"--bankroll", "1000", "1", "95"},
                  "    9   613.55        1187.87        8.55  <- above bankroll",
                  {"A bankroll of 1000 covers 8 losses in a row; by trade 9 the stakes are 1187.87."}},
        LimitCase{"bankroll_equal_to_the_stakes_so_far_is_not_exceeded",
                  {"--losses", "3", "--bankroll", "5", "1", "50"},
                  "    3  13.00          18.00        1.50  <- above bankroll",
                  {"A bankroll of 5 covers 2 losses in a row; by trade 3 the stakes are 18.00."}},
        LimitCase{"bankroll_below_the_first_trade",
                  {"--losses", "2", "--bankroll", ".5", "1", "95"},
                  "    1   1.00           1.00        0.95  <- above bankroll",
                  {"A bankroll of 0.5 covers 0 losses in a row; by trade 1 the stakes are 1.00."}},
        LimitCase{"bankroll_that_outlasts_the_plan",
                  {"--losses", "3", "--bankroll", "1E6", "1", "95"},
                  "",
                  {"A bankroll of 1000000 covers at least 3 losses in a row; 3 trades stake 11.32."}},
        LimitCase{"maximum_stake_reached_at_trade_7",
                  {"--losses", "8", "--max-stake", "100", "1", "95"},
                  "    7  144.90         275.90        6.65  <- above max stake",
                  {"A maximum stake of 100 covers 6 losses in a row; trade 7 would stake 144.90."}},
        LimitCase{"maximum_stake_never_reached",
                  {"--losses", "1", "--max-stake", "1", "1", "95"},
                  "",
                  {"No stake of the 1 trade exceeds the maximum stake of 1."}},
        LimitCase{"both_limits_on_one_trade",
                  {"--losses", "2", "--bankroll", "2", "--max-stake", "3", "1", "95"},
                  "    2   3.05           4.05        1.90  <- above bankroll, above max stake",
                  {"A bankroll of 2 covers 1 loss in a row; by trade 2 the stakes are 4.05.",
                   "A maximum stake of 3 covers 1 loss in a row; trade 2 would stake 3.05."}}),
    [](const testing::TestParamInfo<LimitCase>& info) { return info.param.name; });
// clang-format on

}  // namespace
}  // namespace plan_test
