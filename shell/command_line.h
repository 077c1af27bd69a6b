// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the command line can ask of kestrun before any window exists: its usage and its version.

#include <cstdio>
#include <optional>

namespace shell {

// "--help" (or "-h") prints the usage, "--version" the version, each to `out`; the first of them on the
// command line counts. Returns the exit status then, nothing when the program is to start as usual (every
// other argument is left to Qt).
std::optional<int> answerCommandLine(int argc, char** argv, std::FILE* out);

}  // namespace shell
