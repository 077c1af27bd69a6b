#include <algorithm>
#include <cmath>
#include <cstdint>

#include "ledger/amount_display.h"

namespace ledger {

namespace {

constexpr int kRawDigits = 18;
constexpr Extended kRawLimit = 1e18L;  // the raw whole number lies below this
constexpr Extended kRawFloor = 1e17L;  // ... and at or above this

// |value| x 10^(18 - exponent), rounded to a whole number, ties to even.
Extended scaled_whole(Extended magnitude, int exponent) noexcept {
    const int power = kRawDigits - exponent;
    const Extended scaled = power >= 0 ? scale_up(magnitude, power) : scale_down(magnitude, -power);
    return std::nearbyint(scaled);
}

}  // namespace

DigitForm digit_form(Extended value, int precision, std::optional<int> decimals) {
    DigitForm form;
    if (!std::isnormal(value)) return form;  // zero, and values too small to be normal

    const Extended magnitude = std::fabs(value);
    const int e2 = std::ilogb(magnitude);
    // floor(e2 x log10(2)) + 1; the shift of a negative number rounds towards minus infinity.
    int exponent = ((e2 * 19728) >> 16) + 1;

    Extended whole = scaled_whole(magnitude, exponent);
    if (whole < kRawFloor) {
        // The estimate came out one too high (it does for some tiny values): one digit fewer.
        exponent -= 1;
        whole = scaled_whole(magnitude, exponent);
    }
    if (whole >= kRawLimit) {
        whole = whole / 10;
        exponent += 1;
    }
    whole = std::nearbyint(whole);

    char raw[kRawDigits];
    auto number = static_cast<std::uint64_t>(whole);
    for (int i = kRawDigits - 1; i >= 0; --i) {
        raw[i] = static_cast<char>('0' + number % 10);
        number /= 10;
    }

    int kept = decimals ? exponent + *decimals : kRawDigits;
    if (kept < 0) return form;
    kept = std::min({kept, precision, kRawDigits});

    form.exponent = exponent;
    form.negative = std::signbit(value);
    form.digits.assign(raw, raw + kept);

    if (kept < kRawDigits && raw[kept] >= '5') {
        // Half up on the decimal string: add one to the last kept digit, carrying through nines.
        int i = kept - 1;
        while (i >= 0 && form.digits[i] == '9') form.digits[i--] = '0';
        if (i < 0) {
            form.digits = "1";
            form.exponent += 1;
        } else {
            form.digits[i] += 1;
        }
    }

    const auto last = form.digits.find_last_not_of('0');
    form.digits.erase(last == std::string::npos ? 0 : last + 1);
    if (form.digits.empty()) form.negative = false;
    return form;
}

}  // namespace ledger
