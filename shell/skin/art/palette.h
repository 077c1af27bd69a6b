// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The carried skin's colours: an autumn evening, indigo above, rust and amber low down.

#include <QColor>

namespace autumnsky {

inline const QColor kIndigo{0x1a, 0x17, 0x38};
inline const QColor kDusk{0x33, 0x26, 0x55};
inline const QColor kPlum{0x55, 0x2d, 0x55};
inline const QColor kRust{0x7c, 0x36, 0x38};
inline const QColor kEmber{0x9c, 0x4a, 0x2c};
inline const QColor kAmber{0xe0, 0x8a, 0x3c};
inline const QColor kSun{0xff, 0xc8, 0x70};
inline const QColor kFrameDark{0x14, 0x0e, 0x1a};
inline const QColor kFrameBody{0x3b, 0x22, 0x2a};
inline const QColor kFrameLight{0x7a, 0x44, 0x32};
inline const QColor kText{210, 237, 246};  // the skin's FONTCOLOR 16182738

}  // namespace autumnsky
