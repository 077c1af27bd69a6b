// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's two icons, drawn by shell/icons/make_icons.cpp: the main icon that the
// window system and taskbars show, and the window's own icon in its title bar.

#include <QIcon>

namespace shell {

QIcon mainIcon();
QIcon windowOwnIcon();

}  // namespace shell
