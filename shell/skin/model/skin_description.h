// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The skin description: INI text of sections and "KEY=value" lines. Section and key names are
// compared without regard to case (they are kept in capitals); values stand as written, trimmed.

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kestrun::skin {

class SkinDescription {
public:
    // Throws SkinError naming the first line that is not INI.
    static SkinDescription parse(std::string_view text);

    std::optional<std::string> value(std::string_view section, std::string_view key) const;
    bool hasSection(std::string_view section) const;
    std::size_t sectionCount() const { return sections_.size(); }
    // Every value that names an image file (ending ".BMP" or ".PNG" in any case), as written, once each.
    std::vector<std::string> imageNames() const;

private:
    std::map<std::string, std::map<std::string, std::string>> sections_;
    friend int description_handler(void*, const char*, const char*, const char*);
};

}  // namespace kestrun::skin
