// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The series of trades: how much the next trade must stake after a loss so that a win recovers every
// stake of the series and earns the base profit (first amount x payout) once for each trade.
//
//   next stake = trade number x first amount + stake sum / payout fraction

#include <cstdint>
#include <functional>
#include <string_view>

namespace ledger {

// Shows one result text (the window sets the text of its result label).
using ResultDisplay = std::function<void(std::string_view)>;

struct SeriesState {
    std::int32_t trade_number = 1;  // the trade whose stake the next loss step prices
    double stake_sum = 0;           // the stakes counted in the series so far
    double next_stake = 0;          // what the last loss step computed; 0 after a reset
    bool operator==(const SeriesState&) const = default;
};

class Series {
public:
    // Trade number 1, stake sum 0, next stake 0.
    void start() noexcept { state_ = SeriesState{}; }

    // "Lost": prices the next trade, shows it in the fixed format, and counts it.
    // Throws EConvertError for a text that is no number, EZeroDivide / EInvalidOp for a zero payout
    // (stake sum above zero / zero), EOverflow for amounts beyond the double range. Every failure but
    // an overflowing stake sum happens before anything is shown or changed; that one comes after the
    // stake has been stored and shown and the trade number advanced.
    void loss_step(std::string_view first_trade, std::string_view payout, char separator, const ResultDisplay& show);

    // "Win/Reset": shows the first amount in the general format and begins a series that already
    // counts the first trade. The payout text must still be a number. A first amount beyond the double
    // range fails after it has been shown and the trade number set to 2.
    void reset_step(std::string_view first_trade, std::string_view payout, char separator, const ResultDisplay& show);

    const SeriesState& state() const noexcept { return state_; }
    // For tests and tools that start from a given point of a series.
    void restore(const SeriesState& state) noexcept { state_ = state; }

private:
    SeriesState state_;
};

}  // namespace ledger
