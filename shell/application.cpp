// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/application.h"

#include <cstdlib>
#include <memory>

#include <QStyleFactory>

#include "ledger/series.h"
#include "shell/decimal_point.h"
#include "shell/display_check.h"
#include "shell/end_signals.h"
#include "shell/error_display.h"
#include "shell/fonts.h"
#include "shell/handler_dispatch.h"
#include "shell/icons.h"
#include "shell/main_window.h"
#include "shell/shell_log.h"
#include "shell/startup_failure.h"

TApplication::TApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool TApplication::notify(QObject* receiver, QEvent* event) {
    // Every handler of ours catches its failures at its own boundary (shell/handler_dispatch.h). A
    // failure that gets here has already unwound through Qt's frames: a fault of the program. It is
    // recorded and still shown (once it is over), so that nothing is lost for the user.
    QString message;
    try {
        return QApplication::notify(receiver, event);
    } catch (...) {
        message = shell::currentFailureMessage();
    }
    ++escapedFailures_;
    qCCritical(lcShell, "a failure left the event handling past the handlers' boundary: %s", qPrintable(message));
    shell::showFailure(message);
    return true;
}

bool TApplication::event(QEvent* event) {
    if (event->type() == QEvent::LocaleChange) shell::readDecimalSeparator();
    return QApplication::event(event);
}

namespace shell {

namespace {

bool isSet(const char* name) {
    const char* value = std::getenv(name);
    return value && *value;
}

// The address of the code that caught a start-up failure, for the box that tells of it.
[[gnu::noinline]] const void* catchingCode() { return __builtin_return_address(0); }

QString g_title;

}  // namespace

bool hasDisplay() { return isSet("DISPLAY") || isSet("WAYLAND_DISPLAY") || isSet("QT_QPA_PLATFORM"); }

QString applicationTitle() { return g_title; }

void setUpApplication() {
    QCoreApplication::setApplicationName(QStringLiteral("kestrun"));
    g_title = QString::fromLatin1(kApplicationTitle);
    QGuiApplication::setDesktopFileName(QStringLiteral("kestrun"));
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Fusion")))
        QApplication::setStyle(style);
    else
        qCWarning(lcShell, "the Fusion style is missing; the window keeps the platform's style");
    registerWindowFonts();
    QApplication::setWindowIcon(mainIcon());
}

int run(int& argc, char** argv, const std::function<void(TForm1&)>& beforeLoop) {
    std::unique_ptr<TApplication> application;
    std::unique_ptr<EndOnSignals> endOnSignals;
    std::unique_ptr<TForm1> window;
    bool ended = false;
    try {
        readDecimalSeparator();
        beginPlatformStart(argc, argv);
        application = std::make_unique<TApplication>(argc, argv);
        endPlatformStart();
        setUpApplication();
        // The end signals close the window and end the loop, as the window's close button does; one
        // that comes while the window is still being built (its skin's box open) ends the program
        // before the window is shown.
        endOnSignals = std::make_unique<EndOnSignals>([&window, &ended] {
            ended = true;
            if (window) window->close();
            // Every running loop ends, an open box's own among them; quit() would end only exec()'s.
            QCoreApplication::exit(0);
        });
        window = std::make_unique<TForm1>();
        formSeries().start();
        if (beforeLoop) beforeLoop(*window);
    } catch (...) {
        const FailureDescription failure = describeCurrentException();
        showStartupFailure(startupFailureText(failure.className, locate(catchingCode()), failure.message));
        return 1;
    }
    if (ended) return 0;
    window->show();
    return application->exec();
}

}  // namespace shell
