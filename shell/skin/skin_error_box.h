// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The message box that tells the user a skin could not be loaded: caption "Error", the failure's
// message, the stop icon and an OK button. The window then shows in its standard look.

#include <QString>

namespace kestrun::skin {

// Shows the box and waits until the user closes it.
void show_skin_error(const QString& message);

}  // namespace kestrun::skin
