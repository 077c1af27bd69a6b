// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/model/skin_log.h"

Q_LOGGING_CATEGORY(lcSkin, "kestrun.skin", QtInfoMsg)
