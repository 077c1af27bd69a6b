// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a skin package. The bytes come from outside (a file in the skin directory), so every
// count and length is checked against the bytes left before it is used, and every allocation is
// bounded by the limits in the header.

#include "shell/skin/package/skin_package.h"

#include <zlib.h>
#include <cstring>
#include <set>

namespace kestrun::skin {
namespace {

class Cursor {
public:
    explicit Cursor(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t left() const { return bytes_.size() - pos_; }
    std::size_t position() const { return pos_; }
    std::span<const std::uint8_t> rest() const { return bytes_.subspan(pos_); }
    void skip(std::size_t n) { pos_ += n; }

    std::int32_t int32(const char* what) {
        if (left() < 4) {
            throw SkinError("Skin package is cut short: " + std::string(what) + " at byte " + std::to_string(pos_) +
                            " is missing");
        }
        const std::uint8_t* p = bytes_.data() + pos_;
        const std::uint32_t raw = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                                  (std::uint32_t(p[3]) << 24);
        pos_ += 4;
        return static_cast<std::int32_t>(raw);
    }

private:
    std::span<const std::uint8_t> bytes_;
    std::size_t pos_ = 0;
};

std::string quoted(const std::string& name) { return "\"" + name + "\""; }

// Inflates one zlib stream from the front of `in` into exactly `size` bytes; returns the number of
// input bytes the stream took.
std::size_t inflate_member(std::span<const std::uint8_t> in, std::vector<std::uint8_t>& out, std::size_t size,
                           const std::string& name) {
    z_stream zs{};
    if (inflateInit(&zs) != Z_OK) {
        throw SkinError("Skin package member " + quoted(name) + " cannot be unpacked: zlib did not start");
    }
    out.resize(size);
    // zlib counts in uInt; the limits keep both sides far below that.
    zs.next_in = const_cast<Bytef*>(in.data());
    zs.avail_in = static_cast<uInt>(std::min<std::size_t>(in.size(), 0x7fffffffu));
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(size);

    // Once the member's bytes are full, the stream may write one byte more into `spill`: that tells
    // a stream that ends right there from one that holds more than its size.
    std::uint8_t spill = 0;
    bool spilling = false;
    auto spill_over = [&] {
        zs.next_out = &spill;
        zs.avail_out = 1;
        spilling = true;
    };
    if (size == 0) {
        spill_over();
    }
    auto fail = [&](const std::string& message) {
        inflateEnd(&zs);
        throw SkinError(message);
    };
    for (;;) {
        const int rc = inflate(&zs, Z_NO_FLUSH);
        if (rc == Z_STREAM_END) {
            break;
        }
        if (rc == Z_OK && zs.avail_out == 0) {
            if (spilling) {
                fail("Skin package member " + quoted(name) + " unpacks to more than its size of " +
                     std::to_string(size) + " bytes");
            }
            spill_over();
            continue;
        }
        if ((rc == Z_OK || rc == Z_BUF_ERROR) && zs.avail_in == 0) {
            fail("Skin package is cut short inside member " + quoted(name));
        }
        if (rc == Z_OK) {
            continue;
        }
        if (rc == Z_NEED_DICT) {
            fail("Skin package member " + quoted(name) + " asks for a preset dictionary");
        }
        fail("Skin package member " + quoted(name) + " is damaged" + (zs.msg ? std::string(": ") + zs.msg : ""));
    }
    const std::size_t produced = zs.total_out;
    const std::size_t consumed = zs.total_in;
    inflateEnd(&zs);
    if (produced > size) {
        throw SkinError("Skin package member " + quoted(name) + " unpacks to more than its size of " +
                        std::to_string(size) + " bytes");
    }
    if (produced < size) {
        throw SkinError("Skin package member " + quoted(name) + " unpacks to " + std::to_string(produced) +
                        " bytes instead of " + std::to_string(size));
    }
    return consumed;
}

}  // namespace

std::vector<PackageMember> read_package(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < 4 || std::memcmp(bytes.data(), kPackageMagic, 4) != 0) {
        throw SkinError(kNotAPackageMessage);
    }
    Cursor cursor(bytes);
    cursor.skip(4);
    const std::int32_t count = cursor.int32("the member count");
    // The smallest member is 4 + 4 bytes of header and an 8-byte zlib stream.
    constexpr std::size_t kSmallestMember = 16;
    if (count < 0 || static_cast<std::size_t>(count) > kMaxMembers ||
        static_cast<std::size_t>(count) > cursor.left() / kSmallestMember) {
        throw SkinError("Skin package claims " + std::to_string(count) + " members, which its " +
                        std::to_string(cursor.left()) + " remaining bytes cannot hold");
    }

    std::vector<PackageMember> members;
    members.reserve(static_cast<std::size_t>(count));
    std::set<std::string> seen;
    std::size_t total = 0;
    for (std::int32_t i = 0; i < count; ++i) {
        const std::string which = "member " + std::to_string(i + 1);
        const std::int32_t nameLength = cursor.int32(("the name length of " + which).c_str());
        if (nameLength < 0 || static_cast<std::size_t>(nameLength) > kMaxNameBytes ||
            static_cast<std::size_t>(nameLength) > cursor.left()) {
            throw SkinError("Skin package " + which + " has a name length of " + std::to_string(nameLength) +
                            " bytes, with " + std::to_string(cursor.left()) + " bytes left");
        }
        PackageMember member;
        member.name.assign(reinterpret_cast<const char*>(cursor.rest().data()), static_cast<std::size_t>(nameLength));
        cursor.skip(static_cast<std::size_t>(nameLength));
        if (member.name.empty() || member.name.find('\0') != std::string::npos) {
            throw SkinError("Skin package " + which + " has no usable name");
        }
        if (!seen.insert(upper_ascii(member.name)).second) {
            throw SkinError("Skin package holds member " + quoted(member.name) + " twice");
        }
        const std::int32_t size = cursor.int32(("the size of member " + quoted(member.name)).c_str());
        if (size < 0 || static_cast<std::size_t>(size) > kMaxMemberBytes) {
            throw SkinError("Skin package member " + quoted(member.name) + " claims " + std::to_string(size) +
                            " bytes; at most " + std::to_string(kMaxMemberBytes) + " are allowed");
        }
        total += static_cast<std::size_t>(size);
        if (total > kMaxPackageBytes) {
            throw SkinError("Skin package members add up to more than " + std::to_string(kMaxPackageBytes) + " bytes");
        }
        const std::size_t consumed =
            inflate_member(cursor.rest(), member.content, static_cast<std::size_t>(size), member.name);
        cursor.skip(consumed);
        members.push_back(std::move(member));
    }
    if (cursor.left() != 0) {
        throw SkinError("Skin package has " + std::to_string(cursor.left()) + " bytes after its last member");
    }
    return members;
}

}  // namespace kestrun::skin
