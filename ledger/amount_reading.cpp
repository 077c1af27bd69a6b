// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/amount_reading.h"

#include <cstdint>

#include "ledger/failures.h"

namespace ledger {

namespace {

constexpr bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// The exponent digits are taken while the exponent so far is below this; the digit that reaches it is
// the last one taken.
constexpr int kExponentStop = 500;
// Scaling down by this power of ten or more gives 0.
constexpr std::int64_t kScaleLimit = 5120;
// Whole numbers of up to this many significant digits stay below 2^64.
constexpr int kExactDigits = 19;

// The shape of a valid amount text.
struct Parsed {
    bool negative = false;
    std::string_view mantissa;  // the digits with the separator between them, if any
    std::int64_t k = 0;         // the decimal exponent: the exponent less the digits after the separator
    std::uint64_t exact = 0;    // the digits as one whole number, while it has at most 19 significant digits
    bool exact_fits = true;
};

// Checks the syntax and gathers the parts; nullopt for a text that is no number.
std::optional<Parsed> parse(std::string_view text, char separator) noexcept {
    Parsed p;
    const std::size_t end = text.size();
    std::size_t i = 0;
    while (i < end && text[i] == ' ') ++i;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        p.negative = text[i] == '-';
        ++i;
    }

    const std::size_t mantissa_begin = i;
    int significant = 0;
    const auto take_digit = [&](char c) {
        if (p.exact != 0 || c != '0') ++significant;
        if (significant > kExactDigits) {
            p.exact_fits = false;
        } else {
            p.exact = p.exact * 10 + static_cast<std::uint64_t>(c - '0');
        }
    };
    bool has_mantissa = false;
    while (i < end && is_digit(text[i])) {
        take_digit(text[i++]);
        has_mantissa = true;
    }
    std::int64_t fraction_digits = 0;
    if (i < end && text[i] == separator) {
        has_mantissa = true;
        ++i;
        while (i < end && is_digit(text[i])) {
            take_digit(text[i++]);
            ++fraction_digits;
        }
    }
    if (!has_mantissa) return std::nullopt;
    p.mantissa = text.substr(mantissa_begin, i - mantissa_begin);

    int exponent = 0;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponent_negative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            exponent_negative = text[i] == '-';
            ++i;
        }
        while (i < end && is_digit(text[i]) && exponent < kExponentStop) exponent = exponent * 10 + (text[i++] - '0');
        if (exponent_negative) exponent = -exponent;
    }

    while (i < end && text[i] == ' ') ++i;
    if (i != end) return std::nullopt;
    p.k = exponent - fraction_digits;
    return p;
}

// The value where it needs no rounding arithmetic: nullopt otherwise. Touches no floating-point flag
// and does not depend on the rounding mode or precision.
std::optional<Extended> exact_value(const Parsed& p) noexcept {
    // From 2^63 on the conversion of an unsigned integer takes an addition, which the caller's precision
    // would round.
    if (!p.exact_fits || p.exact >> 63) return std::nullopt;
    if (p.exact == 0 || p.k == 0) return static_cast<Extended>(p.exact);
    if (p.k < 0 && p.k >= -kLargestExactPowerOfTen)
        return divide_by_exact_power_of_ten(p.exact, static_cast<int>(-p.k));
    if (p.k > 0 && p.k < kExactDigits) {
        // A whole number times an exact power of ten, still below 2^63: the product needs no rounding.
        std::uint64_t power = 1;
        for (std::int64_t i = 0; i < p.k; ++i) power *= 10;
        std::uint64_t product;
        if (!__builtin_mul_overflow(p.exact, power, &product) && !(product >> 63))
            return static_cast<Extended>(product);
    }
    return std::nullopt;
}

// The value in rounding arithmetic: every digit multiplies by 10 and adds, rounded each time, then one
// scaling by the power of ten. Needs the guarded environment. nullopt when it overflows.
std::optional<Extended> rounded_value(const Parsed& p, char separator) noexcept {
    Extended whole = 0;
    for (char c : p.mantissa) {
        if (c == separator) continue;
        whole = whole * 10;
        whole = whole + (c - '0');
    }
    settle(whole);
    if (isinf(whole)) return std::nullopt;
    if (p.k > 0) {
        whole = scale_up(whole, static_cast<int>(p.k));
    } else if (p.k < 0) {
        whole = p.k > -kScaleLimit ? scale_down(whole, static_cast<int>(-p.k)) : Extended{0};
    }
    settle(whole);
    if (isinf(whole)) return std::nullopt;
    return whole;
}

Extended signed_value(const Parsed& p, Extended magnitude) noexcept { return p.negative ? -magnitude : magnitude; }

// The quick way for the usual short text of digits alone ("95", "1"): the whole number, which needs
// no rounding (at most 18 digits stay below 2^63). nullopt for any other text.
std::optional<Extended> digits_only_value(std::string_view text) noexcept {
    if (text.empty() || text.size() >= kExactDigits) return std::nullopt;
    std::uint64_t whole = 0;
    for (char c : text) {
        if (!is_digit(c)) return std::nullopt;
        whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
    }
    return static_cast<Extended>(whole);
}

}  // namespace

Extended read_amount_unguarded(std::string_view text, char separator) {
    if (const auto value = digits_only_value(text)) return *value;
    const std::optional<Parsed> parsed = parse(text, separator);
    if (!parsed) throw EConvertError(text);
    if (const auto value = exact_value(*parsed)) return signed_value(*parsed, *value);
    const auto value = rounded_value(*parsed, separator);
    if (!value) throw EConvertError(text);
    return signed_value(*parsed, *value);
}

Extended read_amount(std::string_view text, char separator) {
    if (const auto value = digits_only_value(text)) return *value;
    const std::optional<Parsed> parsed = parse(text, separator);
    if (!parsed) throw EConvertError(text);
    // Most amounts need no rounding and so no change of the floating-point environment.
    if (const auto value = exact_value(*parsed)) return signed_value(*parsed, *value);
    std::optional<Extended> value;
    {
        FloatEnvironmentGuard guard;
        value = rounded_value(*parsed, separator);
        if (value) settle(*value);
    }
    if (!value) throw EConvertError(text);
    return signed_value(*parsed, *value);
}

}  // namespace ledger
