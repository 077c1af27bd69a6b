// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/carried_skins.h"
#include "shell/skin/model/skin_log.h"

#include <QResource>
#include <QtDebug>

namespace kestrun::skin {

TStoredSkin carried_autumnsky() {
    TStoredSkin skin;
    skin.Name = QStringLiteral("autumnsky (internal)");
    const QResource resource(QStringLiteral(":/kestrun/skins/autumnsky.asz"));
    if (!resource.isValid() || resource.compressionAlgorithm() != QResource::NoCompression) {
        qCCritical(lcSkin, "the carried skin package is not in the program");
        return skin;
    }
    // The embedded bytes stay where they are, for the life of the program.
    skin.Data = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                        static_cast<qsizetype>(resource.size()));
    return skin;
}

}  // namespace kestrun::skin
