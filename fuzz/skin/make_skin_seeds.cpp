// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes a few small skin packages, made with the project's writer, as seeds for the fuzzers.
//   make_skin_seeds DIR

#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include <zlib.h>

#include "shell/skin/package/skin_package.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

void put(Bytes& out, std::uint32_t v, int n, bool bigEndian = false) {
    for (int i = 0; i < n; ++i) {
        out.push_back(static_cast<std::uint8_t>(v >> (8 * (bigEndian ? n - 1 - i : i))));
    }
}

// A 2 x 2 24-bit BMP.
Bytes tiny_bmp() {
    Bytes b = {'B', 'M'};
    put(b, 54 + 16, 4);
    put(b, 0, 4);
    put(b, 54, 4);
    put(b, 40, 4);
    put(b, 2, 4);
    put(b, 2, 4);
    put(b, 1, 2);
    put(b, 24, 2);
    put(b, 0, 4);
    put(b, 16, 4);
    b.resize(b.size() + 16, 0);  // resolution and palette counts
    for (int row = 0; row < 2; ++row) {
        const std::uint8_t px[] = {0x20, 0x40, 0x80, 0x80, 0x40, 0x20, 0, 0};
        b.insert(b.end(), px, px + 8);
    }
    return b;
}

void chunk(Bytes& png, const char* type, const Bytes& data) {
    put(png, static_cast<std::uint32_t>(data.size()), 4, true);
    const std::size_t at = png.size();
    png.insert(png.end(), type, type + 4);
    png.insert(png.end(), data.begin(), data.end());
    put(png, static_cast<std::uint32_t>(crc32(0, png.data() + at, static_cast<uInt>(png.size() - at))), 4, true);
}

// A 2 x 2 RGBA PNG.
Bytes tiny_png() {
    Bytes png = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n'};
    Bytes ihdr;
    put(ihdr, 2, 4, true);
    put(ihdr, 2, 4, true);
    ihdr.insert(ihdr.end(), {8, 6, 0, 0, 0});
    chunk(png, "IHDR", ihdr);
    const Bytes raw = {0, 255, 0, 0, 128, 0, 255, 0, 64, 0, 0, 0, 255, 32, 200, 100, 50, 255};
    uLongf size = compressBound(raw.size());
    Bytes packed(size);
    compress2(packed.data(), &size, raw.data(), raw.size(), 9);
    packed.resize(size);
    chunk(png, "IDAT", packed);
    chunk(png, "IEND", {});
    return png;
}

Bytes text(const std::string& s) { return {s.begin(), s.end()}; }

void write(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s DIR\n", argv[0]);
        return 2;
    }
    const std::string dir = argv[1];
    const std::string options =
        "[GLOBALINFO]\nVERSION=7.61\nMASTERBITMAP=MASTER.BMP\nFONTCOLOR=16182738\nEXBORDER=EXTBORD.PNG\n"
        "BICLOSEALONE=0,0,2,1\n[FORM]\nFRAME=0,0,2,2\nFRAMEMARGINS=1,1,1,1\n[BUTTON]\nNORMAL=0,0,2,2\n";
    using kestrun::skin::write_package;
    write(dir + "/seed-whole-skin.asz",
          write_package({{"Options.dat", text(options)}, {"Master.bmp", tiny_bmp()}, {"ExtBord.png", tiny_png()}}));
    write(dir + "/seed-description-only.asz", write_package({{"Options.dat", text(options)}}));
    write(dir + "/seed-empty.asz", write_package({}));
    write(dir + "/seed-image-only.asz", write_package({{"Master.bmp", tiny_bmp()}}));
    return 0;
}
