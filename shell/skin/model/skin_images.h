// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Decoding a skin's images (BMP, PNG) from memory with Qt's image readers, refusing images whose
// header claims more pixels than a skin can sensibly need.

#include <cstdint>
#include <span>
#include <string>

#include <QImage>

namespace kestrun::skin {

inline constexpr int kMaxImageSide = 4096;

// A null image, with `error` set, when the bytes are no readable image or the image is too large.
QImage decode_image(std::span<const std::uint8_t> bytes, std::string& error);

}  // namespace kestrun::skin
