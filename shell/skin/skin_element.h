// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// One kind of element as a skin section describes it: the image its looks are cut from, the
// rectangles of its normal, hot (mouse over) and pressed looks, the margins that keep their size,
// and its colours. Anything the section leaves out falls back to the skin's text colour or to
// nothing.

#include <optional>
#include <string>

#include <QColor>
#include <QImage>
#include <QMargins>
#include <QRect>

namespace kestrun::skin {

class Skin;

enum class Look { Normal, Hot, Pressed, Disabled };

struct SkinElement {
    const QImage* image = nullptr;  // null or a null image: drawn in plain colours
    std::optional<QRect> normal, hot, pressed;
    QMargins margins;
    QColor color;  // the plain colour
    QColor fontColor, hotFontColor, pressedFontColor, disabledFontColor;
    int minHeight = 0;

    static SkinElement read(const Skin& skin, const std::string& section);

    bool hasImage() const { return image && !image->isNull() && normal; }
    // The look's rectangle inside the image; the normal look where the section gives no other.
    QRect rect(Look look) const;
    QColor textColor(Look look) const;
};

}  // namespace kestrun::skin
