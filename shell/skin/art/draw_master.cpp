// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The master image: the evening sky behind the window's controls, the frame, the title bar, the
// title-bar buttons and the push buttons.

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

#include "autumnsky_art.h"
#include "autumnsky_layout.h"
#include "palette.h"

namespace autumnsky {
namespace {

void draw_sky(QPainter& p, const QRect& r) {
    QLinearGradient sky(r.topLeft(), r.bottomLeft());
    sky.setColorAt(0.00, kIndigo);
    sky.setColorAt(0.35, kDusk);
    sky.setColorAt(0.62, kPlum);
    sky.setColorAt(0.84, kRust);
    sky.setColorAt(1.00, kEmber);
    p.fillRect(r, sky);

    // The low sun, just below the horizon on the right, warming the lower sky.
    QRadialGradient glow(QPointF(r.left() + 150, r.bottom() + 12), 120);
    glow.setColorAt(0.0, QColor(kSun.red(), kSun.green(), kSun.blue(), 170));
    glow.setColorAt(0.25, QColor(kAmber.red(), kAmber.green(), kAmber.blue(), 110));
    glow.setColorAt(1.0, QColor(kAmber.red(), kAmber.green(), kAmber.blue(), 0));
    p.fillRect(r, glow);

    // Thin streaks of cloud lit from below.
    p.setRenderHint(QPainter::Antialiasing);
    const struct {
        double y, x, w, h;
        int alpha;
    } clouds[] = {
        {112, 10, 120, 3, 60},
        {124, 70, 125, 2.5, 70},
        {138, 0, 90, 3, 55},
        {151, 100, 100, 2, 80},
        {70, 120, 70, 2, 28},
    };
    for (const auto& c : clouds) {
        QLinearGradient streak(QPointF(r.left() + c.x, 0), QPointF(r.left() + c.x + c.w, 0));
        streak.setColorAt(0.0, QColor(0xf0, 0x90, 0x70, 0));
        streak.setColorAt(0.5, QColor(0xf0, 0x90, 0x70, c.alpha));
        streak.setColorAt(1.0, QColor(0xf0, 0x90, 0x70, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(streak);
        p.drawRoundedRect(QRectF(r.left() + c.x, r.top() + c.y, c.w, c.h), c.h / 2, c.h / 2);
    }

    // The first stars in the indigo.
    QRandomGenerator stars(1761);
    for (int i = 0; i < 34; ++i) {
        const double x = r.left() + stars.bounded(r.width());
        const double y = r.top() + stars.bounded(80.0) * stars.bounded(1.0);
        const int alpha = 70 + stars.bounded(110);
        p.setBrush(QColor(0xe8, 0xee, 0xff, alpha));
        const double s = 0.5 + stars.bounded(0.9);
        p.drawEllipse(QPointF(x, y), s, s);
    }

    // Hills on the horizon, with a few bare autumn trees.
    QPainterPath hills;
    hills.moveTo(r.left(), r.bottom() + 1);
    hills.lineTo(r.left(), r.bottom() - 8);
    hills.cubicTo(r.left() + 40, r.bottom() - 16, r.left() + 70, r.bottom() - 4, r.left() + 110, r.bottom() - 9);
    hills.cubicTo(r.left() + 150, r.bottom() - 14, r.left() + 175, r.bottom() - 5, r.right() + 1, r.bottom() - 10);
    hills.lineTo(r.right() + 1, r.bottom() + 1);
    hills.closeSubpath();
    p.setBrush(QColor(0x24, 0x12, 0x1a));
    p.drawPath(hills);
    p.setPen(QPen(QColor(0x24, 0x12, 0x1a), 1.2));
    for (const double x : {22.0, 31.0, 166.0}) {
        const double base = r.bottom() - 11;
        p.drawLine(QPointF(x, base + 3), QPointF(x, base - 9));
        p.drawLine(QPointF(x, base - 4), QPointF(x - 3, base - 8));
        p.drawLine(QPointF(x, base - 6), QPointF(x + 3, base - 10));
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

void draw_frame(QPainter& p, const QRect& r) {
    p.fillRect(r, kFrameBody);
    p.setPen(kFrameDark);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(kFrameLight);
    p.drawRect(r.adjusted(1, 1, -2, -2));
    p.setPen(QColor(0x2a, 0x18, 0x20));
    p.drawRect(r.adjusted(3, 3, -4, -4));
    // The centre is never drawn: the title bar and the client area cover it.
    p.fillRect(r.adjusted(4, 4, -4, -4), kFrameDark);
}

void draw_title(QPainter& p, const QRect& r, bool active) {
    QLinearGradient bar(r.topLeft(), r.bottomLeft());
    bar.setColorAt(0.0, active ? QColor(0x4a, 0x2a, 0x3e) : QColor(0x36, 0x2c, 0x36));
    bar.setColorAt(0.55, active ? QColor(0x33, 0x1c, 0x30) : QColor(0x2a, 0x22, 0x2a));
    bar.setColorAt(1.0, active ? QColor(0x26, 0x14, 0x24) : QColor(0x22, 0x1c, 0x22));
    p.fillRect(r, bar);
    // An amber rim along the bottom, like the last light on the horizon.
    p.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), active ? kAmber : QColor(0x70, 0x58, 0x50));
    p.fillRect(QRect(r.left(), r.bottom() - 1, r.width(), 1), active ? kEmber : QColor(0x48, 0x3a, 0x3a));
    // Rounded-off ends.
    p.fillRect(QRect(r.left(), r.top(), 1, r.height()), kFrameDark);
    p.fillRect(QRect(r.right(), r.top(), 1, r.height()), kFrameDark);
}

enum class Glyph { Close, Max, Min, Norm, Help };

void draw_glyph(QPainter& p, const QRectF& box, Glyph glyph, const QColor& ink) {
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    const QRectF g = box.adjusted(5.5, 5.5, -5.5, -5.5);
    switch (glyph) {
    case Glyph::Close:
        p.drawLine(g.topLeft(), g.bottomRight());
        p.drawLine(g.topRight(), g.bottomLeft());
        break;
    case Glyph::Max:
        p.drawRect(g);
        break;
    case Glyph::Min:
        p.drawLine(QPointF(g.left(), g.bottom()), g.bottomRight());
        break;
    case Glyph::Norm:
        p.drawRect(g.adjusted(0, 2, -2, 0));
        p.drawLine(QPointF(g.left() + 2, g.top()), g.topRight());
        break;
    case Glyph::Help:
        p.drawArc(g.adjusted(1, 0, -1, -3), 0, 180 * 16);
        p.drawLine(QPointF(g.center().x(), g.center().y()), QPointF(g.center().x(), g.bottom() - 2));
        p.drawPoint(QPointF(g.center().x(), g.bottom()));
        break;
    }
}

void draw_title_buttons(QPainter& p, const QImage& titleBar, const QRect& strip, Glyph glyph, bool alone) {
    p.setRenderHint(QPainter::Antialiasing);
    const QColor fills[] = {QColor(0x3c, 0x22, 0x34),
                            alone ? QColor(0xc4, 0x4c, 0x2a) : QColor(0x8a, 0x4a, 0x3a),
                            QColor(0x6a, 0x22, 0x18)};
    const QColor inks[] = {kText, QColor(0xff, 0xf6, 0xe8), QColor(0xe8, 0xc8, 0xb8)};
    for (int state = 0; state < 3; ++state) {
        const QRectF box(strip.left() + state * kTitleButtonSide, strip.top(), kTitleButtonSide, kTitleButtonSide);
        // The title bar behind the rounded button, so that it sits on the bar seamlessly.
        p.drawImage(box.topLeft(), titleBar);
        p.setPen(QPen(state == 1 ? kAmber : QColor(0x1a, 0x10, 0x18), 1));
        p.setBrush(fills[state]);
        p.drawRoundedRect(box.adjusted(0.5, 0.5, -0.5, -0.5), 4, 4);
        draw_glyph(p, state == 2 ? box.translated(0.5, 0.5) : box, glyph, inks[state]);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
}

}  // namespace

// A push button's look: a rounded plate with a bevel; `top` and `bottom` are its gradient.
// `behind` shows at the rounded corners.
void draw_button_plate(QPainter& p, const QRectF& r, const QColor& behind, const QColor& top, const QColor& bottom,
                       const QColor& rim, const QColor& shine, double radius) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(r, behind);
    QLinearGradient body(r.topLeft(), r.bottomLeft());
    body.setColorAt(0.0, top);
    body.setColorAt(1.0, bottom);
    p.setPen(QPen(rim, 1));
    p.setBrush(body);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
    p.setPen(QPen(shine, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(r.adjusted(1.5, 1.5, -1.5, -1.5), radius - 1, radius - 1);
    p.setRenderHint(QPainter::Antialiasing, false);
}

QImage draw_master() {
    QImage image(kMasterWidth, kMasterHeight, QImage::Format_RGB32);
    image.fill(kFrameDark);
    QPainter p(&image);
    draw_sky(p, kSky);
    draw_frame(p, kFrame);
    draw_title(p, kTitleActive, true);
    draw_title(p, kTitleInactive, false);
    // The title bar's middle, where the buttons sit (they are centred in its height).
    const int inset = (kTitleActive.height() - kTitleButtonSide) / 2;
    const QImage bar =
        image.copy(kTitleActive.left() + 20, kTitleActive.top() + inset, kTitleButtonSide, kTitleButtonSide);
    draw_title_buttons(p, bar, kCloseAlone, Glyph::Close, true);
    draw_title_buttons(p, bar, kIconClose, Glyph::Close, false);
    draw_title_buttons(p, bar, kIconMax, Glyph::Max, false);
    draw_title_buttons(p, bar, kIconMin, Glyph::Min, false);
    draw_title_buttons(p, bar, kIconNorm, Glyph::Norm, false);
    draw_title_buttons(p, bar, kIconHelp, Glyph::Help, false);
    // The push buttons stand low in the window, on the rust of the sky.
    const QColor behind = image.pixelColor(kSky.left() + 100, kSky.top() + 160);
    draw_button_plate(p,
                      kButtonNormal,
                      behind,
                      QColor(0x6a, 0x3a, 0x58),
                      QColor(0x3a, 0x20, 0x3a),
                      QColor(0x16, 0x0e, 0x18),
                      QColor(255, 255, 255, 40),
                      4);
    draw_button_plate(p,
                      kButtonHot,
                      behind,
                      QColor(0xb0, 0x5a, 0x3a),
                      QColor(0x70, 0x30, 0x2c),
                      kAmber,
                      QColor(255, 230, 190, 70),
                      4);
    draw_button_plate(p,
                      kButtonPressed,
                      behind,
                      QColor(0x2a, 0x16, 0x28),
                      QColor(0x4a, 0x26, 0x40),
                      QColor(0x10, 0x08, 0x10),
                      QColor(0, 0, 0, 60),
                      4);
    p.end();
    return image;
}

}  // namespace autumnsky
