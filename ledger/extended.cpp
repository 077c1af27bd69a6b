#include "ledger/extended.h"

#include <cstdint>
#include <cstring>

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

void load_x87_control_word(std::uint16_t cw) noexcept {
    asm volatile("fldcw %0" : : "m"(cw) : "memory");
}

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
            environment.status_word = static_cast<std::uint16_t>((environment.status_word & ~kStatusFlags) | x87_flags_);
            asm volatile("fldenv %0" : : "m"(environment) : "memory");
        }
    }
    if (x87_control_ != kWorkingControlWord) load_x87_control_word(x87_control_);
    // Loading MXCSR stalls the next read of it, so it is loaded only when something changed it.
    if (_mm_getcsr() != mxcsr_) _mm_setcsr(mxcsr_);
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

Extended divide_by_exact_power_of_ten(std::uint64_t w, int m) noexcept {
    // w / 10^m = w / 5^m x 2^-m. With w shifted left so that the quotient by 5^m has 64 bits, the
    // quotient is the significand and the remainder decides the rounding.
    std::uint64_t five = 1;
    for (int i = 0; i < m; ++i) five *= 5;
    const int w_bits = 64 - __builtin_clzll(w);
    const int five_bits = 64 - __builtin_clzll(five);
    int shift = 63 + five_bits - w_bits;  // the quotient lies in [2^62, 2^64)
    std::uint64_t quotient, remainder;
    const auto divide = [&] {
        const unsigned __int128 numerator = static_cast<unsigned __int128>(w) << shift;
        asm("divq %4"
            : "=a"(quotient), "=d"(remainder)
            : "a"(static_cast<std::uint64_t>(numerator)), "d"(static_cast<std::uint64_t>(numerator >> 64)),
              "rm"(five));
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
    const auto exponent = static_cast<std::uint16_t>(63 - shift - m + 16383);
    Extended value;
    std::memcpy(&value, &quotient, 8);
    std::memcpy(reinterpret_cast<char*>(&value) + 8, &exponent, 2);
    return value;
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
