// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The text shown for a failure, the same as in the window's error box: the failure's message, with a
// full stop added when its last character has a code above that of "." (a letter or a digit gains
// one; a message ending in ".", ")", "!", a blank or a quotation mark is shown as it is).

#include <string>
#include <string_view>

namespace plan {

std::string shown_failure_text(std::string_view message);

}  // namespace plan
