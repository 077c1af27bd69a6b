// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Whether the window can be opened at all, found out before Qt tries: Qt's platform plugins end the
// process with an abort when they cannot reach their display, and the user is better served by one
// plain line and exit status 1.

#include <QString>

namespace shell {

// The Qt platform that the application object will start: the first of QT_QPA_PLATFORM (or of a
// "-platform" argument), otherwise "wayland" in a Wayland session and "xcb" where DISPLAY is set.
QString chosenPlatform(int argc, char** argv);

// Empty when the display of the chosen platform can be reached (or the platform needs none; of a list,
// one is enough); otherwise the line that tells the user which display could not be opened and what
// to do, without the program's name. X11 is asked by a connection of its own ("-display" or DISPLAY),
// Wayland by a connection to the compositor's socket.
QString displayProblem(int argc, char** argv);

// From here until endPlatformStart() (which also lets go of the connection that displayProblem() found
// the X display with), a fatal message of Qt (no platform plugin could start) ends the
// process with one line on standard error and exit status 1 instead of an abort.
void beginPlatformStart(int argc, char** argv);
void endPlatformStart();

}  // namespace shell
