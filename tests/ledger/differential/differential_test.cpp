// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The x87 unit and the software implementation side by side: every operation of the extended format
// on millions of operands, and reading, both formats and the loss step on random texts, must agree bit
// for bit, flag for flag and failure for failure.
//   KESTRUN_DIFFERENTIAL_CASES=N   operand pairs (default 2000000; the texts are a twentieth of that)
//   KESTRUN_DIFFERENTIAL_SEED=S    the random seed (default 20261211)
#include <cfenv>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "ledger/extended.h"
#include "ledger/shortest_text.h"
#include "ledger/soft_float.h"
#include "operands.h"
#include "side.h"

namespace {

using ledger::Bits80;
using ledger::Extended;
namespace soft = ledger::soft_float;

std::uint64_t setting(const char* name, std::uint64_t fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoull(text, nullptr, 10) : fallback;
}

const std::uint64_t kCases = setting("KESTRUN_DIFFERENTIAL_CASES", 2000000);
const std::uint64_t kSeed = setting("KESTRUN_DIFFERENTIAL_SEED", 20261211);

// The conditions that the ledger turns into failures.
constexpr unsigned kCompared = soft::kInvalid | soft::kZeroDivide | soft::kOverflow;

unsigned hardware_flags() {
    const int raised = std::fetestexcept(FE_ALL_EXCEPT);
    return ((raised & FE_INVALID) ? soft::kInvalid : 0u) | ((raised & FE_DIVBYZERO) ? soft::kZeroDivide : 0u) |
           ((raised & FE_OVERFLOW) ? soft::kOverflow : 0u);
}

struct Result {
    Bits80 bits;
    unsigned flags;
    bool operator==(const Result&) const = default;
};

// One operation on the x87 unit, in the ledger's environment, with the flags it raised.
template <typename Operation>
Result on_hardware(Bits80 a, Bits80 b, Operation operation) {
    ledger::FloatEnvironmentGuard guard;
    std::feclearexcept(FE_ALL_EXCEPT);
    Extended x = ledger::from_bits80(a), y = ledger::from_bits80(b);
    ledger::settle(x);
    ledger::settle(y);
    Extended result = operation(x, y);
    ledger::settle(result);
    return {ledger::bits80(result), hardware_flags()};
}

template <typename Operation>
Result in_software(Bits80 a, Bits80 b, Operation operation) {
    unsigned flags = 0;
    const Bits80 bits = operation(a, b, flags);
    return {bits, flags & kCompared};
}

std::string shown(Bits80 v) {
    char text[48];
    std::snprintf(text, sizeof text, "%04X:%016llX", v.sign_exponent, static_cast<unsigned long long>(v.significand));
    return text;
}

std::string shown(const Result& r) { return shown(r.bits) + " flags " + std::to_string(r.flags); }

std::string shown(const differential::Outcome& o) {
    return (o.failed ? "failure \"" + o.message + "\"" : shown(Bits80{o.value.sign_exponent, o.value.significand})) +
           " shown \"" + o.shown + "\"";
}

TEST(BothImplementations, add_subtract_multiply_and_divide_alike_bit_for_bit_and_flag_for_flag) {
    differential::Operands operands(kSeed);
    for (std::uint64_t i = 0; i < kCases; ++i) {
        const Bits80 a = operands.value(), b = operands.partner(a);
        const auto expect_alike = [&](const char* name, const Result& hard, const Result& soft) {
            if (hard != soft)
                FAIL() << shown(a) << ' ' << name << ' ' << shown(b) << ": x87 " << shown(hard) << ", software "
                       << shown(soft);
        };
        ASSERT_NO_FATAL_FAILURE(expect_alike(
            "+", on_hardware(a, b, [](Extended x, Extended y) { return x + y; }), in_software(a, b, soft::add)));
        ASSERT_NO_FATAL_FAILURE(expect_alike(
            "-", on_hardware(a, b, [](Extended x, Extended y) { return x - y; }), in_software(a, b, soft::subtract)));
        ASSERT_NO_FATAL_FAILURE(expect_alike(
            "*", on_hardware(a, b, [](Extended x, Extended y) { return x * y; }), in_software(a, b, soft::multiply)));
        ASSERT_NO_FATAL_FAILURE(expect_alike(
            "/", on_hardware(a, b, [](Extended x, Extended y) { return x / y; }), in_software(a, b, soft::divide)));
    }
    std::printf("%llu operand pairs, 4 operations each\n", static_cast<unsigned long long>(kCases));
}

TEST(BothImplementations, compare_round_and_convert_alike) {
    differential::Operands operands(kSeed + 1);
    for (std::uint64_t i = 0; i < kCases; ++i) {
        const Bits80 a = operands.value(), b = operands.partner(a);
        // Comparison.
        const Extended x = ledger::from_bits80(a), y = ledger::from_bits80(b);
        const soft::Order order = soft::compare(a, b);
        ASSERT_EQ(x < y, order == soft::Order::Less) << shown(a) << " < " << shown(b);
        ASSERT_EQ(x == y, order == soft::Order::Equal) << shown(a) << " == " << shown(b);
        ASSERT_EQ(x > y, order == soft::Order::Greater) << shown(a) << " > " << shown(b);
        // Rounding to double, with the overflow test.
        unsigned soft_flags = 0;
        const double soft_double = soft::to_double(a, soft_flags);
        double hard_double;
        unsigned hard_flags;
        {
            ledger::FloatEnvironmentGuard guard;
            std::feclearexcept(FE_ALL_EXCEPT);
            Extended v = x;
            ledger::settle(v);
            hard_double = static_cast<double>(v);
            ledger::settle(hard_double);
            hard_flags = hardware_flags();
        }
        ASSERT_EQ(std::memcmp(&soft_double, &hard_double, sizeof(double)), 0)
            << shown(a) << ": " << soft_double << " " << hard_double;
        ASSERT_EQ(soft_flags & kCompared, hard_flags) << shown(a);
        // Rounding to a whole number (of values from 0 on).
        const Bits80 magnitude{static_cast<std::uint16_t>(a.sign_exponent & ledger::kExponentMask), a.significand};
        if ((magnitude.sign_exponent & ledger::kExponentMask) != ledger::kExponentMask) {
            Extended whole;
            {
                ledger::FloatEnvironmentGuard guard;
                whole = ledger::round_to_whole(ledger::from_bits80(magnitude));
                ledger::settle(whole);
            }
            ASSERT_EQ(ledger::bits80(whole), soft::round_to_whole(magnitude)) << shown(magnitude);
        }
        // Conversion of doubles (every bit pattern, denormals and NaNs too) and of whole numbers.
        const std::uint64_t pattern = operands.bits();
        double d;
        std::memcpy(&d, &pattern, sizeof d);
        const Result hard = on_hardware(a, b, [d](Extended, Extended) { return Extended(d); });
        const Result soft_result =
            in_software(a, b, [d](Bits80, Bits80, unsigned& flags) { return soft::from_double(d, flags); });
        ASSERT_EQ(hard, soft_result) << shown(hard) << " " << shown(soft_result) << " from " << d;
        const std::uint64_t n = pattern >> operands.below(64);
        ASSERT_EQ(ledger::bits80(Extended(n)), soft::from_uint64(false, n)) << n;
        const auto signed_n = static_cast<std::int64_t>(pattern >> (1 + operands.below(63)));
        ASSERT_EQ(ledger::bits80(Extended(-signed_n)), soft::from_int64(-signed_n)) << -signed_n;
    }
}

TEST(ShortestText, is_what_the_standard_library_writes_for_the_x87_value) {
    differential::Operands operands(kSeed + 4);
    const std::uint64_t values = kCases / 1000;  // the exact arithmetic is slow at the ends of the range
    for (std::uint64_t i = 0; i < values; ++i) {
        const Bits80 v = operands.value();
        if ((v.sign_exponent & ledger::kExponentMask) == ledger::kExponentMask) continue;
        const Extended x = ledger::from_bits80(v);
        char buffer[64];
        const auto [end, error] = std::to_chars(buffer, buffer + sizeof buffer, x.native());
        ASSERT_EQ(error, std::errc{});
        ASSERT_EQ(ledger::shortest_text(x), std::string(buffer, end)) << shown(v);
    }
}

TEST(BothImplementations, read_texts_and_show_values_alike) {
    differential::Operands operands(kSeed + 2);
    const std::uint64_t texts = kCases / 20;
    for (std::uint64_t i = 0; i < texts; ++i) {
        const char separator = operands.below(4) == 0 ? ',' : '.';
        const std::string text = operands.text(separator);
        SCOPED_TRACE("\"" + text + "\"");
        const differential::Outcome hard = hardware_side::read(text, separator);
        ASSERT_EQ(shown(hard), shown(portable_side::read(text, separator)));
        const Bits80 v = operands.value();
        for (const differential::Raw value : {hard.value, differential::Raw{v.sign_exponent, v.significand}}) {
            ASSERT_EQ(hardware_side::general(value, separator), portable_side::general(value, separator));
            ASSERT_EQ(hardware_side::fixed(value, separator), portable_side::fixed(value, separator));
        }
    }
    std::printf("%llu texts read, %llu values shown in both formats\n",
                static_cast<unsigned long long>(texts),
                static_cast<unsigned long long>(2 * texts));
}

TEST(BothImplementations, run_loss_steps_alike) {
    differential::Operands operands(kSeed + 3);
    const std::uint64_t series = kCases / 1000;
    for (std::uint64_t i = 0; i < series; ++i) {
        const std::string first_trade = operands.text('.');
        const std::string payout = operands.below(2) ? std::to_string(operands.below(100)) : operands.text('.');
        SCOPED_TRACE("\"" + first_trade + "\" at \"" + payout + "\"");
        const int losses = 1 + operands.below(40);
        ASSERT_EQ(shown(hardware_side::loss_steps(first_trade, payout, '.', losses)),
                  shown(portable_side::loss_steps(first_trade, payout, '.', losses)));
    }
}

}  // namespace
