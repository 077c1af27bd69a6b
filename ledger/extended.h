#pragma once
// The 80-bit x87 extended format that every amount is read into and computed in, and the guard that
// gives each public operation the floating-point environment it needs while leaving the caller's alone.

#include <cfenv>
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
    std::fenv_t saved_;  // only when the caller had x87 flags raised
};

// Keeps the compiler from moving the computation of a value past this point (for instance past the
// restoring of the caller's environment).
template <typename T>
inline void settle(T& value) noexcept {
    asm volatile("" : "+m"(value));
}

// Powers of ten, each the extended value nearest the exact power.
// 10^0 .. 10^31, then 10^(32 j) for j = 1..15, then 10^(512 j) for j = 1..9.
extern const Extended kSmallPowersOfTen[32];
extern const Extended kMediumPowersOfTen[16];  // index j: 10^(32 j); index 0 is 1
extern const Extended kLargePowersOfTen[10];   // index j: 10^(512 j); index 0 is 1

// x * 10^m, rounding after each of at most three multiplications (0 <= m < 5120).
Extended scale_up(Extended x, int m) noexcept;
// x / 10^m by the same factors in the same order (0 <= m < 5120).
Extended scale_down(Extended x, int m) noexcept;

}  // namespace ledger
