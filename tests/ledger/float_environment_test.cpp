// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every operation leaves the caller's floating-point environment as it found it: rounding mode,
// x87 precision and exception flags, whether it succeeds or fails.
#include <cfenv>
#include <cstdint>
#include <functional>
#include <string>

#include <gtest/gtest.h>
#if defined(__x86_64__) || defined(__i386__)
#include <fpu_control.h>
#define KESTRUN_TEST_X87_CONTROL 1
#endif

#include "ledger/amount_display.h"
#include "ledger/amount_reading.h"
#include "ledger/failures.h"
#include "ledger/series.h"
#include "test_names.h"

namespace {

// The x87 control word (precision and masks) where there is one; 0 elsewhere.
unsigned control_word() {
#if KESTRUN_TEST_X87_CONTROL
    fpu_control_t cw;
    _FPU_GETCW(cw);
    return cw;
#else
    return 0;
#endif
}

struct Environment {
    int rounding;
    int flags;
    unsigned control;
    bool operator==(const Environment&) const = default;
};

Environment current() { return {std::fegetround(), std::fetestexcept(FE_ALL_EXCEPT), control_word()}; }

// A caller with unusual settings: rounding upward, 53-bit x87 precision (where there is an x87 unit),
// some flags already raised.
class CallerEnvironment : public testing::Test {
protected:
    void SetUp() override {
        std::fegetenv(&saved_);
        std::fesetround(FE_UPWARD);
#if KESTRUN_TEST_X87_CONTROL
        fpu_control_t cw;
        _FPU_GETCW(cw);
        cw = (cw & ~_FPU_EXTENDED) | _FPU_DOUBLE;
        _FPU_SETCW(cw);
#endif
    }
    void TearDown() override { std::fesetenv(&saved_); }

    // Runs the call with the given flags raised beforehand and checks that nothing has changed after.
    void expect_untouched(const std::function<void()>& call, int raised) {
        std::feclearexcept(FE_ALL_EXCEPT);
        if (raised) std::feraiseexcept(raised);
        const Environment before = current();
        try {
            call();
        } catch (const ledger::Exception&) {}
        const Environment after = current();
        EXPECT_EQ(after.rounding, before.rounding);
        EXPECT_EQ(after.flags, before.flags);
        EXPECT_EQ(after.control, before.control);
    }

private:
    std::fenv_t saved_;
};

const ledger::ResultDisplay ignore = [](std::string_view) {};

struct Call {
    const char* name;
    std::function<void()> run;
};

const ledger::Extended kThird = ledger::read_amount("0.333333333333333333", '.');

// clang-format off
const Call kCalls[] = {
    {"reading a number", [] { ledger::read_amount("3.0526315789473686", '.'); }},
    {"reading digits alone", [] { ledger::read_amount("95", '.'); }},
    {"reading no number", [] { ledger::read_amount("1E4999", '.'); }},
    {"the general format", [] { ledger::general_format(kThird, '.'); }},
    {"the fixed format", [] { ledger::fixed_format(2.675, '.'); }},
    {"a loss step", [] { ledger::Series s; s.loss_step("1", "95", '.', ignore); s.loss_step("1", "95", '.', ignore); }},
    {"a loss step dividing 0 by 0", [] { ledger::Series s; s.loss_step("1", "00", '.', ignore); }},
    {"a loss step dividing by 0", [] { ledger::Series s; s.restore({2, 1, 0}); s.loss_step("1", "00", '.', ignore); }},
    {"a reset step overflowing", [] { ledger::Series s; s.reset_step("1E400", "95", '.', ignore); }},
};
// clang-format on

TEST_F(CallerEnvironment, is_untouched_with_no_flag_raised_before) {
    for (const Call& call : kCalls) {
        SCOPED_TRACE(call.name);
        expect_untouched(call.run, 0);
    }
}

TEST_F(CallerEnvironment, is_untouched_with_flags_raised_before) {
    for (const Call& call : kCalls) {
        SCOPED_TRACE(call.name);
        expect_untouched(call.run, FE_DIVBYZERO | FE_INEXACT);
    }
}

TEST_F(CallerEnvironment, does_not_change_the_results) {
    // Upward rounding and 53-bit precision in the caller would change these digits if they leaked in.
    EXPECT_EQ(ledger::general_format(ledger::read_amount("3.0526315789473686", '.'), '.'), "3.05263157894737");
    EXPECT_EQ(ledger::fixed_format(2.675, '.'), "2.67");
    EXPECT_EQ(ledger::read_amount("9999999999999999999", '.'), ledger::Extended(std::uint64_t{9999999999999999999u}));
    EXPECT_EQ(ledger::general_format(ledger::read_amount("9999999999999999999", '.'), '.'), "1E19");
    ledger::Series s;
    std::string shown;
    for (int i = 0; i < 26; ++i) s.loss_step("1", "95", '.', [&](std::string_view t) { shown = t; });
    EXPECT_EQ(shown, "1.2525924E8");
    EXPECT_EQ(s.state().next_stake, 125259236.41861914);
}

}  // namespace
