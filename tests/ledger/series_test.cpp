// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <optional>
#include <string>
#include <typeinfo>
#include <vector>

#include <gtest/gtest.h>

#include "ledger/failures.h"
#include "ledger/series.h"

namespace {

using ledger::Series;
using ledger::SeriesState;

enum class Step { Loss, Reset };

// Drives one series and records what it showed.
struct Recorder {
    Series series;
    std::vector<std::string> shown;

    void run(Step step, const std::string& first_trade, const std::string& payout, char separator = '.') {
        const ledger::ResultDisplay show = [this](std::string_view text) { shown.emplace_back(text); };
        if (step == Step::Loss)
            series.loss_step(first_trade, payout, separator, show);
        else
            series.reset_step(first_trade, payout, separator, show);
    }
};

struct WorkedRow {
    Step step;
    std::string first_trade;
    std::string payout;
    std::string shown;
    double next_stake;
    int trade_number;
    double stake_sum;
};

void run_worked(const std::vector<WorkedRow>& rows) {
    Recorder r;
    r.series.start();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const WorkedRow& row = rows[i];
        r.run(row.step, row.first_trade, row.payout);
        ASSERT_EQ(r.shown.size(), i + 1) << "row " << i;
        EXPECT_EQ(r.shown.back(), row.shown) << "row " << i;
        EXPECT_EQ(r.series.state().next_stake, row.next_stake) << "row " << i;
        EXPECT_EQ(r.series.state().trade_number, row.trade_number) << "row " << i;
        EXPECT_EQ(r.series.state().stake_sum, row.stake_sum) << "row " << i;
    }
}

TEST(Series, runs_the_worked_series_of_first_trade_1_at_95_percent) {
    // The stored doubles: 2 + 1/0.95 and 3 + (1 + 3.0526...)/0.95, each formed in extended and rounded once.
    run_worked({
        {Step::Loss, "1", "95", "1.00", 1, 2, 1},
        {Step::Loss, "1", "95", "3.05", 3.0526315789473686, 3, 4.0526315789473681},
        {Step::Loss, "1", "95", "7.27", 7.2659279778393353, 4, 11.318559556786703},
        {Step::Reset, "1", "95", "1", 0, 2, 1},
        {Step::Loss, "1", "95", "3.05", 3.0526315789473686, 3, 4.0526315789473681},
    });
}

TEST(Series, prices_trade_2_after_a_reset_with_10_at_80_percent) {
    run_worked({
        {Step::Reset, "10", "80", "10", 0, 2, 10},
        {Step::Loss, "10", "80", "32.50", 32.5, 3, 42.5},
    });
}

TEST(Series, reads_the_texts_anew_at_every_step) {
    run_worked({
        {Step::Loss, "1", "95", "1.00", 1, 2, 1},
        {Step::Loss, "2", "50", "6.00", 6, 3, 7},  // 2 x 2 + 1 / 0.5
        {Step::Reset, "2.5", " 5", "2.5", 0, 2, 2.5},
    });
}

TEST(Series, shows_the_20th_23rd_and_26th_stakes_of_the_worked_series) {
    Recorder r;
    for (int i = 0; i < 26; ++i) r.run(Step::Loss, "1", "95");
    EXPECT_EQ(r.shown[19], "1674724.90");
    EXPECT_EQ(r.shown[22], "14483606.00");
    EXPECT_EQ(r.shown[25], "1.2525924E8");
    EXPECT_EQ(r.series.state().next_stake, 125259236.41861914);
    EXPECT_EQ(r.series.state().trade_number, 27);
}

TEST(Series, uses_the_separator_it_is_given) {
    Recorder r;
    r.run(Step::Reset, "2,5", "80", ',');
    r.run(Step::Loss, "2,5", "80", ',');
    EXPECT_EQ(r.shown, (std::vector<std::string>{"2,5", "8,13"}));  // 2 x 2.5 + 2.5 / 0.8 = 8.125
}

// A failure: where the series stood, what was pressed, what it raised, what it showed, where it stands.
struct FailureRow {
    const char* name;
    SeriesState before;
    Step step;
    std::string first_trade;
    std::string payout;
    const std::type_info& kind;
    std::string message;
    std::optional<std::string> shown;
    SeriesState after;
};

const std::string k310Digits = "1" + std::string(309, '0');
constexpr SeriesState kStart{1, 0, 0};
constexpr SeriesState kAfterReset{2, 1, 0};
constexpr SeriesState kMidSeries{3, 4.0526315789473681, 3.0526315789473686};

void PrintTo(const FailureRow& row, std::ostream* os) { *os << row.name; }

class SeriesFailure : public testing::TestWithParam<FailureRow> {};

TEST_P(SeriesFailure, raises_its_kind_and_changes_only_what_came_before_it) {
    const FailureRow& row = GetParam();
    Recorder r;
    r.series.restore(row.before);
    try {
        r.run(row.step, row.first_trade, row.payout);
        FAIL() << "no failure";
    } catch (const ledger::Exception& e) {
        EXPECT_EQ(typeid(e), row.kind) << typeid(e).name();
        EXPECT_EQ(e.message(), row.message);
    }
    if (row.shown) {
        ASSERT_EQ(r.shown.size(), 1u);
        EXPECT_EQ(r.shown.front(), *row.shown);
    } else {
        EXPECT_TRUE(r.shown.empty());
    }
    EXPECT_EQ(r.series.state(), row.after);
}

const std::string kNotNumber = "' is not a valid floating point value";

// clang-format off
INSTANTIATE_TEST_SUITE_P(Cases, SeriesFailure, testing::Values(
    FailureRow{"blank_payout_on_loss", kMidSeries, Step::Loss, "1", "  ", typeid(ledger::EConvertError),
               "'  " + kNotNumber, std::nullopt, kMidSeries},
    FailureRow{"blank_payout_on_reset", kMidSeries, Step::Reset, "1", "  ", typeid(ledger::EConvertError),
               "'  " + kNotNumber, std::nullopt, kMidSeries},
    FailureRow{"empty_first_trade_on_loss", kMidSeries, Step::Loss, "", "95", typeid(ledger::EConvertError),
               "'" + kNotNumber, std::nullopt, kMidSeries},
    FailureRow{"empty_first_trade_on_reset", kMidSeries, Step::Reset, "", "95", typeid(ledger::EConvertError),
               "'" + kNotNumber, std::nullopt, kMidSeries},
    FailureRow{"two_separators_on_loss", kMidSeries, Step::Loss, "1.2.3", "95", typeid(ledger::EConvertError),
               "'1.2.3" + kNotNumber, std::nullopt, kMidSeries},
    FailureRow{"zero_payout_at_start_is_0_over_0", kStart, Step::Loss, "1", "00", typeid(ledger::EInvalidOp),
               "Invalid floating point operation", std::nullopt, kStart},
    FailureRow{"zero_payout_after_reset_divides_by_zero", kAfterReset, Step::Loss, "1", "0 ",
               typeid(ledger::EZeroDivide), "Floating point division by zero", std::nullopt, kAfterReset},
    FailureRow{"zero_payout_after_reset_with_0", SeriesState{2, 0, 0}, Step::Loss, "0", " 0",
               typeid(ledger::EInvalidOp), "Invalid floating point operation", std::nullopt, SeriesState{2, 0, 0}},
    FailureRow{"310_digits_on_loss", kMidSeries, Step::Loss, k310Digits, "95", typeid(ledger::EOverflow),
               "Floating point overflow", std::nullopt, kMidSeries},
    FailureRow{"310_digits_on_reset_shows_and_counts_then_fails", kMidSeries, Step::Reset, k310Digits, "95",
               typeid(ledger::EOverflow), "Floating point overflow", "1E309", SeriesState{2, kMidSeries.stake_sum, kMidSeries.next_stake}},
    FailureRow{"next_stake_beyond_double", SeriesState{4, 1.5e308, 0}, Step::Loss, "1", "50",
               typeid(ledger::EOverflow), "Floating point overflow", std::nullopt, SeriesState{4, 1.5e308, 0}},
    FailureRow{"stake_sum_beyond_double_after_showing", SeriesState{7, 1e308, 0}, Step::Loss, "1", "95 ",
               typeid(ledger::EOverflow), "Floating point overflow", "1.0526316E308",
               SeriesState{8, 1e308, 1.0526315789473686e308}},
    FailureRow{"payout_beyond_double", kMidSeries, Step::Loss, "1", "1E400", typeid(ledger::EOverflow),
               "Floating point overflow", std::nullopt, kMidSeries}
), [](const testing::TestParamInfo<FailureRow>& info) { return std::string(info.param.name); });
// clang-format on

TEST(Series, goes_on_from_the_unchanged_state_after_a_zero_payout) {
    Recorder r;
    r.run(Step::Reset, "1", "95");
    EXPECT_THROW(r.run(Step::Loss, "1", "00"), ledger::EZeroDivide);
    r.run(Step::Loss, "1", "95");
    EXPECT_EQ(r.shown.back(), "3.05");
    EXPECT_EQ(r.series.state().trade_number, 3);
}

TEST(Series, resets_with_a_zero_payout_since_it_does_not_divide) {
    Recorder r;
    r.run(Step::Reset, "1", "00");
    EXPECT_EQ(r.shown.back(), "1");
    EXPECT_EQ(r.series.state(), kAfterReset);
}

TEST(Series, start_puts_back_the_start_values) {
    Recorder r;
    r.run(Step::Loss, "3", "95");
    r.series.start();
    EXPECT_EQ(r.series.state(), kStart);
}

}  // namespace
