// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's start and end, and the one place where the failures of event handling are caught.

#include <functional>

#include <QApplication>

class TForm1;

// The application object. The failures of the window's handlers are caught where the window hands
// an event to a handler (shell/handler_dispatch.h), never in here: notify() only records a failure
// that reached it all the same, as a fault of the program.
class TApplication : public QApplication {
    Q_OBJECT
public:
    TApplication(int& argc, char** argv);
    bool notify(QObject* receiver, QEvent* event) override;
    // How many failures have reached notify() since the start: 0 unless the program is at fault.
    int escapedFailures() const { return escapedFailures_; }

protected:
    bool event(QEvent* event) override;

private:
    int escapedFailures_ = 0;
};

namespace shell {

inline constexpr char kApplicationTitle[] = "Tessaro";

// Gives the application object its names and title, the style, the window's faces and the main icon.
// The title is not Qt's application display name: Qt would append that to the title of every window,
// and the skin's "Error" box must read "Error" alone.
void setUpApplication();

// The application's title, "Tessaro" once set up: the main window's title for the window system
// (taskbar entry, task switcher) and the caption of every error box.
QString applicationTitle();

// Runs the program: start-up, the event loop until the main window is closed, the end. `beforeLoop`
// sees the main window once it is created and the series started, before anything is shown.
// Returns 0 after a normal end, 1 after a failure before the event loop.
int run(int& argc, char** argv, const std::function<void(TForm1&)>& beforeLoop = {});

// Whether the environment names a display (or a Qt platform) to open the window on.
bool hasDisplay();

}  // namespace shell
