// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The 18-digit decimal string on which both formats round: |value| x 10^(18 - E) rounded to a whole
// number, with E the decimal exponent that puts it in [10^17, 10^18). Two ways to the same digits: the
// scaling in extended arithmetic that defines them, and the same steps in integers, which needs no
// floating-point environment and serves the amounts that the window shows.

#include <cstdint>
#include <optional>

#include "ledger/extended.h"

namespace ledger {

struct RawDigits {
    std::uint64_t whole = 0;  // 10^17 <= whole < 10^18
    int exponent = 0;         // |value| = 0.d1 d2 ... d18 x 10^exponent, about
    bool operator==(const RawDigits&) const = default;
};

// By extended arithmetic; for a normal value, in a guarded environment.
RawDigits raw_digits_by_scaling(Extended magnitude) noexcept;

// By integers, for the normal values whose scaling is one multiplication by an exact power of ten
// (from about 10^-9 up to 10^18); nullopt for the others.
std::optional<RawDigits> raw_digits_by_integers(Bits80 magnitude) noexcept;
inline std::optional<RawDigits> raw_digits_by_integers(Extended magnitude) noexcept {
    return raw_digits_by_integers(bits80(magnitude));
}

// Whether raw_digits_by_integers gives the digits of this value (positive or negative): then showing
// it needs no floating-point arithmetic at all.
bool raw_digits_need_no_arithmetic(Bits80 value) noexcept;
inline bool raw_digits_need_no_arithmetic(Extended value) noexcept {
    return raw_digits_need_no_arithmetic(bits80(value));
}

}  // namespace ledger
