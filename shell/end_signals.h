// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// SIGTERM, SIGINT and SIGHUP end the program as closing its window does. The signal handler only
// writes one byte into a pipe of its own; the event loop reads it and runs the ending there.

#include <functional>

#include <QObject>

class QSocketNotifier;

namespace shell {

class EndOnSignals : public QObject {
    Q_OBJECT
public:
    // `end` runs on the event loop's thread, once for each signal that arrives.
    explicit EndOnSignals(std::function<void()> end, QObject* parent = nullptr);
    ~EndOnSignals() override;

    // Whether the handlers are in place (false when the pipe could not be made).
    bool installed() const { return notifier_ != nullptr; }

private:
    void readSignal() noexcept;

    std::function<void()> end_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace shell
