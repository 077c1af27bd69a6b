// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/amount_display.h"

#include <algorithm>

#include "ledger/raw_digits.h"

namespace ledger {

namespace {

constexpr int kGeneralPrecision = 15;
constexpr int kFixedPrecision = 8;
constexpr int kFixedDecimals = 2;

// "INF", "-INF" or "NAN" for a value that is not finite; empty otherwise. Told from the bits, which
// are read once for all the tests a format makes.
bool write_non_finite(Bits80 bits, std::string& out) {
    if ((bits.sign_exponent & kExponentMask) != kExponentMask) return false;
    if ((bits.significand << 1) != 0) {
        out = "NAN";
    } else {
        out = (bits.sign_exponent & kSignBit) ? "-INF" : "INF";
    }
    return true;
}

bool is_zero(Bits80 bits) { return (bits.sign_exponent & kExponentMask) == 0 && bits.significand == 0; }

void append_digits_from(std::string& out, const std::string& digits, std::size_t from) {
    if (from < digits.size()) out.append(digits, from, std::string::npos);
}

// Plain notation for -3 <= E <= precision, scientific notation otherwise.
void lay_out_general(const DigitForm& form, int precision, char separator, std::string& out) {
    if (form.negative) out += '-';
    const int e = form.exponent;
    const std::string& digits = form.digits;
    const int count = static_cast<int>(digits.size());
    if (e >= -3 && e <= precision) {
        if (e <= 0) {
            out += '0';
            if (count > 0) {
                out += separator;
                out.append(static_cast<std::size_t>(-e), '0');
                out += digits;
            }
        } else {
            out.append(digits, 0, static_cast<std::size_t>(std::min(e, count)));
            if (e > count) out.append(static_cast<std::size_t>(e - count), '0');
            if (count > e) {
                out += separator;
                append_digits_from(out, digits, static_cast<std::size_t>(e));
            }
        }
        return;
    }
    out += digits.empty() ? '0' : digits.front();
    if (count > 1) {
        out += separator;
        append_digits_from(out, digits, 1);
    }
    out += 'E';
    const int shown = e - 1;
    if (shown < 0) out += '-';
    out += std::to_string(shown < 0 ? -shown : shown);
}

}  // namespace

std::string general_format_unguarded(Extended value, char separator) {
    std::string out;
    const Bits80 bits = bits80(value);
    if (write_non_finite(bits, out)) return out;
    if (is_zero(bits)) return "0";
    lay_out_general(digit_form(value, kGeneralPrecision, std::nullopt), kGeneralPrecision, separator, out);
    return out;
}

std::string fixed_format_unguarded(Extended value, char separator) {
    std::string out;
    if (write_non_finite(bits80(value), out)) return out;
    const DigitForm form = digit_form(value, kFixedPrecision, kFixedDecimals);
    if (form.exponent > kFixedPrecision) {
        lay_out_general(form, kFixedPrecision, separator, out);
        return out;
    }
    // At most a sign, 8 digits before the separator and 2 after it: written into one buffer, so that
    // the text is made once.
    char text[1 + kFixedPrecision + 1 + kFixedDecimals];
    char* end = text;
    const int e = form.exponent;
    const std::string& digits = form.digits;
    const int count = static_cast<int>(digits.size());
    if (form.negative) *end++ = '-';
    if (e <= 0) {
        *end++ = '0';
    } else {
        const int taken = std::min(e, count);
        end = std::copy_n(digits.data(), taken, end);
        end = std::fill_n(end, e - taken, '0');
    }
    *end++ = separator;
    // Exactly two decimals: the digits after the integer part, with leading zeros for E < 0.
    int written = 0;
    if (e < 0) {
        written = std::min(-e, kFixedDecimals);
        end = std::fill_n(end, written, '0');
    }
    for (int i = std::max(e, 0); written < kFixedDecimals; ++i, ++written) {
        *end++ = i < count ? digits[static_cast<std::size_t>(i)] : '0';
    }
    return std::string(text, end);
}

// Most amounts are shown by integer arithmetic alone, and need no change of the floating-point
// environment.
std::string general_format(Extended value, char separator) {
    if (raw_digits_need_no_arithmetic(bits80(value))) return general_format_unguarded(value, separator);
    FloatEnvironmentGuard guard;
    return general_format_unguarded(value, separator);
}

std::string fixed_format(Extended value, char separator) {
    if (raw_digits_need_no_arithmetic(bits80(value))) return fixed_format_unguarded(value, separator);
    FloatEnvironmentGuard guard;
    return fixed_format_unguarded(value, separator);
}

}  // namespace ledger
