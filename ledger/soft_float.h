// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The 80-bit extended arithmetic in integers: what the x87 unit computes with round to nearest (ties
// to even), a 64-bit significand and every exception masked, bit for bit, with the flags it raises.
// Touches no floating-point state of the processor.

#include <cstdint>

#include "ledger/bits80.h"

namespace ledger::soft_float {

// The x87 status flags, at their places in the status word.
enum Flag : unsigned {
    kInvalid = 0x01,
    kDenormal = 0x02,
    kZeroDivide = 0x04,
    kOverflow = 0x08,
    kUnderflow = 0x10,
    kInexact = 0x20,
};

Bits80 add(Bits80 a, Bits80 b, unsigned& flags) noexcept;
Bits80 subtract(Bits80 a, Bits80 b, unsigned& flags) noexcept;
Bits80 multiply(Bits80 a, Bits80 b, unsigned& flags) noexcept;
Bits80 divide(Bits80 a, Bits80 b, unsigned& flags) noexcept;

// The double nearest the value; beyond the double range infinity, with the overflow flag.
double to_double(Bits80 a, unsigned& flags) noexcept;

enum class Order { Less, Equal, Greater, Unordered };
Order compare(Bits80 a, Bits80 b) noexcept;

// 0 <= a rounded to a whole number, ties to even.
Bits80 round_to_whole(Bits80 a) noexcept;

// Exact conversions.
constexpr Bits80 from_uint64(bool negative, std::uint64_t magnitude) noexcept {
    const std::uint16_t sign = negative ? kSignBit : 0;
    if (magnitude == 0) return {sign, 0};
    const int zeros = __builtin_clzll(magnitude);
    return {static_cast<std::uint16_t>(sign | (kExponentBias + 63 - zeros)), magnitude << zeros};
}

constexpr Bits80 from_int64(std::int64_t value) noexcept {
    const bool negative = value < 0;
    const std::uint64_t magnitude =
        negative ? std::uint64_t{0} - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
    return from_uint64(negative, magnitude);
}

// The double's bits (IEEE 754 binary64) as an extended value. A signalling NaN comes out quiet; the
// hardware raises the invalid flag for it, which `from_double` with flags does too.
constexpr Bits80 from_double_bits(std::uint64_t bits) noexcept {
    const bool negative = (bits >> 63) != 0;
    const std::uint16_t sign = negative ? kSignBit : 0;
    const int exponent = static_cast<int>((bits >> 52) & 0x7FF);
    const std::uint64_t fraction = bits & ((std::uint64_t{1} << 52) - 1);
    if (exponent == 0x7FF) {
        if (fraction == 0) return {static_cast<std::uint16_t>(sign | kExponentMask), kIntegerBit};
        return {static_cast<std::uint16_t>(sign | kExponentMask), kIntegerBit | kQuietBit | (fraction << 11)};
    }
    if (exponent == 0) {
        if (fraction == 0) return {sign, 0};
        const int zeros = __builtin_clzll(fraction);
        // fraction x 2^(-1074) = (fraction << zeros) x 2^(-1074 - zeros)
        return {static_cast<std::uint16_t>(sign | (kExponentBias - 1074 + 63 - zeros)), fraction << zeros};
    }
    return {static_cast<std::uint16_t>(sign | (exponent - 1023 + kExponentBias)), kIntegerBit | (fraction << 11)};
}

Bits80 from_double(double value, unsigned& flags) noexcept;

}  // namespace ledger::soft_float
