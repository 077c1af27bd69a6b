// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The skin package reader takes bytes from outside: every defect must end in a SkinError with a
// message that says what is wrong, never in a crash, a hang or a huge allocation.

#include <gtest/gtest.h>
#include <zlib.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "shell/skin/package/skin_package.h"

using kestrun::skin::PackageMember;
using kestrun::skin::read_package;
using kestrun::skin::SkinError;
using kestrun::skin::write_package;
using Bytes = std::vector<std::uint8_t>;

namespace {

Bytes text(const std::string& s) { return {s.begin(), s.end()}; }

void put32(Bytes& out, std::int32_t value) {
    const auto v = static_cast<std::uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8) {
        out.push_back(static_cast<std::uint8_t>(v >> shift));
    }
}

Bytes zlib(const Bytes& content) {
    uLongf size = compressBound(static_cast<uLong>(content.size()));
    Bytes out(size);
    compress2(out.data(), &size, content.data(), static_cast<uLong>(content.size()), 9);
    out.resize(size);
    return out;
}

// A package put together by hand: magic, count, then the raw member records given.
Bytes package(std::int32_t count, const std::vector<Bytes>& records, const std::string& magic = "ASzf") {
    Bytes out = text(magic);
    put32(out, count);
    for (const Bytes& r : records) {
        out.insert(out.end(), r.begin(), r.end());
    }
    return out;
}

Bytes record(const std::string& name, std::int32_t size, const Bytes& stream) {
    Bytes out;
    put32(out, static_cast<std::int32_t>(name.size()));
    out.insert(out.end(), name.begin(), name.end());
    put32(out, size);
    out.insert(out.end(), stream.begin(), stream.end());
    return out;
}

Bytes member(const std::string& name, const Bytes& content) {
    return record(name, static_cast<std::int32_t>(content.size()), zlib(content));
}

const Bytes kHello = text("[GLOBALINFO]\nVERSION=1\n");

Bytes corrupt(Bytes stream) {
    stream[4] ^= 0xff;  // inside the deflate data, past the two-byte header
    stream[5] ^= 0x55;
    return stream;
}

Bytes with_dictionary() {
    z_stream zs{};
    deflateInit(&zs, 9);
    const char dict[] = "GLOBALINFO";
    deflateSetDictionary(&zs, reinterpret_cast<const Bytef*>(dict), sizeof dict - 1);
    Bytes out(256);
    zs.next_in = const_cast<Bytef*>(kHello.data());
    zs.avail_in = static_cast<uInt>(kHello.size());
    zs.next_out = out.data();
    zs.avail_out = static_cast<uInt>(out.size());
    deflate(&zs, Z_FINISH);
    out.resize(zs.total_out);
    deflateEnd(&zs);
    return out;
}

struct DefectCase {
    const char* name;
    std::function<Bytes()> bytes;
    const char* message;  // a part of the message
};

std::ostream& operator<<(std::ostream& os, const DefectCase& c) { return os << c.name; }

class ReadingADefectivePackage : public testing::TestWithParam<DefectCase> {};

TEST_P(ReadingADefectivePackage, fails_with_a_message_that_names_the_defect) {
    const Bytes bytes = GetParam().bytes();
    try {
        read_package(bytes);
        FAIL() << "the package was taken";
    } catch (const SkinError& e) {
        EXPECT_NE(std::string(e.what()).find(GetParam().message), std::string::npos) << e.what();
    }
}

const Bytes kEightMiB(8u << 20, 0);

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Defects, ReadingADefectivePackage,
    testing::Values(
        DefectCase{"empty", [] { return Bytes{}; }, "Loaded data is not a packed skin file"},
        DefectCase{"three_bytes", [] { return text("ASz"); }, "Loaded data is not a packed skin file"},
        DefectCase{"wrong_magic", [] { return package(1, {member("Options.dat", kHello)}, "ASZF"); },
                   "Loaded data is not a packed skin file"},
        DefectCase{"zip_file", [] { return text("PK\x03\x04 some zip"); }, "Loaded data is not a packed skin file"},
        DefectCase{"no_count", [] { return text("ASzf"); }, "cut short: the member count"},
        DefectCase{"negative_count", [] { return package(-1, {}); }, "claims -1 members"},
        DefectCase{"count_beyond_the_bytes", [] { return package(1000000, {member("a", kHello)}); },
                   "claims 1000000 members"},
        DefectCase{"fewer_members_than_counted",
                   [] { Bytes p = package(2, {member("a", kHello)}); p.resize(p.size() + 16, 0); return p; },
                   "member 2"},
        DefectCase{"negative_name_length",
                   [] { Bytes r; put32(r, -3); r.resize(r.size() + 20, 0); return package(1, {r}); },
                   "name length of -3"},
        DefectCase{"name_longer_than_the_bytes",
                   [] { Bytes r; put32(r, 5000); r.resize(r.size() + 40, 'a'); return package(1, {r}); },
                   "name length of 5000"},
        DefectCase{"empty_name", [] { return package(1, {record("", 5, zlib(text("hello")))}); }, "no usable name"},
        DefectCase{"duplicate_names", [] { return package(2, {member("Master.bmp", kHello), member("MASTER.BMP", kHello)}); },
                   "twice"},
        DefectCase{"negative_size", [] { return package(1, {record("a", -5, zlib(kHello))}); }, "claims -5 bytes"},
        DefectCase{"huge_claimed_size", [] { return package(1, {record("a", 0x7fffffff, zlib(kHello))}); },
                   "claims 2147483647 bytes"},
        DefectCase{"sizes_adding_up_past_the_limit",
                   [] {
                       const Bytes big = zlib(kEightMiB);
                       return package(4, {record("a", 8 << 20, big), record("b", 8 << 20, big), record("c", 8 << 20, big),
                                          record("d", 8 << 20, big)});
                   },
                   "add up to more than"},
        DefectCase{"corrupt_stream", [] { return package(1, {record("a", 23, corrupt(zlib(kHello)))}); }, "damaged"},
        DefectCase{"not_a_stream_at_all", [] { return package(1, {record("a", 5, text("hello, world!!!!"))}); },
                   "damaged"},
        DefectCase{"inflates_past_its_size", [] { return package(1, {record("a", 10, zlib(kHello))}); },
                   "more than its size of 10"},
        DefectCase{"inflates_past_a_size_of_nothing", [] { return package(1, {record("a", 0, zlib(kHello))}); },
                   "more than its size of 0"},
        DefectCase{"inflates_short_of_its_size", [] { return package(1, {record("a", 40, zlib(kHello))}); },
                   "unpacks to 23 bytes instead of 40"},
        DefectCase{"stream_cut_short",
                   [] { Bytes s = zlib(kHello); s.resize(s.size() - 6); return package(1, {record("a", 23, s)}); },
                   "cut short inside member \"a\""},
        DefectCase{"preset_dictionary", [] { return package(1, {record("a", 23, with_dictionary())}); },
                   "preset dictionary"},
        DefectCase{"bytes_after_the_last_member",
                   [] { Bytes p = package(1, {member("a", kHello)}); p.push_back(0); return p; },
                   "1 bytes after its last member"}),
    [](const testing::TestParamInfo<DefectCase>& info) { return std::string(info.param.name); });
// clang-format on

TEST(SkinPackage, reads_back_what_the_writer_packed) {
    const std::vector<PackageMember> members = {
        {"Options.dat", kHello}, {"Empty.bmp", {}}, {"Zeros.bmp", Bytes(100000, 0)}};
    const std::vector<PackageMember> back = read_package(write_package(members));
    ASSERT_EQ(back.size(), members.size());
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(back[i].name, members[i].name);
        EXPECT_EQ(back[i].content, members[i].content);
    }
}

TEST(SkinPackage, fails_with_a_message_for_every_cut_of_a_valid_package) {
    const Bytes whole = write_package({{"Options.dat", kHello}, {"Master.bmp", Bytes(3000, 7)}});
    for (std::size_t length = 0; length < whole.size(); ++length) {
        const Bytes cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        EXPECT_THROW(read_package(cut), SkinError) << "cut at " << length;
    }
}

TEST(SkinPackage, reads_counts_lengths_and_sizes_as_little_endian_bytes_on_every_processor) {
    // One member "ab" of 258 (0x0102) bytes, every number written out byte by byte, lowest first.
    Bytes bytes = {
        'A', 'S', 'z', 'f', 0x01, 0x00, 0x00, 0x00, 0x02, 0x00, 0x00, 0x00, 'a', 'b', 0x02, 0x01, 0x00, 0x00};
    const Bytes stream = zlib(Bytes(258, 'x'));
    bytes.insert(bytes.end(), stream.begin(), stream.end());
    const std::vector<PackageMember> members = read_package(bytes);
    ASSERT_EQ(members.size(), 1u);
    EXPECT_EQ(members[0].name, "ab");
    EXPECT_EQ(members[0].content, Bytes(258, 'x'));
    // And the writer writes them so.
    const Bytes written = write_package(members);
    EXPECT_EQ(Bytes(written.begin(), written.begin() + 18), Bytes(bytes.begin(), bytes.begin() + 18));
}

TEST(SkinPackage, finds_members_by_their_name_in_capitals) {
    const std::vector<PackageMember> members = {{"Master.bmp", {1}}, {"ExtBord.png", {2}}};
    ASSERT_NE(kestrun::skin::find_member(members, "MASTER.BMP"), nullptr);
    EXPECT_EQ(kestrun::skin::find_member(members, "EXTBORD.PNG")->content, Bytes{2});
    EXPECT_EQ(kestrun::skin::find_member(members, "Master.bmp"), nullptr);  // the description writes capitals
}

}  // namespace
