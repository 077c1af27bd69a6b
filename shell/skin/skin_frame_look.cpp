// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_frame_look.h"

#include <QFontMetrics>

#include "shell/skin/model/skin.h"
#include "shell/skin/model/skin_values.h"

namespace kestrun::skin {
namespace {

constexpr int kTitleButtonLooks = 3;  // normal, hot, pressed, side by side
constexpr int kIconSide = 16;

std::optional<QRect> in_master(const Skin& skin, const std::string& section, const char* key) {
    const auto rect = rect_value(skin.description(), section, key);
    if (!rect || skin.master().isNull() || !skin.master().rect().contains(*rect)) {
        return std::nullopt;
    }
    return rect;
}

}  // namespace

SkinFrameLook::SkinFrameLook(std::shared_ptr<const Skin> skin, const std::string& formSection,
                             const std::string& titleSection)
    : skin_(std::move(skin)) {
    const SkinDescription& d = skin_->description();
    border_ = std::clamp(integer_value(d, "GLOBALINFO", "BORDERWIDTH").value_or(4), 0, 32);
    titleHeight_ = std::clamp(integer_value(d, "GLOBALINFO", "TITLEHEIGHT").value_or(22), 12, 64);
    frame_ = in_master(*skin_, formSection, "FRAME");
    frameMargins_ =
        margins_value(d, formSection, "FRAMEMARGINS").value_or(QMargins(border_, border_, border_, border_));
    client_ = in_master(*skin_, formSection, "CLIENT");
    formColor_ = color_value(d, formSection, "COLOR").value_or(QColor(0x55, 0x2d, 0x55));
    titleActive_ = in_master(*skin_, titleSection, "ACTIVE");
    titleInactive_ = in_master(*skin_, titleSection, "INACTIVE");
    if (!titleInactive_) {
        titleInactive_ = titleActive_;
    }
    titleMargins_ = margins_value(d, titleSection, "MARGINS").value_or(QMargins());
    titleColor_ = color_value(d, titleSection, "COLOR").value_or(formColor_.darker(150));
    captionColor_ = color_value(d, titleSection, "FONTCOLOR").value_or(skin_->fontColor());
    inactiveCaptionColor_ = color_value(d, titleSection, "INACTIVEFONTCOLOR").value_or(captionColor_);
    closeStrip_ = in_master(*skin_, "GLOBALINFO", "BICLOSEALONE");
    if (!closeStrip_) {
        closeStrip_ = in_master(*skin_, "GLOBALINFO", "BICONCLOSE");
    }
    if (closeStrip_ && closeStrip_->width() < kTitleButtonLooks) {
        closeStrip_.reset();
    }
    captionFont_ = QFont(QString::fromStdString(d.value(titleSection, "FONTNAME").value_or("Tahoma")));
    captionFont_.setPixelSize(std::clamp(integer_value(d, titleSection, "FONTSIZE").value_or(11), 6, 48));
    captionFont_.setBold(integer_value(d, titleSection, "FONTBOLD").value_or(1) != 0);
}

QMargins SkinFrameLook::margins() const { return {border_, border_ + titleHeight_, border_, border_}; }

QRect SkinFrameLook::titleRect(QSize windowSize) const {
    return {border_, border_, std::max(0, windowSize.width() - 2 * border_), titleHeight_};
}

QRect SkinFrameLook::titleBarRect(QSize windowSize) const {
    QRect bar = titleRect(windowSize);
    bar.setRight(closeButtonRect(windowSize).left() - 1);
    return bar;
}

QRect SkinFrameLook::closeButtonRect(QSize windowSize) const {
    const QSize side =
        closeStrip_ ? QSize(closeStrip_->width() / kTitleButtonLooks, closeStrip_->height()) : QSize(18, 18);
    const QRect bar = titleRect(windowSize);
    return {bar.right() - 2 - side.width() + 1,
            bar.top() + (bar.height() - side.height()) / 2,
            side.width(),
            side.height()};
}

void SkinFrameLook::paintNonClient(QPainter& painter, const NonClientState& state) const {
    const QRect whole(QPoint(0, 0), state.windowSize);
    if (frame_) {
        painter.drawPixmap(
            0,
            0,
            cache_.nineSlice(skin_->master(), *frame_, frameMargins_, state.windowSize, false, ratio_of(painter)));
    } else {
        const QRegion ring =
            QRegion(whole) - QRegion(whole.marginsRemoved(QMargins(border_, border_, border_, border_)));
        for (const QRect& r : ring) {
            painter.fillRect(r, formColor_.darker(180));
        }
    }
    paintTitle(painter, state);
    paintCloseButton(painter, state);
}

void SkinFrameLook::paintTitle(QPainter& painter, const NonClientState& state) const {
    const QRect bar = titleRect(state.windowSize);
    const std::optional<QRect>& look = state.active ? titleActive_ : titleInactive_;
    if (look && !bar.isEmpty()) {
        painter.drawPixmap(
            bar.topLeft(),
            cache_.nineSlice(skin_->master(), *look, titleMargins_, bar.size(), true, ratio_of(painter)));
    } else {
        painter.fillRect(bar, titleColor_);
    }
    int textLeft = bar.left() + 4;
    if (!state.icon.isNull()) {
        const QRect iconRect(textLeft, bar.top() + (bar.height() - kIconSide) / 2, kIconSide, kIconSide);
        state.icon.paint(&painter, iconRect);
        textLeft = iconRect.right() + 5;
    }
    const QRect textRect(QPoint(textLeft, bar.top()),
                         QPoint(closeButtonRect(state.windowSize).left() - 4, bar.bottom()));
    painter.save();
    painter.setFont(captionFont_);
    painter.setPen(state.active ? captionColor_ : inactiveCaptionColor_);
    const QString caption = QFontMetrics(captionFont_).elidedText(state.caption, Qt::ElideRight, textRect.width());
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
    painter.restore();
}

void SkinFrameLook::paintCloseButton(QPainter& painter, const NonClientState& state) const {
    const QRect button = closeButtonRect(state.windowSize);
    const int look = !state.active                                    ? 0
                     : state.closeButton == CloseButtonState::Hot     ? 1
                     : state.closeButton == CloseButtonState::Pressed ? 2
                                                                      : 0;
    if (closeStrip_) {
        const int w = closeStrip_->width() / kTitleButtonLooks;
        const QRect piece(closeStrip_->left() + look * w, closeStrip_->top(), w, closeStrip_->height());
        painter.drawPixmap(button.topLeft(), cache_.piece(skin_->master(), piece, ratio_of(painter)));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(
        QPen(state.closeButton == CloseButtonState::Normal ? captionColor_ : captionColor_.lighter(130), 1.6));
    const QRectF x = QRectF(button).adjusted(5, 5, -5, -5);
    painter.drawLine(x.topLeft(), x.bottomRight());
    painter.drawLine(x.topRight(), x.bottomLeft());
    painter.restore();
}

void SkinFrameLook::paintClientBackground(QPainter& painter, const QRect& clientRect) const {
    if (client_ && !clientRect.isEmpty()) {
        painter.drawPixmap(clientRect.topLeft(),
                           cache_.cover(skin_->master(), *client_, clientRect.size(), ratio_of(painter)));
    } else {
        painter.fillRect(clientRect, formColor_);
    }
}

}  // namespace kestrun::skin
