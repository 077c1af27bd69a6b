// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where skins are looked for, and the names of the files a skin may be kept in there.

#include <QString>

namespace kestrun::skin {

// "c:\Skins" on Windows. Elsewhere a drive path means nothing, so the user's data directory:
// $XDG_DATA_HOME/kestrun/Skins, or ~/.local/share/kestrun/Skins when XDG_DATA_HOME is unset or
// not absolute.
QString default_skin_directory();

// The directory with its separator appended (unless it already ends in one), then `rest`.
QString in_skin_directory(const QString& directory, const QString& rest);

}  // namespace kestrun::skin
