// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/model/skin_values.h"

#include <charconv>
#include <vector>

#include "shell/skin/model/skin_description.h"

namespace kestrun::skin {
namespace {

std::string_view trim_blanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

std::optional<long> parse_long(std::string_view text) {
    text = trim_blanks(text);
    long v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty()) {
        return std::nullopt;
    }
    return v;
}

// Four comma-separated integers within +-65535.
std::optional<std::vector<int>> parse_four(const SkinDescription& d, std::string_view section, std::string_view key) {
    const auto text = d.value(section, key);
    if (!text) {
        return std::nullopt;
    }
    std::vector<int> numbers;
    std::string_view rest = *text;
    for (;;) {
        const std::size_t comma = rest.find(',');
        const auto n = parse_long(rest.substr(0, comma));
        if (!n || *n < -65535 || *n > 65535) {
            return std::nullopt;
        }
        numbers.push_back(static_cast<int>(*n));
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (numbers.size() != 4) {
        return std::nullopt;
    }
    return numbers;
}

}  // namespace

std::optional<int> integer_value(const SkinDescription& d, std::string_view section, std::string_view key) {
    const auto text = d.value(section, key);
    if (!text) {
        return std::nullopt;
    }
    const auto n = parse_long(*text);
    if (!n || *n < -65535 || *n > 65535) {
        return std::nullopt;
    }
    return static_cast<int>(*n);
}

QColor color_from_number(long number) {
    return QColor(int(number & 0xff), int((number >> 8) & 0xff), int((number >> 16) & 0xff));
}

std::optional<QColor> color_value(const SkinDescription& d, std::string_view section, std::string_view key) {
    const auto text = d.value(section, key);
    if (!text) {
        return std::nullopt;
    }
    const auto n = parse_long(*text);
    if (!n || *n < 0 || *n > 0xffffff) {
        return std::nullopt;
    }
    return color_from_number(*n);
}

std::optional<QRect> rect_value(const SkinDescription& d, std::string_view section, std::string_view key) {
    const auto n = parse_four(d, section, key);
    if (!n || (*n)[0] < 0 || (*n)[1] < 0 || (*n)[2] <= 0 || (*n)[3] <= 0) {
        return std::nullopt;
    }
    return QRect((*n)[0], (*n)[1], (*n)[2], (*n)[3]);
}

std::optional<QMargins> margins_value(const SkinDescription& d, std::string_view section, std::string_view key) {
    const auto n = parse_four(d, section, key);
    if (!n || (*n)[0] < 0 || (*n)[1] < 0 || (*n)[2] < 0 || (*n)[3] < 0) {
        return std::nullopt;
    }
    return QMargins((*n)[0], (*n)[1], (*n)[2], (*n)[3]);
}

QString version_text(std::string_view text) {
    text = trim_blanks(text);
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || !(v >= 0)) {
        return {};
    }
    // The digits as written ("7.61", never "7,61"), without any locale in between.
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace kestrun::skin
