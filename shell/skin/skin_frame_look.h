// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's frame, title bar, close button and client background drawn from a skin: the frame
// and background from the form section ("FORM"), the title bar from the title section
// ("FORMTITLE"), the close button from "BICLOSEALONE" (else "BICONCLOSE") of "GLOBALINFO".

#include <memory>
#include <optional>
#include <string>

#include <QColor>
#include <QFont>

#include "shell/frame_look.h"
#include "shell/skin/slice_cache.h"

namespace kestrun::skin {

class Skin;

class SkinFrameLook : public FrameLook {
public:
    SkinFrameLook(std::shared_ptr<const Skin> skin, const std::string& formSection, const std::string& titleSection);

    QMargins margins() const override;
    QRect titleBarRect(QSize windowSize) const override;
    QRect closeButtonRect(QSize windowSize) const override;
    void paintNonClient(QPainter& painter, const NonClientState& state) const override;
    void paintClientBackground(QPainter& painter, const QRect& clientRect) const override;

private:
    QRect titleRect(QSize windowSize) const;
    void paintTitle(QPainter& painter, const NonClientState& state) const;
    void paintCloseButton(QPainter& painter, const NonClientState& state) const;

    std::shared_ptr<const Skin> skin_;
    int border_ = 4;
    int titleHeight_ = 22;
    std::optional<QRect> frame_, client_, titleActive_, titleInactive_, closeStrip_;
    QMargins frameMargins_, titleMargins_;
    QColor formColor_, titleColor_, captionColor_, inactiveCaptionColor_;
    QFont captionFont_;
    mutable SliceCache cache_;
};

}  // namespace kestrun::skin
