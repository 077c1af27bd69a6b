// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The decimal separator of the user's locale, as the environment names it (LC_ALL, LC_NUMERIC, LANG).

#include <ostream>

namespace plan {

// The locale's decimal point when it is one character, "." otherwise. When the locale is not
// available on this system, or its decimal point is longer than one character, a line on `warnings`
// says that "." is used instead.
char separator_from_user_locale(std::ostream& warnings);

}  // namespace plan
