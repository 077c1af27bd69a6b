// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/standard_frame_look.h"

#include <qdrawutil.h>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QPalette>

#include "shell/fonts.h"

namespace {

constexpr QSize kCloseButtonSize{16, 14};
constexpr int kIconSize = 16;
constexpr int kGap = 3;  // between the parts of the title bar

}  // namespace

QMargins StandardFrameLook::margins() const { return {kBorder, kBorder + kTitleHeight, kBorder, kBorder}; }

QRect StandardFrameLook::titleRect(QSize windowSize) const {
    return {kBorder, kBorder, windowSize.width() - 2 * kBorder, kTitleHeight - 1};
}

QRect StandardFrameLook::closeButtonRect(QSize windowSize) const {
    const QRect title = titleRect(windowSize);
    const int top = title.top() + (title.height() - kCloseButtonSize.height()) / 2;
    return {
        title.right() - kGap + 1 - kCloseButtonSize.width(), top, kCloseButtonSize.width(), kCloseButtonSize.height()};
}

QRect StandardFrameLook::titleBarRect(QSize windowSize) const {
    QRect title = titleRect(windowSize);
    title.setRight(closeButtonRect(windowSize).left() - 1);
    return title;
}

void StandardFrameLook::paintNonClient(QPainter& painter, const NonClientState& state) const {
    const QPalette palette = QGuiApplication::palette();
    const QRect whole(QPoint(0, 0), state.windowSize);
    qDrawWinPanel(&painter, whole, palette, false, &palette.brush(QPalette::Button));

    const QRect title = titleRect(state.windowSize);
    QLinearGradient fill(title.topLeft(), title.topRight());
    const QColor from = state.active ? palette.color(QPalette::Highlight) : palette.color(QPalette::Dark);
    fill.setColorAt(0, from);
    fill.setColorAt(1, from.lighter(state.active ? 160 : 130));
    painter.fillRect(title, fill);

    const QRect iconRect(title.left() + 2, title.top() + (title.height() - kIconSize) / 2, kIconSize, kIconSize);
    state.icon.paint(&painter, iconRect);

    const QRect close = closeButtonRect(state.windowSize);
    QRect text(
        iconRect.right() + 1 + kGap, title.top(), close.left() - kGap - iconRect.right() - 1 - kGap, title.height());
    painter.setFont(shell::msSansSerif(11, true));
    painter.setPen(state.active ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::Light));
    painter.drawText(text,
                     Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(state.caption, Qt::ElideRight, text.width()));

    paintCloseButton(painter, close, state.closeButton);
}

void StandardFrameLook::paintCloseButton(QPainter& painter, const QRect& r, CloseButtonState state) const {
    const QPalette palette = QGuiApplication::palette();
    const bool pressed = state == CloseButtonState::Pressed;
    const QBrush face = state == CloseButtonState::Hot ? QBrush(palette.color(QPalette::Button).lighter(112))
                                                       : palette.brush(QPalette::Button);
    qDrawWinButton(&painter, r, palette, pressed, &face);

    // The cross, one pixel lower and to the right while pressed.
    const int shift = pressed ? 1 : 0;
    const QRect glyph(r.left() + 4 + shift, r.top() + 3 + shift, 7, 7);
    QPen pen(palette.color(QPalette::ButtonText), 2, Qt::SolidLine, Qt::FlatCap);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(pen);
    painter.drawLine(glyph.topLeft(), glyph.bottomRight());
    painter.drawLine(glyph.topRight(), glyph.bottomLeft());
    painter.restore();
}

void StandardFrameLook::paintClientBackground(QPainter& painter, const QRect& clientRect) const {
    painter.fillRect(clientRect, QGuiApplication::palette().brush(QPalette::Button));
}
