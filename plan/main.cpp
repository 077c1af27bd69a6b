// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// kestrun-plan: the series of stakes ahead, in the terminal.

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iostream>

#include "ledger/failures.h"
#include "plan/command_line.h"
#include "plan/csv_output.h"
#include "plan/failure_text.h"
#include "plan/help_text.h"
#include "plan/limit_summary.h"
#include "plan/locale_separator.h"
#include "plan/output_end.h"
#include "plan/risk_output.h"
#include "plan/risk_summary.h"
#include "plan/series_plan.h"
#include "plan/table_output.h"
#include "plan/text_wrap.h"

namespace {

constexpr int kBadInput = 2;
constexpr int kSeriesFailed = 3;
constexpr int kUsageError = 64;          // EX_USAGE
constexpr int kCannotWriteSummary = 73;  // EX_CANTCREAT

constexpr std::string_view kName = "kestrun-plan: ";

// A line of our own on standard error, after the program's name, within the terminal's width.
void complain(std::string_view message) { plan::write_wrapped(std::cerr, std::string(kName) + std::string(message)); }

int bad_input(std::string_view message) {
    complain(message);
    return kBadInput;
}

// A failure of the series, with the full stop the window adds to it.
int window_failure(std::string_view message, int status) {
    complain(plan::shown_failure_text(message));
    return status;
}

int run_plan(const plan::PlanRequest& request) {
    const char separator = request.separator ? *request.separator : plan::separator_from_user_locale(std::cerr);
    plan::SeriesPlan series;
    try {
        series = plan::plan_series(request, separator);
    } catch (const ledger::Exception& failure) {
        return window_failure(failure.message(), kBadInput);
    } catch (const plan::FirstTradeError& failure) {
        return bad_input(failure.what());
    } catch (const plan::OptionValueError& failure) {
        return bad_input(failure.what());
    }
    if (series.failure && series.trades.empty()) {  // the first trade itself cannot be priced
        return window_failure(*series.failure, kBadInput);
    }
    std::ofstream summary_file;
    if (request.summary_csv && !series.failure) {
        summary_file.open(*request.summary_csv);
        if (!summary_file) {
            complain(*request.summary_csv + ": " + std::strerror(errno));
            return kCannotWriteSummary;
        }
    }
    if (request.csv) {
        plan::write_csv(std::cout, series);
    } else {
        plan::write_table(std::cout, series);
    }
    if (series.failure) {
        std::cout.flush();
        return window_failure(*series.failure, kSeriesFailed);
    }
    const bool with_risk = series.win_rate && series.limits.bankroll;
    if (!request.csv) {
        plan::write_limit_summary(std::cout, series, separator);
    }
    if (with_risk) {
        const plan::RiskSummary risk = plan::summarize_risk(series, request.series);
        if (!request.csv) {
            plan::write_risk_lines(std::cout, risk, separator);
        }
        if (summary_file.is_open()) {
            plan::write_risk_csv(summary_file, risk, separator);
            summary_file.close();
            if (!summary_file) {
                complain(*request.summary_csv + ": the summary could not be written");
                return kCannotWriteSummary;
            }
        }
    }
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    plan::CommandLine line;
    try {
        line = plan::parse_command_line(argc, argv);
    } catch (const plan::UsageError& error) {
        complain(error.what());
        std::cerr << plan::kUsage;
        return kUsageError;
    }
    int status = EXIT_SUCCESS;
    switch (line.action) {
    case plan::CommandLine::Action::help:
        std::cout << plan::kHelp;
        break;
    case plan::CommandLine::Action::version:
        std::cout << plan::kVersion;
        break;
    case plan::CommandLine::Action::plan:
        status = run_plan(line.request);
        break;
    }
    const int output = plan::output_status(std::cout, std::cerr);
    return output != 0 ? output : status;
}
