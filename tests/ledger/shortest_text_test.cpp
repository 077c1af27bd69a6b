// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The shortest text that reads back to an extended value, as the CSV of kestrun-plan writes its exact
// values: the same text on every processor.
#include <cstdint>
#include <string>

#include <gtest/gtest.h>

#include "ledger/shortest_text.h"
#include "test_names.h"

namespace {

struct ShortestRow {
    std::uint16_t sign_exponent;
    std::uint64_t significand;
    std::string text;
};

void PrintTo(const ShortestRow& row, std::ostream* os) { *os << row.text; }

class ShortestText : public testing::TestWithParam<ShortestRow> {};

TEST_P(ShortestText, reads_back_to_the_value_with_the_fewest_digits) {
    const ShortestRow& row = GetParam();
    EXPECT_EQ(ledger::shortest_text(ledger::from_bits80({row.sign_exponent, row.significand})), row.text);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Values, ShortestText, testing::Values(
    ShortestRow{0x3FFF, 0x8000000000000000ULL, "1"},
    ShortestRow{0x3FFB, 0xCCCCCCCCCCCCCCCDULL, "0.1"},
    ShortestRow{0x3FFD, 0xAAAAAAAAAAAAAAABULL, "0.33333333333333333334"},  // 1/3: all 20 digits
    ShortestRow{0x4048, 0x878678326EAC9000ULL, "1e+22"},                   // scientific is shorter
    ShortestRow{0x4045, 0x8000000000000000ULL, "1180591620717411303424"},  // 2^70: plain, every digit
    ShortestRow{0x3FF5, 0x83126E978D4FDF3BULL, "0.001"},                   // as long as 1e-03: plain
    ShortestRow{0x3FE8, 0xA10FAFA06C1BB20DULL, "1.5e-07"},
    ShortestRow{0xC000, 0xA000000000000000ULL, "-2.5"},
    ShortestRow{0x403E, 0x8AC7230489E7FFFFULL, "9999999999999999999"},
    ShortestRow{0x7FFE, 0xD72CB2A95C7EF6CDULL, "1e+4932"},
    ShortestRow{0x4019, 0xEEE9BC8D6553F779ULL, "125259236.41861914"},
    ShortestRow{0x3FFF, 0xF333333333333954ULL, "1.9000000000000001701"},  // 3.05... x 0.95 - 1
    ShortestRow{0x0000, 0x0000000000000001ULL, "4e-4951"},                 // the smallest denormal
    ShortestRow{0x8000, 0x0000000000000000ULL, "-0"},
    ShortestRow{0x7FFF, 0x8000000000000000ULL, "inf"},
    ShortestRow{0xFFFF, 0xC000000000000000ULL, "-nan"}
), [](const testing::TestParamInfo<ShortestRow>& info) { return test_names::case_name(info.index, info.param.text); });
// clang-format on

}  // namespace
