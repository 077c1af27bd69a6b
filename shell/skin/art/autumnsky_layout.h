// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the elements of the carried skin sit in its images. Options.ini gives the same rectangles.

#include <QRect>

namespace autumnsky {

inline constexpr int kMasterWidth = 530, kMasterHeight = 200;
inline constexpr QRect kSky{0, 0, 200, 200};            // FORM CLIENT
inline constexpr QRect kFrame{200, 0, 48, 48};          // FORM FRAME, 4-pixel margins
inline constexpr QRect kTitleActive{200, 50, 130, 22};  // FORMTITLE ACTIVE
inline constexpr QRect kTitleInactive{200, 74, 130, 22};
inline constexpr int kTitleButtonSide = 18;           // title-bar buttons: normal, hot, pressed across
inline constexpr QRect kCloseAlone{336, 50, 54, 18};  // GLOBALINFO BICLOSEALONE
inline constexpr QRect kIconClose{336, 70, 54, 18};   // GLOBALINFO BICONCLOSE
inline constexpr QRect kIconMax{336, 90, 54, 18};
inline constexpr QRect kIconMin{336, 110, 54, 18};
inline constexpr QRect kIconNorm{336, 130, 54, 18};
inline constexpr QRect kIconHelp{336, 150, 54, 18};
inline constexpr QRect kButtonNormal{400, 0, 40, 28};  // BUTTON, 6-pixel margins
inline constexpr QRect kButtonHot{440, 0, 40, 28};
inline constexpr QRect kButtonPressed{480, 0, 40, 28};

inline constexpr int kHugeWidth = 192, kHugeHeight = 128;  // BtnHuge.bmp: three 64 x 128 looks across
inline constexpr int kExtWidth = 240, kExtHeight = 120;    // ExtBord.png
inline constexpr int kExtMargin = 20;                      // glow beyond the window, and slice margins

}  // namespace autumnsky
