// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "image_files.h"

#include <stdexcept>
#include <string>

#include <zlib.h>
#include <QBuffer>

namespace autumnsky {
namespace {

void put(std::vector<std::uint8_t>& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) {
        out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void put_be32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) {
        out.push_back(static_cast<std::uint8_t>(value >> shift));
    }
}

}  // namespace

std::vector<std::uint8_t> bmp24(const QImage& image, BmpHeader header, std::size_t fileSize) {
    const std::uint32_t w = image.width(), h = image.height();
    const std::uint32_t stride = (w * 3 + 3) & ~3u;
    const std::uint32_t infoSize = header == BmpHeader::Core12 ? 12 : 40;
    const std::uint32_t offset = 14 + infoSize;
    const std::size_t natural = offset + std::size_t(stride) * h;
    const std::size_t total = std::max(natural, fileSize);

    std::vector<std::uint8_t> out;
    out.reserve(total);
    out.push_back('B');
    out.push_back('M');
    put(out, static_cast<std::uint32_t>(total), 4);
    put(out, 0, 4);  // reserved
    put(out, offset, 4);
    put(out, infoSize, 4);
    if (header == BmpHeader::Core12) {
        put(out, w, 2);
        put(out, h, 2);
        put(out, 1, 2);   // planes
        put(out, 24, 2);  // bits per pixel
    } else {
        put(out, w, 4);
        put(out, h, 4);
        put(out, 1, 2);
        put(out, 24, 2);
        put(out, 0, 4);  // no compression
        put(out, stride * h, 4);
        put(out, 3780, 4);  // 96 pixels per inch
        put(out, 3780, 4);
        put(out, 0, 4);
        put(out, 0, 4);
    }
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    for (int y = static_cast<int>(h) - 1; y >= 0; --y) {
        const auto* row = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (std::uint32_t x = 0; x < w; ++x) {
            out.push_back(static_cast<std::uint8_t>(qBlue(row[x])));
            out.push_back(static_cast<std::uint8_t>(qGreen(row[x])));
            out.push_back(static_cast<std::uint8_t>(qRed(row[x])));
        }
        out.resize(out.size() + (stride - w * 3), 0);
    }
    out.resize(total, 0);
    return out;
}

std::vector<std::uint8_t> png_of_size(const QImage& image, std::size_t fileSize, const char* comment) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!image.save(&buffer, "PNG", 0)) {
        throw std::runtime_error("the PNG writer failed");
    }
    // A text chunk is 12 bytes of frame, the keyword, a zero byte and the text.
    const std::string keyword = "Comment";
    const std::size_t frame = 12 + keyword.size() + 1;
    const std::size_t plain = static_cast<std::size_t>(png.size());
    if (plain + frame > fileSize) {
        throw std::runtime_error("the PNG is " + std::to_string(plain) + " bytes, too large for " +
                                 std::to_string(fileSize));
    }
    std::string text = comment;
    text.resize(fileSize - plain - frame, ' ');

    std::vector<std::uint8_t> chunk;
    put_be32(chunk, static_cast<std::uint32_t>(keyword.size() + 1 + text.size()));
    const std::size_t typeAt = chunk.size();
    for (char c : std::string("tEXt") + keyword) {
        chunk.push_back(static_cast<std::uint8_t>(c));
    }
    chunk.push_back(0);
    chunk.insert(chunk.end(), text.begin(), text.end());
    put_be32(chunk,
             static_cast<std::uint32_t>(crc32(0, chunk.data() + typeAt, static_cast<uInt>(chunk.size() - typeAt))));

    // The chunk goes just before IEND, the last 12 bytes.
    std::vector<std::uint8_t> out(png.begin(), png.end() - 12);
    out.insert(out.end(), chunk.begin(), chunk.end());
    out.insert(out.end(), png.end() - 12, png.end());
    return out;
}

}  // namespace autumnsky
