// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Memory of the window program over many failing presses: the resident memory of the process after a
// warm-up, then after each further round of failing presses of "Lost" (a zero payout at the start of a
// series), each press shown in its error box and the box closed with OK.
//
//   kestrun_failing_presses_bench [--presses N] [--rounds R]
//
// The presses go through the application's own event dispatch, as a mouse click would. A failure that
// is lost on the way (memory kept by each press) shows as a resident memory that grows from round to
// round; the median growth per press is printed at the end. Runs on the offscreen platform unless
// QT_QPA_PLATFORM says otherwise.

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <QMessageBox>
#include <QTest>

#include "ledger/series.h"
#include "shell/application.h"
#include "shell/decimal_point.h"
#include "shell/main_window.h"

namespace {

long residentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
    return -1;
}

// Closes every message box with OK as soon as it is shown, and counts them.
class BoxCloser : public QObject {
public:
    int closed = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++closed;
                QMetaObject::invokeMethod(box, "accept", Qt::QueuedConnection);
            }
        return false;
    }
};

int option(int argc, char** argv, const char* name, int fallback) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], name) == 0) return std::max(1, std::atoi(argv[i + 1]));
    return fallback;
}

}  // namespace

int main(int argc, char** argv) {
    const int presses = option(argc, argv, "--presses", 1000);
    const int rounds = option(argc, argv, "--rounds", 5);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    shell::readDecimalSeparator();
    TApplication application(argc, argv);
    shell::setUpApplication();
    BoxCloser closer;
    application.installEventFilter(&closer);
    formSeries().start();
    TForm1 form;
    form.show();
    if (!QTest::qWaitForWindowExposed(&form)) std::fputs("bench: the window was not exposed\n", stderr);
    form.pers->setText(QStringLiteral("0_"));

    const auto press = [&](int count) {
        for (int i = 0; i < count; ++i) QTest::mouseClick(form.Button2, Qt::LeftButton);
    };
    press(100);  // fonts, the box's first drawing, caches
    const long before = residentKb();
    std::printf("resident memory after a warm-up of 100 presses: %ld kB\n", before);
    std::vector<double> growth;
    long last = before;
    for (int round = 1; round <= rounds; ++round) {
        press(presses);
        const long now = residentKb();
        std::printf("after %d more failing presses: %ld kB (%+ld kB)\n", presses, now, now - last);
        growth.push_back(static_cast<double>(now - last) * 1024.0 / presses);
        last = now;
    }
    std::sort(growth.begin(), growth.end());
    std::printf(
        "boxes shown: %d; median growth per failing press: %.1f bytes\n", closer.closed, growth[growth.size() / 2]);
    return closer.closed == 100 + presses * rounds ? 0 : 1;
}
