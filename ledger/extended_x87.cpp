// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/extended.h"

#include <cstdint>

#include <xmmintrin.h>

namespace ledger {

namespace {

// x87 control word: every exception masked, 64-bit significand, round to nearest.
constexpr std::uint16_t kWorkingControlWord = 0x037F;
constexpr std::uint16_t kStatusFlags = 0x003F;
// SSE: every exception masked, round to nearest, no flush to zero or denormals as zero.
constexpr unsigned kWorkingMxcsr = 0x1F80;
constexpr unsigned kMxcsrFlags = 0x003F;

std::uint16_t x87_control_word() noexcept {
    std::uint16_t cw;
    asm volatile("fnstcw %0" : "=m"(cw) : : "memory");
    return cw;
}

void load_x87_control_word(std::uint16_t cw) noexcept { asm volatile("fldcw %0" : : "m"(cw) : "memory"); }

std::uint16_t x87_status_word() noexcept {
    std::uint16_t sw;
    asm volatile("fnstsw %0" : "=a"(sw) : : "memory");
    return sw;
}

// The 28-byte environment that fnstenv stores and fldenv loads in 32-bit protected mode.
struct X87Environment {
    std::uint16_t control_word, unused1;
    std::uint16_t status_word, unused2;
    std::uint32_t rest[5];
};

}  // namespace

// Saving and loading the whole environment (fegetenv/fesetenv) costs more than the arithmetic it
// protects, so the guard keeps the two control registers and the x87 status flags, loads only what
// differs, and at the end takes away only the flags that its own work added.
FloatEnvironmentGuard::FloatEnvironmentGuard() noexcept
    : x87_control_(x87_control_word()),
      x87_flags_(static_cast<std::uint16_t>(x87_status_word() & kStatusFlags)),
      mxcsr_(_mm_getcsr()) {
    if (x87_control_ != kWorkingControlWord) load_x87_control_word(kWorkingControlWord);
    // The SSE flags stay as they are (a load of MXCSR is dear); only its controls must be ours.
    if ((mxcsr_ & ~kMxcsrFlags) != kWorkingMxcsr) _mm_setcsr(kWorkingMxcsr | (mxcsr_ & kMxcsrFlags));
}

FloatEnvironmentGuard::~FloatEnvironmentGuard() {
    const auto flags = static_cast<std::uint16_t>(x87_status_word() & kStatusFlags);
    if (flags != x87_flags_) {
        if (x87_flags_ == 0) {
            asm volatile("fnclex" : : : "memory");
        } else {
            // Only a whole environment load can lower some flags and keep others.
            X87Environment environment;
            asm volatile("fnstenv %0" : "=m"(environment) : : "memory");
            environment.status_word =
                static_cast<std::uint16_t>((environment.status_word & ~kStatusFlags) | x87_flags_);
            asm volatile("fldenv %0" : : "m"(environment) : "memory");
        }
    }
    if (x87_control_ != kWorkingControlWord) load_x87_control_word(x87_control_);
    // Loading MXCSR stalls the next read of it, so it is loaded only when something changed it.
    if (_mm_getcsr() != mxcsr_) _mm_setcsr(mxcsr_);
}

// The powers of ten as the compiler reads their literals: each the nearest extended value.
constexpr Extended power(long double literal) noexcept { return Extended::from_native(literal); }

const Extended kSmallPowersOfTen[32] = {
    power(1e0L),  power(1e1L),  power(1e2L),  power(1e3L),  power(1e4L),  power(1e5L),  power(1e6L),  power(1e7L),
    power(1e8L),  power(1e9L),  power(1e10L), power(1e11L), power(1e12L), power(1e13L), power(1e14L), power(1e15L),
    power(1e16L), power(1e17L), power(1e18L), power(1e19L), power(1e20L), power(1e21L), power(1e22L), power(1e23L),
    power(1e24L), power(1e25L), power(1e26L), power(1e27L), power(1e28L), power(1e29L), power(1e30L), power(1e31L),
};

const Extended kMediumPowersOfTen[16] = {
    power(1e0L),
    power(1e32L),
    power(1e64L),
    power(1e96L),
    power(1e128L),
    power(1e160L),
    power(1e192L),
    power(1e224L),
    power(1e256L),
    power(1e288L),
    power(1e320L),
    power(1e352L),
    power(1e384L),
    power(1e416L),
    power(1e448L),
    power(1e480L),
};

const Extended kLargePowersOfTen[10] = {
    power(1e0L),
    power(1e512L),
    power(1e1024L),
    power(1e1536L),
    power(1e2048L),
    power(1e2560L),
    power(1e3072L),
    power(1e3584L),
    power(1e4096L),
    power(1e4608L),
};

}  // namespace ledger
