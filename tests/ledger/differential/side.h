// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One implementation of the extended format seen from outside: the ledger built with it, reduced to
// plain data so that two builds of the ledger can be compared in one program. side.cpp is compiled
// once for each implementation, into the namespace named by KESTRUN_SIDE.

#include <cstdint>
#include <string>

namespace differential {

struct Raw {
    std::uint16_t sign_exponent = 0;
    std::uint64_t significand = 0;
    bool operator==(const Raw&) const = default;
};

// What reading a text or a step came to: the value or the failure's message.
struct Outcome {
    bool failed = false;
    std::string message;
    Raw value;
    std::string shown;
    bool operator==(const Outcome&) const = default;
};

}  // namespace differential

#define KESTRUN_DECLARE_SIDE(side)                                                                              \
    namespace side {                                                                                            \
    differential::Outcome read(const std::string& text, char separator);                                        \
    std::string general(differential::Raw value, char separator);                                               \
    std::string fixed(differential::Raw value, char separator);                                                 \
    differential::Outcome loss_steps(const std::string& first_trade, const std::string& payout, char separator, \
                                     int losses);                                                               \
    }

KESTRUN_DECLARE_SIDE(hardware_side)
KESTRUN_DECLARE_SIDE(portable_side)
