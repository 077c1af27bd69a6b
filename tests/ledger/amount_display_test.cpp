// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cmath>
#include <limits>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "test_names.h"

namespace {

using ledger::Extended;

struct Shown {
    Extended value;
    char separator;
    std::string text;
};

Extended read(const char* text) { return ledger::read_amount(text, '.'); }

void PrintTo(const Shown& row, std::ostream* os) { *os << '"' << test_names::escaped(row.text) << '"'; }

constexpr double kInfinity = std::numeric_limits<double>::infinity();

class GeneralFormat : public testing::TestWithParam<Shown> {};

TEST_P(GeneralFormat, shows_up_to_15_significant_digits) {
    const Shown& row = GetParam();
    EXPECT_EQ(ledger::general_format(row.value, row.separator), row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, GeneralFormat, testing::Values(
    Shown{1, '.', "1"},
    Shown{2.5, '.', "2.5"},
    Shown{10, '.', "10"},
    Shown{read("0.1"), '.', "0.1"},
    Shown{read("12.3456789012345678"), '.', "12.3456789012346"},
    Shown{3.0526315789473686, '.', "3.05263157894737"},
    Shown{123456789012345.0, '.', "123456789012345"},
    Shown{999999999999999.5, '.', "1E15"},
    Shown{1234567890123456.0, '.', "1.23456789012346E15"},
    Shown{read("0.0001"), '.', "0.0001"},
    Shown{read("0.00012345"), '.', "0.00012345"},
    Shown{read("0.00001"), '.', "1E-5"},
    Shown{read("0.000012345"), '.', "1.2345E-5"},
    Shown{-2.5, '.', "-2.5"},
    Shown{0, '.', "0"},
    Shown{-0.0, '.', "0"},
    Shown{read("1E1000"), '.', "1E1000"},
    Shown{2.5, ',', "2,5"},
    Shown{read("."), '.', "0"},
    Shown{100, '.', "100"},
    Shown{read("1E-4951"), '.', "0"},  // too small to be normal
    Shown{kInfinity, '.', "INF"},
    Shown{-kInfinity, '.', "-INF"},
    Shown{std::numeric_limits<double>::quiet_NaN(), '.', "NAN"}
), test_names::ByText());
// clang-format on

class FixedFormat : public testing::TestWithParam<Shown> {};

TEST_P(FixedFormat, shows_two_decimals_and_at_most_8_significant_digits) {
    const Shown& row = GetParam();
    EXPECT_EQ(ledger::fixed_format(row.value, row.separator), row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, FixedFormat, testing::Values(
    Shown{0.0, '.', "0.00"},
    Shown{1.0, '.', "1.00"},
    Shown{32.5, '.', "32.50"},
    Shown{3.0526315789473686, '.', "3.05"},
    Shown{7.265927977839335, '.', "7.27"},
    Shown{0.125, '.', "0.13"},
    Shown{1.125, '.', "1.13"},
    Shown{0.375, '.', "0.38"},
    Shown{2.675, '.', "2.67"},
    Shown{1.005, '.', "1.00"},
    Shown{0.005, '.', "0.01"},
    Shown{0.004, '.', "0.00"},
    Shown{-0.004, '.', "0.00"},
    Shown{-0.005, '.', "-0.01"},
    Shown{0.999, '.', "1.00"},
    Shown{1674724.9111749786, '.', "1674724.90"},
    Shown{14483606.479514299, '.', "14483606.00"},
    Shown{99999999.49, '.', "99999999.00"},
    Shown{99999999.5, '.', "1E8"},
    Shown{125259236.41861914, '.', "1.2525924E8"},
    Shown{2152336000.0, '.', "2.152336E9"},
    Shown{-0.0, '.', "0.00"},
    Shown{2.5, ',', "2,50"},
    Shown{0.05, '.', "0.05"},
    Shown{1e-300, '.', "0.00"},
    Shown{-32.5, '.', "-32.50"},
    Shown{1234567.891, '.', "1234567.90"},  // 7 integer digits keep one decimal
    Shown{kInfinity, '.', "INF"}
), test_names::ByText());
// clang-format on

// Below 10^-200 the first estimate of the decimal exponent is sometimes one too high; the digit form
// must still begin with a digit other than 0 and the general format must name the right power.
TEST(DigitForm, begins_with_a_non_zero_digit_for_every_power_of_ten_down_to_the_smallest_normal) {
    for (int k = 5; k <= 4931; ++k) {  // from 1E-5 on the general format is scientific
        const std::string text = "1E-" + std::to_string(k);
        const Extended value = ledger::read_amount(text, '.');
        ledger::FloatEnvironmentGuard guard;
        const ledger::DigitForm form = ledger::digit_form(value, 15, std::nullopt);
        ASSERT_FALSE(form.digits.empty()) << text;
        ASSERT_NE(form.digits.front(), '0') << text;
        ASSERT_EQ(ledger::general_format_unguarded(value, '.'), text) << text;
    }
}

TEST(DigitForm, clears_the_sign_of_an_amount_that_rounds_away) {
    ledger::FloatEnvironmentGuard guard;
    const ledger::DigitForm form = ledger::digit_form(-0.004, 8, 2);
    EXPECT_TRUE(form.digits.empty());
    EXPECT_FALSE(form.negative);
}

}  // namespace
