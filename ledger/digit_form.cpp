// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "ledger/amount_display.h"
#include "ledger/raw_digits.h"

namespace ledger {

namespace {

constexpr int kRawDigits = 18;

// "00" .. "99".
constexpr auto kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Nine decimal digits of n < 10^9, two at a time.
void write_9_digits(std::uint32_t n, char* out) noexcept {
    out[8] = static_cast<char>('0' + n % 10);
    n /= 10;
    for (int i = 6; i >= 0; i -= 2) {
        std::memcpy(out + i, &kDigitPairs[2 * (n % 100)], 2);
        n /= 100;
    }
}

}  // namespace

DigitForm digit_form(Extended value, int precision, std::optional<int> decimals) {
    DigitForm form;
    const Bits80 bits = bits80(value);
    const int biased = bits.sign_exponent & kExponentMask;
    // Zero, and values too small to be normal.
    if (biased == kExponentMask || (biased == 0 && !(bits.significand & kIntegerBit))) return form;

    const Bits80 magnitude{static_cast<std::uint16_t>(biased), bits.significand};
    const std::optional<RawDigits> quick = raw_digits_by_integers(magnitude);
    const RawDigits digits = quick ? *quick : raw_digits_by_scaling(abs(value));
    const int exponent = digits.exponent;

    int kept = decimals ? exponent + *decimals : kRawDigits;
    if (kept < 0) return form;
    kept = std::min({kept, precision, kRawDigits});

    // The kept digits and the one after them, which decides the rounding: the first nine digits are
    // enough for up to eight kept ones (the fixed format).
    char raw[kRawDigits];
    write_9_digits(static_cast<std::uint32_t>(digits.whole / 1000000000u), raw);
    if (kept >= 9) write_9_digits(static_cast<std::uint32_t>(digits.whole % 1000000000u), raw + 9);

    form.exponent = exponent;
    if (kept < kRawDigits && raw[kept] >= '5') {
        // Half up on the decimal string: add one to the last kept digit, carrying through nines.
        int i = kept - 1;
        while (i >= 0 && raw[i] == '9') raw[i--] = '0';
        if (i < 0) {
            raw[0] = '1';
            kept = 1;
            form.exponent += 1;
        } else {
            raw[i] += 1;
        }
    }
    // The digits are made once, without their trailing zeros.
    while (kept > 0 && raw[kept - 1] == '0') --kept;
    form.digits.assign(raw, static_cast<std::size_t>(kept));
    form.negative = kept > 0 && (bits.sign_exponent & kSignBit) != 0;
    return form;
}

}  // namespace ledger
