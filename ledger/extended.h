#pragma once
// The 80-bit x87 extended format that every amount is read into and computed in, and the guard that
// gives each public operation the floating-point environment it needs while leaving the caller's alone.

#include <cfloat>
#include <cstdint>

namespace ledger {

using Extended = long double;

static_assert(LDBL_MANT_DIG == 64 && LDBL_MAX_EXP == 16384,
              "long double must be the 80-bit x87 extended format (64-bit significand, 15-bit exponent)");

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
inline void settle(Extended& value) noexcept {
    asm volatile("" : "+t"(value));
}
inline void settle(double& value) noexcept {
    asm volatile("" : "+x"(value));
}

// The power of two of a normal value: 2^e <= |x| < 2^(e+1).
inline int binary_exponent(Extended x) noexcept {
    std::uint16_t sign_exponent;
    __builtin_memcpy(&sign_exponent, reinterpret_cast<const char*>(&x) + 8, 2);
    return (sign_exponent & 0x7FFF) - 16383;
}

// Rounds 0 <= x to a whole number, ties to even (in the guarded environment): below 2^63 by adding and
// taking away 2^63, whose unit in the last place is 1; from 2^63 on every value is whole already.
inline Extended round_to_whole(Extended x) noexcept {
    constexpr Extended kTwoTo63 = 9223372036854775808.0L;
    if (x >= kTwoTo63) return x;
    Extended shifted = x + kTwoTo63;
    settle(shifted);
    return shifted - kTwoTo63;
}

// Powers of ten, each the extended value nearest the exact power.
// 10^0 .. 10^31, then 10^(32 j) for j = 1..15, then 10^(512 j) for j = 1..9.
extern const Extended kSmallPowersOfTen[32];
extern const Extended kMediumPowersOfTen[16];  // index j: 10^(32 j); index 0 is 1
extern const Extended kLargePowersOfTen[10];   // index j: 10^(512 j); index 0 is 1

// w / 10^m for 0 < w and 1 <= m <= 27, where 10^m is exact: the quotient rounded once to nearest, as
// the x87 division gives it, but worked out in integers, so that it raises no floating-point flag.
Extended divide_by_exact_power_of_ten(std::uint64_t w, int m) noexcept;
inline constexpr int kLargestExactPowerOfTen = 27;

// x * 10^m, rounding after each of at most three multiplications (0 <= m < 5120).
Extended scale_up(Extended x, int m) noexcept;
// x / 10^m by the same factors in the same order (0 <= m < 5120).
Extended scale_down(Extended x, int m) noexcept;

}  // namespace ledger
