// kestrun-plan: the series of stakes ahead, in the terminal.

#include <cstdlib>
#include <iostream>

#include "ledger/failures.h"
#include "plan/command_line.h"
#include "plan/csv_output.h"
#include "plan/failure_text.h"
#include "plan/help_text.h"
#include "plan/limit_summary.h"
#include "plan/locale_separator.h"
#include "plan/series_plan.h"
#include "plan/table_output.h"

namespace {

constexpr int kBadInput = 2;
constexpr int kSeriesFailed = 3;
constexpr int kUsageError = 64;  // EX_USAGE

int run_plan(const plan::PlanRequest& request) {
    const char separator = request.separator ? *request.separator : plan::separator_from_user_locale(std::cerr);
    plan::SeriesPlan series;
    try {
        series = plan::plan_series(request, separator);
    } catch (const ledger::Exception& failure) {
        std::cerr << plan::shown_failure_text(failure.message()) << '\n';
        return kBadInput;
    }
    if (series.failure && series.trades.empty()) {  // the first trade itself cannot be priced
        std::cerr << plan::shown_failure_text(*series.failure) << '\n';
        return kBadInput;
    }
    if (request.csv) {
        plan::write_csv(std::cout, series);
    } else {
        plan::write_table(std::cout, series);
    }
    if (series.failure) {
        std::cout.flush();
        std::cerr << plan::shown_failure_text(*series.failure) << '\n';
        return kSeriesFailed;
    }
    if (!request.csv) {
        plan::write_limit_summary(std::cout, series, separator);
    }
    return EXIT_SUCCESS;
}

}  // namespace

int main(int argc, char** argv) {
    plan::CommandLine line;
    try {
        line = plan::parse_command_line(argc, argv);
    } catch (const plan::UsageError& error) {
        std::cerr << "kestrun-plan: " << error.what() << '\n' << plan::kUsage;
        return kUsageError;
    }
    switch (line.action) {
        case plan::CommandLine::Action::help: std::cout << plan::kHelp; return EXIT_SUCCESS;
        case plan::CommandLine::Action::version: std::cout << plan::kVersion; return EXIT_SUCCESS;
        case plan::CommandLine::Action::plan: break;
    }
    const int status = run_plan(line.request);
    std::cout.flush();
    if (std::cout.fail()) {
        std::cerr << "kestrun-plan: the plan could not be written to standard output\n";
        return EXIT_FAILURE;
    }
    return status;
}
