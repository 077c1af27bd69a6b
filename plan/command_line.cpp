// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/command_line.h"

#include <getopt.h>

#include <charconv>
#include <string>
#include <string_view>
#include <utility>

namespace plan {
namespace {

enum OptionCode : int {
    kLosses = 'n',
    kBankroll = 'b',
    kMaxStake = 'm',
    kSeparator = 's',
    kCsv = 'c',
    kWinRate = 'w',
    kSeries = 'r',
    kSummaryCsv = 'S',
    kHelp = 'h',
    kVersion = 'V',
};

// clang-format off
const option kOptions[] = {
    {"losses", required_argument, nullptr, kLosses},
    {"bankroll", required_argument, nullptr, kBankroll},
    {"max-stake", required_argument, nullptr, kMaxStake},
    {"separator", required_argument, nullptr, kSeparator},
    {"csv", no_argument, nullptr, kCsv},
    {"win-rate", required_argument, nullptr, kWinRate},
    {"series", required_argument, nullptr, kSeries},
    {"summary-csv", required_argument, nullptr, kSummaryCsv},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};
// clang-format on

// A whole number from 1 to `most`, written in decimal digits only.
std::int64_t count_from(std::string_view text, std::string_view option, std::int64_t most) {
    std::int64_t count = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), count);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || count < 1 || count > most) {
        throw UsageError(std::string(option) + " takes a whole number from 1 to " + std::to_string(most) + ", not '" +
                         std::string(text) + "'");
    }
    return count;
}

// One character that cannot be part of a number in any other role.
char separator_from(std::string_view text) {
    constexpr std::string_view kTaken = "0123456789+-eE ";
    if (text.size() != 1 || kTaken.find(text.front()) != std::string_view::npos ||
        static_cast<unsigned char>(text.front()) < 0x21 || static_cast<unsigned char>(text.front()) > 0x7E) {
        throw UsageError("bad --separator '" + std::string(text) + "': one character, no digit, sign, E or blank");
    }
    return text.front();
}

std::string option_name(int code, char** argv) {
    for (const option& known : kOptions) {
        if (known.name != nullptr && known.val == code) {
            return std::string("--") + known.name;
        }
    }
    return argv[optind - 1];
}

// What getopt refused: a short option (a negative payout looks like one) or a long one.
std::string unknown_option(char** argv) {
    if (optopt != 0) {
        return std::string("unknown option '-") + static_cast<char>(optopt) + "' (write -- before a negative payout)";
    }
    return "unknown option '" + std::string(argv[optind - 1]) + "'";
}

}  // namespace

CommandLine parse_command_line(int argc, char** argv) {
    CommandLine line;
    PlanRequest& request = line.request;
    opterr = 0;  // the messages below replace getopt's own
    optind = 1;
    int code = 0;
    while ((code = getopt_long(argc, argv, ":h", kOptions, nullptr)) != -1) {
        switch (code) {
        case kLosses:
            request.losses = static_cast<int>(count_from(optarg, "--losses", kMostLosses));
            break;
        case kBankroll:
            request.bankroll = optarg;
            break;
        case kMaxStake:
            request.max_stake = optarg;
            break;
        case kSeparator:
            request.separator = separator_from(optarg);
            break;
        case kCsv:
            request.csv = true;
            break;
        case kWinRate:
            request.win_rate = optarg;
            break;
        case kSeries:
            request.series = count_from(optarg, "--series", kMostSeries);
            break;
        case kSummaryCsv:
            request.summary_csv = optarg;
            break;
        case kHelp:
            line.action = CommandLine::Action::help;
            break;
        case kVersion:
            line.action = CommandLine::Action::version;
            break;
        case ':':
            throw UsageError(option_name(optopt, argv) + " needs a value");
        default:
            throw UsageError(unknown_option(argv));
        }
    }
    if (line.action != CommandLine::Action::plan) {
        return line;
    }
    const int arguments = argc - optind;
    if (arguments < 2) {
        throw UsageError(arguments == 0 ? "FIRST_TRADE and PAYOUT are missing" : "PAYOUT is missing");
    }
    if (arguments > 2) {
        throw UsageError("unexpected argument '" + std::string(argv[optind + 2]) + "'");
    }
    request.first_trade = argv[optind];
    request.payout = argv[optind + 1];
    for (const auto& [given, name] : {std::pair{request.series.has_value(), "--series"},
                                      std::pair{request.summary_csv.has_value(), "--summary-csv"}}) {
        if (given && !(request.win_rate && request.bankroll)) {
            throw UsageError(std::string(name) + " needs --win-rate and --bankroll");
        }
    }
    return line;
}

}  // namespace plan
