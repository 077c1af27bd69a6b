// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/accessibility.h"

#include <QAccessible>

#include "shell/controls.h"
#include "shell/form_accessible.h"
#include "shell/label_accessible.h"
#include "shell/main_window.h"
#include "shell/mask_edit.h"
#include "shell/mask_edit_accessible.h"

namespace shell {
namespace {

QAccessibleInterface* makeAccessible(const QString& className, QObject* object) {
    if (!object || !object->isWidgetType()) return nullptr;
    if (className == QLatin1String("TMaskEdit")) return new MaskEditAccessible(static_cast<TMaskEdit*>(object));
    if (className == QLatin1String("TLabel")) return new LabelAccessible(static_cast<TLabel*>(object));
    if (className == QLatin1String("TForm1")) return new FormAccessible(static_cast<TForm1*>(object));
    return nullptr;
}

}  // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(makeAccessible);
        return true;
    }();
    (void)installed;
}

}  // namespace shell
