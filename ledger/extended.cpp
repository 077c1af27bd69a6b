#include "ledger/extended.h"

#include <cstdint>

#include <xmmintrin.h>

namespace ledger {

namespace {

// x87 control word: every exception masked, 64-bit significand, round to nearest.
constexpr std::uint16_t kWorkingControlWord = 0x037F;
constexpr std::uint16_t kStatusFlags = 0x003F;
// SSE: every exception masked, round to nearest, no flush to zero, flags clear.
constexpr unsigned kWorkingMxcsr = 0x1F80;

std::uint16_t x87_control_word() noexcept {
    std::uint16_t cw;
    asm volatile("fnstcw %0" : "=m"(cw) : : "memory");
    return cw;
}

void load_x87_control_word(std::uint16_t cw) noexcept {
    asm volatile("fldcw %0" : : "m"(cw) : "memory");
}

std::uint16_t x87_status_word() noexcept {
    std::uint16_t sw;
    asm volatile("fnstsw %0" : "=m"(sw) : : "memory");
    return sw;
}

}  // namespace

// Saving the whole environment with fegetenv/fesetenv costs more than the arithmetic it protects, so the
// guard saves the two control registers and the x87 flags, and takes the slow road only when the caller
// had x87 flags raised that must be put back exactly.
FloatEnvironmentGuard::FloatEnvironmentGuard() noexcept
    : x87_control_(x87_control_word()),
      x87_flags_(static_cast<std::uint16_t>(x87_status_word() & kStatusFlags)),
      mxcsr_(_mm_getcsr()) {
    if (x87_flags_ != 0) {
        std::fegetenv(&saved_);
        asm volatile("fnclex" : : : "memory");
    }
    if (x87_control_ != kWorkingControlWord) load_x87_control_word(kWorkingControlWord);
    if (mxcsr_ != kWorkingMxcsr) _mm_setcsr(kWorkingMxcsr);
}

FloatEnvironmentGuard::~FloatEnvironmentGuard() {
    asm volatile("fnclex" : : : "memory");
    if (x87_flags_ != 0) {
        std::fesetenv(&saved_);
    } else if (x87_control_ != kWorkingControlWord) {
        load_x87_control_word(x87_control_);
    }
    _mm_setcsr(mxcsr_);
}

const Extended kSmallPowersOfTen[32] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,  1e10L,
    1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L, 1e20L, 1e21L,
    1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L, 1e28L, 1e29L, 1e30L, 1e31L,
};

const Extended kMediumPowersOfTen[16] = {
    1e0L,   1e32L,  1e64L,  1e96L,  1e128L, 1e160L, 1e192L, 1e224L,
    1e256L, 1e288L, 1e320L, 1e352L, 1e384L, 1e416L, 1e448L, 1e480L,
};

const Extended kLargePowersOfTen[10] = {
    1e0L, 1e512L, 1e1024L, 1e1536L, 1e2048L, 1e2560L, 1e3072L, 1e3584L, 1e4096L, 1e4608L,
};

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
