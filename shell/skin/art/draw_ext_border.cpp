// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The extended border: a soft shadow below the window and an amber glow around its edge, fading
// out over kExtMargin pixels. The window's own area is fully transparent.

#include <algorithm>
#include <cmath>

#include "autumnsky_art.h"
#include "autumnsky_layout.h"

namespace autumnsky {
namespace {

// Distance from (x, y) to the rectangle, 0 inside it.
double distance_to(const QRectF& r, double x, double y) {
    const double dx = std::max({r.left() - x, 0.0, x - r.right()});
    const double dy = std::max({r.top() - y, 0.0, y - r.bottom()});
    return std::hypot(dx, dy);
}

}  // namespace

QImage draw_ext_border() {
    QImage image(kExtWidth, kExtHeight, QImage::Format_ARGB32);
    const QRectF window(kExtMargin, kExtMargin, kExtWidth - 2 * kExtMargin, kExtHeight - 2 * kExtMargin);
    const QRectF shadow = window.translated(0, 4);
    for (int y = 0; y < kExtHeight; ++y) {
        for (int x = 0; x < kExtWidth; ++x) {
            const double cx = x + 0.5, cy = y + 0.5;
            if (window.contains(cx, cy)) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const double ds = distance_to(shadow, cx, cy) / kExtMargin;
            const double dg = distance_to(window, cx, cy) / (kExtMargin * 0.45);
            const double shade = ds < 1 ? 0.55 * std::pow(1 - ds, 2.2) : 0.0;
            const double glow = dg < 1 ? 0.45 * std::pow(1 - dg, 2.0) : 0.0;
            // Glow over shadow: amber (224, 138, 60) over black.
            const double a = glow + shade * (1 - glow);
            if (a <= 0) {
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
                continue;
            }
            const auto channel = [&](double c) { return static_cast<int>(std::lround(c * glow / a)); };
            image.setPixel(
                x, y, qRgba(channel(224), channel(138), channel(60), static_cast<int>(std::lround(a * 255))));
        }
    }
    return image;
}

}  // namespace autumnsky
