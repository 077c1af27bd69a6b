// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs a program to its end with a given environment, and keeps what it wrote and how it ended.

#include <string>
#include <vector>

namespace plan_test {

struct Finished {
    int status = -1;  // the exit status; -1 when the program did not exit normally
    int signal = 0;   // the signal that ended the program, if one did
    std::string out;  // standard output
    std::string err;  // standard error
};

struct RunOptions {
    bool ignore_sigpipe = false;  // start the program with SIGPIPE ignored; otherwise at its default
    bool close_output = false;    // close the reading end of its standard output before it writes
};

// `environment` replaces the caller's ("NAME=value" entries), so that nothing of the caller's locale
// leaks into the run.
Finished run_program(const std::string& program, const std::vector<std::string>& arguments,
                     const std::vector<std::string>& environment, const RunOptions& options = {});

}  // namespace plan_test
