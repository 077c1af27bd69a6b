// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The risk ahead for a win rate: the chance of reaching each trade, the risk of ruin that a bankroll
// leaves and what a series earns on average, checked against exact fractions and against series drawn
// at random.

#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>

#include "plan_run.h"

namespace plan_test {
namespace {

namespace fs = std::filesystem;

// Payout 100 % and first trade 1: the stakes double plus one (1, 3, 7, 15, ...) and a win on trade k
// earns k. At a win rate of 50 % the game is fair, so the expected net of a series is exactly 0: the
// wins 1/2 x 1 + 1/4 x 2 + 1/8 x 3 = 11/8 make up for the ruin, 1/8 x 11.
TEST(PlanRisk, gives_the_chance_of_each_trade_and_the_risk_of_a_fair_series) {
    const Finished run =
        run_plan({"--losses", "5", "--bankroll", "11", "--win-rate", "50", "--series", "2", "1", "100"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.out,
              "Trade  Stake  Stakes so far  Net if won  Reached\n"
              "    1   1.00           1.00        1.00  100.00%\n"
              "    2   3.00           4.00        2.00   50.00%\n"
              "    3   7.00          11.00        3.00   25.00%\n"
              "    4  15.00          26.00        4.00   12.50%  <- above bankroll\n"
              "    5  31.00          57.00        5.00    6.25%\n"
              "A bankroll of 11 covers 3 losses in a row; by trade 4 the stakes are 26.00.\n"
              "Risk of ruin per series: 12.50%, about 1 series in 8.\n"
              "Expected net per series: 0.00\n"
              // 1 - (7/8)^2 = 15/64 = 23.4375 %, rounded half up.
              "Risk of ruin within 2 series: 23.44%\n");
}

// Tiny chances keep their digits; a chance too small for the extended format says so.
struct ReachedCase {
    std::string name;
    std::vector<std::string> arguments;
    std::vector<std::string> reached;  // the Reached column, trade by trade from trade 1
};

void PrintTo(const ReachedCase& c, std::ostream* out) { *out << c.name; }

class PlanReached : public testing::TestWithParam<ReachedCase> {};

TEST_P(PlanReached, shows_each_chance_readably) {
    const Finished run = run_plan(GetParam().arguments);
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    const std::vector<std::string>& reached = GetParam().reached;
    ASSERT_GT(lines.size(), reached.size());
    for (std::size_t k = 1; k <= reached.size(); ++k) {
        EXPECT_EQ(words_of(lines[k]).back(), reached[k - 1]) << lines[k];
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Chances, PlanReached,
    testing::Values(
        // (1 - 0.98)^(k - 1): 2 %, 0.04 %, then 8 x 10^-4 % and 1.6 x 10^-5 % in scientific notation.
        ReachedCase{"below_a_hundredth_of_a_percent",
                    {"--losses", "5", "--win-rate", "98", "1", "95"},
                    {"100.00%", "2.00%", "0.04%", "8E-4%", "1.6E-5%"}},
        ReachedCase{"decimal_win_rate", {"--losses", "3", "--win-rate", "12.5", "1", "95"},
                    {"100.00%", "87.50%", "76.56%"}},
        ReachedCase{"decimal_comma_by_separator_option",
                    {"--separator", ",", "--losses", "3", "--win-rate", "12,5", "1", "95"},
                    {"100,00%", "87,50%", "76,56%"}}),
    [](const testing::TestParamInfo<ReachedCase>& info) { return info.param.name; });
// clang-format on

// 0.01^2466 = 10^-4932 lies below the extended range; no row may show a bare zero.
TEST(PlanRisk, never_shows_a_chance_above_zero_as_zero) {
    const Finished run = run_plan({"--losses", "3000", "--win-rate", "99", "1", "1E6"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 3001u);
    EXPECT_EQ(words_of(lines[2]).back(), "1.00%");
    EXPECT_EQ(words_of(lines[2466]).back(), "1E-4928%");
    EXPECT_EQ(words_of(lines[3000]).back(), "<3.4E-4930%");
    for (const std::string& line : lines) {
        const std::string reached = words_of(line).back();
        EXPECT_TRUE(reached.find_first_of("123456789") != std::string::npos || reached == "Reached") << line;
    }
}

// 0.01^3000 lies below the extended range: the summary says so instead of counting series.
TEST(PlanRisk, says_when_the_risk_of_ruin_lies_below_the_extended_range) {
    const Finished run = run_plan({"--losses", "3000", "--win-rate", "99", "--bankroll", "1E300", "1", "1E6"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_GT(lines.size(), 4u);
    EXPECT_EQ(lines[lines.size() - 4],
              "Risk of ruin per series: at most <3.4E-4930%, no more often than about 1 series");
    EXPECT_EQ(lines[lines.size() - 3], "in >2.9E4931.");
}

// The exact chance (100 - W)^(k - 1) / 100^(k - 1) for a win rate W given in tenths, as a decimal
// fraction, read by strtod: the double nearest to it.
double exact_reach(int win_rate_tenths, int trade) {
    unsigned __int128 numerator = 1;
    int decimals = 0;
    for (int k = 1; k < trade; ++k) {
        numerator *= static_cast<unsigned>(1000 - win_rate_tenths);
        decimals += 3;
    }
    std::string digits;
    for (unsigned __int128 n = numerator; n != 0; n /= 10) {
        digits.insert(digits.begin(), static_cast<char>('0' + static_cast<int>(n % 10)));
    }
    return std::strtod((digits + "e-" + std::to_string(decimals)).c_str(), nullptr);
}

struct ReachValue {
    std::string name;
    std::string win_rate;
    int win_rate_tenths;
    int trade;
};

void PrintTo(const ReachValue& c, std::ostream* out) { *out << c.name; }

class PlanReachProbability : public testing::TestWithParam<ReachValue> {};

TEST_P(PlanReachProbability, is_the_double_nearest_the_exact_fraction) {
    const ReachValue& value = GetParam();
    const Finished run =
        run_plan({"--csv", "--losses", std::to_string(value.trade), "--win-rate", value.win_rate, "1", "1E6"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(value.trade) + 1);
    EXPECT_EQ(fields_of(lines[0]).back(), "reach_probability");
    EXPECT_EQ(read_double(fields_of(lines.back()).back()), exact_reach(value.win_rate_tenths, value.trade));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ExactFractions, PlanReachProbability,
    testing::Values(ReachValue{"half_at_trade_5", "50", 500, 5},         // 1/16, exact in binary
                    ReachValue{"ninety_at_trade_3", "90", 900, 3},       // 1/100
                    ReachValue{"ninety_at_trade_12", "90", 900, 12},     // 10^-11
                    ReachValue{"decimal_rate_at_trade_7", "55.5", 555, 7},  // 0.445^6
                    ReachValue{"one_percent_at_trade_9", "1", 10, 9}),   // 0.99^8
    [](const testing::TestParamInfo<ReachValue>& info) { return info.param.name; });
// clang-format on

// A row's chance is multiplied up trade by trade, so a longer plan shows the same figure for it.
TEST(PlanRisk, gives_each_trade_the_same_chance_whatever_the_length_of_the_plan) {
    const auto last_reach = [](const std::string& losses) {
        const Finished run = run_plan({"--csv", "--losses", losses, "--win-rate", "37.3", "1", "1E6"});
        EXPECT_EQ(run.status, 0) << run.err;
        return lines_of(run.out);
    };
    const std::vector<std::string> short_plan = last_reach("40");
    const std::vector<std::string> long_plan = last_reach("900");
    ASSERT_EQ(short_plan.size(), 41u);
    ASSERT_EQ(long_plan.size(), 901u);
    for (std::size_t k = 1; k <= 40; ++k) {
        EXPECT_EQ(short_plan[k], long_plan[k]);
    }
}

TEST(PlanRisk, bounds_the_risk_when_the_bankroll_outlasts_the_plan) {
    const Finished run =
        run_plan({"--losses", "3", "--bankroll", "1E6", "--win-rate", "50", "--series", "2", "1", "100"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    const std::vector<std::string> closing(lines.begin() + 4, lines.end());
    EXPECT_EQ(
        closing,
        (std::vector<std::string>{"A bankroll of 1000000 covers at least 3 losses in a row; 3 trades stake 11.00.",
                                  "Risk of ruin per series: at most 12.50%, no more often than about 1 series in 8.",
                                  "Expected net per series: not known until the plan reaches the trade that the",
                                  "bankroll cannot pay for (plan more trades with --losses).",
                                  "Risk of ruin within 2 series: at most 23.44%"}));
}

// 1 - 0.875^100 = 99.99984 %: two decimals would round it to a certainty.
TEST(PlanRisk, never_rounds_a_chance_below_one_to_a_certainty) {
    const Finished run =
        run_plan({"--losses", "5", "--bankroll", "11", "--win-rate", "50", "--series", "100", "1", "100"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(lines_of(run.out).back(), "Risk of ruin within 100 series: >99.99%");
}

// The figures of the summary file, by name.
std::map<std::string, std::vector<std::string>> read_summary(const fs::path& file) {
    std::ifstream in(file);
    std::map<std::string, std::vector<std::string>> figures;
    std::string line;
    std::getline(in, line);
    EXPECT_EQ(line, "figure,value,shown");
    while (std::getline(in, line)) {
        const std::vector<std::string> fields = fields_of(line);
        EXPECT_EQ(fields.size(), 3u) << line;
        figures[fields.at(0)] = fields;
    }
    return figures;
}

class PlanSummaryFile : public testing::Test {
protected:
    void SetUp() override {
        const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
        std::string name = test->name();
        std::replace(name.begin(), name.end(), '/', '-');
        file_ = fs::temp_directory_path() / ("kestrun-plan-" + name + "-" + std::to_string(::getpid()) + ".csv");
    }
    void TearDown() override { fs::remove(file_); }
    fs::path file_;
};

// Payout 100 % and first trade 1 (stakes 1, 3, 7, 15; a win on trade k earns k): figures that are
// exact binary fractions, worked out by hand.
struct ExactSummary {
    std::string name;
    std::string win_rate;
    std::string bankroll;
    std::string series;
    std::map<std::string, std::string> values;  // figure -> its exact value
};

void PrintTo(const ExactSummary& c, std::ostream* out) { *out << c.name; }

class PlanExactSummary : public PlanSummaryFile, public testing::WithParamInterface<ExactSummary> {};

TEST_P(PlanExactSummary, writes_the_figures_worked_out_by_hand) {
    const ExactSummary& exact = GetParam();
    const Finished run = run_plan({"--losses",
                                   "5",
                                   "--win-rate",
                                   exact.win_rate,
                                   "--bankroll",
                                   exact.bankroll,
                                   "--series",
                                   exact.series,
                                   "--summary-csv",
                                   file_.string(),
                                   "1",
                                   "100"});
    ASSERT_EQ(run.status, 0) << run.err;
    auto figures = read_summary(file_);
    for (const auto& [figure, value] : exact.values) {
        ASSERT_EQ(figures.count(figure), 1u) << figure;
        EXPECT_EQ(std::strtold(figures[figure].at(1).c_str(), nullptr), std::strtold(value.c_str(), nullptr))
            << figure << " is " << figures[figure].at(1);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    ByHand, PlanExactSummary,
    testing::Values(
        // 1/2 x 1 + 1/4 x 2 + 1/8 x 3 - 1/8 x 11 = 0; 1 - (7/8)^2 = 15/64.
        ExactSummary{"fair_game_over_three_losses", "50", "11", "2",
                     {{"losses_covered", "3"}, {"risk_of_ruin", "0.125"}, {"one_series_in", "8"},
                      {"expected_net", "0"}, {"risk_of_ruin_within_series", "0.234375"}}},
        // 3/4 x 1 + 3/16 x 2 - 1/16 x 4 = 7/8; 1 - (15/16)^3 = 721/4096.
        ExactSummary{"three_wins_in_four_over_two_losses", "75", "4", "3",
                     {{"losses_covered", "2"}, {"risk_of_ruin", "0.0625"}, {"one_series_in", "16"},
                      {"expected_net", "0.875"}, {"risk_of_ruin_within_series", "0.176025390625"}}},
        // A bankroll below the first stake covers nothing: every series is ruined before it starts.
        ExactSummary{"bankroll_below_the_first_stake", "50", "0.5", "3",
                     {{"losses_covered", "0"}, {"risk_of_ruin", "1"}, {"one_series_in", "1"},
                      {"expected_net", "0"}, {"risk_of_ruin_within_series", "1"}}}),
    [](const testing::TestParamInfo<ExactSummary>& info) { return info.param.name; });
// clang-format on

// Series drawn at random with a fixed seed, played as the plan says: a win on trade k earns its net
// if won and ends the series; K losses in a row ruin it and lose the stakes of trades 1..K.
TEST_F(PlanSummaryFile, holds_the_figures_that_series_drawn_at_random_agree_with) {
    constexpr double kWin = 0.45;
    constexpr int kSeries = 5;
    const Finished run = run_plan({"--csv",
                                   "--losses",
                                   "12",
                                   "--bankroll",
                                   "300",
                                   "--win-rate",
                                   "45",
                                   "--series",
                                   std::to_string(kSeries),
                                   "--summary-csv",
                                   file_.string(),
                                   "1",
                                   "87.5"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> rows = lines_of(run.out);
    ASSERT_EQ(rows.size(), 13u) << "the CSV has no closing lines";
    auto figures = read_summary(file_);
    const int covered = std::stoi(figures["losses_covered"].at(1));
    ASSERT_EQ(covered, 6);
    std::vector<double> net(static_cast<std::size_t>(covered));
    for (int k = 1; k <= covered; ++k) {
        net[static_cast<std::size_t>(k - 1)] = read_double(fields_of(rows[static_cast<std::size_t>(k)]).at(6));
    }
    const double staked = read_double(fields_of(rows[static_cast<std::size_t>(covered)]).at(5));
    const double ruin = read_double(figures["risk_of_ruin"].at(1));
    const double expected = read_double(figures["expected_net"].at(1));
    const double ruin_within = read_double(figures["risk_of_ruin_within_series"].at(1));
    EXPECT_EQ(figures["risk_of_ruin"].at(2), "2.77%");
    EXPECT_EQ(figures["one_series_in"].at(2), "36.1");
    EXPECT_EQ(figures["series"].at(1), std::to_string(kSeries));

    std::mt19937_64 random(20261211);
    constexpr int kDrawn = 400000;  // a multiple of kSeries
    double sum = 0, sum_of_squares = 0;
    int ruined = 0, ruined_runs = 0;
    bool run_ruined = false;
    for (int series = 0; series < kDrawn; ++series) {
        double result = -staked;
        bool ruined_now = true;
        for (int k = 0; k < covered; ++k) {
            if (static_cast<double>(random() >> 11) * 0x1.0p-53 < kWin) {
                result = net[static_cast<std::size_t>(k)];
                ruined_now = false;
                break;
            }
        }
        sum += result;
        sum_of_squares += result * result;
        ruined += ruined_now;
        run_ruined = run_ruined || ruined_now;
        if ((series + 1) % kSeries == 0) {
            ruined_runs += run_ruined;
            run_ruined = false;
        }
    }
    // Within four standard errors of the drawn means.
    const double mean = sum / kDrawn;
    const double spread = std::sqrt((sum_of_squares / kDrawn - mean * mean) / kDrawn);
    EXPECT_NEAR(expected, mean, 4 * spread);
    EXPECT_NEAR(ruin, static_cast<double>(ruined) / kDrawn, 4 * std::sqrt(ruin * (1 - ruin) / kDrawn));
    constexpr int kRuns = kDrawn / kSeries;
    EXPECT_NEAR(
        ruin_within, static_cast<double>(ruined_runs) / kRuns, 4 * std::sqrt(ruin_within * (1 - ruin_within) / kRuns));
    // And the exact figures: 0.55^6, and 1 - (1 - 0.55^6)^5.
    EXPECT_DOUBLE_EQ(ruin, 0.027680640625);
    EXPECT_DOUBLE_EQ(ruin_within, 1 - std::pow(1 - 0.027680640625, 5));
}

TEST_F(PlanSummaryFile, is_not_written_and_nothing_is_shown_when_it_cannot_be_created) {
    const std::string file = "/no-such-directory/summary.csv";
    const Finished run = run_plan({"--bankroll", "50", "--win-rate", "55", "--summary-csv", file, "1", "95"});
    EXPECT_EQ(run.status, 73);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kestrun-plan: " + file + ": No such file or directory\n");
}

}  // namespace
}  // namespace plan_test
