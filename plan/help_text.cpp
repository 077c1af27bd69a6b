#include "plan/help_text.h"

namespace plan {

const std::string_view kUsage =
    "Usage: kestrun-plan [--losses N] [--bankroll B] [--max-stake M] [--separator C] [--csv] FIRST_TRADE PAYOUT\n"
    "       kestrun-plan --help | --version\n";

const std::string_view kHelp =
    "Usage: kestrun-plan [--losses N] [--bankroll B] [--max-stake M] [--separator C] [--csv] FIRST_TRADE PAYOUT\n"
    "\n"
    "Shows the series of stakes ahead, before it starts: what each trade stakes after a run of losses,\n"
    "with the same numbers as the kestrun window shows after each press of \"Lost\".\n"
    "\n"
    "FIRST_TRADE is the amount a of the first trade, PAYOUT the payout percentage (\"95\", \"87.5\");\n"
    "both are read as the window reads its fields, with the decimal separator of your locale.\n"
    "With the payout fraction p = PAYOUT / 100 and the stakes S of the trades before it, trade k stakes\n"
    "\n"
    "    k x a + S / p\n"
    "\n"
    "so that a win on it recovers S and earns k x a x p: the base profit a x p once for each trade.\n"
    "\n"
    "Each line shows the trade number k, its stake as the window shows it, the stakes of the series so\n"
    "far including this one, and what a win on this trade earns net (stake x p - S).\n"
    "\n"
    "Options:\n"
    "  --losses N      plan N trades (default 10, at most 100000)\n"
    "  --bankroll B    mark the first trade whose stakes so far exceed B, and say how many losses\n"
    "                  in a row B covers\n"
    "  --max-stake M   mark the first trade whose stake exceeds M (a broker's maximum stake), and say\n"
    "                  where it cuts the series short\n"
    "  --separator C   read and write amounts with the decimal separator C instead of the locale's\n"
    "  --csv           one header line and one line per trade, with the shown texts and the exact\n"
    "                  values (the shortest text that reads back to the same value, with \".\")\n"
    "  --help          show this help\n"
    "  --version       show the version\n"
    "Write -- before a negative amount, so that it is not taken for an option.\n"
    "\n"
    "Exit status: 0 when the plan is complete; 2 when an amount is no number or the first trade\n"
    "cannot be priced (the message is the one the window shows); 3 when a later trade fails (the\n"
    "trades before it are shown, then the message); 64 for a bad option or a missing argument.\n"
    "\n"
    "Example:\n"
    "  kestrun-plan --losses 5 --bankroll 50 1 95\n";

const std::string_view kVersion = "kestrun-plan " KESTRUN_VERSION "\n";

}  // namespace plan
