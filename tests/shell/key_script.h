// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A compact way to write a series of key presses in a test table: plain characters are typed as they
// stand, named keys go in braces: {Tab} {S-Tab} {BS} {Del} {Left} {S-Left} {Right} {S-Right} {Home}
// {S-Home} {End} {S-End} {Up} {Down} {Esc} {Enter} {Paste} {Copy} {Cut}.

#include <string>
#include <string_view>
#include <vector>

struct KeyStep {
    std::string named;   // the name in braces, or empty for a typed character
    char32_t typed = 0;  // the typed character
};

inline std::vector<KeyStep> parseKeys(std::string_view script) {
    std::vector<KeyStep> steps;
    for (std::size_t i = 0; i < script.size(); ++i) {
        if (script[i] == '{') {
            const std::size_t close = script.find('}', i);
            steps.push_back({std::string(script.substr(i + 1, close - i - 1)), 0});
            i = close;
        } else {
            steps.push_back({{}, static_cast<unsigned char>(script[i])});
        }
    }
    return steps;
}
