// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Where the decimal separator comes from: the decimal point of the user's locale (LC_ALL, LC_NUMERIC,
// LANG), read at start and again whenever the application is told that the locale changed.

#include <QLocale>

namespace shell {

// The separator for a locale: its decimal point when that is one Latin-1 character, "." otherwise.
char separatorOf(const QLocale& locale);

// Reads the system locale's separator and makes it the process's decimal separator.
void readDecimalSeparator();

}  // namespace shell
