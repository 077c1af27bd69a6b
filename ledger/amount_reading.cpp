#include "ledger/amount_reading.h"

#include <cmath>
#include <cstdint>

#include "ledger/failures.h"

namespace ledger {

namespace {

constexpr bool is_digit(char c) noexcept { return c >= '0' && c <= '9'; }

// The exponent digits are taken while the exponent so far is below this; the digit that reaches it is
// the last one taken.
constexpr int kExponentStop = 500;
// Scaling down by this power of ten or more gives 0.
constexpr std::int64_t kScaleLimit = 5120;

}  // namespace

Extended read_amount_unguarded(std::string_view text, char separator) {
    const std::size_t end = text.size();
    std::size_t i = 0;
    const auto fail = [text]() { return EConvertError(text); };

    while (i < end && text[i] == ' ') ++i;

    bool negative = false;
    if (i < end && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }

    // Every digit before and after the separator, as one whole number, rounded after each step.
    Extended whole = 0;
    bool has_mantissa = false;
    while (i < end && is_digit(text[i])) {
        whole = whole * 10;
        whole = whole + (text[i] - '0');
        has_mantissa = true;
        ++i;
    }
    std::int64_t fraction_digits = 0;
    if (i < end && text[i] == separator) {
        has_mantissa = true;
        ++i;
        while (i < end && is_digit(text[i])) {
            whole = whole * 10;
            whole = whole + (text[i] - '0');
            ++fraction_digits;
            ++i;
        }
    }
    if (!has_mantissa) throw fail();
    settle(whole);
    if (std::isinf(whole)) throw fail();

    int exponent = 0;
    if (i < end && (text[i] == 'E' || text[i] == 'e')) {
        ++i;
        bool exponent_negative = false;
        if (i < end && (text[i] == '+' || text[i] == '-')) {
            exponent_negative = text[i] == '-';
            ++i;
        }
        while (i < end && is_digit(text[i]) && exponent < kExponentStop) {
            exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (exponent_negative) exponent = -exponent;
    }

    while (i < end && text[i] == ' ') ++i;
    if (i != end) throw fail();

    const std::int64_t k = exponent - fraction_digits;
    if (k > 0) {
        whole = scale_up(whole, static_cast<int>(k));
    } else if (k < 0) {
        whole = k > -kScaleLimit ? scale_down(whole, static_cast<int>(-k)) : Extended{0};
    }
    if (negative) whole = -whole;
    settle(whole);
    if (std::isinf(whole)) throw fail();
    return whole;
}

Extended read_amount(std::string_view text, char separator) {
    FloatEnvironmentGuard guard;
    Extended value = read_amount_unguarded(text, separator);
    settle(value);
    return value;
}

}  // namespace ledger
