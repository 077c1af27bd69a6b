// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_element.h"

#include "shell/skin/model/skin.h"
#include "shell/skin/model/skin_values.h"

namespace kestrun::skin {
namespace {

// A rectangle that lies wholly inside the image, or nothing.
std::optional<QRect> inside(const QImage* image, std::optional<QRect> rect) {
    if (!rect || !image || !image->rect().contains(*rect)) {
        return std::nullopt;
    }
    return rect;
}

}  // namespace

SkinElement SkinElement::read(const Skin& skin, const std::string& section) {
    const SkinDescription& d = skin.description();
    SkinElement e;
    const auto imageName = d.value(section, "IMAGE");
    e.image = imageName ? &skin.image(*imageName) : &skin.master();
    if (!e.image->isNull()) {
        e.normal = inside(e.image, rect_value(d, section, "NORMAL"));
        e.hot = inside(e.image, rect_value(d, section, "HOT"));
        e.pressed = inside(e.image, rect_value(d, section, "PRESSED"));
    }
    e.margins = margins_value(d, section, "MARGINS").value_or(QMargins());
    e.color = color_value(d, section, "COLOR").value_or(QColor());
    e.fontColor = color_value(d, section, "FONTCOLOR").value_or(skin.fontColor());
    e.hotFontColor = color_value(d, section, "HOTFONTCOLOR").value_or(e.fontColor);
    e.pressedFontColor = color_value(d, section, "PRESSEDFONTCOLOR").value_or(e.fontColor);
    e.disabledFontColor = color_value(d, section, "DISABLEDFONTCOLOR").value_or(e.fontColor);
    e.minHeight = integer_value(d, section, "MINHEIGHT").value_or(0);
    return e;
}

QRect SkinElement::rect(Look look) const {
    if (look == Look::Hot && hot) {
        return *hot;
    }
    if (look == Look::Pressed && pressed) {
        return *pressed;
    }
    return normal.value_or(QRect());
}

QColor SkinElement::textColor(Look look) const {
    switch (look) {
    case Look::Hot:
        return hotFontColor;
    case Look::Pressed:
        return pressedFontColor;
    case Look::Disabled:
        return disabledFontColor;
    case Look::Normal:
        break;
    }
    return fontColor;
}

}  // namespace kestrun::skin
