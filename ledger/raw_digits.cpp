// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/raw_digits.h"

#include "ledger/wide_integer.h"

namespace ledger {

namespace {

constexpr int kRawDigits = 18;
constexpr std::uint64_t kRawLimit = 1000000000000000000u;  // the raw whole number lies below this
constexpr std::uint64_t kRawFloor = 100000000000000000u;   // ... and at or above this

// floor(e2 x log10(2)) + 1; the shift of a negative number rounds towards minus infinity.
int first_decimal_exponent(int e2) noexcept { return ((e2 * 19728) >> 16) + 1; }

// |value| x 10^(18 - exponent), rounded to a whole number, ties to even.
Extended scaled_whole(Extended magnitude, int exponent) noexcept {
    const int power = kRawDigits - exponent;
    const Extended scaled = power >= 0 ? scale_up(magnitude, power) : scale_down(magnitude, -power);
    return round_to_whole(scaled);
}

// x / 2^shift rounded to nearest, ties to even (0 < shift < 64).
std::uint64_t shift_rounding(std::uint64_t x, int shift) noexcept {
    const std::uint64_t kept = x >> shift;
    const std::uint64_t rest = x << (64 - shift);
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    return kept + ((rest > kHalf || (rest == kHalf && (kept & 1))) ? 1 : 0);
}

// significand x 2^(e2 - 63) x 10^power, for 0 <= power <= 27 where 10^power = 5^power x 2^power is
// exact: the product rounded once to a 64-bit significand, as one extended multiplication gives it,
// then rounded to a whole number. The result lies below 2^63.
std::uint64_t scaled_whole_by_integers(std::uint64_t significand, int e2, int power) noexcept {
    const std::uint64_t five = kPowersOfFive[static_cast<std::size_t>(power)];
    const wide::U128 product = wide::U128::product(significand, five);
    // The product's top 64 bits, rounded: value = top x 2^(scale).
    const int bits = 128 - product.leading_zeros();
    std::uint64_t top;
    int scale = e2 - 63 + power;
    if (bits <= 64) {
        top = wide::low_of(product);
    } else {
        const int shift = bits - 64;
        const wide::U128 kept = product >> shift;
        const wide::U128 rest = product - (kept << shift);
        const wide::U128 half = wide::U128::make(0, 1) << (shift - 1);
        top = wide::low_of(kept);
        if (half < rest || (rest == half && (top & 1))) {
            if (++top == 0) {
                top = std::uint64_t{1} << 63;
                ++scale;
            }
        }
        scale += shift;
    }
    if (scale >= 0) return top << scale;
    if (scale <= -64) return (scale == -64 && top > (std::uint64_t{1} << 63)) ? 1 : 0;
    return shift_rounding(top, -scale);
}

}  // namespace

RawDigits raw_digits_by_scaling(Extended magnitude) noexcept {
    int exponent = first_decimal_exponent(binary_exponent(magnitude));
    Extended whole = scaled_whole(magnitude, exponent);
    if (whole < Extended(kRawFloor)) {
        // The estimate came out one too high (it does for some tiny values): one digit fewer.
        exponent -= 1;
        whole = scaled_whole(magnitude, exponent);
    }
    if (whole >= Extended(kRawLimit)) {
        whole = whole / 10;
        exponent += 1;
    }
    whole = round_to_whole(whole);
    return {whole_to_uint64(whole), exponent};
}

bool raw_digits_need_no_arithmetic(Bits80 bits) noexcept {
    const int biased = bits.sign_exponent & kExponentMask;
    if (biased == 0 || biased == kExponentMask || !(bits.significand & kIntegerBit)) return false;
    // With one digit fewer after a high estimate the power grows by one: leave room for it.
    const int power = kRawDigits - first_decimal_exponent(biased - kExponentBias);
    return power >= 0 && power < kLargestExactPowerOfTen;
}

std::optional<RawDigits> raw_digits_by_integers(Bits80 bits) noexcept {
    const int biased = bits.sign_exponent & kExponentMask;
    if (biased == 0 || biased == kExponentMask || !(bits.significand & kIntegerBit)) return std::nullopt;
    const int e2 = biased - kExponentBias;
    int exponent = first_decimal_exponent(e2);
    if (kRawDigits - exponent < 0 || kRawDigits - exponent > kLargestExactPowerOfTen) return std::nullopt;
    std::uint64_t whole = scaled_whole_by_integers(bits.significand, e2, kRawDigits - exponent);
    if (whole < kRawFloor) {
        exponent -= 1;
        if (kRawDigits - exponent > kLargestExactPowerOfTen) return std::nullopt;
        whole = scaled_whole_by_integers(bits.significand, e2, kRawDigits - exponent);
    }
    if (whole >= kRawLimit) {
        // whole / 10 has three or more bits after the point in 64 bits, so only a remainder of 5 ties.
        const std::uint64_t quotient = whole / 10, remainder = whole % 10;
        whole = quotient + ((remainder > 5 || (remainder == 5 && (quotient & 1))) ? 1 : 0);
        exponent += 1;
    }
    return RawDigits{whole, exponent};
}

}  // namespace ledger
