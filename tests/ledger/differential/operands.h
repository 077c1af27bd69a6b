// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Random operands for comparing the two implementations of the extended format: every part of the
// exponent range, with more weight where the rounding or the range handling is delicate.

#include <cstdint>
#include <random>
#include <string>

#include "ledger/bits80.h"

namespace differential {

class Operands {
public:
    explicit Operands(std::uint64_t seed) : random_(seed) {}

    std::uint64_t bits() { return random_(); }
    int below(int n) { return static_cast<int>(random_() % static_cast<std::uint64_t>(n)); }

    // A significand with the integer bit set; now and then with its low bits cleared, so that sums and
    // products come out exact or exactly halfway.
    std::uint64_t significand() {
        std::uint64_t s = random_() | ledger::kIntegerBit;
        if (below(3) == 0) {
            const int cleared = below(64);
            s = (s >> cleared) << cleared;
        }
        return s;
    }

    ledger::Bits80 value() {
        const std::uint16_t sign = below(2) ? ledger::kSignBit : 0;
        const auto with = [sign](int exponent, std::uint64_t significand) {
            return ledger::Bits80{static_cast<std::uint16_t>(sign | exponent), significand};
        };
        switch (below(12)) {
        case 0:  // near overflow
            return with(0x7FFE - below(80), significand());
        case 1:  // near the edges of the double range
            return with(ledger::kExponentBias + 1023 - 3 + below(6), significand());
        case 2:
            return with(ledger::kExponentBias - 1022 - 60 + below(70), significand());
        case 3:  // denormals, and the smallest normals
            return below(2) ? with(0, random_() >> below(64)) : with(1 + below(70), significand());
        case 4: {  // zeros, infinities, NaNs
            switch (below(4)) {
            case 0:
                return with(0, 0);
            case 1:
                return with(0x7FFF, ledger::kIntegerBit);
            case 2:
                return {0xFFFF, ledger::kIntegerBit | ledger::kQuietBit};
            default:
                return with(0x7FFF, ledger::kIntegerBit | ledger::kQuietBit | (random_() >> 2));
            }
        }
        case 5:  // amounts as traders type them
            return with(ledger::kExponentBias - 10 + below(50), significand());
        default:  // anywhere
            return with(1 + below(0x7FFE), significand());
        }
    }

    // A second operand: often close to the first (cancellation, ties, equal values), else independent.
    ledger::Bits80 partner(ledger::Bits80 a) {
        switch (below(6)) {
        case 0: {  // half a unit in the last place of a, or some bits below it
            const int exponent = (a.sign_exponent & ledger::kExponentMask) - 64 + below(3) - below(3);
            if (exponent < 1) return value();
            return {static_cast<std::uint16_t>((below(2) ? ledger::kSignBit : 0) | exponent),
                    ledger::kIntegerBit | (below(2) ? 0 : random_() >> 1)};
        }
        case 1:  // a with a few bits changed, either sign
            return {static_cast<std::uint16_t>(a.sign_exponent ^ (below(2) ? ledger::kSignBit : 0)),
                    a.significand ^ (random_() >> below(64) >> 1)};
        case 2:
            return a;
        default:
            return value();
        }
    }

    // A text in the shape of an amount, or close to it.
    std::string text(char separator) {
        static constexpr char kOthers[] = "xE+-,.\t";
        std::string t;
        const auto digits = [&](int most) {
            const int count = below(most + 1);
            for (int i = 0; i < count; ++i) t += static_cast<char>('0' + below(10));
        };
        if (below(8) == 0) t += ' ';
        if (below(3) == 0) t += below(2) ? '-' : '+';
        digits(below(10) == 0 ? 400 : 22);
        if (below(2)) {
            t += separator;
            digits(below(10) == 0 ? 400 : 22);
        }
        if (below(3) == 0) {
            t += below(2) ? 'E' : 'e';
            if (below(2)) t += below(2) ? '-' : '+';
            digits(5);
        }
        if (below(8) == 0) t += ' ';
        if (below(20) == 0)
            t.insert(
                static_cast<std::size_t>(below(static_cast<int>(t.size()) + 1)), 1, kOthers[below(sizeof kOthers - 1)]);
        return t;
    }

private:
    std::mt19937_64 random_;
};

}  // namespace differential
