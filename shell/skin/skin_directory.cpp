// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_directory.h"

#include <QDir>
#include <QtGlobal>

namespace kestrun::skin {

QString default_skin_directory() {
#ifdef Q_OS_WIN
    return QStringLiteral("c:\\Skins");
#else
    QString data = qEnvironmentVariable("XDG_DATA_HOME");
    if (data.isEmpty() || !QDir::isAbsolutePath(data)) {
        data = QDir::homePath() + QStringLiteral("/.local/share");
    }
    return data + QStringLiteral("/kestrun/Skins");
#endif
}

QString in_skin_directory(const QString& directory, const QString& rest) {
    const QChar separator = QDir::separator();
    if (directory.endsWith(separator) || directory.endsWith(QLatin1Char('/'))) {
        return directory + rest;
    }
    return directory + separator + rest;
}

}  // namespace kestrun::skin
