// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The skin manager: it chooses and loads the skin while the window is built, and makes it active
// once the window's description has been read in full. The application's default manager is the
// one a skin provider without a manager of its own uses.

#include <memory>

#include <QString>

#include "shell/skin/skin_settings.h"

namespace kestrun::skin {
class Skin;
}

class TSkinManager {
public:
    // Chooses and loads the skin at once; a skin that fails to load shows the "Error" box.
    explicit TSkinManager(TSkinManagerSettings settings);
    ~TSkinManager();
    TSkinManager(const TSkinManager&) = delete;
    TSkinManager& operator=(const TSkinManager&) = delete;

    static TSkinManager* defaultManager();

    // The window's description has been read: fills in the empty settings and makes the skin active.
    void activate();

    // The skin name in force: "autumnsky (internal)" once the carried skin has been taken in place
    // of "autumnsky"; empty after a failed load.
    QString SkinName() const { return settings_.SkinName; }
    // The version of the skin in use, or "N/A" while no skin is active.
    QString SkinInfo() const;
    bool Active() const { return settings_.Active; }
    const TSkinManagerSettings& settings() const { return settings_; }
    // The loaded skin; nullptr when there is none.
    std::shared_ptr<const kestrun::skin::Skin> skin() const { return skin_; }

private:
    void load();

    TSkinManagerSettings settings_;
    std::shared_ptr<const kestrun::skin::Skin> skin_;
};
