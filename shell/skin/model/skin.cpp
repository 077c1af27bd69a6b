// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/model/skin.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtDebug>

#include "shell/skin/model/folder_files.h"
#include "shell/skin/model/skin_images.h"
#include "shell/skin/model/skin_log.h"
#include "shell/skin/model/skin_values.h"
#include "shell/skin/package/skin_package.h"

namespace kestrun::skin {
namespace {

constexpr const char* kDescriptionMember = "OPTIONS.DAT";

std::string_view as_text(const std::vector<std::uint8_t>& bytes) {
    return {reinterpret_cast<const char*>(bytes.data()), bytes.size()};
}

std::vector<std::uint8_t> read_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw SkinError("Cannot open " + QDir::toNativeSeparators(path).toStdString() + ": " +
                        file.errorString().toStdString());
    }
    if (file.size() > static_cast<qint64>(kMaxMemberBytes)) {
        throw SkinError(QDir::toNativeSeparators(path).toStdString() + " is larger than " +
                        std::to_string(kMaxMemberBytes) + " bytes");
    }
    const QByteArray data = file.readAll();
    return {data.begin(), data.end()};
}

}  // namespace

Skin::Skin(SkinDescription description, ImageBytes images)
    : description_(std::move(description)), undecoded_(std::move(images)) {
    if (const auto version = description_.value("GLOBALINFO", "VERSION")) {
        version_ = version_text(*version);
        if (version_.isEmpty()) {
            qCWarning(lcSkin, "the skin's version \"%s\" is no number", version->c_str());
        }
    }
    fontColor_ = color_value(description_, "GLOBALINFO", "FONTCOLOR").value_or(QColor(Qt::black));

    const auto masterName = description_.value("GLOBALINFO", "MASTERBITMAP");
    if (!masterName) {
        qCWarning(lcSkin, "the skin names no master image; its elements are drawn in plain colours");
        return;
    }
    const auto bytes = undecoded_.find(*masterName);
    if (bytes == undecoded_.end()) {
        qCWarning(lcSkin,
                  "the skin's master image \"%s\" is missing; its elements are drawn in plain colours",
                  masterName->c_str());
        return;
    }
    std::string error;
    master_ = decode_image(bytes->second, error);
    if (master_.isNull()) {
        throw SkinError("Skin image \"" + *masterName + "\" " + error);
    }
    undecoded_.erase(bytes);
}

const QImage& Skin::image(const std::string& nameAsWritten) const {
    if (const auto master = description_.value("GLOBALINFO", "MASTERBITMAP"); master && *master == nameAsWritten) {
        return master_;
    }
    if (const auto done = decoded_.find(nameAsWritten); done != decoded_.end()) {
        return done->second;
    }
    QImage& image = decoded_[nameAsWritten];
    if (const auto bytes = undecoded_.find(nameAsWritten); bytes != undecoded_.end()) {
        std::string error;
        image = decode_image(bytes->second, error);
        if (image.isNull()) {
            qCWarning(lcSkin, "skin image \"%s\" %s; drawn without it", nameAsWritten.c_str(), error.c_str());
        }
        undecoded_.erase(bytes);
    }
    return image;
}

std::shared_ptr<const Skin> Skin::fromPackage(std::span<const std::uint8_t> bytes) {
    std::vector<PackageMember> members = read_package(bytes);
    const PackageMember* options = find_member(members, kDescriptionMember);
    if (!options) {
        throw SkinError("Skin package has no member \"Options.dat\"");
    }
    SkinDescription description = SkinDescription::parse(as_text(options->content));
    // The images' bytes move out of the members. Names are distinct and a member is found only by
    // the capitals of its own name, so no member is found twice.
    ImageBytes images;
    for (const std::string& name : description.imageNames()) {
        if (PackageMember* member = find_member(members, name)) {
            images[name] = std::move(member->content);
        }
    }
    return std::shared_ptr<const Skin>(new Skin(std::move(description), std::move(images)));
}

std::shared_ptr<const Skin> Skin::fromFolder(const QString& optionsFile) {
    SkinDescription description = SkinDescription::parse(as_text(read_file(optionsFile)));
    const QDir folder = QFileInfo(optionsFile).dir();
    ImageBytes images;
    for (const std::string& name : description.imageNames()) {
        const QString path = find_in_folder(folder, QString::fromStdString(name));
        if (path.isEmpty()) {
            qCWarning(lcSkin,
                      "skin image \"%s\" is not in %s; passed over",
                      name.c_str(),
                      qPrintable(QDir::toNativeSeparators(folder.path())));
            continue;
        }
        images[name] = read_file(path);
    }
    return std::shared_ptr<const Skin>(new Skin(std::move(description), std::move(images)));
}

}  // namespace kestrun::skin
