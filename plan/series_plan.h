#pragma once
// The series ahead: the loss step of the core run N times from the start values, with what each trade
// stakes, what the series has staked by then and what a win on it would earn.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "ledger/extended.h"
#include "plan/command_line.h"

namespace plan {

struct PlannedTrade {
    std::int32_t number = 0;        // trade k is what the k-th press of "Lost" after start prices
    std::string stake_text;         // the text the window shows for it
    double stake = 0;               // the stake as the series stores it
    double stakes_so_far = 0;       // the stake sum of the series, this trade included
    ledger::Extended net_if_won = 0;  // stake x payout fraction - the stakes before it
    std::string stakes_so_far_text;   // both in the window's fixed format
    std::string net_if_won_text;
};

// The limits, read from their texts with the same separator as the amounts.
struct Limits {
    std::optional<ledger::Extended> bankroll;
    std::optional<ledger::Extended> max_stake;
};

struct SeriesPlan {
    std::vector<PlannedTrade> trades;    // the trades priced before any failure
    std::optional<std::string> failure;  // the message of the failure that stopped the series
    Limits limits;
    std::optional<std::int32_t> over_bankroll;   // the first trade whose stakes so far exceed the bankroll
    std::optional<std::int32_t> over_max_stake;  // the first trade whose stake exceeds the maximum stake
};

// Reads the payout, the first trade and the limits in that order; a text that is no number throws
// EConvertError before anything is priced. A failure of the loss step ends the plan at that trade and
// is kept in `failure`.
SeriesPlan plan_series(const PlanRequest& request, char separator);

}  // namespace plan
