// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Amounts such as 0.35 are read by dividing their digits by a power of ten in integers. The result must
// be the very value that the extended division gives.
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "ledger/extended.h"
#include "test_names.h"

namespace {

ledger::Extended extended_quotient(std::uint64_t w, int m) {
    ledger::FloatEnvironmentGuard guard;
    ledger::Extended q = static_cast<ledger::Extended>(w) / ledger::kSmallPowersOfTen[m];
    ledger::settle(q);
    return q;
}

TEST(ExactDivision, gives_the_extended_quotient_for_every_power_and_many_digit_counts) {
    std::mt19937_64 random(20261211);
    for (int m = 1; m <= ledger::kLargestExactPowerOfTen; ++m) {
        for (int bits = 1; bits <= 64; ++bits) {
            for (int n = 0; n < 40; ++n) {
                std::uint64_t w = random() >> (64 - bits);
                w |= std::uint64_t{1} << (bits - 1);
                ASSERT_EQ(ledger::divide_by_exact_power_of_ten(w, m), extended_quotient(w, m)) << w << " / 10^" << m;
            }
        }
    }
}

TEST(ExactDivision, gives_the_extended_quotient_at_the_ends_of_the_range) {
    const std::uint64_t cases[] = {1,
                                   5,
                                   10,
                                   35,
                                   99,
                                   1000000,
                                   0x7FFFFFFFFFFFFFFFULL,
                                   0x8000000000000000ULL,
                                   9999999999999999999ULL,
                                   0xFFFFFFFFFFFFFFFFULL};
    for (std::uint64_t w : cases)
        for (int m = 1; m <= ledger::kLargestExactPowerOfTen; ++m)
            EXPECT_EQ(ledger::divide_by_exact_power_of_ten(w, m), extended_quotient(w, m)) << w << " / 10^" << m;
}

}  // namespace
