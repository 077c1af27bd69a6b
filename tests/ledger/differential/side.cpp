// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "side.h"

#include <string_view>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/failures.h"
#include "ledger/series.h"

namespace {

differential::Raw raw(ledger::Extended x) {
    const ledger::Bits80 bits = ledger::bits80(x);
    return {bits.sign_exponent, bits.significand};
}

ledger::Extended extended(differential::Raw r) { return ledger::from_bits80({r.sign_exponent, r.significand}); }

}  // namespace

namespace KESTRUN_SIDE {

differential::Outcome read(const std::string& text, char separator) {
    differential::Outcome outcome;
    try {
        outcome.value = raw(ledger::read_amount(text, separator));
    } catch (const ledger::Exception& e) {
        outcome.failed = true;
        outcome.message = e.message();
    }
    return outcome;
}

std::string general(differential::Raw value, char separator) {
    return ledger::general_format(extended(value), separator);
}

std::string fixed(differential::Raw value, char separator) { return ledger::fixed_format(extended(value), separator); }

differential::Outcome loss_steps(const std::string& first_trade, const std::string& payout, char separator,
                                 int losses) {
    differential::Outcome outcome;
    ledger::Series series;
    const ledger::ResultDisplay show = [&outcome](std::string_view text) {
        outcome.shown += text;
        outcome.shown += '|';
    };
    try {
        for (int i = 0; i < losses; ++i) series.loss_step(first_trade, payout, separator, show);
        series.reset_step(first_trade, payout, separator, show);
    } catch (const ledger::Exception& e) {
        outcome.failed = true;
        outcome.message = e.message();
    }
    outcome.value = raw(ledger::Extended(series.state().stake_sum));
    outcome.shown += std::to_string(series.state().trade_number);
    return outcome;
}

}  // namespace KESTRUN_SIDE
