// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/icons.h"
#include "shell/shell_log.h"

#include <QFile>
#include <QString>

namespace shell {

namespace {

QIcon fromResources(const char* stem, std::initializer_list<int> sizes) {
    QIcon icon;
    for (int size : sizes) {
        const QString file = QStringLiteral(":/kestrun/icons/%1-%2.png").arg(QLatin1String(stem)).arg(size);
        if (QFile::exists(file))
            icon.addFile(file, QSize(size, size));
        else
            qCWarning(lcShell, "the %dx%d image of the icon \"%s\" is missing from the program", size, size, stem);
    }
    return icon;
}

}  // namespace

QIcon mainIcon() { return fromResources("kestrun", {16, 32, 48, 256}); }

QIcon windowOwnIcon() { return fromResources("window", {16, 32}); }

}  // namespace shell
