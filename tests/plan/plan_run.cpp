// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "plan_run.h"

#include <gtest/gtest.h>

#include <charconv>

namespace plan_test {

double read_double(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(error == std::errc{} && end == text.data() + text.size()) << "'" << text << "' is no double";
    return value;
}

}  // namespace plan_test
