// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/window_hints.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#if defined(KESTRUN_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define KESTRUN_X11_HINTS 1
#endif

namespace kestrun::skin {

namespace {

#ifdef KESTRUN_X11_HINTS
xcb_connection_t* x11_connection() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t result = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    std::free(reply);
    return result;
}
#endif

}  // namespace

void make_owned_box(QWidget& box, QWidget* owner) {
    box.winId();
    if (owner && owner->window()->windowHandle() && box.windowHandle()) {
        box.windowHandle()->setTransientParent(owner->window()->windowHandle());
    }
#ifdef KESTRUN_X11_HINTS
    xcb_connection_t* connection = x11_connection();
    if (!connection) {
        return;
    }
    // Qt merges these with its own states when it maps the window.
    const xcb_atom_t states[] = {atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    xcb_change_property(connection,
                        XCB_PROP_MODE_APPEND,
                        static_cast<xcb_window_t>(box.winId()),
                        atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM,
                        32,
                        2,
                        states);
    xcb_flush(connection);
#endif
}

void announce_fixed_size(QWidget& window) {
#ifdef KESTRUN_X11_HINTS
    xcb_connection_t* connection = x11_connection();
    if (!connection) {
        return;
    }
    // flags, functions, decorations, input mode, status
    enum : uint32_t { kFunctions = 1, kDecorations = 2, kMove = 4, kMinimize = 8, kClose = 32 };
    const uint32_t hints[5] = {kFunctions | kDecorations, kMove | kMinimize | kClose, 0, 0, 0};
    const xcb_atom_t motif = atom(connection, "_MOTIF_WM_HINTS");
    xcb_change_property(
        connection, XCB_PROP_MODE_REPLACE, static_cast<xcb_window_t>(window.winId()), motif, motif, 32, 5, hints);
    xcb_flush(connection);
#else
    (void)window;
#endif
}

}  // namespace kestrun::skin
