// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the carried skin "autumnsky" and packs it.
//   make_autumnsky OPTIONS.INI OUT.ASZ [--members DIR]

#include <cstdio>
#include <exception>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "autumnsky_art.h"
#include "image_files.h"
#include "shell/skin/package/skin_package.h"

namespace {

constexpr std::size_t kOptionsBytes = 17662;
constexpr std::size_t kButtonHugeBytes = 73756;
constexpr std::size_t kMasterBytes = 318454;
constexpr std::size_t kExtBorderBytes = 16714;

std::vector<std::uint8_t> read_all(const char* path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error(std::string("cannot read ") + path);
    }
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void write_all(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out) {
        throw std::runtime_error("cannot write " + path);
    }
}

// The description, brought to its recorded size with comment lines (each well under inih's
// 200-character line limit) before the closing line.
std::vector<std::uint8_t> padded_options(std::vector<std::uint8_t> text) {
    const std::string closing = "; end of the autumnsky description\n";
    if (text.empty() || text.back() != '\n') {
        text.push_back('\n');
    }
    if (text.size() + closing.size() > kOptionsBytes) {
        throw std::runtime_error("Options.ini is " + std::to_string(text.size()) + " bytes, more than " +
                                 std::to_string(kOptionsBytes - closing.size()));
    }
    std::size_t room = kOptionsBytes - text.size() - closing.size();
    if (room == 1) {
        text.insert(text.end() - 1, ' ');  // a blank at the end of the last line
        room = 0;
    }
    while (room > 0) {
        // Lines of 2 to 80 bytes: ";" and a line end at least.
        std::size_t line = std::min<std::size_t>(room, 80);
        if (room - line == 1) {
            line -= 1;
        }
        text.push_back(';');
        text.insert(text.end(), line - 2, ' ');
        text.push_back('\n');
        room -= line;
    }
    text.insert(text.end(), closing.begin(), closing.end());
    return text;
}

void check_size(const std::string& name, const std::vector<std::uint8_t>& bytes, std::size_t expected) {
    if (bytes.size() != expected) {
        throw std::runtime_error(name + " came out " + std::to_string(bytes.size()) + " bytes instead of " +
                                 std::to_string(expected));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3 && !(argc == 5 && std::string(argv[3]) == "--members")) {
        std::fprintf(stderr, "usage: %s OPTIONS.INI OUT.ASZ [--members DIR]\n", argv[0]);
        return 2;
    }
    try {
        using kestrun::skin::PackageMember;
        // clang-format off
        std::vector<PackageMember> members = {
            {"Options.dat", padded_options(read_all(argv[1]))},
            {"BtnHuge.bmp", autumnsky::bmp24(autumnsky::draw_button_huge(), autumnsky::BmpHeader::Core12, kButtonHugeBytes)},
            {"Master.bmp", autumnsky::bmp24(autumnsky::draw_master(), autumnsky::BmpHeader::Info40)},
            {"ExtBord.png", autumnsky::png_of_size(autumnsky::draw_ext_border(), kExtBorderBytes,
                                                   "autumnsky extended border, drawn for kestrun")},
        };
        // clang-format on
        check_size("Options.dat", members[0].content, kOptionsBytes);
        check_size("BtnHuge.bmp", members[1].content, kButtonHugeBytes);
        check_size("Master.bmp", members[2].content, kMasterBytes);
        check_size("ExtBord.png", members[3].content, kExtBorderBytes);
        write_all(argv[2], kestrun::skin::write_package(members));
        if (argc == 5) {
            for (const PackageMember& member : members) {
                write_all(std::string(argv[4]) + "/" + member.name, member.content);
            }
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "make_autumnsky: %s\n", e.what());
        return 1;
    }
    return 0;
}
