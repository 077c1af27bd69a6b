// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers for the skin tests: temporary skin directories, packages made with the writer, and a
// watcher that reads and closes any message box that comes up.

#include <cstdint>
#include <string>
#include <vector>

#include <QByteArray>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

#include "shell/skin/package/skin_package.h"
#include "shell/skin/skin_settings.h"

namespace skintest {

using Bytes = std::vector<std::uint8_t>;

// The members of the carried package.
std::vector<kestrun::skin::PackageMember> carried_members();
Bytes carried_member(const std::string& name);

// The carried description with its VERSION changed, so that a test can tell which skin was taken.
std::string description_with_version(const std::string& version);

// A packed skin made of the carried images and `description`.
Bytes package_with(const std::string& description);

void write_file(const QString& path, const Bytes& bytes);
void write_file(const QString& path, const std::string& text);

// The settings the main window's description gives its skin manager, with the skin directory set.
TSkinManagerSettings window_manager_settings(const QString& skinDirectory);

// While it lives, reads the text of every message box that opens and closes it.
class MessageBoxWatcher : public QObject {
public:
    MessageBoxWatcher();
    struct Seen {
        QString caption, text;
        int icon;
    };
    const std::vector<Seen>& seen() const { return seen_; }

private:
    void look();
    QTimer timer_;
    std::vector<Seen> seen_;
};

}  // namespace skintest
