// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/display_check.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <utility>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <QByteArray>
#include <QStringList>
#include <QtGlobal>

#ifdef KESTRUN_HAVE_XCB
#include <xcb/xcb.h>
#endif

namespace shell {

namespace {

QByteArray environment(const char* name) { return qgetenv(name); }

// The value given to a Qt option such as "-platform" or "-display", or an empty array.
QByteArray argumentOf(int argc, char** argv, const char* option) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], option) == 0) return QByteArray(argv[i + 1]);
    return {};
}

#ifdef KESTRUN_HAVE_XCB
// The connection that found the X display reachable. It stays open until Qt has connected too: an X
// server whose last client leaves resets itself, and a connection made during that reset fails.
xcb_connection_t* g_checkConnection = nullptr;
#endif

QString x11Problem(const QByteArray& display) {
#ifdef KESTRUN_HAVE_XCB
    xcb_connection_t* connection = xcb_connect(display.isEmpty() ? nullptr : display.constData(), nullptr);
    if (xcb_connection_has_error(connection) == 0) {
        if (g_checkConnection) xcb_disconnect(g_checkConnection);
        g_checkConnection = connection;
        return {};
    }
    xcb_disconnect(connection);
#endif
    if (display.isEmpty())
        return QStringLiteral(
            "no X display to open: DISPLAY is not set; start kestrun in a desktop session "
            "or set DISPLAY to a running X server");
    return QStringLiteral(
               "cannot open the X display '%1'; start kestrun in a desktop session or set DISPLAY "
               "to a running X server")
        .arg(QString::fromLocal8Bit(display));
}

QString waylandProblem() {
    QByteArray name = environment("WAYLAND_DISPLAY");
    if (name.isEmpty()) name = "wayland-0";
    QByteArray path = name;
    if (!name.startsWith('/')) {
        const QByteArray runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.isEmpty())
            return QStringLiteral(
                       "cannot reach the Wayland display '%1': XDG_RUNTIME_DIR is not set; start "
                       "kestrun in a desktop session")
                .arg(QString::fromLocal8Bit(name));
        path = runtime + '/' + name;
    }
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    bool reached = false;
    if (static_cast<std::size_t>(path.size()) < sizeof address.sun_path) {
        std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        reached = fd >= 0 && ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
        if (fd >= 0) ::close(fd);
    }
    if (reached) return {};
    return QStringLiteral(
               "cannot reach the Wayland display '%1' (%2); start kestrun in a desktop session or "
               "set WAYLAND_DISPLAY to a running compositor")
        .arg(QString::fromLocal8Bit(name), QString::fromLocal8Bit(path));
}

QtMessageHandler g_previous = nullptr;
QList<std::pair<QtMsgType, QString>> g_held;  // Qt's messages while the platform starts
QString g_heldDisplay;                        // what the messages are about, for the one line

void holdWhileStarting(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        g_held.append({type, message});
        return;
    }
    QString why = message.section(u'\n', 0, 0);
    for (const auto& [heldType, text] : g_held)
        if (heldType != QtDebugMsg && heldType != QtInfoMsg) why = text;
    std::fprintf(stderr,
                 "kestrun: no Qt platform could open the window (%s): %s\n",
                 qPrintable(g_heldDisplay),
                 qPrintable(why.section(u'\n', 0, 0)));
    std::fflush(stderr);
    (void)context;
    std::_Exit(1);
}

}  // namespace

QString chosenPlatform(int argc, char** argv) {
    QByteArray platform = argumentOf(argc, argv, "-platform");
    if (platform.isEmpty()) platform = environment("QT_QPA_PLATFORM");
    if (platform.isEmpty()) {
        const QByteArray session = environment("XDG_SESSION_TYPE");
        const QByteArray desktop =
            environment("XDG_CURRENT_DESKTOP").toLower() + environment("XDG_SESSION_DESKTOP").toLower();
        platform = session == "wayland" && !desktop.contains("gnome") ? "wayland" : "xcb";
    }
    return QString::fromLocal8Bit(platform);
}

QString displayProblem(int argc, char** argv) {
    QByteArray x11Display = argumentOf(argc, argv, "-display");
    if (x11Display.isEmpty()) x11Display = environment("DISPLAY");
    // Qt tries the platforms of a list one after the other; the first that starts is taken.
    QString first;
    for (const QString& entry : chosenPlatform(argc, argv).split(u';', Qt::SkipEmptyParts)) {
        const QString name = entry.section(u':', 0, 0).trimmed();
        QString problem;
        if (name == u"xcb")
            problem = x11Problem(x11Display);
        else if (name.startsWith(u"wayland"))
            problem = waylandProblem();
        if (problem.isEmpty()) return {};
        if (first.isEmpty()) first = problem;
    }
    return first;
}

void beginPlatformStart(int argc, char** argv) {
    g_held.clear();
    g_heldDisplay = QStringLiteral("platform %1").arg(chosenPlatform(argc, argv));
    g_previous = qInstallMessageHandler(holdWhileStarting);
}

void endPlatformStart() {
#ifdef KESTRUN_HAVE_XCB
    if (g_checkConnection) xcb_disconnect(std::exchange(g_checkConnection, nullptr));
#endif
    qInstallMessageHandler(g_previous);
    for (const auto& [type, text] : std::exchange(g_held, {})) {
        const QMessageLogContext context;
        qt_message_output(type, context, text);
    }
}

}  // namespace shell
