// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// When the window gets an extended border: a translucent window of its own placed around the main
// window. That needs a platform on which a program places its windows itself (X11; not Wayland, where
// the compositor alone places them) and a compositing manager, which on X11 is the owner of the
// selection _NET_WM_CM_S<screen>.

#include <QByteArray>
#include <QString>

namespace kestrun::skin {

struct ExtendedBorderConditions {
    bool extendedBorders = false;    // the manager's ExtendedBorders
    bool allowExtBorders = false;    // the provider's AllowExtBorders
    bool drawNonClientArea = false;  // the provider's DrawNonClientArea
    bool topLevel = false;
    bool maximized = false;
    bool compositing = false;  // translucent windows are shown as such
    bool hasImage = false;     // the skin has a readable extended-border image
};

bool wants_extended_border(const ExtendedBorderConditions& conditions);

// The screen number of an X11 display name (":0" is 0, "host:1.2" is 2).
int x11_screen_number(const QByteArray& displayName);

// Whether a compositing manager runs on the application's X11 display; false on any other platform.
bool compositing_manager_running();

// Whether the Qt platform `platformName` lets a program place one window around another.
bool platform_places_windows(const QString& platformName);

// Why the application's platform shows no extended border, or nothing when it can show one.
const char* why_no_extended_border();

}  // namespace kestrun::skin
