// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The CSV of the series ahead: the shown texts, and beside them values that read back exactly.

#include <gtest/gtest.h>

#include <cstdlib>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "plan_run.h"

namespace plan_test {
namespace {

const std::string kHeader =
    "trade,stake,stakes_so_far,net_if_won,stake_value,stakes_so_far_value,net_if_won_value,mark";

struct StoredStake {
    std::size_t trade;
    std::string shown;
    double stored;  // the double the loss step stores
};

TEST(PlanCsv, gives_values_that_read_back_to_the_stakes_the_series_stores) {
    const Finished run = run_plan({"--csv", "--losses", "26", "1", "95"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 27u);
    EXPECT_EQ(lines[0], kHeader);

    // clang-format off
    const StoredStake stored[] = {
        {1, "1.00", 1.0},
        {2, "3.05", 3.0526315789473686},
        {3, "7.27", 7.265927977839335},
        {20, "1674724.90", 1674724.9111749786},
        {23, "14483606.00", 14483606.479514299},
        {26, "1.2525924E8", 125259236.41861914},
    };
    // clang-format on
    for (const StoredStake& stake : stored) {
        const std::vector<std::string> fields = fields_of(lines[stake.trade]);
        ASSERT_EQ(fields.size(), 8u) << lines[stake.trade];
        EXPECT_EQ(fields[0], std::to_string(stake.trade));
        EXPECT_EQ(fields[1], stake.shown);
        EXPECT_EQ(read_double(fields[4]), stake.stored) << "trade " << stake.trade;
    }
    // Every value column agrees with the text beside it, and the stakes add up to the stakes so far.
    double previous_sum = 0;
    for (std::size_t trade = 1; trade < lines.size(); ++trade) {
        const std::vector<std::string> fields = fields_of(lines[trade]);
        ASSERT_EQ(fields.size(), 8u) << lines[trade];
        const double stake = read_double(fields[4]);
        const double sum = read_double(fields[5]);
        EXPECT_EQ(ledger::fixed_format(stake, '.'), fields[1]) << lines[trade];
        EXPECT_EQ(ledger::fixed_format(sum, '.'), fields[2]) << lines[trade];
        EXPECT_EQ(ledger::fixed_format(ledger::read_amount(fields[6], '.'), '.'), fields[3]) << lines[trade];
        EXPECT_EQ(sum, static_cast<double>(ledger::Extended(previous_sum) + stake)) << lines[trade];
        EXPECT_EQ(fields[7], "");
        previous_sum = sum;
    }
}

TEST(PlanCsv, quotes_the_shown_texts_when_the_separator_is_a_comma_and_keeps_the_values_with_a_point) {
    const Finished run = run_plan({"--csv", "--losses", "2", "--separator", ",", "--bankroll", "1,5", "1", "95"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              kHeader +
                  "\n"
                  "1,\"1,00\",\"1,00\",\"0,95\",1,1,0.9499999999999999556,\n"
                  "2,\"3,05\",\"4,05\",\"1,90\",3.0526315789473686,4.052631578947368,1.9000000000000000198,"
                  "bankroll\n");
}

TEST(PlanCsv, marks_both_limits_in_the_mark_column_and_writes_no_closing_line) {
    const Finished run = run_plan({"--csv", "--losses", "3", "--bankroll", "2", "--max-stake", "3", "1", "95"});
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = lines_of(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(fields_of(lines[1]).back(), "");
    EXPECT_EQ(fields_of(lines[2]).back(), "bankroll max-stake");
    EXPECT_EQ(fields_of(lines[3]).back(), "");
}

}  // namespace
}  // namespace plan_test
