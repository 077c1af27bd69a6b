// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The extended border: when the window gets one, and how it follows the window.

#include <gtest/gtest.h>

#include <QApplication>

#include "shell/skin/compositing.h"
#include "shell/skin/extended_border.h"
#include "skin_fixtures.h"
#include "test_form.h"

using kestrun::skin::ExtendedBorderConditions;

namespace {

TEST(ExtendedBorder, is_wanted_only_when_everything_allows_it) {
    const ExtendedBorderConditions all{true, true, true, true, false, true, true};
    EXPECT_TRUE(kestrun::skin::wants_extended_border(all));
    // Each row takes one condition away.
    // clang-format off
    bool ExtendedBorderConditions::*flags[] = {
        &ExtendedBorderConditions::extendedBorders, &ExtendedBorderConditions::allowExtBorders,
        &ExtendedBorderConditions::drawNonClientArea, &ExtendedBorderConditions::topLevel,
        &ExtendedBorderConditions::compositing, &ExtendedBorderConditions::hasImage};
    for (auto flag : flags) {
        ExtendedBorderConditions c = all;
        c.*flag = false;
        EXPECT_FALSE(kestrun::skin::wants_extended_border(c));
    }
    ExtendedBorderConditions maximized = all;
    maximized.maximized = true;
    EXPECT_FALSE(kestrun::skin::wants_extended_border(maximized));
}

TEST(ExtendedBorder, asks_for_the_compositing_selection_of_the_display_screen)
{
    const std::pair<const char*, int> rows[] = {
        {":0", 0}, {":1.2", 2}, {"host:0.1", 1}, {"host.example:3", 0}, {"", 0}, {":0.x", 0}, {"[::1]:0.3", 3},
    };
    // clang-format on
    for (const auto& [display, screen] : rows) {
        EXPECT_EQ(kestrun::skin::x11_screen_number(display), screen) << display;
    }
}

// A border window can only stand around the main window where the program places its windows itself:
// not on Wayland, where only the compositor knows where a window is.
TEST(ExtendedBorder, is_left_out_where_the_program_cannot_place_windows) {
    const std::pair<const char*, bool> rows[] = {
        {"xcb", true},
        {"wayland", false},
        {"wayland-egl", false},
        {"offscreen", false},
        {"eglfs", false},
    };
    for (const auto& [platform, places] : rows) {
        EXPECT_EQ(kestrun::skin::platform_places_windows(QString::fromLatin1(platform)), places) << platform;
    }
    EXPECT_STREQ(kestrun::skin::why_no_extended_border(),
                 "the platform does not let the program place a window around another");
}

TEST(ExtendedBorder, is_not_there_without_a_compositing_manager) {
    EXPECT_FALSE(kestrun::skin::compositing_manager_running());  // the offscreen platform has none
    QTemporaryDir home;
    TestForm form(skintest::window_manager_settings(home.path() + "/Skins"));
    EXPECT_TRUE(form.SkinProvider1.skinned());
    EXPECT_EQ(form.SkinProvider1.extendedBorder(), nullptr);
}

TEST(ExtendedBorder, follows_its_window_and_takes_no_input) {
    QWidget window(nullptr, Qt::FramelessWindowHint);
    window.setGeometry(100, 120, 202, 225);
    QImage glow(240, 120, QImage::Format_ARGB32);
    glow.fill(QColor(200, 100, 50, 120));
    kestrun::skin::ExtendedBorder border(window, glow, 20, QMargins(20, 20, 20, 20));
    EXPECT_FALSE(border.isVisible());  // not before its window shows

    window.show();
    QApplication::processEvents();
    EXPECT_TRUE(border.isVisible());
    EXPECT_EQ(border.geometry(), window.frameGeometry().adjusted(-20, -20, 20, 20));

    window.move(300, 200);
    QApplication::processEvents();
    EXPECT_EQ(border.geometry(), window.frameGeometry().adjusted(-20, -20, 20, 20));

    EXPECT_TRUE(border.windowFlags().testFlag(Qt::WindowTransparentForInput));
    EXPECT_TRUE(border.windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_EQ(border.focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(border.testAttribute(Qt::WA_TranslucentBackground));

    window.hide();
    QApplication::processEvents();
    EXPECT_FALSE(border.isVisible());
}

}  // namespace
