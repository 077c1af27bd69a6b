// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes given to the package reader give members or a SkinError, nothing else.

#include <cstddef>
#include <cstdint>

#include "shell/skin/package/skin_package.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    try {
        const auto members = kestrun::skin::read_package({data, size});
        std::size_t total = 0;
        for (const auto& member : members) {
            total += member.content.size();
        }
        if (total > kestrun::skin::kMaxPackageBytes) {
            __builtin_trap();
        }
    } catch (const kestrun::skin::SkinError&) {}
    return 0;
}
