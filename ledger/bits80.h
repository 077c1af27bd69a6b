// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The bit pattern of an 80-bit extended value as the x87 unit lays it out: a sign bit and a 15-bit
// biased exponent in one 16-bit word, and a 64-bit significand whose top bit is the integer bit.

#include <cstdint>

namespace ledger {

struct Bits80 {
    std::uint16_t sign_exponent = 0;
    std::uint64_t significand = 0;
    bool operator==(const Bits80&) const = default;
};

inline constexpr int kExponentBias = 16383;
inline constexpr std::uint16_t kExponentMask = 0x7FFF;
inline constexpr std::uint16_t kSignBit = 0x8000;
inline constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;
inline constexpr std::uint64_t kQuietBit = std::uint64_t{1} << 62;

}  // namespace ledger
