// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/package/skin_package.h"

#include <algorithm>
#include <utility>

namespace kestrun::skin {

std::string upper_ascii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](char c) {
        return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
    });
    return text;
}

const PackageMember* find_member(const std::vector<PackageMember>& members, const std::string& upperName) {
    for (const PackageMember& member : members) {
        if (upper_ascii(member.name) == upperName) {
            return &member;
        }
    }
    return nullptr;
}

PackageMember* find_member(std::vector<PackageMember>& members, const std::string& upperName) {
    return const_cast<PackageMember*>(find_member(std::as_const(members), upperName));
}

}  // namespace kestrun::skin
