// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window tests share: a main that runs a Qt Test class inside the program's own application
// object on the offscreen platform with a pinned locale, a watchdog for modal boxes, a freshly shown
// main window, and key presses written as a key script (key_script.h) sent where the focus is.

#include <functional>
#include <memory>
#include <string_view>

#include <QMessageBox>
#include <QObject>
#include <QStringList>
#include <QWindow>

#include "shell/main_window.h"

// Every modal box that opens is handed to the handler that the test expects next; a box that no test
// expects is closed at once and recorded, so that a test fails instead of hanging.
class ModalWatchdog : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(QMessageBox&)>;
    static ModalWatchdog& instance();

    void expect(Handler handler);
    // The texts of the boxes that opened although no test expected them; clears the list.
    QStringList takeUnexpected();
    // Handlers still waiting for their box; clears them.
    int takeUnmet();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void handle(QWidget* box);
    std::vector<Handler> expected_;
    QStringList unexpected_;
};

// What a test saw of an error box while it was open.
struct SeenBox {
    bool shown = false;
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QList<QAbstractButton*>::size_type buttons = 0;
    bool okButton = false;
    Qt::WindowModality modality = Qt::NonModal;
    QWindow* transientParent = nullptr;  // the window the box belongs to
};

// Expects one error box, records it and closes it with OK (or runs `whileOpen` first).
void expectErrorBox(SeenBox& seen, std::function<void(QMessageBox&)> whileOpen = {});

// Fails the running test if a box opened that it did not expect, or an expected one never opened, or
// a failure got past the handlers' boundary into the application's own dispatch.
void verifyEveryBoxWasExpected();

// How many failures reached TApplication::notify() since the test program started.
int escapedFailures();

// A main window shown and active, with the series at its start.
std::unique_ptr<TForm1> showForm();

// Sends the keys of a key script, each to the widget that has the focus at that moment.
void pressKeys(std::string_view script);

// Clicks a button as the mouse would.
void clickButton(QWidget* button);

int runGuiTest(QObject& test, int argc, char** argv);

#define KESTRUN_GUI_TEST_MAIN(TestClass)     \
    int main(int argc, char** argv) {        \
        TestClass test;                      \
        return runGuiTest(test, argc, argv); \
    }
