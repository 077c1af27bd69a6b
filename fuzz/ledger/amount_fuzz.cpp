// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes, with either separator, through amount reading, both formats, the filter and the two steps:
// nothing but EConvertError from reading, the text kept exactly in its message, no floating-point flag
// left raised, every shown amount readable again, and the x87 unit and the software arithmetic alike.
#include <cfenv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/failures.h"
#include "ledger/series.h"
#if KESTRUN_FUZZ_BOTH_SIDES
#include "side.h"
#endif

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "broken: %s\n", what);
        std::abort();
    }
}

void require_no_flags(const char* where) { require(std::fetestexcept(FE_ALL_EXCEPT) == 0, where); }

// Reads the text; nothing but the conversion failure, with the text exactly in its message.
bool try_read(std::string_view text, char separator, ledger::Extended& value) {
    try {
        value = ledger::read_amount(text, separator);
        return true;
    } catch (const ledger::EConvertError& e) {
        const std::string want = "'" + std::string(text) + "' is not a valid floating point value";
        require(e.message() == want, "the conversion message quotes the text exactly");
        return false;
    }
}

void check_formats(ledger::Extended value, char separator) {
    for (const std::string& shown :
         {ledger::general_format(value, separator), ledger::fixed_format(value, separator)}) {
        require_no_flags("a format left a flag raised");
        ledger::Extended again;
        require(try_read(shown, separator, again), "a shown amount reads again");
    }
}

void run_steps(std::string_view first_trade, std::string_view payout, char separator) {
    ledger::Series series;
    int shown = 0;
    const ledger::ResultDisplay show = [&shown](std::string_view) { ++shown; };
    for (int i = 0; i < 3; ++i) {
        try {
            series.loss_step(first_trade, payout, separator, show);
        } catch (const ledger::Exception&) {}
        require_no_flags("a loss step left a flag raised");
    }
    try {
        series.reset_step(first_trade, payout, separator, show);
    } catch (const ledger::Exception&) {}
    require_no_flags("a reset step left a flag raised");
    require(shown <= 4, "a step shows at most once");
}

// The x87 unit and the software arithmetic read, show and step alike.
void compare_sides(std::string_view text, char separator) {
#if KESTRUN_FUZZ_BOTH_SIDES
    const std::string t(text);
    const differential::Outcome hard = hardware_side::read(t, separator);
    require(hard == portable_side::read(t, separator), "both implementations read alike");
    require(hardware_side::general(hard.value, separator) == portable_side::general(hard.value, separator),
            "both implementations show alike in the general format");
    require(hardware_side::fixed(hard.value, separator) == portable_side::fixed(hard.value, separator),
            "both implementations show alike in the fixed format");
    const std::size_t cut = t.find('|');
    if (cut != std::string::npos) {
        const std::string first = t.substr(0, cut), payout = t.substr(cut + 1);
        require(hardware_side::loss_steps(first, payout, separator, 3) ==
                    portable_side::loss_steps(first, payout, separator, 3),
                "both implementations step alike");
    }
#else
    (void)text;
    (void)separator;
#endif
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const char separator = (data[0] & 1) ? ',' : '.';
    const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    std::feclearexcept(FE_ALL_EXCEPT);

    ledger::Extended value;
    if (try_read(text, separator, value)) check_formats(value, separator);
    require_no_flags("reading left a flag raised");

    const auto replacement = ledger::filter_first_trade(text, separator);
    if (replacement) require(*replacement == "1", "the filter replaces by 1");

    const std::size_t cut = text.find('|');
    if (cut != std::string_view::npos) run_steps(text.substr(0, cut), text.substr(cut + 1), separator);
    compare_sides(text, separator);
    return 0;
}
