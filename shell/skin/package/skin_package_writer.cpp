// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writing a skin package: used by the build to pack the carried skin and by tests to make packages.

#include "shell/skin/package/skin_package.h"

#include <zlib.h>

namespace kestrun::skin {
namespace {

void put_int32(std::vector<std::uint8_t>& out, std::size_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

}  // namespace

std::vector<std::uint8_t> write_package(const std::vector<PackageMember>& members) {
    if (members.size() > kMaxMembers) {
        throw SkinError("A skin package holds at most " + std::to_string(kMaxMembers) + " members");
    }
    std::vector<std::uint8_t> out(kPackageMagic, kPackageMagic + 4);
    put_int32(out, members.size());
    for (const PackageMember& member : members) {
        if (member.name.empty() || member.name.size() > kMaxNameBytes) {
            throw SkinError("Skin package member name \"" + member.name + "\" is empty or too long");
        }
        if (member.content.size() > kMaxMemberBytes) {
            throw SkinError("Skin package member \"" + member.name + "\" is larger than " +
                            std::to_string(kMaxMemberBytes) + " bytes");
        }
        put_int32(out, member.name.size());
        out.insert(out.end(), member.name.begin(), member.name.end());
        put_int32(out, member.content.size());
        uLongf packed = compressBound(static_cast<uLong>(member.content.size()));
        const std::size_t at = out.size();
        out.resize(at + packed);
        if (compress2(out.data() + at,
                      &packed,
                      member.content.data(),
                      static_cast<uLong>(member.content.size()),
                      Z_BEST_COMPRESSION) != Z_OK) {
            throw SkinError("Skin package member \"" + member.name + "\" could not be compressed");
        }
        out.resize(at + packed);
    }
    // What the writer makes, the reader must take: this also checks the limits on the total.
    (void)read_package(out);
    return out;
}

}  // namespace kestrun::skin
