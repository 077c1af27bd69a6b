// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any bytes given as a skin package give a loaded skin or a SkinError, nothing else: the package,
// the description and the images are all read.

#include <cstddef>
#include <cstdint>

#include <QtGlobal>

#include "shell/skin/model/skin.h"
#include "shell/skin/package/skin_package.h"

namespace {

void quiet(QtMsgType, const QMessageLogContext&, const QString&) {}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool once = (qInstallMessageHandler(quiet), true);
    (void)once;
    try {
        const auto skin = kestrun::skin::Skin::fromPackage({data, size});
        for (const std::string& name : skin->description().imageNames()) {
            (void)skin->image(name);
        }
        (void)skin->version();
    } catch (const kestrun::skin::SkinError&) {}
    return 0;
}
