// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan/help_text.h"

namespace plan {

const std::string_view kUsage =
    "Usage: kestrun-plan [--losses N] [--bankroll B] [--max-stake M] [--win-rate W]\n"
    "                    [--series COUNT] [--separator C] [--csv]\n"
    "                    [--summary-csv FILE] FIRST_TRADE PAYOUT\n"
    "       kestrun-plan -h | --help | --version\n";

const std::string_view kHelp =
    "Usage: kestrun-plan [--losses N] [--bankroll B] [--max-stake M] [--win-rate W]\n"
    "                    [--series COUNT] [--separator C] [--csv]\n"
    "                    [--summary-csv FILE] FIRST_TRADE PAYOUT\n"
    "\n"
    "Shows the series of stakes ahead, before it starts: what each trade stakes after\n"
    "a run of losses, with the same numbers as the kestrun window shows after each\n"
    "press of \"Lost\".\n"
    "\n"
    "FIRST_TRADE is the amount a of the first trade: digits with at most one decimal\n"
    "separator, as the window's First Trade field holds it. PAYOUT is the payout\n"
    "percentage (\"95\", \"87.5\"), read as the window reads its fields. Both use the\n"
    "decimal separator of your locale. With the payout fraction p = PAYOUT / 100 and\n"
    "the stakes S of the trades before it, trade k stakes\n"
    "\n"
    "    k x a + S / p\n"
    "\n"
    "so that a win on it recovers S and earns k x a x p: the base profit a x p once\n"
    "for each trade.\n"
    "\n"
    "Each line shows the trade number k, its stake as the window shows it, the stakes\n"
    "of the series so far including this one, and what a win on this trade earns net\n"
    "(stake x p - S).\n"
    "\n"
    "Options:\n"
    "  --losses N        plan N trades (default 10, at most 100000)\n"
    "  --bankroll B      mark the first trade whose stakes so far exceed B, and say\n"
    "                    how many losses in a row B covers\n"
    "  --max-stake M     mark the first trade whose stake exceeds M (a broker's\n"
    "                    maximum stake), and say where it cuts the series short\n"
    "  --win-rate W      the chance in percent that one trade wins (0 < W < 100):\n"
    "                    adds the column Reached, the chance (1 - w)^(k - 1) that a\n"
    "                    series comes to trade k at all; with --bankroll also the\n"
    "                    risk of ruin and the expected net per series\n"
    "  --series COUNT    with --win-rate and --bankroll: the risk of ruin within\n"
    "                    COUNT series (at most 1000000000)\n"
    "  --separator C     read and write amounts with the decimal separator C\n"
    "                    instead of the locale's\n"
    "  --csv             one header line and one line per trade, with the shown\n"
    "                    texts and the exact values (the shortest text that reads\n"
    "                    back to the same value, with \".\")\n"
    "  --summary-csv FILE  with --win-rate and --bankroll: write the summary's\n"
    "                    figures to FILE as CSV (figure,value,shown)\n"
    "  -h, --help        show this help\n"
    "  --version         show the version\n"
    "Write -- before a negative payout, so that it is not taken for an option.\n"
    "\n"
    "The risk figures take the trades as independent, each winning with the chance\n"
    "w = W / 100, and every win paying the fixed payout. For the K losses in a row\n"
    "that the bankroll covers: the risk of ruin per series is (1 - w)^K; the\n"
    "expected net per series is the sum over k = 1..K of w (1 - w)^(k - 1) times\n"
    "the net if won on trade k, less (1 - w)^K times the stakes of trades 1..K; the\n"
    "risk of ruin within COUNT series is 1 - (1 - (1 - w)^K)^COUNT.\n"
    "\n"
    "Exit status: 0 when the plan is complete; 2 when FIRST_TRADE is not what the\n"
    "First Trade field holds, an amount is no number, the win rate is out of range,\n"
    "or the first trade cannot be priced (with the message the window shows); 3 when\n"
    "a later trade fails (the trades before it are shown, then the message); 64 for\n"
    "a bad option or a missing argument; 73 when the summary file cannot be written;\n"
    "74 when standard output cannot be written; 141 when the reader of standard\n"
    "output has gone while SIGPIPE is ignored (otherwise SIGPIPE ends the program).\n"
    "\n"
    "Example:\n"
    "  kestrun-plan --losses 5 --bankroll 50 --win-rate 55 --series 20 1 95\n";

const std::string_view kVersion = "kestrun-plan " KESTRUN_VERSION "\n";

}  // namespace plan
