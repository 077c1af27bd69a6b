// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_settings.h"

bool names_class(const QString& list, const QString& className) {
    for (QString line : list.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (line == className) {
            return true;
        }
    }
    return false;
}
