// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The logging category of the window skin: choosing and loading a skin and putting it on the window.
// Debug messages are off by default; QT_LOGGING_RULES="kestrun.skin.debug=true" shows them.
#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcSkin)
