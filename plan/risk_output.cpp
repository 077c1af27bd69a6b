// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/risk_output.h"

#include <string>

#include "ledger/amount_display.h"
#include "plan/csv_text.h"
#include "plan/figure_text.h"
#include "plan/text_wrap.h"

namespace plan {
namespace {

// The figures as they are shown, worked out once for both outputs.
struct ShownFigures {
    std::string bound;  // "at most " when the bankroll outlasts the plan
    std::string losses_covered;
    std::string ruin;
    ledger::Extended one_in = 1;
    std::string one_in_text;
    std::string expected_net;
    std::string ruin_within;
};

ShownFigures shown_figures(const RiskSummary& summary, char separator) {
    ShownFigures shown;
    shown.bound = summary.outlasts_plan ? "at most " : "";
    shown.losses_covered = (summary.outlasts_plan ? "at least " : "") + std::to_string(summary.losses_covered);
    shown.ruin = shown.bound + percent_text(summary.ruin, separator);
    {
        ledger::FloatEnvironmentGuard guard;
        shown.one_in = 1 / summary.ruin;
    }
    // A chance below the extended range is one in more than 1 / 3.4E-4932.
    shown.one_in_text = below_extended_range(summary.ruin) ? ">2" + std::string(1, separator) + "9E4931"
                                                           : rounded_count_text(shown.one_in, separator);
    if (summary.expected_net) {
        shown.expected_net = ledger::fixed_format(*summary.expected_net, separator);
    }
    if (summary.ruin_within) {
        shown.ruin_within = shown.bound + percent_text(*summary.ruin_within, separator);
    }
    return shown;
}

void write_figure(std::ostream& out, std::string_view name, const std::string& value, const std::string& text) {
    out << name << ',' << value << ',' << csv_field(text) << '\n';
}

}  // namespace

void write_risk_lines(std::ostream& out, const RiskSummary& summary, char separator) {
    const ShownFigures shown = shown_figures(summary, separator);
    write_wrapped(out,
                  "Risk of ruin per series: " + shown.ruin + ", " +
                      (summary.outlasts_plan ? "no more often than " : "") + "about 1 series in " + shown.one_in_text +
                      '.');
    if (summary.expected_net) {
        write_wrapped(out, "Expected net per series: " + shown.expected_net);
    } else {
        write_wrapped(out,
                      "Expected net per series: not known until the plan reaches the trade that the bankroll "
                      "cannot pay for (plan more trades with --losses).");
    }
    if (summary.series) {
        write_wrapped(out, "Risk of ruin within " + std::to_string(*summary.series) + " series: " + shown.ruin_within);
    }
}

void write_risk_csv(std::ostream& out, const RiskSummary& summary, char separator) {
    const ShownFigures shown = shown_figures(summary, separator);
    out << "figure,value,shown\n";
    write_figure(out, "losses_covered", std::to_string(summary.losses_covered), shown.losses_covered);
    write_figure(out, "risk_of_ruin", shortest_text(summary.ruin), shown.ruin);
    write_figure(out, "one_series_in", shortest_text(shown.one_in), shown.one_in_text);
    if (summary.expected_net) {
        write_figure(out, "expected_net", shortest_text(*summary.expected_net), shown.expected_net);
    }
    if (summary.series) {
        write_figure(out, "series", std::to_string(*summary.series), std::to_string(*summary.series));
        write_figure(out, "risk_of_ruin_within_series", shortest_text(*summary.ruin_within), shown.ruin_within);
    }
}

}  // namespace plan
