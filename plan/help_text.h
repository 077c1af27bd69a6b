// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What kestrun-plan says about itself: the usage line, the help and the version.

#include <string_view>

namespace plan {

extern const std::string_view kUsage;  // ends in a line feed
extern const std::string_view kHelp;   // the usage, the formula, the options and the exit statuses
extern const std::string_view kVersion;

}  // namespace plan
