// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's own plain look: a thin raised frame, a title bar with the window's icon, its caption and
// a close button, and the button-face colour behind the controls. Colours come from the palette.

#include "shell/frame_look.h"

class StandardFrameLook : public FrameLook {
public:
    static constexpr int kBorder = 3;        // the frame on every side
    static constexpr int kTitleHeight = 19;  // the title bar, below the top frame

    QMargins margins() const override;
    QRect titleBarRect(QSize windowSize) const override;
    QRect closeButtonRect(QSize windowSize) const override;
    void paintNonClient(QPainter& painter, const NonClientState& state) const override;
    void paintClientBackground(QPainter& painter, const QRect& clientRect) const override;

private:
    QRect titleRect(QSize windowSize) const;
    void paintCloseButton(QPainter& painter, const QRect& r, CloseButtonState state) const;
};
