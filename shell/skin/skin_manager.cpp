// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_manager.h"

#include <QFile>
#include <QtDebug>

#include "shell/skin/model/skin.h"
#include "shell/skin/model/skin_log.h"
#include "shell/skin/package/skin_package.h"
#include "shell/skin/skin_choice.h"
#include "shell/skin/skin_directory.h"
#include "shell/skin/skin_error_box.h"

namespace {

TSkinManager* g_default = nullptr;

std::span<const std::uint8_t> bytes_of(const QByteArray& data) {
    return {reinterpret_cast<const std::uint8_t*>(data.constData()), static_cast<std::size_t>(data.size())};
}

QByteArray read_packed_file(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        throw kestrun::skin::SkinError("Cannot open the skin file " + path.toStdString() + ": " +
                                       file.errorString().toStdString());
    }
    if (file.size() > static_cast<qint64>(kestrun::skin::kMaxPackageBytes)) {
        throw kestrun::skin::SkinError("The skin file " + path.toStdString() + " is too large");
    }
    return file.readAll();
}

// Fills an empty setting with its built-in value.
void fill(QString& setting, const QString& builtIn) {
    if (setting.isEmpty()) {
        setting = builtIn;
    }
}

}  // namespace

TSkinManager::TSkinManager(TSkinManagerSettings settings) : settings_(std::move(settings)) {
    fill(settings_.SkinDirectory, kestrun::skin::default_skin_directory());
    if (settings_.IsDefault) {
        g_default = this;
    }
    if (settings_.Active) {
        load();
    }
}

TSkinManager::~TSkinManager() {
    if (g_default == this) {
        g_default = nullptr;
    }
}

TSkinManager* TSkinManager::defaultManager() { return g_default; }

void TSkinManager::load() {
    using namespace kestrun::skin;
    std::vector<QString> carriedNames;
    for (const TStoredSkin& item : settings_.InternalSkins) {
        carriedNames.push_back(item.Name);
    }
    const SkinChoice choice = choose_skin(settings_.SkinDirectory, settings_.SkinName, carriedNames);
    const QString previousName;  // nothing was loaded before: the window is still being built
    try {
        switch (choice.source) {
        case SkinChoice::Source::PackedFile:
            skin_ = Skin::fromPackage(bytes_of(read_packed_file(choice.path)));
            break;
        case SkinChoice::Source::Folder:
            skin_ = Skin::fromFolder(choice.path);
            break;
        case SkinChoice::Source::Carried:
            skin_ = Skin::fromPackage(
                bytes_of(settings_.InternalSkins[static_cast<std::size_t>(choice.carriedIndex)].Data));
            break;
        case SkinChoice::Source::None:
            qCWarning(lcSkin,
                      "no skin named \"%s\" is there and none is carried; skinning is off",
                      qPrintable(settings_.SkinName));
            settings_.Active = false;
            return;
        }
        settings_.SkinName = choice.skinName;
        qCDebug(lcSkin,
                "the skin \"%s\" is taken from %s",
                qPrintable(choice.skinName),
                choice.source == SkinChoice::Source::Carried ? "the program" : qPrintable(choice.path));
    } catch (const SkinError& e) {
        skin_.reset();
        settings_.SkinName = previousName;
        show_skin_error(QString::fromStdString(e.what()));
    }
}

void TSkinManager::activate() {
    const TThirdPartyLists builtIn;
    for (QString TThirdPartyLists::*list : kThirdPartyLists) {
        fill(settings_.ThirdParty.*list, builtIn.*list);
    }
    fill(settings_.MenuSupport.IcoLineSkin, QStringLiteral("ICOLINE"));
    if (settings_.HueOffset != 0 || settings_.Saturation != 0) {
        qCDebug(lcSkin, "HueOffset and Saturation are not applied; the skin's colours are used unchanged");
    }
}

QString TSkinManager::SkinInfo() const {
    if (!settings_.Active || !skin_ || skin_->version().isEmpty()) {
        return QStringLiteral("N/A");
    }
    return skin_->version();
}
