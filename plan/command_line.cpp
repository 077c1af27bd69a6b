#include "plan/command_line.h"

#include <getopt.h>

#include <charconv>
#include <string>
#include <string_view>

namespace plan {
namespace {

enum OptionCode : int {
    kLosses = 'n',
    kBankroll = 'b',
    kMaxStake = 'm',
    kSeparator = 's',
    kCsv = 'c',
    kHelp = 'h',
    kVersion = 'V',
};

const option kOptions[] = {
    {"losses", required_argument, nullptr, kLosses},
    {"bankroll", required_argument, nullptr, kBankroll},
    {"max-stake", required_argument, nullptr, kMaxStake},
    {"separator", required_argument, nullptr, kSeparator},
    {"csv", no_argument, nullptr, kCsv},
    {"help", no_argument, nullptr, kHelp},
    {"version", no_argument, nullptr, kVersion},
    {nullptr, 0, nullptr, 0},
};

int losses_from(std::string_view text) {
    int losses = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), losses);
    if (text.empty() || error != std::errc{} || end != text.data() + text.size() || losses < 1 ||
        losses > kMostLosses) {
        throw UsageError("--losses takes a whole number from 1 to " + std::to_string(kMostLosses) + ", not '" +
                         std::string(text) + "'");
    }
    return losses;
}

// One character that cannot be part of a number in any other role.
char separator_from(std::string_view text) {
    constexpr std::string_view kTaken = "0123456789+-eE ";
    if (text.size() != 1 || kTaken.find(text.front()) != std::string_view::npos ||
        static_cast<unsigned char>(text.front()) < 0x21 || static_cast<unsigned char>(text.front()) > 0x7E) {
        throw UsageError("--separator takes one visible character that is no digit, sign or exponent letter, not '" +
                         std::string(text) + "'");
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

// What getopt refused: a short option (a negative amount looks like one) or a long one.
std::string unknown_option(char** argv) {
    if (optopt != 0) {
        return std::string("unknown option '-") + static_cast<char>(optopt) +
               "' (write -- before a negative amount)";
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
    while ((code = getopt_long(argc, argv, ":", kOptions, nullptr)) != -1) {
        switch (code) {
            case kLosses: request.losses = losses_from(optarg); break;
            case kBankroll: request.bankroll = optarg; break;
            case kMaxStake: request.max_stake = optarg; break;
            case kSeparator: request.separator = separator_from(optarg); break;
            case kCsv: request.csv = true; break;
            case kHelp: line.action = CommandLine::Action::help; break;
            case kVersion: line.action = CommandLine::Action::version; break;
            case ':': throw UsageError(option_name(optopt, argv) + " needs a value");
            default: throw UsageError(unknown_option(argv));
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
    return line;
}

}  // namespace plan
