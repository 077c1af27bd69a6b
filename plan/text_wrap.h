// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Lines of prose that stay within the width of a terminal.

#include <ostream>
#include <string_view>

namespace plan {

inline constexpr std::size_t kLineWidth = 80;

// Writes `text` as lines of at most kLineWidth characters, broken at blanks; a word longer than a line
// stands alone on its line. Ends with a line feed.
void write_wrapped(std::ostream& out, std::string_view text);

}  // namespace plan
