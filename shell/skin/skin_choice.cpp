// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_choice.h"

#include <QDir>
#include <QFileInfo>

#include "shell/skin/model/folder_files.h"
#include "shell/skin/skin_directory.h"

namespace kestrun::skin {

QString without_package_ending(const QString& name) {
    if (name.size() > 4 && name.endsWith(QLatin1String(".asz"), Qt::CaseInsensitive)) {
        return name.left(name.size() - 4);
    }
    return name;
}

SkinChoice choose_skin(const QString& directory, const QString& skinName, const std::vector<QString>& carriedNames) {
    const QString name = without_package_ending(skinName);
    if (!name.isEmpty() && !directory.isEmpty()) {
        const QString packed = in_skin_directory(directory, name + QStringLiteral(".asz"));
        if (QFileInfo(packed).isFile()) {
            return {SkinChoice::Source::PackedFile, packed, -1, name};
        }
        const QDir folder(in_skin_directory(directory, name));
        const QString options = folder.exists() ? find_in_folder(folder, QStringLiteral("Options.dat")) : QString();
        if (!options.isEmpty()) {
            return {SkinChoice::Source::Folder, options, -1, name};
        }
    }
    for (std::size_t i = 0; i < carriedNames.size(); ++i) {
        if (carriedNames[i] == name) {
            return {SkinChoice::Source::Carried, {}, static_cast<int>(i), name};
        }
    }
    if (!carriedNames.empty()) {
        return {SkinChoice::Source::Carried, {}, 0, carriedNames.front()};
    }
    return {};
}

}  // namespace kestrun::skin
