// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A loaded skin: its description, its version and text colour, and its images. The master image
// is decoded while the skin loads; every other image only when something first draws it.

#include <cstdint>
#include <map>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include <QColor>
#include <QImage>
#include <QString>

#include "shell/skin/model/skin_description.h"

namespace kestrun::skin {

class Skin {
public:
    // Both throw SkinError with a message for the user when the skin cannot be used.
    static std::shared_ptr<const Skin> fromPackage(std::span<const std::uint8_t> bytes);
    // `optionsFile` is the folder's "Options.dat"; the images it names are read from the same folder.
    static std::shared_ptr<const Skin> fromFolder(const QString& optionsFile);

    const SkinDescription& description() const { return description_; }
    // "VERSION" of "GLOBALINFO" as written ("7.61"); empty when the skin gives none.
    const QString& version() const { return version_; }
    // "FONTCOLOR" of "GLOBALINFO"; the standard window-text colour when the skin gives none.
    QColor fontColor() const { return fontColor_; }
    // The image named by "MASTERBITMAP"; a null image when the skin has none.
    const QImage& master() const { return master_; }
    // The image a key of the description names, decoded once on first use; a null image when it is
    // missing or unreadable.
    const QImage& image(const std::string& nameAsWritten) const;

private:
    using ImageBytes = std::map<std::string, std::vector<std::uint8_t>>;  // by the name as written
    Skin(SkinDescription description, ImageBytes images);

    SkinDescription description_;
    QString version_;
    QColor fontColor_;
    QImage master_;
    mutable ImageBytes undecoded_;
    mutable std::map<std::string, QImage> decoded_;
};

}  // namespace kestrun::skin
