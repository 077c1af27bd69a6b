// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The skins carried inside the program.

#include "shell/skin/skin_settings.h"

namespace kestrun::skin {

// "autumnsky (internal)": the package embedded in the program at build time; it is never read
// from disk.
TStoredSkin carried_autumnsky();

}  // namespace kestrun::skin
