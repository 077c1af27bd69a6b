// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the window system is told about the program's windows beyond what Qt tells it: that a message
// box belongs to the main window and has no taskbar entry of its own, and that the main window can be
// moved, minimised and closed but neither resized nor maximised.

class QWidget;

namespace kestrun::skin {

// Call before the box is shown. The box stays above `owner` (when given) and, on X11, is kept off the
// taskbar and the pager (_NET_WM_STATE_SKIP_TASKBAR, _NET_WM_STATE_SKIP_PAGER).
void make_owned_box(QWidget& box, QWidget* owner);

// Call once the window's native window exists and before it is mapped. On X11 the Motif hints allow
// moving, minimising and closing only, so that the window manager offers no resize, maximise or
// fullscreen (Qt itself always allows resizing there).
void announce_fixed_size(QWidget& window);

}  // namespace kestrun::skin
