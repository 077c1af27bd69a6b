// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/compositing.h"

#include <QGuiApplication>
#include <QtDebug>

#if defined(KESTRUN_HAVE_XCB) && QT_CONFIG(xcb)
#include <xcb/xcb.h>
#define KESTRUN_CHECK_XCB 1
#endif

namespace kestrun::skin {

bool wants_extended_border(const ExtendedBorderConditions& c) {
    return c.extendedBorders && c.allowExtBorders && c.drawNonClientArea && c.topLevel && !c.maximized &&
           c.compositing && c.hasImage;
}

int x11_screen_number(const QByteArray& displayName) {
    const qsizetype colon = displayName.lastIndexOf(':');
    const qsizetype dot = displayName.indexOf('.', colon < 0 ? 0 : colon);
    if (colon < 0 || dot < 0) {
        return 0;
    }
    bool ok = false;
    const int screen = displayName.mid(dot + 1).toInt(&ok);
    return ok && screen >= 0 ? screen : 0;
}

bool compositing_manager_running() {
#ifdef KESTRUN_CHECK_XCB
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection) {
        return false;
    }
    const QByteArray name = "_NET_WM_CM_S" + QByteArray::number(x11_screen_number(qgetenv("DISPLAY")));
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 1, static_cast<uint16_t>(name.size()), name.constData()), nullptr);
    if (!atom) {
        return false;
    }
    const xcb_atom_t selection = atom->atom;
    free(atom);
    if (selection == XCB_ATOM_NONE) {
        return false;  // the atom does not exist, so nobody has ever owned the selection
    }
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    const bool running = owner && owner->owner != XCB_WINDOW_NONE;
    free(owner);
    return running;
#else
    return false;
#endif
}

bool platform_places_windows(const QString& platformName) {
    // On Wayland (and on the headless platforms) a window cannot know, let alone set, where it stands.
    return platformName == QLatin1String("xcb") || platformName == QLatin1String("windows");
}

const char* why_no_extended_border() {
    if (!platform_places_windows(QGuiApplication::platformName())) {
        return "the platform does not let the program place a window around another";
    }
    if (!compositing_manager_running()) {
        return "no compositing manager runs";
    }
    return nullptr;
}

}  // namespace kestrun::skin
