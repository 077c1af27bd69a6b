// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/soft_float.h"

#include <cstring>
#include <utility>

#include "ledger/wide_integer.h"

namespace ledger::soft_float {

namespace {

using wide::U128;

constexpr Bits80 kIndefinite{kSignBit | kExponentMask, kIntegerBit | kQuietBit};  // the default NaN

enum class Kind { Zero, Finite, Infinity, QuietNaN, SignallingNaN, Unsupported };

Kind kind_of(Bits80 a) noexcept {
    const int exponent = a.sign_exponent & kExponentMask;
    const bool integer_bit = (a.significand & kIntegerBit) != 0;
    if (exponent == kExponentMask) {
        if (!integer_bit) return Kind::Unsupported;  // pseudo-infinity, pseudo-NaN
        if ((a.significand << 1) == 0) return Kind::Infinity;
        return (a.significand & kQuietBit) ? Kind::QuietNaN : Kind::SignallingNaN;
    }
    if (exponent == 0) return a.significand == 0 ? Kind::Zero : Kind::Finite;  // denormals, pseudo-denormals
    return integer_bit ? Kind::Finite : Kind::Unsupported;                     // unnormals
}

bool is_nan(Kind k) noexcept { return k == Kind::QuietNaN || k == Kind::SignallingNaN; }
bool negative(Bits80 a) noexcept { return (a.sign_exponent & kSignBit) != 0; }
std::uint16_t sign_of(bool negative) noexcept { return negative ? kSignBit : 0; }
Bits80 infinity(bool negative) noexcept {
    return {static_cast<std::uint16_t>(sign_of(negative) | kExponentMask), kIntegerBit};
}
Bits80 zero(bool negative) noexcept { return {sign_of(negative), 0}; }

// A finite non-zero value as significand x 2^(exponent - 63), the significand's top bit set.
struct Unpacked {
    int exponent;
    std::uint64_t significand;
};

Unpacked unpack(Bits80 a) noexcept {
    const int biased = a.sign_exponent & kExponentMask;
    if (biased != 0) return {biased - kExponentBias, a.significand};
    const int zeros = __builtin_clzll(a.significand);
    return {1 - kExponentBias - zeros, a.significand << zeros};
}

// The result where an operand is a NaN or no supported value; nullopt-like `false` when neither is.
bool nan_result(Bits80 a, Kind ka, Bits80 b, Kind kb, unsigned& flags, Bits80& result) noexcept {
    if (ka == Kind::Unsupported || kb == Kind::Unsupported) {
        flags |= kInvalid;
        result = kIndefinite;
        return true;
    }
    const bool a_nan = is_nan(ka), b_nan = is_nan(kb);
    if (!a_nan && !b_nan) return false;
    if (ka == Kind::SignallingNaN || kb == Kind::SignallingNaN) flags |= kInvalid;
    Bits80 chosen;
    if (a_nan && b_nan && ka != kb) {
        // A quiet NaN wins over a signalling one.
        chosen = ka == Kind::QuietNaN ? a : b;
    } else if (a_nan && b_nan) {
        // Of two NaNs of one kind the one with the larger significand; on equal significands the first.
        const std::uint64_t sa = a.significand | kQuietBit, sb = b.significand | kQuietBit;
        chosen = sb > sa ? b : a;
        if (sa == sb && negative(a) != negative(b)) chosen = negative(a) ? b : a;
    } else {
        chosen = a_nan ? a : b;
    }
    chosen.significand |= kQuietBit;
    result = chosen;
    return true;
}

// A finite value as the unit writes it: a pseudo-denormal (exponent 0, integer bit set) gets exponent 1.
Bits80 canonical(Bits80 a) noexcept {
    if ((a.sign_exponent & kExponentMask) == 0 && (a.significand & kIntegerBit)) a.sign_exponent |= 1;
    return a;
}

U128 shift_right_sticky(U128 m, int shift) noexcept {
    if (shift == 0) return m;
    if (shift >= 128) return m.is_zero() ? m : U128::make(0, 1);
    const U128 kept = m >> shift;
    return ((kept << shift) == m) ? kept : (kept | U128::make(0, 1));
}

// Rounds m x 2^(exponent - 127) (m non-zero) to the extended format, to nearest, ties to even.
Bits80 round_and_pack(bool negative, int exponent, U128 m, unsigned& flags) noexcept {
    const int zeros = m.leading_zeros();
    m = m << zeros;
    int biased = exponent - zeros + kExponentBias;
    bool tiny = false;
    if (biased < 1) {
        // Below the normal range: the significand keeps its place at the smallest exponent.
        tiny = true;
        const int shift = 1 - biased;
        m = shift_right_sticky(m, shift);
        biased = 0;
    }
    std::uint64_t significand = wide::high_of(m);
    const std::uint64_t rest = wide::low_of(m);
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    if (rest != 0) {
        flags |= kInexact;
        if (tiny) flags |= kUnderflow;
        if (rest > kHalf || (rest == kHalf && (significand & 1))) {
            if (++significand == 0) {
                significand = kIntegerBit;
                ++biased;
            }
        }
    }
    if (biased == 0 && (significand & kIntegerBit)) biased = 1;  // rounded up to the smallest normal
    if (biased >= kExponentMask) {
        flags |= kOverflow | kInexact;
        return infinity(negative);
    }
    return {static_cast<std::uint16_t>(sign_of(negative) | biased), significand};
}

Bits80 add_signed(Bits80 a, bool a_negative, Bits80 b, bool b_negative, unsigned& flags) noexcept {
    const Kind ka = kind_of(a), kb = kind_of(b);
    Bits80 result;
    if (nan_result(a, ka, b, kb, flags, result)) return result;
    a.sign_exponent = static_cast<std::uint16_t>((a.sign_exponent & kExponentMask) | sign_of(a_negative));
    b.sign_exponent = static_cast<std::uint16_t>((b.sign_exponent & kExponentMask) | sign_of(b_negative));
    if (ka == Kind::Infinity || kb == Kind::Infinity) {
        if (ka == Kind::Infinity && kb == Kind::Infinity && a_negative != b_negative) {
            flags |= kInvalid;
            return kIndefinite;
        }
        return ka == Kind::Infinity ? a : b;
    }
    if (ka == Kind::Zero && kb == Kind::Zero) return zero(a_negative && b_negative);
    if (ka == Kind::Zero) return canonical(b);
    if (kb == Kind::Zero) return canonical(a);

    Unpacked x = unpack(a), y = unpack(b);
    bool x_negative = a_negative, y_negative = b_negative;
    if (x.exponent < y.exponent || (x.exponent == y.exponent && x.significand < y.significand)) {
        std::swap(x, y);
        std::swap(x_negative, y_negative);
    }
    // The larger one at bits 126..63, leaving the top bit for a carry.
    const U128 mx = U128::make(0, x.significand) << 63;
    const U128 my = shift_right_sticky(U128::make(0, y.significand) << 63, x.exponent - y.exponent);
    if (x_negative == y_negative) return round_and_pack(x_negative, x.exponent + 1, mx + my, flags);
    const U128 difference = mx - my;
    if (difference.is_zero()) return zero(false);
    return round_and_pack(x_negative, x.exponent + 1, difference, flags);
}

}  // namespace

Bits80 add(Bits80 a, Bits80 b, unsigned& flags) noexcept { return add_signed(a, negative(a), b, negative(b), flags); }

Bits80 subtract(Bits80 a, Bits80 b, unsigned& flags) noexcept {
    return add_signed(a, negative(a), b, !negative(b), flags);
}

Bits80 multiply(Bits80 a, Bits80 b, unsigned& flags) noexcept {
    const Kind ka = kind_of(a), kb = kind_of(b);
    Bits80 result;
    if (nan_result(a, ka, b, kb, flags, result)) return result;
    const bool sign = negative(a) != negative(b);
    if (ka == Kind::Infinity || kb == Kind::Infinity) {
        if (ka == Kind::Zero || kb == Kind::Zero) {
            flags |= kInvalid;
            return kIndefinite;
        }
        return infinity(sign);
    }
    if (ka == Kind::Zero || kb == Kind::Zero) return zero(sign);
    const Unpacked x = unpack(a), y = unpack(b);
    return round_and_pack(sign, x.exponent + y.exponent + 1, U128::product(x.significand, y.significand), flags);
}

Bits80 divide(Bits80 a, Bits80 b, unsigned& flags) noexcept {
    const Kind ka = kind_of(a), kb = kind_of(b);
    Bits80 result;
    if (nan_result(a, ka, b, kb, flags, result)) return result;
    const bool sign = negative(a) != negative(b);
    if (ka == Kind::Infinity) {
        if (kb == Kind::Infinity) {
            flags |= kInvalid;
            return kIndefinite;
        }
        return infinity(sign);
    }
    if (kb == Kind::Infinity) return zero(sign);
    if (kb == Kind::Zero) {
        if (ka == Kind::Zero) {
            flags |= kInvalid;
            return kIndefinite;
        }
        flags |= kZeroDivide;
        return infinity(sign);
    }
    if (ka == Kind::Zero) return zero(sign);

    const Unpacked x = unpack(a), y = unpack(b);
    // The first 64 quotient bits, then 64 more from the remainder, the last one sticky.
    const int shift = x.significand >= y.significand ? 63 : 64;
    std::uint64_t remainder;
    const std::uint64_t high = (U128::make(0, x.significand) << shift).divide(y.significand, remainder);
    const std::uint64_t low = U128::make(remainder, 0).divide(y.significand, remainder);
    const U128 m = U128::make(high, low | (remainder != 0 ? 1u : 0u));
    return round_and_pack(sign, x.exponent - y.exponent + 63 - shift, m, flags);
}

double to_double(Bits80 a, unsigned& flags) noexcept {
    const Kind k = kind_of(a);
    const std::uint64_t sign = negative(a) ? std::uint64_t{1} << 63 : 0;
    constexpr std::uint64_t kInfinityBits = std::uint64_t{0x7FF} << 52;
    std::uint64_t bits = sign;
    switch (k) {
    case Kind::Zero:
        break;
    case Kind::Infinity:
        bits |= kInfinityBits;
        break;
    case Kind::Unsupported:
        flags |= kInvalid;
        bits = (std::uint64_t{0xFFF8} << 48);
        break;
    case Kind::SignallingNaN:
    case Kind::QuietNaN:
        if (k == Kind::SignallingNaN) flags |= kInvalid;
        bits |= kInfinityBits | (std::uint64_t{1} << 51) | ((a.significand << 1) >> 12);
        break;
    case Kind::Finite: {
        const Unpacked x = unpack(a);
        int biased = x.exponent + 1023;
        int drop = 11;  // significand bits below the double's 53
        if (biased >= 0x7FF) {
            flags |= kOverflow | kInexact;
            bits |= kInfinityBits;
            break;
        }
        if (biased < 1) {
            drop += 1 - biased;
            biased = 0;
        }
        std::uint64_t kept = drop >= 64 ? 0 : x.significand >> drop;
        const std::uint64_t rest = drop >= 64 ? (drop == 64 ? x.significand : 1) : x.significand << (64 - drop);
        constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
        const bool lost_below = drop > 64;
        if (rest != 0 || lost_below) {
            flags |= kInexact;
            if (biased == 0) flags |= kUnderflow;
            if (!lost_below && (rest > kHalf || (rest == kHalf && (kept & 1)))) ++kept;
        }
        // A carry out of the significand lands in the exponent field, as it should.
        if (biased == 0) {
            bits |= kept;
        } else {
            bits |= (static_cast<std::uint64_t>(biased - 1) << 52) + kept;
        }
        if ((bits & kInfinityBits) == kInfinityBits) {
            flags |= kOverflow | kInexact;
            bits = sign | kInfinityBits;
        }
        break;
    }
    }
    double result;
    std::memcpy(&result, &bits, sizeof result);
    return result;
}

Order compare(Bits80 a, Bits80 b) noexcept {
    const Kind ka = kind_of(a), kb = kind_of(b);
    if (is_nan(ka) || is_nan(kb) || ka == Kind::Unsupported || kb == Kind::Unsupported) return Order::Unordered;
    if (ka == Kind::Zero && kb == Kind::Zero) return Order::Equal;
    const bool na = negative(a), nb = negative(b);
    if (ka == Kind::Zero) return nb ? Order::Greater : Order::Less;
    if (kb == Kind::Zero) return na ? Order::Less : Order::Greater;
    if (na != nb) return na ? Order::Less : Order::Greater;
    // Same sign: compare magnitudes, infinity above every finite value.
    const auto magnitude_less = [](Bits80 x, Kind kx, Bits80 y, Kind ky) {
        if (kx == Kind::Infinity) return false;
        if (ky == Kind::Infinity) return true;
        const Unpacked ux = unpack(x), uy = unpack(y);
        return ux.exponent != uy.exponent ? ux.exponent < uy.exponent : ux.significand < uy.significand;
    };
    if (magnitude_less(a, ka, b, kb)) return na ? Order::Greater : Order::Less;
    if (magnitude_less(b, kb, a, ka)) return na ? Order::Less : Order::Greater;
    return Order::Equal;
}

Bits80 round_to_whole(Bits80 a) noexcept {
    const Kind k = kind_of(a);
    if (k != Kind::Finite) return k == Kind::Zero ? zero(false) : a;
    const Unpacked x = unpack(a);
    if (x.exponent >= 63) return a;     // every value from 2^63 on is whole
    const int shift = 63 - x.exponent;  // 1 .. : fraction bits
    if (shift > 64) return zero(false);
    std::uint64_t whole = shift == 64 ? 0 : x.significand >> shift;
    const std::uint64_t rest = shift == 64 ? x.significand : x.significand << (64 - shift);
    constexpr std::uint64_t kHalf = std::uint64_t{1} << 63;
    if (rest > kHalf || (rest == kHalf && (whole & 1))) ++whole;
    return from_uint64(false, whole);
}

Bits80 from_double(double value, unsigned& flags) noexcept {
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const bool nan = (bits & ~(std::uint64_t{1} << 63)) > (std::uint64_t{0x7FF} << 52);
    if (nan && !(bits & (std::uint64_t{1} << 51))) flags |= kInvalid;
    return from_double_bits(bits);
}

}  // namespace ledger::soft_float
