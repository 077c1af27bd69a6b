// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command line of kestrun-plan:
//   kestrun-plan [--losses N] [--bankroll B] [--max-stake M] [--win-rate W] [--series COUNT]
//                [--separator C] [--csv] [--summary-csv FILE] FIRST_TRADE PAYOUT

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>

namespace plan {

inline constexpr int kDefaultLosses = 10;
inline constexpr int kMostLosses = 100000;
inline constexpr std::int64_t kMostSeries = 1000000000;

struct PlanRequest {
    std::string first_trade;                 // read by amount reading, as the window's First Trade field
    std::string payout;                      // the payout percentage, read the same way
    int losses = kDefaultLosses;             // how many loss steps the plan runs
    std::optional<std::string> bankroll;     // text of --bankroll, read with the same separator
    std::optional<std::string> max_stake;    // text of --max-stake
    std::optional<std::string> win_rate;     // text of --win-rate: the percentage of trades that win
    std::optional<std::int64_t> series;      // --series: how many series the risk of ruin is taken over
    std::optional<std::string> summary_csv;  // --summary-csv: the file the summary's figures go to
    std::optional<char> separator;           // --separator; the locale's decimal separator otherwise
    bool csv = false;
};

struct CommandLine {
    enum class Action { plan, help, version };
    Action action = Action::plan;
    PlanRequest request;
};

// A command line that names an unknown option, lacks an argument or gives an option a value it cannot
// take. The message says which, without the program name.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Options may stand before, between or after the two arguments; "--" ends the options, so that a
// negative payout can follow it. --series and --summary-csv need --win-rate and --bankroll.
CommandLine parse_command_line(int argc, char** argv);

}  // namespace plan
