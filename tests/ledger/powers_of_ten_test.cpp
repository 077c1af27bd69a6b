// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Each power of ten in the tables must be the extended value nearest the exact power. The exact powers
// come from a small big-integer type of this test's own, not from the compiler's literals.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include <gtest/gtest.h>

#include "ledger/extended.h"
#include "test_names.h"

namespace {

// A non-negative integer in base 2^32, least significant limb first.
struct BigInt {
    std::vector<std::uint32_t> limbs{1};

    void multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry) limbs.push_back(static_cast<std::uint32_t>(carry));
    }
    int bit_length() const {
        const int top = 32 - __builtin_clz(limbs.back());
        return static_cast<int>(limbs.size() - 1) * 32 + top;
    }
    bool bit(int i) const {
        const auto limb = static_cast<std::size_t>(i / 32);
        return limb < limbs.size() && ((limbs[limb] >> (i % 32)) & 1u);
    }
    bool any_bit_below(int i) const {
        for (int j = 0; j < i; ++j)
            if (bit(j)) return true;
        return false;
    }
};

BigInt power_of_ten(int k) {
    BigInt n;
    for (int i = 0; i < k; ++i) n.multiply(10);
    return n;
}

// The nearest 64-bit significand (ties to even) and the binary exponent e with value = sig x 2^e.
struct Nearest {
    std::uint64_t significand;
    int exponent;
};

Nearest nearest_extended(const BigInt& n) {
    const int bits = n.bit_length();
    if (bits <= 64) {
        std::uint64_t sig = 0;
        for (int i = bits - 1; i >= 0; --i) sig = (sig << 1) | (n.bit(i) ? 1 : 0);
        const int shift = 64 - bits;
        return {sig << shift, -shift};
    }
    const int drop = bits - 64;
    std::uint64_t sig = 0;
    for (int i = bits - 1; i >= drop; --i) sig = (sig << 1) | (n.bit(i) ? 1 : 0);
    const bool half = n.bit(drop - 1);
    const bool beyond_half = n.any_bit_below(drop - 1);
    if (half && (beyond_half || (sig & 1))) {
        ++sig;
        if (sig == 0) return {std::uint64_t{1} << 63, drop + 1};
    }
    return {sig, drop};
}

Nearest decompose(ledger::Extended value) {
    const ledger::Bits80 bits = ledger::bits80(value);
    return {bits.significand, (bits.sign_exponent & 0x7FFF) - 16383 - 63};
}

void expect_nearest(ledger::Extended value, int k) {
    const Nearest want = nearest_extended(power_of_ten(k));
    const Nearest got = decompose(value);
    EXPECT_EQ(got.significand, want.significand) << "10^" << k;
    EXPECT_EQ(got.exponent, want.exponent) << "10^" << k;
}

TEST(PowersOfTen, are_the_extended_values_nearest_the_exact_powers) {
    for (int k = 0; k < 32; ++k) expect_nearest(ledger::kSmallPowersOfTen[k], k);
    for (int j = 1; j < 16; ++j) expect_nearest(ledger::kMediumPowersOfTen[j], 32 * j);
    for (int j = 1; j < 10; ++j) expect_nearest(ledger::kLargePowersOfTen[j], 512 * j);
    EXPECT_EQ(ledger::kMediumPowersOfTen[0], 1);
    EXPECT_EQ(ledger::kLargePowersOfTen[0], 1);
}

TEST(PowersOfTen, the_big_integer_rounds_a_known_case) {
    // 10^27 needs 90 bits; its nearest significand is known independently: 0xCECB8F27F4200F3A.
    const Nearest n = nearest_extended(power_of_ten(27));
    EXPECT_EQ(n.significand, 0xCECB8F27F4200F3AULL);
    EXPECT_EQ(n.exponent, 90 - 64);
}

}  // namespace
