// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cfloat>
#include <cmath>
#include <ostream>
#include <string>

#include <gtest/gtest.h>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/failures.h"
#include "test_names.h"

namespace {

using ledger::Extended;

struct Reading {
    std::string text;
    char separator;
    Extended value;
};

void PrintTo(const Reading& row, std::ostream* os) { *os << '"' << test_names::escaped(row.text) << '"'; }

class ReadsAnAmount : public testing::TestWithParam<Reading> {};

TEST_P(ReadsAnAmount, to_the_exact_extended_value) {
    const Reading& row = GetParam();
    const Extended got = ledger::read_amount(row.text, row.separator);
    EXPECT_EQ(got, row.value) << '"' << row.text << '"';
    EXPECT_EQ(signbit(got), signbit(row.value)) << '"' << row.text << '"';
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, ReadsAnAmount, testing::Values(
    Reading{"95", '.', 95},
    Reading{" 1.5 ", '.', 1.5},
    Reading{"007", '.', 7},
    Reading{"5.", '.', 5},
    Reading{".5", '.', 0.5},
    Reading{".", '.', 0},
    Reading{"-.", '.', -0.0},
    Reading{"-0", '.', -0.0},
    Reading{"+2", '.', 2},
    Reading{"1e3", '.', 1000},
    Reading{"1E+3", '.', 1000},
    Reading{"1000E0", '.', 1000},
    Reading{"25E-2", '.', 0.25},
    Reading{"1E", '.', 1},
    Reading{"1E-", '.', 1},
    Reading{"   42", '.', 42},
    Reading{"9 ", '.', 9},
    Reading{" 5", '.', 5},
    Reading{"1,5", ',', 1.5},
    Reading{"2,5", ',', 2.5},
    Reading{"0", '.', 0},
    Reading{"999999999999999999", '.', Extended(std::uint64_t{999999999999999999u})},     // 18 digits alone
    Reading{"9999999999999999999", '.', Extended(std::uint64_t{9999999999999999999u})},  // 19: by scaling
    Reading{"0000000000000000001", '.', 1},
    Reading{"5E18", '.', Extended(std::uint64_t{5000000000000000000u})},   // below 2^63: in integers
    Reading{"1E19", '.', Extended(std::uint64_t{10000000000000000000u})},  // from 2^63 on: by scaling
    Reading{"0.1", '.', Extended(1) / 10},  // the whole number 1 divided by 10, correctly rounded
    Reading{"1E0500", '.', ledger::scale_up(1, 500)},  // 1 x 10^20 x 10^480
    Reading{"0E4999", '.', 0},
    Reading{"0." + std::string(4700, '0') + "1E-499", '.', 0},  // scaled down by 10^5120 or more: 0
    Reading{"1E-4951", '.', ledger::scale_down(1, 4951)}  // a denormal, no failure
), test_names::ByText());
// clang-format on

struct Invalid {
    std::string text;
    char separator;
};

void PrintTo(const Invalid& row, std::ostream* os) { *os << '"' << test_names::escaped(row.text) << '"'; }

class RefusesAText : public testing::TestWithParam<Invalid> {};

TEST_P(RefusesAText, with_the_conversion_failure_that_quotes_it_exactly) {
    const Invalid& row = GetParam();
    try {
        ledger::read_amount(row.text, row.separator);
        FAIL() << '"' << row.text << "\" was read";
    } catch (const ledger::EConvertError& e) {
        EXPECT_EQ(e.message(), "'" + row.text + "' is not a valid floating point value");
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Texts, RefusesAText, testing::Values(
    Invalid{"", '.'},
    Invalid{"  ", '.'},
    Invalid{"1.2.3", '.'},
    Invalid{"1,5", '.'},
    Invalid{"1.5", ','},
    Invalid{"1 000", '.'},
    Invalid{"- 5", '.'},
    Invalid{"1 E3", '.'},
    Invalid{"E3", '.'},
    Invalid{"\t5", '.'},
    Invalid{"5\t", '.'},
    Invalid{"\xA0" "5", '.'},  // a no-break space is no blank
    Invalid{"+-5", '.'},
    Invalid{"12a", '.'},
    Invalid{"1E4999", '.'},   // overflow
    Invalid{"1E10000", '.'},  // the exponent stops at 1000 and a 0 is left over
    Invalid{"1E5000", '.'},   // stops at 500, a 0 is left over
    Invalid{"1E3.5", '.'},
    Invalid{"-", '.'},
    Invalid{"+", '.'},
    Invalid{"$5", '.'},
    Invalid{std::string("1\0" "5", 3), '.'}  // the message keeps what stands after a NUL
), test_names::ByText());
// clang-format on

std::string digits(std::size_t count, char first = '1') {
    std::string text(count, '0');
    text[0] = first;
    return text;
}

TEST(AmountReading, takes_4933_significant_digits_and_refuses_4934) {
    EXPECT_NO_THROW(ledger::read_amount(digits(4933), '.'));
    EXPECT_NO_THROW(ledger::read_amount("000" + digits(4933), '.'));  // leading zeros do not count
    EXPECT_NO_THROW(ledger::read_amount("." + digits(4933), '.'));
    EXPECT_THROW(ledger::read_amount(digits(4934), '.'), ledger::EConvertError);
    EXPECT_THROW(ledger::read_amount("." + digits(4934), '.'), ledger::EConvertError);
    EXPECT_THROW(ledger::read_amount(digits(5000, '9'), '.'), ledger::EConvertError);
    // Too many digits stay invalid even where the scaling would give 0.
    EXPECT_THROW(ledger::read_amount("." + digits(5200), '.'), ledger::EConvertError);
}

TEST(AmountReading, carries_values_beyond_the_double_range) {
    const Extended big = ledger::read_amount("1E1000", '.');
    EXPECT_TRUE(isfinite(big));
    EXPECT_GT(big, static_cast<Extended>(DBL_MAX));
    EXPECT_EQ(ledger::general_format(big, '.'), "1E1000");
    EXPECT_NO_THROW(ledger::read_amount("1" + std::string(309, '0'), '.'));
}

TEST(AmountReading, takes_exponent_digits_until_the_exponent_reaches_500) {
    EXPECT_EQ(ledger::read_amount("1E499", '.'), ledger::read_amount("1E0499", '.'));
    EXPECT_NO_THROW(ledger::read_amount("1E4932", '.'));
    EXPECT_EQ(ledger::read_amount("1E-4999", '.'), 0);
}

TEST(DecimalSeparator, is_a_point_until_set_and_comes_from_a_one_character_locale_point) {
    EXPECT_EQ(ledger::decimal_separator(), '.');
    ledger::set_decimal_separator(',');
    EXPECT_EQ(ledger::decimal_separator(), ',');
    ledger::set_decimal_separator('.');
    EXPECT_EQ(ledger::separator_from_locale_point(","), ',');
    EXPECT_EQ(ledger::separator_from_locale_point("."), '.');
    EXPECT_EQ(ledger::separator_from_locale_point(""), '.');
    EXPECT_EQ(ledger::separator_from_locale_point("\xD9\xAB"), '.');  // two bytes: arabic decimal sign
}

}  // namespace
