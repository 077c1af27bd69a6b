// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/model/folder_files.h"

namespace kestrun::skin {

QString find_in_folder(const QDir& folder, const QString& name) {
    if (QFileInfo(folder.filePath(name)).isFile()) {
        return folder.filePath(name);
    }
    for (const QString& entry : folder.entryList(QDir::Files | QDir::Hidden)) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return folder.filePath(entry);
        }
    }
    return {};
}

}  // namespace kestrun::skin
