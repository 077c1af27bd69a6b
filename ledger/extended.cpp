// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/extended.h"

#include "ledger/wide_integer.h"

namespace ledger {

namespace {

// n / d and n % d for a quotient below 2^64.
std::uint64_t divide_128_by_64(std::uint64_t high, std::uint64_t low, std::uint64_t d,
                               std::uint64_t& remainder) noexcept {
#if defined(__x86_64__)
    std::uint64_t quotient;
    asm("divq %4" : "=a"(quotient), "=d"(remainder) : "a"(low), "d"(high), "rm"(d));
    return quotient;
#else
    return wide::U128::make(high, low).divide(d, remainder);
#endif
}

}  // namespace

Extended divide_by_exact_power_of_ten(std::uint64_t w, int m) noexcept {
    // w / 10^m = w / 5^m x 2^-m. With w shifted left so that the quotient by 5^m has 64 bits, the
    // quotient is the significand and the remainder decides the rounding.
    const std::uint64_t five = kPowersOfFive[static_cast<std::size_t>(m)];
    const int w_bits = 64 - __builtin_clzll(w);
    const int five_bits = 64 - __builtin_clzll(five);
    int shift = 63 + five_bits - w_bits;  // the quotient lies in [2^62, 2^64)
    std::uint64_t quotient, remainder;
    const auto divide = [&] {
        const std::uint64_t high = shift == 0 ? 0 : (shift >= 64 ? w << (shift - 64) : w >> (64 - shift));
        const std::uint64_t low = shift >= 64 ? 0 : w << shift;
        quotient = divide_128_by_64(high, low, five, remainder);
    };
    divide();
    if (quotient < (std::uint64_t{1} << 63)) {
        ++shift;
        divide();
    }
    // 5^m is odd, so the remainder is never exactly half of it: no ties.
    if (2 * remainder > five) {
        if (++quotient == 0) {
            quotient = std::uint64_t{1} << 63;
            --shift;
        }
    }
    return from_bits80({static_cast<std::uint16_t>(63 - shift - m + kExponentBias), quotient});
}

Extended scale_up(Extended x, int m) noexcept {
    x = x * kSmallPowersOfTen[m % 32];
    if (int j = (m / 32) % 16; j != 0) x = x * kMediumPowersOfTen[j];
    if (m >= 512) x = x * kLargePowersOfTen[m / 512];
    return x;
}

Extended scale_down(Extended x, int m) noexcept {
    x = x / kSmallPowersOfTen[m % 32];
    if (int j = (m / 32) % 16; j != 0) x = x / kMediumPowersOfTen[j];
    if (m >= 512) x = x / kLargePowersOfTen[m / 512];
    return x;
}

}  // namespace ledger
