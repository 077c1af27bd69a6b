// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Which skin the manager takes: a packed skin file in the skin directory, else a skin folder
// there, else one of the skins carried in the program.

#include <vector>

#include <QString>

namespace kestrun::skin {

struct SkinChoice {
    enum class Source { PackedFile, Folder, Carried, None };
    Source source = Source::None;
    QString path;  // the packed file, or the folder's "Options.dat"
    int carriedIndex = -1;
    QString skinName;  // the manager's skin name once this skin is taken
};

// A name longer than four characters loses a ".asz" ending (in any case).
QString without_package_ending(const QString& name);

// Carried skins are matched by name exactly; when none matches, the first is taken and its name
// becomes the skin name; with none carried, nothing is taken.
SkinChoice choose_skin(const QString& directory, const QString& skinName, const std::vector<QString>& carriedNames);

}  // namespace kestrun::skin
