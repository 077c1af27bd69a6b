// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The drawings of the carried skin.

#include <QImage>

namespace autumnsky {

QImage draw_master();       // 530 x 200, opaque
QImage draw_button_huge();  // 192 x 128, opaque
QImage draw_ext_border();   // 240 x 120, with alpha; transparent where the window lies

}  // namespace autumnsky
