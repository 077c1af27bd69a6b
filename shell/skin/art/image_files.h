// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Image files of exact sizes: 24-bit BMPs with either header, and PNGs padded with a text chunk.

#include <cstddef>
#include <cstdint>
#include <vector>

#include <QImage>

namespace autumnsky {

enum class BmpHeader { Core12, Info40 };

// A bottom-up 24-bit BMP; zero bytes after the pixels bring it to `fileSize` when that is larger.
std::vector<std::uint8_t> bmp24(const QImage& image, BmpHeader header, std::size_t fileSize = 0);

// The image as PNG, with a "Comment" text chunk that brings it to exactly `fileSize` bytes.
// Throws std::runtime_error when the PNG alone is larger.
std::vector<std::uint8_t> png_of_size(const QImage& image, std::size_t fileSize, const char* comment);

}  // namespace autumnsky
