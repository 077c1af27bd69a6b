// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/model/skin_description.h"

#include <algorithm>
#include <cstring>
#include <set>

#include <ini.h>

#include "shell/skin/package/skin_package.h"

namespace kestrun::skin {
namespace {

struct TextStream {
    std::string_view text;
    std::size_t pos = 0;
};

// Hands inih one line at a time from memory, as fgets would from a file.
char* read_line(char* buffer, int size, void* stream) {
    auto* in = static_cast<TextStream*>(stream);
    if (in->pos >= in->text.size() || size <= 1) {
        return nullptr;
    }
    std::size_t n = 0;
    while (n + 1 < static_cast<std::size_t>(size) && in->pos < in->text.size()) {
        const char c = in->text[in->pos++];
        buffer[n++] = c;
        if (c == '\n') {
            break;
        }
    }
    buffer[n] = '\0';
    return buffer;
}

}  // namespace

int description_handler(void* user, const char* section, const char* name, const char* value) {
    auto* description = static_cast<SkinDescription*>(user);
    description->sections_[upper_ascii(section)][upper_ascii(name)] = value;
    return 1;
}

SkinDescription SkinDescription::parse(std::string_view text) {
    if (text.find('\0') != std::string_view::npos) {
        throw SkinError("Skin description is not text");
    }
    SkinDescription description;
    TextStream stream{text};
    const int rc = ini_parse_stream(read_line, &stream, description_handler, &description);
    if (rc > 0) {
        throw SkinError("Skin description has an error on line " + std::to_string(rc));
    }
    if (rc < 0) {
        throw SkinError("Skin description could not be read");
    }
    return description;
}

std::optional<std::string> SkinDescription::value(std::string_view section, std::string_view key) const {
    const auto s = sections_.find(upper_ascii(std::string(section)));
    if (s == sections_.end()) {
        return std::nullopt;
    }
    const auto k = s->second.find(upper_ascii(std::string(key)));
    if (k == s->second.end()) {
        return std::nullopt;
    }
    return k->second;
}

bool SkinDescription::hasSection(std::string_view section) const {
    return sections_.count(upper_ascii(std::string(section))) != 0;
}

std::vector<std::string> SkinDescription::imageNames() const {
    std::set<std::string> names;
    for (const auto& [section, keys] : sections_) {
        for (const auto& [key, value] : keys) {
            const std::string upper = upper_ascii(value);
            if (upper.size() > 4 && (upper.ends_with(".BMP") || upper.ends_with(".PNG"))) {
                names.insert(value);
            }
        }
    }
    return {names.begin(), names.end()};
}

}  // namespace kestrun::skin
