// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/command_line.h"

#include <cstring>

namespace shell {

namespace {

constexpr char kUsage[] =
    "Usage: kestrun [--help | --version] [Qt options]\n"
    "\n"
    "A stake calculator for a series of fixed-payout trades: type the first amount and the payout,\n"
    "press Lost after each losing trade to read the next stake, Win/Reset after a win.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  --version      print the version and exit\n"
    "Other options go to Qt (for example -platform xcb, -display :1).\n"
    "\n"
    "Skin directory: $XDG_DATA_HOME/kestrun/Skins (by default ~/.local/share/kestrun/Skins); a packed\n"
    "skin autumnsky.asz or a folder autumnsky/ there replaces the built-in skin.\n"
    "\n"
    "Environment: DISPLAY or WAYLAND_DISPLAY (the display to open), QT_QPA_PLATFORM (the Qt platform),\n"
    "LC_ALL, LC_NUMERIC, LANG (the decimal separator), XDG_DATA_HOME (the skin directory).\n"
    "\n"
    "SIGTERM, SIGINT and SIGHUP close the window as its close button does; nothing is saved.\n"
    "\n"
    "Exit status: 0 after the window is closed (also by a signal), or after --help or --version;\n"
    "1 when there is no display, the display cannot be opened, or the window cannot be created.\n";

// 0 when everything reached `out`, 1 when it could not be written (a full disk, a closed pipe).
int written(std::FILE* out) { return std::fflush(out) == 0 && !std::ferror(out) ? 0 : 1; }

}  // namespace

std::optional<int> answerCommandLine(int argc, char** argv, std::FILE* out) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(kUsage, out);
            return written(out);
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::fputs("kestrun " KESTRUN_VERSION "\n", out);
            return written(out);
        }
    }
    return std::nullopt;
}

}  // namespace shell
