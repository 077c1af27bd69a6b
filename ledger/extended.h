// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The 80-bit extended format that every amount is read into and computed in (sign, 15-bit exponent,
// 64-bit significand with an explicit integer bit), its powers of ten, and the guard that gives each
// public operation the floating-point environment it needs while leaving the caller's alone.
//
// Two implementations, chosen when the project is configured: the x87 unit itself (x86-64), or the
// same arithmetic in integers (KESTRUN_PORTABLE_EXTENDED, the only choice on other processors).

#include <array>
#include <cstdint>

#if KESTRUN_PORTABLE_EXTENDED
#include "ledger/extended_soft.h"
#elif defined(__x86_64__) || defined(__i386__)
#include "ledger/extended_x87.h"
#else
#error "The x87 extended format needs an x86 processor: configure with -DKESTRUN_PORTABLE_EXTENDED=ON"
#endif

namespace ledger {

// Powers of ten, each the extended value nearest the exact power.
// 10^0 .. 10^31, then 10^(32 j) for j = 1..15, then 10^(512 j) for j = 1..9.
extern const Extended kSmallPowersOfTen[32];
extern const Extended kMediumPowersOfTen[16];  // index j: 10^(32 j); index 0 is 1
extern const Extended kLargePowersOfTen[10];   // index j: 10^(512 j); index 0 is 1

// w / 10^m for 0 < w and 1 <= m <= 27, where 10^m is exact: the quotient rounded once to nearest, as
// the extended division gives it, but worked out in integers, so that it raises no floating-point flag.
Extended divide_by_exact_power_of_ten(std::uint64_t w, int m) noexcept;
inline constexpr int kLargestExactPowerOfTen = 27;

// 5^m for 0 <= m <= 27: the odd part of the exact powers of ten, all below 2^64.
inline constexpr auto kPowersOfFive = [] {
    std::array<std::uint64_t, kLargestExactPowerOfTen + 1> powers{};
    std::uint64_t five = 1;
    for (auto& power : powers) {
        power = five;
        five *= 5;
    }
    return powers;
}();

// x * 10^m, rounding after each of at most three multiplications (0 <= m < 5120).
Extended scale_up(Extended x, int m) noexcept;
// x / 10^m by the same factors in the same order (0 <= m < 5120).
Extended scale_down(Extended x, int m) noexcept;

// A whole number 0 <= x < 2^64 as an integer.
inline std::uint64_t whole_to_uint64(Extended x) noexcept {
    const Bits80 bits = bits80(x);
    const int exponent = (bits.sign_exponent & kExponentMask) - kExponentBias;
    return exponent < 0 ? 0 : bits.significand >> (63 - exponent);
}

}  // namespace ledger
