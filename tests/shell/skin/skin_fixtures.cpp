// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "skin_fixtures.h"

#include <QApplication>
#include <QFile>
#include <QMessageBox>

#include "shell/skin/carried_skins.h"

namespace skintest {

std::vector<kestrun::skin::PackageMember> carried_members() {
    const QByteArray data = kestrun::skin::carried_autumnsky().Data;
    return kestrun::skin::read_package(
        {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())});
}

Bytes carried_member(const std::string& name) {
    for (auto& member : carried_members()) {
        if (member.name == name) {
            return member.content;
        }
    }
    return {};
}

std::string description_with_version(const std::string& version) {
    const Bytes options = carried_member("Options.dat");
    std::string text(options.begin(), options.end());
    const std::string key = "VERSION=7.61";
    text.replace(text.find(key), key.size(), "VERSION=" + version);
    return text;
}

Bytes package_with(const std::string& description) {
    std::vector<kestrun::skin::PackageMember> members = carried_members();
    members[0].content.assign(description.begin(), description.end());
    return kestrun::skin::write_package(members);
}

void write_file(const QString& path, const Bytes& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size()));
}

void write_file(const QString& path, const std::string& text) { write_file(path, Bytes(text.begin(), text.end())); }

TSkinManagerSettings window_manager_settings(const QString& skinDirectory) {
    TSkinManagerSettings s;
    s.ExtendedBorders = true;
    s.InternalSkins = {kestrun::skin::carried_autumnsky()};
    s.SkinDirectory = skinDirectory;
    s.SkinName = QStringLiteral("autumnsky");
    s.SkinInfo = QStringLiteral("7.61");
    return s;
}

MessageBoxWatcher::MessageBoxWatcher() {
    timer_.setInterval(0);
    QObject::connect(&timer_, &QTimer::timeout, this, [this] { look(); });
    timer_.start();
}

void MessageBoxWatcher::look() {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        auto* box = qobject_cast<QMessageBox*>(widget);
        if (box && box->isVisible()) {
            seen_.push_back({box->windowTitle(), box->text(), static_cast<int>(box->icon())});
            box->accept();
        }
    }
}

}  // namespace skintest
