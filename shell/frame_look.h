// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the frameless main window draws what a window manager would otherwise draw: its frame, its title
// bar with icon, caption and close button, and the background of its client area. The standard look
// draws plain parts of its own; a skin draws them from its images. The window asks its look for every
// one of these and draws nothing of the kind itself.

#include <memory>

#include <QIcon>
#include <QMargins>
#include <QPainter>
#include <QRect>
#include <QSize>
#include <QString>

enum class CloseButtonState { Normal, Hot, Pressed };

struct NonClientState {
    QSize windowSize;    // the whole window, frame included
    QString caption;     // "Ombrelt"
    QIcon icon;          // the window's own icon, drawn in the title bar
    bool active = true;  // the window has the focus
    CloseButtonState closeButton = CloseButtonState::Normal;
};

class FrameLook {
public:
    virtual ~FrameLook() = default;

    // The non-client area on each side of the client area; top includes the title bar.
    virtual QMargins margins() const = 0;
    // The part of the title bar that drags the window (window coordinates).
    virtual QRect titleBarRect(QSize windowSize) const = 0;
    virtual QRect closeButtonRect(QSize windowSize) const = 0;
    // Frame, title bar, icon, caption and close button.
    virtual void paintNonClient(QPainter& painter, const NonClientState& state) const = 0;
    // The client area's background (window coordinates of the client rectangle).
    virtual void paintClientBackground(QPainter& painter, const QRect& clientRect) const = 0;
};

// A window that draws its own frame and lets another part choose the look it draws with.
class FrameLookHost {
public:
    virtual ~FrameLookHost() = default;
    // nullptr puts the standard look back. The window keeps its client area size and resizes its
    // frame around it.
    virtual void setFrameLook(std::shared_ptr<const FrameLook> look) = 0;
};
