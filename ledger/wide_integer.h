// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Unsigned 128-bit integers for the software extended arithmetic: the compiler's own type where it has
// one, otherwise two 64-bit halves. Both offer the same few operations.

#include <cstdint>

namespace ledger::wide {

// Two 64-bit halves, in standard C++ only.
struct HalvesU128 {
    std::uint64_t high = 0;
    std::uint64_t low = 0;

    static constexpr HalvesU128 make(std::uint64_t high, std::uint64_t low) noexcept { return {high, low}; }

    // a x b, exactly.
    static constexpr HalvesU128 product(std::uint64_t a, std::uint64_t b) noexcept {
        const std::uint64_t a_lo = a & 0xFFFFFFFFu, a_hi = a >> 32, b_lo = b & 0xFFFFFFFFu, b_hi = b >> 32;
        const std::uint64_t lo_lo = a_lo * b_lo, hi_lo = a_hi * b_lo, lo_hi = a_lo * b_hi, hi_hi = a_hi * b_hi;
        const std::uint64_t middle = (lo_lo >> 32) + (hi_lo & 0xFFFFFFFFu) + lo_hi;
        return {hi_hi + (hi_lo >> 32) + (middle >> 32), (middle << 32) | (lo_lo & 0xFFFFFFFFu)};
    }

    constexpr bool is_zero() const noexcept { return (high | low) == 0; }

    friend constexpr bool operator==(HalvesU128, HalvesU128) noexcept = default;
    friend constexpr bool operator<(HalvesU128 a, HalvesU128 b) noexcept {
        return a.high != b.high ? a.high < b.high : a.low < b.low;
    }
    friend constexpr HalvesU128 operator+(HalvesU128 a, HalvesU128 b) noexcept {
        const std::uint64_t low = a.low + b.low;
        return {a.high + b.high + (low < a.low ? 1u : 0u), low};
    }
    friend constexpr HalvesU128 operator|(HalvesU128 a, HalvesU128 b) noexcept {
        return {a.high | b.high, a.low | b.low};
    }
    friend constexpr HalvesU128 operator-(HalvesU128 a, HalvesU128 b) noexcept {
        return {a.high - b.high - (a.low < b.low ? 1u : 0u), a.low - b.low};
    }
    // 0 <= n < 128.
    friend constexpr HalvesU128 operator<<(HalvesU128 a, int n) noexcept {
        if (n == 0) return a;
        if (n >= 64) return {a.low << (n - 64), 0};
        return {(a.high << n) | (a.low >> (64 - n)), a.low << n};
    }
    friend constexpr HalvesU128 operator>>(HalvesU128 a, int n) noexcept {
        if (n == 0) return a;
        if (n >= 64) return {0, a.high >> (n - 64)};
        return {a.high >> n, (a.low >> n) | (a.high << (64 - n))};
    }

    // The leading zero bits; 128 for zero.
    constexpr int leading_zeros() const noexcept {
        if (high != 0) return __builtin_clzll(high);
        return low != 0 ? 64 + __builtin_clzll(low) : 128;
    }

    // this / d and this % d, for a quotient below 2^64 (high < d), by restoring long division.
    constexpr std::uint64_t divide(std::uint64_t d, std::uint64_t& remainder) const noexcept {
        std::uint64_t r = high, q = 0;
        for (int i = 63; i >= 0; --i) {
            const bool carry = (r >> 63) != 0;
            r = (r << 1) | ((low >> i) & 1u);
            q <<= 1;
            if (carry || r >= d) {
                r -= d;
                q |= 1u;
            }
        }
        remainder = r;
        return q;
    }
};

#if defined(__SIZEOF_INT128__)
// The compiler's 128-bit integer.
struct NativeU128 {
    unsigned __int128 value = 0;

    static constexpr NativeU128 make(std::uint64_t high, std::uint64_t low) noexcept {
        return {(static_cast<unsigned __int128>(high) << 64) | low};
    }
    static constexpr NativeU128 product(std::uint64_t a, std::uint64_t b) noexcept {
        return {static_cast<unsigned __int128>(a) * b};
    }
    constexpr std::uint64_t high_half() const noexcept { return static_cast<std::uint64_t>(value >> 64); }
    constexpr std::uint64_t low_half() const noexcept { return static_cast<std::uint64_t>(value); }
    constexpr bool is_zero() const noexcept { return value == 0; }

    friend constexpr bool operator==(NativeU128, NativeU128) noexcept = default;
    friend constexpr bool operator<(NativeU128 a, NativeU128 b) noexcept { return a.value < b.value; }
    friend constexpr NativeU128 operator+(NativeU128 a, NativeU128 b) noexcept { return {a.value + b.value}; }
    friend constexpr NativeU128 operator-(NativeU128 a, NativeU128 b) noexcept { return {a.value - b.value}; }
    friend constexpr NativeU128 operator|(NativeU128 a, NativeU128 b) noexcept { return {a.value | b.value}; }
    friend constexpr NativeU128 operator<<(NativeU128 a, int n) noexcept { return {a.value << n}; }
    friend constexpr NativeU128 operator>>(NativeU128 a, int n) noexcept { return {a.value >> n}; }

    constexpr int leading_zeros() const noexcept {
        const std::uint64_t h = high_half(), l = low_half();
        if (h != 0) return __builtin_clzll(h);
        return l != 0 ? 64 + __builtin_clzll(l) : 128;
    }
    constexpr std::uint64_t divide(std::uint64_t d, std::uint64_t& remainder) const noexcept {
        remainder = static_cast<std::uint64_t>(value % d);
        return static_cast<std::uint64_t>(value / d);
    }
};
#endif

// The halves of either kind, read alike.
constexpr std::uint64_t high_of(const HalvesU128& x) noexcept { return x.high; }
constexpr std::uint64_t low_of(const HalvesU128& x) noexcept { return x.low; }
#if defined(__SIZEOF_INT128__)
constexpr std::uint64_t high_of(const NativeU128& x) noexcept { return x.high_half(); }
constexpr std::uint64_t low_of(const NativeU128& x) noexcept { return x.low_half(); }
using U128 = NativeU128;
#else
using U128 = HalvesU128;
#endif

}  // namespace ledger::wide
