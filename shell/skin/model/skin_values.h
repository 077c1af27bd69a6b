// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Typed values of a skin description. Colours are decimal numbers with red in the low byte, green
// in the second and blue in the third; rectangles are "left,top,width,height" and margins
// "left,top,right,bottom", in pixels. A value that is missing or malformed gives nothing.

#include <optional>
#include <string>
#include <string_view>

#include <QColor>
#include <QMargins>
#include <QRect>
#include <QString>

namespace kestrun::skin {

class SkinDescription;

std::optional<int> integer_value(const SkinDescription& d, std::string_view section, std::string_view key);
std::optional<QColor> color_value(const SkinDescription& d, std::string_view section, std::string_view key);
std::optional<QRect> rect_value(const SkinDescription& d, std::string_view section, std::string_view key);
std::optional<QMargins> margins_value(const SkinDescription& d, std::string_view section, std::string_view key);

// A colour in the description's form: 0x00BBGGRR as a decimal number.
QColor color_from_number(long number);

// A version number such as "7.61", always read with "." as the decimal separator; empty when the
// text is no number.
QString version_text(std::string_view text);

}  // namespace kestrun::skin
