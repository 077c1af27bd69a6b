// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ledger/extended.h"

namespace ledger {

namespace {

// The extended values nearest the powers of ten, as bit patterns (sign and exponent, significand).
constexpr Extended power(std::uint16_t sign_exponent, std::uint64_t significand) noexcept {
    return from_bits80({sign_exponent, significand});
}

}  // namespace

// clang-format off
const Extended kSmallPowersOfTen[32] = {
    power(0x3FFF, 0x8000000000000000ULL),
    power(0x4002, 0xA000000000000000ULL),
    power(0x4005, 0xC800000000000000ULL),
    power(0x4008, 0xFA00000000000000ULL),
    power(0x400C, 0x9C40000000000000ULL),
    power(0x400F, 0xC350000000000000ULL),
    power(0x4012, 0xF424000000000000ULL),
    power(0x4016, 0x9896800000000000ULL),
    power(0x4019, 0xBEBC200000000000ULL),
    power(0x401C, 0xEE6B280000000000ULL),
    power(0x4020, 0x9502F90000000000ULL),
    power(0x4023, 0xBA43B74000000000ULL),
    power(0x4026, 0xE8D4A51000000000ULL),
    power(0x402A, 0x9184E72A00000000ULL),
    power(0x402D, 0xB5E620F480000000ULL),
    power(0x4030, 0xE35FA931A0000000ULL),
    power(0x4034, 0x8E1BC9BF04000000ULL),
    power(0x4037, 0xB1A2BC2EC5000000ULL),
    power(0x403A, 0xDE0B6B3A76400000ULL),
    power(0x403E, 0x8AC7230489E80000ULL),
    power(0x4041, 0xAD78EBC5AC620000ULL),
    power(0x4044, 0xD8D726B7177A8000ULL),
    power(0x4048, 0x878678326EAC9000ULL),
    power(0x404B, 0xA968163F0A57B400ULL),
    power(0x404E, 0xD3C21BCECCEDA100ULL),
    power(0x4052, 0x84595161401484A0ULL),
    power(0x4055, 0xA56FA5B99019A5C8ULL),
    power(0x4058, 0xCECB8F27F4200F3AULL),
    power(0x405C, 0x813F3978F8940984ULL),
    power(0x405F, 0xA18F07D736B90BE5ULL),
    power(0x4062, 0xC9F2C9CD04674EDFULL),
    power(0x4065, 0xFC6F7C4045812296ULL),
};
// clang-format on

// clang-format off
const Extended kMediumPowersOfTen[16] = {
    power(0x3FFF, 0x8000000000000000ULL),
    power(0x4069, 0x9DC5ADA82B70B59EULL),
    power(0x40D3, 0xC2781F49FFCFA6D5ULL),
    power(0x413D, 0xEFB3AB16C59B14A3ULL),
    power(0x41A8, 0x93BA47C980E98CE0ULL),
    power(0x4212, 0xB616A12B7FE617AAULL),
    power(0x427C, 0xE070F78D3927556BULL),
    power(0x42E7, 0x8A5296FFE33CC930ULL),
    power(0x4351, 0xAA7EEBFB9DF9DE8EULL),
    power(0x43BB, 0xD226FC195C6A2F8CULL),
    power(0x4426, 0x81842F29F2CCE376ULL),
    power(0x4490, 0x9FA42700DB900AD2ULL),
    power(0x44FA, 0xC4C5E310AEF8AA17ULL),
    power(0x4564, 0xF28A9C07E9B09C59ULL),
    power(0x45CF, 0x957A4AE1EBF7F3D4ULL),
    power(0x4639, 0xB83ED8DC0795A262ULL),
};
// clang-format on

// clang-format off
const Extended kLargePowersOfTen[10] = {
    power(0x3FFF, 0x8000000000000000ULL),
    power(0x46A3, 0xE319A0AEA60E91C7ULL),
    power(0x4D48, 0xC976758681750C17ULL),
    power(0x53ED, 0xB2B8353B3993A7E4ULL),
    power(0x5A92, 0x9E8B3B5DC53D5DE5ULL),
    power(0x6137, 0x8CA554C020A1F0A6ULL),
    power(0x67DB, 0xF9895D25D88B5A8BULL),
    power(0x6E80, 0xDD5DC8A2BF27F3F8ULL),
    power(0x7525, 0xC46052028A20979BULL),
    power(0x7BCA, 0xAE3511626ED559F0ULL),
};
// clang-format on

}  // namespace ledger
