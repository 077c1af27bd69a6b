// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's faces: "MS Sans Serif" and "Tahoma", taken from Debian's fonts-wine where it is
// installed. Sizes are character heights in pixels.

#include <QFont>

namespace shell {

// Registers the faces with the application; call once after the application object exists.
// A missing face is reported with a warning and stood in for by a DejaVu face. When a screen is scaled
// (a device pixel ratio other than 1), faces without outlines are stood in for by scalable ones.
void registerWindowFonts();

QFont msSansSerif(int pixels, bool bold = false);
QFont tahoma(int pixels, bool bold = false);

// "MS Sans Serif", 11 pixels, regular: the group boxes and both edit fields.
inline QFont windowFont() { return msSansSerif(11); }

}  // namespace shell
