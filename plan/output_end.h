// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How kestrun-plan ends when its output cannot be written.

#include <ostream>

namespace plan {

inline constexpr int kCannotWriteOutput = 74;  // EX_IOERR
// The status a shell reports for a program ended by SIGPIPE (128 + 13). kestrun-plan ends with it,
// quietly, when the reader of standard output has gone and SIGPIPE is ignored; with SIGPIPE left at
// its default the signal itself ends the program at the first write.
inline constexpr int kReaderGone = 141;

// 0 when everything written to standard output has reached it. Otherwise kReaderGone, without a
// word, when standard output is a pipe or socket whose reader has gone, or kCannotWriteOutput after a
// line on `errors` that says why.
int output_status(std::ostream& out, std::ostream& errors);

}  // namespace plan
