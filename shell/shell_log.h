// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The logging category of the window shell: start-up, fonts, icons, the window's frame.
// Debug messages are off by default; QT_LOGGING_RULES="kestrun.shell.debug=true" shows them.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcShell)
