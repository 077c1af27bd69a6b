// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The skin provider: once the window's description has been read in full, it makes the skin of
// its manager active on the window: the window's frame, title bar and background, the push
// buttons of the classes in ThirdButtons, the labels' colour, and the extended border.

#include <memory>

#include <QPointer>

#include "shell/skin/skin_settings.h"

class FrameLookHost;
class QStyle;
class QWidget;

namespace kestrun::skin {
class ExtendedBorder;
}

class TSkinProvider {
public:
    explicit TSkinProvider(TSkinProviderSettings settings = {});
    ~TSkinProvider();
    TSkinProvider(const TSkinProvider&) = delete;
    TSkinProvider& operator=(const TSkinProvider&) = delete;

    // Called at the end of the window's constructor, when all its controls exist.
    void formLoaded(QWidget& form, FrameLookHost& host);

    const TSkinProviderSettings& settings() const { return settings_; }
    // Whether the skin is on the window.
    bool skinned() const { return skinned_; }
    // The extended border's window, while there is one.
    QWidget* extendedBorder() const;

private:
    void skinControls(QWidget& form, const TSkinManager& manager);
    void addExtendedBorder(QWidget& form, const TSkinManager& manager);

    TSkinProviderSettings settings_;
    bool skinned_ = false;
    QPointer<QStyle> buttonStyle_;  // owned by the window, so that it outlives the buttons
    std::unique_ptr<kestrun::skin::ExtendedBorder> border_;
};
