// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The extended format in software: the same values and the same roundings as the x87 unit, computed in
// integers, so that every processor shows the same digits. It touches no floating-point state at all.

#include <bit>
#include <concepts>
#include <cstdint>
#include <type_traits>

#include "ledger/bits80.h"
#include "ledger/soft_float.h"

namespace ledger {

class Extended {
public:
    constexpr Extended() noexcept = default;
    constexpr Extended(double value) noexcept
        : bits_(soft_float::from_double_bits(std::bit_cast<std::uint64_t>(value))) {}
    template <std::integral Integer>
    constexpr Extended(Integer value) noexcept {
        if constexpr (std::is_signed_v<Integer>) {
            bits_ = soft_float::from_int64(value);
        } else {
            bits_ = soft_float::from_uint64(false, value);
        }
    }
    // The width of long double differs from one processor to the next: no conversion from it.
    Extended(long double) = delete;
    static constexpr Extended from_bits(Bits80 bits) noexcept {
        Extended e;
        e.bits_ = bits;
        return e;
    }
    constexpr Bits80 bits() const noexcept { return bits_; }

    explicit operator double() const noexcept {
        unsigned flags = 0;
        return soft_float::to_double(bits_, flags);
    }

    friend Extended operator+(Extended a, Extended b) noexcept {
        unsigned flags = 0;
        return from_bits(soft_float::add(a.bits_, b.bits_, flags));
    }
    friend Extended operator-(Extended a, Extended b) noexcept {
        unsigned flags = 0;
        return from_bits(soft_float::subtract(a.bits_, b.bits_, flags));
    }
    friend Extended operator*(Extended a, Extended b) noexcept {
        unsigned flags = 0;
        return from_bits(soft_float::multiply(a.bits_, b.bits_, flags));
    }
    friend Extended operator/(Extended a, Extended b) noexcept {
        unsigned flags = 0;
        return from_bits(soft_float::divide(a.bits_, b.bits_, flags));
    }
    friend constexpr Extended operator-(Extended a) noexcept {
        a.bits_.sign_exponent ^= kSignBit;
        return a;
    }
    Extended& operator+=(Extended b) noexcept { return *this = *this + b; }
    Extended& operator-=(Extended b) noexcept { return *this = *this - b; }
    Extended& operator*=(Extended b) noexcept { return *this = *this * b; }
    Extended& operator/=(Extended b) noexcept { return *this = *this / b; }

    friend bool operator==(Extended a, Extended b) noexcept { return order(a, b) == soft_float::Order::Equal; }
    friend bool operator<(Extended a, Extended b) noexcept { return order(a, b) == soft_float::Order::Less; }
    friend bool operator>(Extended a, Extended b) noexcept { return order(a, b) == soft_float::Order::Greater; }
    friend bool operator<=(Extended a, Extended b) noexcept {
        const auto o = order(a, b);
        return o == soft_float::Order::Less || o == soft_float::Order::Equal;
    }
    friend bool operator>=(Extended a, Extended b) noexcept {
        const auto o = order(a, b);
        return o == soft_float::Order::Greater || o == soft_float::Order::Equal;
    }

    friend constexpr bool isnan(Extended a) noexcept {
        return a.exponent() == kExponentMask && (a.bits_.significand << 1) != 0;
    }
    friend constexpr bool isinf(Extended a) noexcept {
        return a.exponent() == kExponentMask && (a.bits_.significand << 1) == 0;
    }
    friend constexpr bool isfinite(Extended a) noexcept { return a.exponent() != kExponentMask; }
    // A pseudo-denormal (exponent 0, integer bit set) has the size of a normal value.
    friend constexpr bool isnormal(Extended a) noexcept {
        return a.exponent() != kExponentMask && (a.exponent() != 0 || (a.bits_.significand & kIntegerBit));
    }
    friend constexpr bool signbit(Extended a) noexcept { return (a.bits_.sign_exponent & kSignBit) != 0; }
    friend constexpr Extended abs(Extended a) noexcept {
        a.bits_.sign_exponent &= kExponentMask;
        return a;
    }

private:
    constexpr int exponent() const noexcept { return bits_.sign_exponent & kExponentMask; }
    static soft_float::Order order(Extended a, Extended b) noexcept { return soft_float::compare(a.bits_, b.bits_); }

    Bits80 bits_{};
};

constexpr Bits80 bits80(Extended x) noexcept { return x.bits(); }
constexpr Extended from_bits80(Bits80 bits) noexcept { return Extended::from_bits(bits); }

// Nothing to guard: the arithmetic uses no floating-point state.
class FloatEnvironmentGuard {
public:
    FloatEnvironmentGuard() noexcept {}
    ~FloatEnvironmentGuard() {}
    FloatEnvironmentGuard(const FloatEnvironmentGuard&) = delete;
    FloatEnvironmentGuard& operator=(const FloatEnvironmentGuard&) = delete;
};

inline void settle(Extended&) noexcept {}
inline void settle(double&) noexcept {}

inline int binary_exponent(Extended x) noexcept { return (bits80(x).sign_exponent & kExponentMask) - kExponentBias; }

inline Extended round_to_whole(Extended x) noexcept { return from_bits80(soft_float::round_to_whole(bits80(x))); }

}  // namespace ledger
