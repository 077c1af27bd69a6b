// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/skin_provider.h"

#include <QApplication>
#include <QPushButton>
#include <QStyleFactory>
#include <QtDebug>

#include "shell/frame_look.h"
#include "shell/skin/compositing.h"
#include "shell/skin/extended_border.h"
#include "shell/skin/model/skin.h"
#include "shell/skin/model/skin_log.h"
#include "shell/skin/model/skin_values.h"
#include "shell/skin/skin_button_style.h"
#include "shell/skin/skin_frame_look.h"
#include "shell/skin/skin_manager.h"

using kestrun::skin::Skin;

TSkinProvider::TSkinProvider(TSkinProviderSettings settings) : settings_(std::move(settings)) {}

TSkinProvider::~TSkinProvider() = default;

QWidget* TSkinProvider::extendedBorder() const { return border_.get(); }

void TSkinProvider::formLoaded(QWidget& form, FrameLookHost& host) {
    TSkinManager* manager =
        settings_.SkinData.SkinManager ? settings_.SkinData.SkinManager : TSkinManager::defaultManager();
    if (!manager) {
        qCWarning(lcSkin, "the window has no skin manager; it shows in its standard look");
        return;
    }
    manager->activate();
    const std::shared_ptr<const Skin> skin = manager->skin();
    if (!manager->Active() || !skin) {
        return;  // the manager has said why
    }
    if (settings_.DrawNonClientArea) {
        const QString title = settings_.TitleSkin.isEmpty() ? QStringLiteral("FORMTITLE") : settings_.TitleSkin;
        host.setFrameLook(std::make_shared<kestrun::skin::SkinFrameLook>(
            skin, settings_.SkinData.SkinSection.toStdString(), title.toStdString()));
    }
    skinControls(form, *manager);
    addExtendedBorder(form, *manager);
    skinned_ = true;
}

void TSkinProvider::skinControls(QWidget& form, const TSkinManager& manager) {
    const std::shared_ptr<const Skin> skin = manager.skin();
    const TThirdPartyLists& lists = manager.settings().ThirdParty;
    for (QString TThirdPartyLists::*list : kThirdPartyLists) {
        if (list != &TThirdPartyLists::ThirdButtons && !(lists.*list).trimmed().isEmpty()) {
            qCDebug(lcSkin,
                    "the skin draws only push buttons; the classes \"%s\" keep their own look",
                    qPrintable((lists.*list).trimmed()));
        }
    }
    const QColor text = skin->fontColor();
    for (QWidget* widget : form.findChildren<QWidget*>()) {
        const QString className = QString::fromLatin1(widget->metaObject()->className());
        if (names_class(lists.ThirdButtons, className) && qobject_cast<QPushButton*>(widget)) {
            if (!buttonStyle_) {
                QStyle* base = QStyleFactory::create(QApplication::style()->name());
                buttonStyle_ = new kestrun::skin::SkinButtonStyle(skin, base);
                buttonStyle_->setParent(&form);
            }
            widget->setStyle(buttonStyle_);
        } else if (className == QLatin1String("TLabel")) {
            // Transparent, in the skin's text colour; the label's own font stays.
            widget->setAutoFillBackground(false);
            QPalette palette = widget->palette();
            for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
                palette.setColor(group, QPalette::WindowText, text);
            }
            widget->setPalette(palette);
        }
    }
}

void TSkinProvider::addExtendedBorder(QWidget& form, const TSkinManager& manager) {
    const std::shared_ptr<const Skin> skin = manager.skin();
    const auto& d = skin->description();
    kestrun::skin::ExtendedBorderConditions conditions;
    conditions.extendedBorders = manager.settings().ExtendedBorders;
    conditions.allowExtBorders = settings_.AllowExtBorders;
    conditions.drawNonClientArea = settings_.DrawNonClientArea;
    conditions.topLevel = form.isWindow();
    conditions.maximized = form.isMaximized();
    conditions.hasImage = d.value("GLOBALINFO", "EXBORDER").has_value();
    conditions.compositing = true;  // asked last: it costs a round trip to the X server
    if (!kestrun::skin::wants_extended_border(conditions)) {
        return;
    }
    if (const char* why = kestrun::skin::why_no_extended_border()) {
        qCDebug(lcSkin, "the window has no extended border: %s", why);
        return;
    }
    const QImage& image = skin->image(*d.value("GLOBALINFO", "EXBORDER"));
    if (image.isNull()) {
        return;  // the skin has said why
    }
    const int width = std::clamp(kestrun::skin::integer_value(d, "GLOBALINFO", "EXBORDERWIDTH").value_or(20), 0, 64);
    const QMargins margins =
        kestrun::skin::margins_value(d, "GLOBALINFO", "EXBORDERMARGINS").value_or(QMargins(width, width, width, width));
    border_ = std::make_unique<kestrun::skin::ExtendedBorder>(form, image, width, margins);
}
