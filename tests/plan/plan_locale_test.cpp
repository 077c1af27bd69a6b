// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Amounts are read and shown with the decimal separator of the user's locale, as in the window.

#include <gtest/gtest.h>

#include <bit>
#include <cstdlib>
#include <filesystem>

#include "plan_run.h"

namespace plan_test {
namespace {

namespace fs = std::filesystem;

// A German locale built into the build tree, so that the test needs no locale installed system-wide.
class PlanDecimalComma : public testing::Test {
protected:
    static void SetUpTestSuite() {
        const fs::path root = KESTRUN_TEST_LOCALES;
        if (fs::exists(root / "de_DE.UTF-8" / "LC_NUMERIC")) return;
        if (!fs::exists("/usr/share/i18n/locales/de_DE")) {
            skip_reason() = "the locale sources are missing (Debian package locales)";
            return;
        }
        fs::create_directories(root);
        // Compiled locales are in the byte order of the processor that reads them.
        const char* order = std::endian::native == std::endian::big ? " --big-endian" : "";
        const std::string command =
            std::string("localedef") + order + " -i de_DE -f UTF-8 '" + (root / "de_DE.UTF-8").string() + "'";
        if (std::system(command.c_str()) != 0 || !fs::exists(root / "de_DE.UTF-8" / "LC_NUMERIC")) {
            skip_reason() = "localedef could not build de_DE.UTF-8";
        }
    }

    void SetUp() override {
        if (!skip_reason().empty()) GTEST_SKIP() << skip_reason();
    }

    static std::string& skip_reason() {
        static std::string reason;
        return reason;
    }

    static std::vector<std::string> german(const char* variable = "LC_ALL") {
        return {std::string("LOCPATH=") + KESTRUN_TEST_LOCALES, std::string(variable) + "=de_DE.UTF-8"};
    }
};

TEST_F(PlanDecimalComma, reads_and_shows_amounts_with_a_comma) {
    const Finished run = run_plan({"--losses", "2", "--bankroll", "4,5", "1,5", "87,5"}, german());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out,
              "Trade  Stake  Stakes so far  Net if won\n"
              "    1   1,50           1,50        1,31\n"
              "    2   4,71           6,21        2,63  <- above bankroll\n"
              "A bankroll of 4,5 covers 1 loss in a row; by trade 2 the stakes are 6,21.\n");
}

TEST_F(PlanDecimalComma, takes_the_separator_from_lang_when_nothing_else_is_set) {
    const Finished run = run_plan({"--losses", "1", "2,5", "50"}, german("LANG"));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(words_of(lines_of(run.out).at(1)), (std::vector<std::string>{"1", "2,50", "2,50", "1,25"}));
}

TEST_F(PlanDecimalComma, refuses_a_point_in_the_first_trade_as_the_first_trade_field_would) {
    const Finished run = run_plan({"1.5", "95"}, german());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kestrun-plan: the First Trade field holds only digits and ',', not '1.5'\n");
}

TEST_F(PlanDecimalComma, refuses_a_point_in_the_payout_as_the_window_would) {
    const Finished run = run_plan({"1", "87.5"}, german());
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "kestrun-plan: '87.5' is not a valid floating point value.\n");
}

// A win on 1.5 earns 1.5 x 0.95 = 1.42499999... (0.95 is stored just below), shown as 1.42.
TEST_F(PlanDecimalComma, gives_way_to_a_separator_option) {
    const Finished run = run_plan({"--separator", ".", "--losses", "1", "1.5", "95"}, german());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(words_of(lines_of(run.out).at(1)), (std::vector<std::string>{"1", "1.50", "1.50", "1.42"}));
}

TEST(PlanLocale, warns_and_reads_with_a_point_when_the_locale_is_not_on_the_system) {
    const Finished run = run_plan({"--losses", "1", "1.5", "95"}, {"LC_ALL=xx_XX.UTF-8"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.err,
              "kestrun-plan: the locale \"xx_XX.UTF-8\" is not available on this system; the\n"
              "decimal separator is \".\"\n");
    EXPECT_EQ(words_of(lines_of(run.out).at(1)), (std::vector<std::string>{"1", "1.50", "1.50", "1.42"}));
}

}  // namespace
}  // namespace plan_test
