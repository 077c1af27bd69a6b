// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <optional>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ledger/amount_reading.h"
#include "test_names.h"

namespace {

struct FilterRow {
    std::string text;
    char separator;
    bool stands;
};

void PrintTo(const FilterRow& row, std::ostream* os) { *os << '"' << test_names::escaped(row.text) << '"'; }

class FirstTradeFilter : public testing::TestWithParam<FilterRow> {};

TEST_P(FirstTradeFilter, keeps_digits_and_separators_and_replaces_anything_else_by_1) {
    const FilterRow& row = GetParam();
    const std::optional<std::string> replacement = ledger::filter_first_trade(row.text, row.separator);
    if (row.stands) {
        EXPECT_FALSE(replacement.has_value()) << '"' << row.text << '"';
    } else {
        ASSERT_TRUE(replacement.has_value()) << '"' << row.text << '"';
        EXPECT_EQ(*replacement, "1");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, FirstTradeFilter, testing::Values(
    FilterRow{"", '.', true},
    FilterRow{"1", '.', true},
    FilterRow{"007", '.', true},
    FilterRow{"1.2.3", '.', true},
    FilterRow{".", '.', true},
    FilterRow{"0123456789", '.', true},
    FilterRow{"2,5", ',', true},
    FilterRow{"2.5", ',', false},
    FilterRow{"2,5", '.', false},
    FilterRow{"1 000", '.', false},
    FilterRow{"-5", '.', false},
    FilterRow{"+5", '.', false},
    FilterRow{"1e3", '.', false},
    FilterRow{"12a", '.', false},
    FilterRow{" 1", '.', false},
    FilterRow{"\xB2", '.', false}  // superscript two is no digit
), test_names::ByText());
// clang-format on

}  // namespace
