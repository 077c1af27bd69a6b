// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The extended format on the x87 unit: a long double, which is the 80-bit format there. The guard gives
// each public operation the environment it needs and puts the caller's back.

#include <cfloat>
#include <concepts>
#include <cstdint>
#include <cstring>

#include "ledger/bits80.h"

namespace ledger {

static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384,
              "long double must be the 80-bit x87 extended format (64-bit significand, 15-bit exponent)");

class Extended {
public:
    constexpr Extended() noexcept = default;
    constexpr Extended(double value) noexcept : value_(value) {}
    template <std::integral Integer>
    constexpr Extended(Integer value) noexcept : value_(static_cast<long double>(value)) {}
    // A long double is the x87 format only here; elsewhere it would be converted silently.
    Extended(long double) = delete;
    static constexpr Extended from_native(long double value) noexcept {
        Extended e;
        e.value_ = value;
        return e;
    }

    explicit operator double() const noexcept { return static_cast<double>(value_); }
    long double& native() noexcept { return value_; }
    long double native() const noexcept { return value_; }

    friend Extended operator+(Extended a, Extended b) noexcept { return from_native(a.value_ + b.value_); }
    friend Extended operator-(Extended a, Extended b) noexcept { return from_native(a.value_ - b.value_); }
    friend Extended operator*(Extended a, Extended b) noexcept { return from_native(a.value_ * b.value_); }
    friend Extended operator/(Extended a, Extended b) noexcept { return from_native(a.value_ / b.value_); }
    friend Extended operator-(Extended a) noexcept { return from_native(-a.value_); }
    Extended& operator+=(Extended b) noexcept { return *this = *this + b; }
    Extended& operator-=(Extended b) noexcept { return *this = *this - b; }
    Extended& operator*=(Extended b) noexcept { return *this = *this * b; }
    Extended& operator/=(Extended b) noexcept { return *this = *this / b; }

    friend bool operator==(Extended a, Extended b) noexcept { return a.value_ == b.value_; }
    friend bool operator<(Extended a, Extended b) noexcept { return a.value_ < b.value_; }
    friend bool operator>(Extended a, Extended b) noexcept { return a.value_ > b.value_; }
    friend bool operator<=(Extended a, Extended b) noexcept { return a.value_ <= b.value_; }
    friend bool operator>=(Extended a, Extended b) noexcept { return a.value_ >= b.value_; }

    // Told from the bits, so that no comparison raises a flag.
    friend bool isnan(Extended a) noexcept { return a.exponent() == kExponentMask && (a.significand() << 1) != 0; }
    friend bool isinf(Extended a) noexcept { return a.exponent() == kExponentMask && (a.significand() << 1) == 0; }
    friend bool isfinite(Extended a) noexcept { return a.exponent() != kExponentMask; }
    friend bool isnormal(Extended a) noexcept {
        return a.exponent() != kExponentMask && (a.exponent() != 0 || (a.significand() & kIntegerBit));
    }
    friend bool signbit(Extended a) noexcept { return __builtin_signbit(a.value_); }
    friend Extended abs(Extended a) noexcept { return from_native(__builtin_fabsl(a.value_)); }

private:
    int exponent() const noexcept {
        std::uint16_t sign_exponent;
        std::memcpy(&sign_exponent, reinterpret_cast<const char*>(&value_) + 8, 2);
        return sign_exponent & kExponentMask;
    }
    std::uint64_t significand() const noexcept {
        std::uint64_t bits;
        std::memcpy(&bits, &value_, 8);
        return bits;
    }

    long double value_ = 0;
};

inline Bits80 bits80(Extended x) noexcept {
    const long double value = x.native();
    Bits80 bits;
    std::memcpy(&bits.significand, &value, 8);
    std::memcpy(&bits.sign_exponent, reinterpret_cast<const char*>(&value) + 8, 2);
    return bits;
}

inline Extended from_bits80(Bits80 bits) noexcept {
    // One 16-byte store, from which the load of the 10 bytes can be forwarded at once.
    const std::uint64_t words[2] = {bits.significand, bits.sign_exponent};
    long double value;
    std::memcpy(&value, words, sizeof value);
    return Extended::from_native(value);
}

// For its lifetime: round to nearest, 64-bit significand, every exception masked, no flag raised.
// On destruction the caller's environment (rounding, precision, masks and flags) is put back exactly.
class FloatEnvironmentGuard {
public:
    FloatEnvironmentGuard() noexcept;
    ~FloatEnvironmentGuard();
    FloatEnvironmentGuard(const FloatEnvironmentGuard&) = delete;
    FloatEnvironmentGuard& operator=(const FloatEnvironmentGuard&) = delete;

private:
    std::uint16_t x87_control_;
    std::uint16_t x87_flags_;
    unsigned mxcsr_;
};

// Keeps the compiler from moving the computation of a value past this point (for instance past the
// restoring of the caller's environment).
inline void settle(Extended& value) noexcept { asm volatile("" : "+t"(value.native())); }
inline void settle(double& value) noexcept { asm volatile("" : "+x"(value)); }

// The power of two of a normal value: 2^e <= |x| < 2^(e+1).
inline int binary_exponent(Extended x) noexcept { return (bits80(x).sign_exponent & kExponentMask) - kExponentBias; }

// Rounds 0 <= x to a whole number, ties to even (in the guarded environment): below 2^63 by adding and
// taking away 2^63, whose unit in the last place is 1; from 2^63 on every value is whole already.
inline Extended round_to_whole(Extended x) noexcept {
    constexpr long double kTwoTo63 = 9223372036854775808.0L;
    if (x.native() >= kTwoTo63) return x;
    long double shifted = x.native() + kTwoTo63;
    asm volatile("" : "+t"(shifted));
    return Extended::from_native(shifted - kTwoTo63);
}

}  // namespace ledger
