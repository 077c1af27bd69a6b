// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The look for tall push buttons: three 64 x 128 plates across (normal, hot, pressed).

#include <QPainter>

#include "autumnsky_art.h"
#include "autumnsky_layout.h"
#include "palette.h"

namespace autumnsky {

void draw_button_plate(QPainter& p, const QRectF& r, const QColor& behind, const QColor& top, const QColor& bottom,
                       const QColor& rim, const QColor& shine, double radius);

QImage draw_button_huge() {
    QImage image(kHugeWidth, kHugeHeight, QImage::Format_RGB32);
    image.fill(kRust);
    QPainter p(&image);
    const int w = kHugeWidth / 3;
    draw_button_plate(p,
                      QRectF(0, 0, w, kHugeHeight),
                      kRust,
                      QColor(0x6a, 0x3a, 0x58),
                      QColor(0x3a, 0x20, 0x3a),
                      QColor(0x16, 0x0e, 0x18),
                      QColor(255, 255, 255, 40),
                      10);
    draw_button_plate(p,
                      QRectF(w, 0, w, kHugeHeight),
                      kRust,
                      QColor(0xb0, 0x5a, 0x3a),
                      QColor(0x70, 0x30, 0x2c),
                      kAmber,
                      QColor(255, 230, 190, 70),
                      10);
    draw_button_plate(p,
                      QRectF(2 * w, 0, w, kHugeHeight),
                      kRust,
                      QColor(0x2a, 0x16, 0x28),
                      QColor(0x4a, 0x26, 0x40),
                      QColor(0x10, 0x08, 0x10),
                      QColor(0, 0, 0, 60),
                      10);
    p.end();
    return image;
}

}  // namespace autumnsky
