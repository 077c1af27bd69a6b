// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>

#include "shell/application.h"
#include "shell/command_line.h"
#include "shell/display_check.h"

int main(int argc, char** argv) {
    if (const auto status = shell::answerCommandLine(argc, argv, stdout)) return *status;
    if (!shell::hasDisplay()) {
        std::fputs(
            "kestrun: no display: DISPLAY and WAYLAND_DISPLAY are not set; start it in a desktop "
            "session (or under Xvfb, or with QT_QPA_PLATFORM=offscreen)\n",
            stderr);
        return 1;
    }
    if (const QString problem = shell::displayProblem(argc, argv); !problem.isEmpty()) {
        std::fprintf(stderr, "kestrun: %s\n", qPrintable(problem));
        return 1;
    }
    return shell::run(argc, argv);
}
