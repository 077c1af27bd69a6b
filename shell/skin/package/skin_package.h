// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A skin package: the magic "ASzf", a member count, then for each member its name, its unpacked
// size and one zlib stream that inflates to exactly that size. All integers are signed 32-bit,
// little-endian. No packed size is stored: the next member begins right after the stream's end.

#include <cstddef>
#include <cstdint>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace kestrun::skin {

// A package or skin that cannot be used; the message says why and is meant for the user.
class SkinError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PackageMember {
    std::string name;
    std::vector<std::uint8_t> content;
};

// Limits that keep a hostile package from making the reader allocate without bound.
inline constexpr std::size_t kMaxMemberBytes = 8u << 20;    // unpacked, per member
inline constexpr std::size_t kMaxPackageBytes = 24u << 20;  // unpacked, all members together
inline constexpr std::size_t kMaxMembers = 1024;
inline constexpr std::size_t kMaxNameBytes = 260;

inline constexpr char kPackageMagic[4] = {'A', 'S', 'z', 'f'};
inline constexpr const char* kNotAPackageMessage = "Loaded data is not a packed skin file";

// Reads a whole package. Throws SkinError with a message naming the defect for anything that is
// not a well-formed package: a wrong magic, a count or length beyond the bytes left, a stream that
// is corrupt or inflates to more or fewer bytes than its member's size, sizes over the limits,
// duplicate member names, bytes after the last member.
std::vector<PackageMember> read_package(std::span<const std::uint8_t> bytes);

// Packs the members in the order given (best compression). Throws SkinError when a member is over
// the limits above or the package could not be read back for another reason.
std::vector<std::uint8_t> write_package(const std::vector<PackageMember>& members);

// ASCII upper case, the form in which a skin description names its images.
std::string upper_ascii(std::string text);

// The member whose name, turned into capitals, equals upperName; nullptr if there is none.
const PackageMember* find_member(const std::vector<PackageMember>& members, const std::string& upperName);
PackageMember* find_member(std::vector<PackageMember>& members, const std::string& upperName);

}  // namespace kestrun::skin
