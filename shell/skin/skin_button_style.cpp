// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_button_style.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QWidget>

#include "shell/skin/model/skin.h"
#include "shell/skin/model/skin_values.h"

namespace kestrun::skin {

SkinButtonStyle::SkinButtonStyle(std::shared_ptr<const Skin> skin, QStyle* base)
    : QProxyStyle(base),
      skin_(std::move(skin)),
      button_(SkinElement::read(*skin_, "BUTTON")),
      hugeMinHeight_(integer_value(skin_->description(), "BUTTON_HUGE", "MINHEIGHT").value_or(0)) {}

void SkinButtonStyle::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    widget->setAttribute(Qt::WA_Hover);  // so that the hot look follows the mouse
}

void SkinButtonStyle::unpolish(QWidget* widget) {
    widget->setAttribute(Qt::WA_Hover, false);
    QProxyStyle::unpolish(widget);
}

Look SkinButtonStyle::lookOf(const QStyleOption& option) {
    if (!(option.state & State_Enabled)) {
        return Look::Disabled;
    }
    if (option.state & (State_Sunken | State_On)) {
        return Look::Pressed;
    }
    if (option.state & State_MouseOver) {
        return Look::Hot;
    }
    return Look::Normal;
}

const SkinElement& SkinButtonStyle::elementFor(int height) const {
    if (hugeMinHeight_ <= 0 || height < hugeMinHeight_) {
        return button_;
    }
    if (!huge_) {
        huge_ = SkinElement::read(*skin_, "BUTTON_HUGE");
    }
    return huge_->hasImage() ? *huge_ : button_;
}

void SkinButtonStyle::drawPlate(const QStyleOption& option, QPainter* painter, const SkinElement& element) const {
    const Look look = lookOf(option);
    if (element.hasImage()) {
        painter->drawPixmap(
            option.rect.topLeft(),
            cache_.nineSlice(
                *element.image, element.rect(look), element.margins, option.rect.size(), true, ratio_of(*painter)));
        if (look == Look::Disabled) {
            painter->fillRect(option.rect, QColor(0, 0, 0, 70));
        }
        return;
    }
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    QColor fill = element.color.isValid() ? element.color : QColor(0x58, 0x32, 0x6a);
    if (look == Look::Hot) {
        fill = fill.lighter(125);
    } else if (look == Look::Pressed) {
        fill = fill.darker(140);
    }
    painter->setPen(fill.darker(200));
    painter->setBrush(fill);
    painter->drawRoundedRect(QRectF(option.rect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    painter->restore();
}

void SkinButtonStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                  const QWidget* widget) const {
    const auto* button = qstyleoption_cast<const QStyleOptionButton*>(option);
    if (element != CE_PushButton || !button) {
        QProxyStyle::drawControl(element, option, painter, widget);
        return;
    }
    const SkinElement& look = elementFor(button->rect.height());
    drawPlate(*button, painter, look);

    QStyleOptionButton label = *button;
    label.rect = subElementRect(SE_PushButtonContents, button, widget);
    const QColor text = look.textColor(lookOf(*button));
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        label.palette.setColor(group, QPalette::ButtonText, text);
        label.palette.setColor(group, QPalette::WindowText, text);
    }
    QProxyStyle::drawControl(CE_PushButtonLabel, &label, painter, widget);

    if (button->state & State_HasFocus) {
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        QColor ring = look.fontColor;
        ring.setAlpha(150);
        painter->setPen(QPen(ring, 1, Qt::DotLine));
        painter->setBrush(Qt::NoBrush);
        painter->drawRoundedRect(QRectF(button->rect).adjusted(3.5, 3.5, -3.5, -3.5), 2, 2);
        painter->restore();
    }
}

}  // namespace kestrun::skin
