// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Finding a skin's files in a folder. Skins come from systems whose file names ignore case, and
// their descriptions write names in capitals, so a name is matched without regard to case.

#include <QDir>
#include <QString>

namespace kestrun::skin {

// The path of the file in `folder` named `name` (an exact match first); empty when there is none.
QString find_in_folder(const QDir& folder, const QString& name);

}  // namespace kestrun::skin
