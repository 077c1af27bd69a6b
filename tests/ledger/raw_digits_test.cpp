// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The 18 digits that both formats round on: the integer way must give what the extended scaling
// gives, wherever it applies, and must apply to the amounts that the window shows.
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "ledger/amount_reading.h"
#include "ledger/raw_digits.h"
#include "test_names.h"

namespace {

using ledger::Extended;

ledger::RawDigits by_scaling(Extended magnitude) {
    ledger::FloatEnvironmentGuard guard;
    return ledger::raw_digits_by_scaling(magnitude);
}

void expect_same_digits(Extended magnitude) {
    const auto quick = ledger::raw_digits_by_integers(magnitude);
    if (!quick) return;
    const ledger::RawDigits want = by_scaling(magnitude);
    ASSERT_EQ(quick->whole, want.whole) << testing::PrintToString(magnitude);
    ASSERT_EQ(quick->exponent, want.exponent) << testing::PrintToString(magnitude);
}

TEST(RawDigits, by_integers_are_the_digits_of_the_extended_scaling_for_random_values) {
    std::mt19937_64 random(1211);
    int covered = 0;
    for (int i = 0; i < 300000; ++i) {
        // From about 10^-12 to 10^20, with some significands that end in many zero bits.
        const auto biased = static_cast<std::uint16_t>(ledger::kExponentBias - 40 + static_cast<int>(random() % 110));
        std::uint64_t significand = random() | ledger::kIntegerBit;
        if (i % 3 == 0) significand = significand >> (random() % 64) << (random() % 64) | ledger::kIntegerBit;
        const Extended value = ledger::from_bits80({biased, significand});
        covered += ledger::raw_digits_by_integers(value).has_value();
        ASSERT_NO_FATAL_FAILURE(expect_same_digits(value));
    }
    EXPECT_GT(covered, 100000);
}

TEST(RawDigits, by_integers_agree_at_powers_of_ten_and_their_neighbours) {
    for (int k = -12; k <= 19; ++k) {
        const Extended power = ledger::read_amount("1E" + std::to_string(k), '.');
        const ledger::Bits80 bits = ledger::bits80(power);
        for (int step = -3; step <= 3; ++step) {
            ledger::Bits80 near = bits;
            near.significand += static_cast<std::uint64_t>(step);
            if (!(near.significand & ledger::kIntegerBit)) continue;
            ASSERT_NO_FATAL_FAILURE(expect_same_digits(ledger::from_bits80(near))) << "10^" << k << " + " << step;
        }
    }
}

TEST(RawDigits, need_no_arithmetic_for_the_amounts_of_a_series) {
    for (const double amount : {0.01, 1.0, 3.0526315789473686, 1674724.9111749786, 125259236.41861914, 1e17})
        EXPECT_TRUE(ledger::raw_digits_need_no_arithmetic(amount)) << amount;
    for (const double amount : {0.0, 1e-300, 1e19, 1e300})
        EXPECT_FALSE(ledger::raw_digits_need_no_arithmetic(amount)) << amount;
}

}  // namespace
