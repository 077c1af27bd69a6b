// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/series.h"

#include <cmath>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/failures.h"

namespace ledger {

namespace {

// Kept out of line, so that the rounding below stays small enough to be inlined where it is used.
[[noreturn, gnu::noinline, gnu::cold]] void throw_overflow() { throw EOverflow(); }

// Rounds an extended value to double; a value beyond the double range is an overflow.
inline double to_double(Extended value) {
    double rounded = static_cast<double>(value);
    settle(rounded);
    if (std::isinf(rounded) && !isinf(value)) throw_overflow();
    return rounded;
}

// The payout percentage as a fraction, rounded to double.
double payout_fraction(std::string_view payout, char separator) {
    Extended percent = read_amount_unguarded(payout, separator);
    Extended fraction = percent / 100;
    settle(fraction);
    return to_double(fraction);
}

// The trade number counts up as a 32-bit register would, wrapping instead of overflowing.
std::int32_t next_trade_number(std::int32_t n) noexcept {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(n) + 1u);
}

}  // namespace

void Series::loss_step(std::string_view first_trade, std::string_view payout, char separator,
                       const ResultDisplay& show) {
    FloatEnvironmentGuard guard;
    const double p = payout_fraction(payout, separator);
    const double a = to_double(read_amount_unguarded(first_trade, separator));

    if (p == 0) {
        if (state_.stake_sum == 0) throw EInvalidOp();  // 0 / 0
        throw EZeroDivide();
    }
    Extended stake = static_cast<Extended>(state_.trade_number) * a;
    stake = stake + static_cast<Extended>(state_.stake_sum) / p;
    settle(stake);
    state_.next_stake = to_double(stake);

    show(fixed_format_unguarded(state_.next_stake, separator));

    state_.trade_number = next_trade_number(state_.trade_number);
    Extended sum = static_cast<Extended>(state_.stake_sum) + state_.next_stake;
    settle(sum);
    state_.stake_sum = to_double(sum);
}

void Series::reset_step(std::string_view first_trade, std::string_view payout, char separator,
                        const ResultDisplay& show) {
    FloatEnvironmentGuard guard;
    read_amount_unguarded(payout, separator);  // not used, but it must be a number
    const Extended amount = read_amount_unguarded(first_trade, separator);

    show(general_format_unguarded(amount, separator));

    state_.trade_number = 2;
    state_.stake_sum = to_double(amount);
    state_.next_stake = 0;
}

}  // namespace ledger
