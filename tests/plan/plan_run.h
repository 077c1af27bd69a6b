// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Runs the real kestrun-plan binary with a pinned locale, and takes its table apart.

#include <sstream>
#include <string>
#include <vector>

#include "run_program.h"

namespace plan_test {

inline const std::vector<std::string> kCLocale{"LC_ALL=C"};

// The words that start kestrun-plan with these arguments. Built for another processor, the program
// runs under the emulator that runs these tests, given as its words joined by '|'.
inline std::vector<std::string> plan_command(const std::vector<std::string>& arguments) {
    std::vector<std::string> words;
#ifdef KESTRUN_PLAN_EMULATOR
    std::istringstream emulator(KESTRUN_PLAN_EMULATOR);
    for (std::string word; std::getline(emulator, word, '|');) words.push_back(word);
#endif
    words.push_back(KESTRUN_PLAN_BINARY);
    words.insert(words.end(), arguments.begin(), arguments.end());
    return words;
}

inline Finished run_plan(const std::vector<std::string>& arguments,
                         const std::vector<std::string>& environment = kCLocale, const RunOptions& options = {}) {
    std::vector<std::string> words = plan_command(arguments);
    const std::string program = words.front();
    words.erase(words.begin());
    return run_program(program, words, environment, options);
}

inline std::vector<std::string> lines_of(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The blank-separated words of a line of the table.
inline std::vector<std::string> words_of(const std::string& line) {
    std::vector<std::string> words;
    std::istringstream in(line);
    for (std::string word; in >> word;) {
        words.push_back(word);
    }
    return words;
}

// The value of a CSV field of values ("0.0625", "1e-05").
double read_double(const std::string& text);

// The comma-separated fields of a CSV line; a quoted field may hold commas and doubled quotes.
inline std::vector<std::string> fields_of(const std::string& line) {
    std::vector<std::string> fields(1);
    bool quoted = false;
    for (std::size_t i = 0; i < line.size(); ++i) {
        const char c = line[i];
        if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
            fields.back() += '"';
            ++i;
        } else if (c == '"') {
            quoted = !quoted;
        } else if (c == ',' && !quoted) {
            fields.emplace_back();
        } else {
            fields.back() += c;
        }
    }
    return fields;
}

}  // namespace plan_test
