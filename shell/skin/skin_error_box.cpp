// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_error_box.h"
#include "shell/skin/model/skin_log.h"

#include <QMessageBox>
#include <QtDebug>

#include "shell/skin/window_hints.h"

namespace kestrun::skin {

void show_skin_error(const QString& message) {
    qCWarning(lcSkin, "the skin could not be loaded (%s); the window shows in its standard look", qPrintable(message));
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Error"), message, QMessageBox::Ok);
    box.setObjectName(QStringLiteral("skinErrorBox"));
    make_owned_box(box, nullptr);
    box.exec();
}

}  // namespace kestrun::skin
