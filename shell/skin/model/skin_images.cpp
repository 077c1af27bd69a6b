// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/model/skin_images.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace kestrun::skin {

QImage decode_image(std::span<const std::uint8_t> bytes, std::string& error) {
    const QByteArray data =
        QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // The format is told by the file's first bytes, so that no other image reader is asked.
    static constexpr char kPng[] = "\x89PNG\r\n\x1a\n";
    const char* format = data.startsWith("BM") ? "bmp" : data.startsWith(QByteArray(kPng, 8)) ? "png" : nullptr;
    if (!format) {
        error = "is no BMP or PNG image";
        return {};
    }
    QImageReader reader(&buffer, format);
    reader.setAutoTransform(false);
    reader.setDecideFormatFromContent(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > kMaxImageSide || size.height() > kMaxImageSide) {
        error = "has an unusable size";
        return {};
    }
    QImage image;
    if (!reader.read(&image) || image.isNull()) {
        error = "cannot be read: " + reader.errorString().toStdString();
        return {};
    }
    return image;
}

}  // namespace kestrun::skin
