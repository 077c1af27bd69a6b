// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the window's own dispatch hands an event to one of its handlers. It plays the part of a window
// procedure: every failure that leaves a handler ends here and goes to the error display, and the
// event loop goes on.
//
// Rule of the code: no exception of this program ever passes through a frame of Qt. Qt is built
// without exception support, so a failure that unwound through its frames would skip its clean-up.
// Every handler that can fail is therefore connected through connectHandler(); the handlers themselves
// catch nothing. TApplication::notify() records any failure that reaches it anyway as a fault.

#include <QObject>
#include <QString>

#include "shell/error_display.h"

namespace shell {

// The message of the exception being handled; call only inside a catch block.
QString currentFailureMessage() noexcept;

// Runs `handler`; a failure that leaves it is shown by the error display once the failure itself is
// over, so that no exception is in flight while the box's own event loop runs.
template <typename Handler>
void runHandler(Handler&& handler) noexcept {
    QString message;
    bool failed = false;
    try {
        handler();
    } catch (...) {
        failed = true;
        message = currentFailureMessage();
    }
    if (failed) showFailure(message);
}

// Connects a signal of `sender` to a handler of `receiver` (a member without arguments) through the
// boundary above.
template <typename Sender, typename Signal, typename Receiver>
QMetaObject::Connection connectHandler(Sender* sender, Signal signal, Receiver* receiver, void (Receiver::*handler)()) {
    return QObject::connect(sender, signal, receiver, [receiver, handler]() noexcept {
        runHandler([receiver, handler] { (receiver->*handler)(); });
    });
}

}  // namespace shell
