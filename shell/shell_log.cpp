// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/shell_log.h"

Q_LOGGING_CATEGORY(lcShell, "kestrun.shell", QtInfoMsg)
