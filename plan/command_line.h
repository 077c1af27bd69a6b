#pragma once
// The command line of kestrun-plan:
//   kestrun-plan [--losses N] [--bankroll B] [--max-stake M] [--separator C] [--csv] FIRST_TRADE PAYOUT

#include <optional>
#include <stdexcept>
#include <string>

namespace plan {

inline constexpr int kDefaultLosses = 10;
inline constexpr int kMostLosses = 100000;

struct PlanRequest {
    std::string first_trade;            // read by amount reading, as the window's First Trade field
    std::string payout;                 // the payout percentage, read the same way
    int losses = kDefaultLosses;        // how many loss steps the plan runs
    std::optional<std::string> bankroll;   // text of --bankroll, read with the same separator
    std::optional<std::string> max_stake;  // text of --max-stake
    std::optional<char> separator;      // --separator; the locale's decimal separator otherwise
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
// negative amount can follow it.
CommandLine parse_command_line(int argc, char** argv);

}  // namespace plan
