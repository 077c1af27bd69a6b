// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two kinds of 128-bit integer that the software arithmetic can use (the compiler's own, and two
// 64-bit halves for compilers without one) must compute alike.
#include <cstdint>
#include <random>

#include <gtest/gtest.h>

#include "ledger/wide_integer.h"

namespace {

using ledger::wide::HalvesU128;

#if defined(__SIZEOF_INT128__)
using ledger::wide::NativeU128;

void expect_same(const HalvesU128& h, const NativeU128& n, const char* what) {
    ASSERT_EQ(h.high, n.high_half()) << what;
    ASSERT_EQ(h.low, n.low_half()) << what;
}

TEST(WideInteger, both_kinds_multiply_shift_add_subtract_and_divide_alike) {
    std::mt19937_64 random(7);
    for (int i = 0; i < 200000; ++i) {
        const std::uint64_t a = random() >> (random() % 64), b = random() >> (random() % 64);
        const int shift = static_cast<int>(random() % 128);
        const HalvesU128 h = HalvesU128::product(a, b);
        const NativeU128 n = NativeU128::product(a, b);
        expect_same(h, n, "product");
        expect_same(h << shift, n << shift, "shift left");
        expect_same(h >> shift, n >> shift, "shift right");
        const HalvesU128 h2 = HalvesU128::make(random(), random());
        const NativeU128 n2 = NativeU128::make(h2.high, h2.low);
        expect_same(h + h2, n + n2, "sum");
        expect_same(h - h2, n - n2, "difference");
        ASSERT_EQ(h < h2, n < n2);
        ASSERT_EQ(h.leading_zeros(), n.leading_zeros());
        // A quotient below 2^64 needs a divisor above the high half.
        const std::uint64_t d = (random() >> (random() % 64)) | 1u;
        const HalvesU128 dividend = HalvesU128::make(h2.high % d, h2.low);
        std::uint64_t rh, rn;
        const std::uint64_t qh = dividend.divide(d, rh);
        const std::uint64_t qn = NativeU128::make(dividend.high, dividend.low).divide(d, rn);
        ASSERT_EQ(qh, qn) << dividend.high << ":" << dividend.low << " / " << d;
        ASSERT_EQ(rh, rn);
    }
}
#endif

TEST(WideInteger, halves_divide_at_the_largest_quotient_and_remainder) {
    std::uint64_t r;
    const std::uint64_t max = ~std::uint64_t{0};
    // (2^64 - 2) x 2^64 + 2^64 - 1 = (2^64 - 1)^2 + (2^64 - 2), so the quotient is 2^64 - 1.
    EXPECT_EQ(HalvesU128::make(max - 1, max).divide(max, r), max);
    EXPECT_EQ(r, max - 1);
    EXPECT_EQ(HalvesU128::make(0, 7).divide(2, r), 3u);
    EXPECT_EQ(r, 1u);
    EXPECT_EQ(HalvesU128::product(max, max).high, max - 1);
    EXPECT_EQ(HalvesU128::product(max, max).low, 1u);
}

}  // namespace
