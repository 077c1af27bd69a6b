// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/shortest_text.h"

#include <algorithm>
#include <cstdint>
#include <vector>

namespace ledger {

namespace {

// A natural number of any size, in base 2^32, least significant limb first, no leading zero limb.
class Natural {
public:
    explicit Natural(std::uint64_t n = 0) {
        if (n) limbs_.push_back(static_cast<std::uint32_t>(n));
        if (n >> 32) limbs_.push_back(static_cast<std::uint32_t>(n >> 32));
    }

    bool is_zero() const { return limbs_.empty(); }
    int bit_length() const {
        return limbs_.empty() ? 0 : static_cast<int>(limbs_.size() - 1) * 32 + (32 - __builtin_clz(limbs_.back()));
    }

    Natural& multiply(std::uint32_t factor) {
        std::uint64_t carry = 0;
        for (auto& limb : limbs_) {
            const std::uint64_t product = std::uint64_t{limb} * factor + carry;
            limb = static_cast<std::uint32_t>(product);
            carry = product >> 32;
        }
        if (carry) limbs_.push_back(static_cast<std::uint32_t>(carry));
        return *this;
    }
    Natural& multiply_by_power_of_ten(int k) {
        for (; k >= 9; k -= 9) multiply(1000000000u);
        for (; k > 0; --k) multiply(10u);
        return *this;
    }
    Natural& shift_left(int bits) {
        if (limbs_.empty() || bits == 0) return *this;
        const int whole = bits / 32, part = bits % 32;
        if (part) {
            limbs_.push_back(0);
            for (std::size_t i = limbs_.size() - 1; i > 0; --i)
                limbs_[i] = (limbs_[i] << part) | (limbs_[i - 1] >> (32 - part));
            limbs_[0] <<= part;
        }
        limbs_.insert(limbs_.begin(), static_cast<std::size_t>(whole), 0u);
        trim();
        return *this;
    }
    // this -= other, for other <= this.
    Natural& subtract(const Natural& other) {
        std::int64_t borrow = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            std::int64_t d =
                std::int64_t{limbs_[i]} - borrow - (i < other.limbs_.size() ? std::int64_t{other.limbs_[i]} : 0);
            borrow = d < 0;
            limbs_[i] = static_cast<std::uint32_t>(d + (borrow << 32));
        }
        trim();
        return *this;
    }
    Natural& add(const Natural& other) {
        if (limbs_.size() < other.limbs_.size()) limbs_.resize(other.limbs_.size(), 0u);
        std::uint64_t carry = 0;
        for (std::size_t i = 0; i < limbs_.size(); ++i) {
            carry += std::uint64_t{limbs_[i]} + (i < other.limbs_.size() ? other.limbs_[i] : 0u);
            limbs_[i] = static_cast<std::uint32_t>(carry);
            carry >>= 32;
        }
        if (carry) limbs_.push_back(static_cast<std::uint32_t>(carry));
        return *this;
    }
    void set_bit(int i) {
        const auto limb = static_cast<std::size_t>(i / 32);
        if (limbs_.size() <= limb) limbs_.resize(limb + 1, 0u);
        limbs_[limb] |= 1u << (i % 32);
    }
    // Divides by d and returns the remainder.
    std::uint32_t divide(std::uint32_t d) {
        std::uint64_t rest = 0;
        for (std::size_t i = limbs_.size(); i-- > 0;) {
            const std::uint64_t n = (rest << 32) | limbs_[i];
            limbs_[i] = static_cast<std::uint32_t>(n / d);
            rest = n % d;
        }
        trim();
        return static_cast<std::uint32_t>(rest);
    }

    friend int compare(const Natural& a, const Natural& b) {
        if (a.limbs_.size() != b.limbs_.size()) return a.limbs_.size() < b.limbs_.size() ? -1 : 1;
        for (std::size_t i = a.limbs_.size(); i-- > 0;)
            if (a.limbs_[i] != b.limbs_[i]) return a.limbs_[i] < b.limbs_[i] ? -1 : 1;
        return 0;
    }

private:
    void trim() {
        while (!limbs_.empty() && limbs_.back() == 0) limbs_.pop_back();
    }
    std::vector<std::uint32_t> limbs_;
};

Natural power_of_ten(int k) { return Natural(1).multiply_by_power_of_ten(k); }

// floor(numerator / denominator), with the remainder left in numerator. The quotient is small.
Natural divide(Natural& numerator, const Natural& denominator) {
    Natural quotient;
    for (int i = std::max(0, numerator.bit_length() - denominator.bit_length()); i >= 0; --i) {
        Natural shifted = denominator;
        shifted.shift_left(i);
        if (compare(shifted, numerator) <= 0) {
            numerator.subtract(shifted);
            quotient.set_bit(i);
        }
    }
    return quotient;
}

// The decimal digits of n (at least one).
std::string digits_of(Natural n) {
    std::string digits;
    do {
        digits += static_cast<char>('0' + n.divide(10));
    } while (!n.is_zero());
    std::reverse(digits.begin(), digits.end());
    return digits;
}

constexpr int kDigits = 21;  // enough for every 64-bit significand to read back exactly

// n x 2^j / 10^k: its floor, whether that is exact, and how the rest compares with one half.
struct Scaled {
    Natural floor;
    bool exact = false;
    int half = 0;  // -1, 0 or 1
};

Scaled scaled(Natural n, int j, int k) {
    Natural denominator(1);
    if (j >= 0)
        n.shift_left(j);
    else
        denominator.shift_left(-j);
    if (k >= 0)
        denominator.multiply_by_power_of_ten(k);
    else
        n.multiply_by_power_of_ten(-k);
    Scaled s;
    s.floor = divide(n, denominator);
    s.exact = n.is_zero();
    n.shift_left(1);
    s.half = compare(n, denominator);
    return s;
}

// The shortest digits and the power of ten of their last digit, for a finite non-zero magnitude
// significand x 2^exponent. narrow_below: the next value down lies half as far as the next one up.
std::pair<std::string, int> shortest_digits(std::uint64_t significand, int exponent, bool narrow_below) {
    // In units of 2^(exponent - 2): the value (4 m), and the ends of the interval of the texts that read
    // back to it, halfway to its neighbours (4 m - 2 or 4 m - 1, and 4 m + 2).
    const int j = exponent - 2;
    const Natural value = Natural(significand).shift_left(2);
    Natural low_end = value, high_end = value;
    low_end.subtract(Natural(narrow_below ? 1 : 2));
    high_end.add(Natural(2));

    // Scaled by 10^-k so that the value's floor has 21 digits: k = floor(log10 value) - 20.
    const int bits = 64 - __builtin_clzll(significand);
    int k = static_cast<int>(((static_cast<long long>(exponent) + bits - 1) * 78913) >> 18) - (kDigits - 1);
    Scaled x = scaled(value, j, k);
    if (compare(x.floor, power_of_ten(kDigits)) >= 0) x = scaled(value, j, ++k);
    if (compare(x.floor, power_of_ten(kDigits - 1)) < 0) x = scaled(value, j, --k);
    const Scaled low = scaled(low_end, j, k), high = scaled(high_end, j, k);
    const bool accept_ends = (significand & 1) == 0;

    const auto inside = [&](const Natural& c) {
        const int below = compare(c, low.floor), above = compare(c, high.floor);
        const bool over_low = below > 0 || (below == 0 && low.exact && accept_ends);
        const bool under_high = above < 0 || (above == 0 && (!high.exact || accept_ends));
        return over_low && under_high;
    };

    const std::string r = digits_of(x.floor);  // 21 digits
    for (int p = 1; p <= kDigits; ++p) {
        const int dropped = kDigits - p;
        const Natural step = power_of_ten(dropped);
        Natural down(0);
        for (char c : r.substr(0, static_cast<std::size_t>(p)))
            down.multiply(10).add(Natural(static_cast<std::uint64_t>(c - '0')));
        Natural tail = x.floor;
        Natural down_scaled = down;
        down_scaled.multiply_by_power_of_ten(dropped);
        tail.subtract(down_scaled);
        Natural up = down;
        up.add(Natural(1));
        Natural up_scaled = up;
        up_scaled.multiply_by_power_of_ten(dropped);
        const bool down_ok = inside(down_scaled), up_ok = inside(up_scaled);
        if (!down_ok && !up_ok) continue;
        bool take_up = up_ok && !down_ok;
        if (down_ok && up_ok) {
            // Which is nearer: compare 2 x (tail + rest) with the step.
            Natural twice = tail;
            twice.shift_left(1);
            int order = compare(twice, step);  // sign of 2 tail - step, before the rest
            if (order < 0) {
                Natural plus_one = twice;
                plus_one.add(Natural(1));
                if (compare(plus_one, step) == 0)
                    order = x.half;  // 2 rest against 1
                else
                    order = -1;
            } else if (order == 0) {
                order = x.exact ? 0 : 1;
            }
            take_up = order > 0 || (order == 0 && (digits_of(down).back() - '0') % 2 == 1);
        }
        std::string digits = digits_of(take_up ? up : down);
        int last_power = k + dropped;
        while (digits.size() > 1 && digits.back() == '0') {
            digits.pop_back();
            ++last_power;
        }
        return {digits, last_power};
    }
    // Not reached: 21 digits always read back.
    return {digits_of(x.floor), k};
}

}  // namespace

std::string shortest_text(Extended value) {
    const Bits80 bits = bits80(value);
    const bool negative = (bits.sign_exponent & kSignBit) != 0;
    const int biased = bits.sign_exponent & kExponentMask;
    std::string out = negative ? "-" : "";
    if (biased == kExponentMask) return out + ((bits.significand << 1) == 0 ? "inf" : "nan");
    if (bits.significand == 0) return out + "0";
    const int exponent = (biased == 0 ? 1 : biased) - kExponentBias - 63;
    const bool narrow_below = bits.significand == kIntegerBit && biased > 1;
    const auto [digits, last_power] = shortest_digits(bits.significand, exponent, narrow_below);

    const int count = static_cast<int>(digits.size());
    const int point = count + last_power;  // digits before the decimal point
    // Plain notation.
    std::string plain;
    if (last_power > 0) {
        // The value is a whole number here, and plain notation writes all of its digits exactly, as
        // printf's %f does, not the shortest digits padded with zeros.
        plain = exponent >= 0 ? digits_of(Natural(bits.significand).shift_left(exponent))
                              : digits_of(Natural(bits.significand >> -exponent));
    } else if (last_power == 0) {
        plain = digits;
    } else if (point > 0) {
        plain =
            digits.substr(0, static_cast<std::size_t>(point)) + "." + digits.substr(static_cast<std::size_t>(point));
    } else {
        plain = "0." + std::string(static_cast<std::size_t>(-point), '0') + digits;
    }
    // Scientific notation.
    const int shown_exponent = point - 1;
    std::string scientific = digits.substr(0, 1);
    if (count > 1) scientific += "." + digits.substr(1);
    const int magnitude = shown_exponent < 0 ? -shown_exponent : shown_exponent;
    scientific += shown_exponent < 0 ? "e-" : "e+";
    if (magnitude < 10) scientific += '0';
    scientific += std::to_string(magnitude);
    return out + (plain.size() <= scientific.size() ? plain : scientific);
}

}  // namespace ledger
