// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Reading a skin description: INI text, names without regard to case, typed values.

#include <gtest/gtest.h>

#include "shell/skin/model/skin_description.h"
#include "shell/skin/model/skin_values.h"
#include "shell/skin/package/skin_package.h"

using kestrun::skin::SkinDescription;
using kestrun::skin::SkinError;

namespace {

const SkinDescription kSample = SkinDescription::parse(
    "; a comment\n"
    "[GlobalInfo]\n"
    "Version = 7.61\n"
    "FONTCOLOR=16182738\n"
    "RED=255\n"
    "BLUE=16711680\n"
    "TOOBIG=16777216\n"
    "NEGATIVE=-1\n"
    "WORD=red\n"
    "RECT=336,50,54,18\n"
    "SHORTRECT=1,2,3\n"
    "EMPTYRECT=1,2,0,4\n"
    "MARGINS=6, 0, 6, 0\n"
    "MASTERBITMAP=MASTER.BMP\n"
    "[BUTTON_HUGE]\n"
    "IMAGE=BtnHuge.bmp\n");

TEST(SkinDescription, finds_sections_and_keys_without_regard_to_case) {
    EXPECT_EQ(kSample.value("GLOBALINFO", "VERSION"), "7.61");
    EXPECT_EQ(kSample.value("globalinfo", "version"), "7.61");
    EXPECT_TRUE(kSample.hasSection("button_huge"));
    EXPECT_FALSE(kSample.value("GLOBALINFO", "MISSING").has_value());
    EXPECT_FALSE(kSample.value("NOSECTION", "VERSION").has_value());
    EXPECT_EQ(kSample.sectionCount(), 2u);
}

TEST(SkinDescription, lists_image_names_as_written) {
    EXPECT_EQ(kSample.imageNames(), (std::vector<std::string>{"BtnHuge.bmp", "MASTER.BMP"}));
}

struct ColorRow {
    const char* key;
    std::optional<QColor> color;
};

TEST(SkinDescription, reads_colours_with_red_in_the_low_byte) {
    const ColorRow rows[] = {
        {"FONTCOLOR", QColor(210, 237, 246)},
        {"RED", QColor(255, 0, 0)},
        {"BLUE", QColor(0, 0, 255)},
        {"TOOBIG", std::nullopt},
        {"NEGATIVE", std::nullopt},
        {"WORD", std::nullopt},
        {"MISSING", std::nullopt},
    };
    for (const ColorRow& row : rows) {
        EXPECT_EQ(kestrun::skin::color_value(kSample, "GLOBALINFO", row.key), row.color) << row.key;
    }
}

TEST(SkinDescription, reads_rectangles_and_margins_only_when_well_formed) {
    EXPECT_EQ(kestrun::skin::rect_value(kSample, "GLOBALINFO", "RECT"), QRect(336, 50, 54, 18));
    EXPECT_FALSE(kestrun::skin::rect_value(kSample, "GLOBALINFO", "SHORTRECT").has_value());
    EXPECT_FALSE(kestrun::skin::rect_value(kSample, "GLOBALINFO", "EMPTYRECT").has_value());
    EXPECT_EQ(kestrun::skin::margins_value(kSample, "GLOBALINFO", "MARGINS"), QMargins(6, 0, 6, 0));
    EXPECT_FALSE(kestrun::skin::rect_value(kSample, "GLOBALINFO", "WORD").has_value());
}

TEST(SkinDescription, reads_the_version_with_a_point_only) {
    const std::pair<const char*, const char*> rows[] = {
        {"7.61", "7.61"},
        {" 7.61 ", "7.61"},
        {"8", "8"},
        {"7,61", ""},
        {"seven", ""},
        {"", ""},
        {"-1", ""},
        {"1e3", ""},
    };
    for (const auto& [text, version] : rows) {
        EXPECT_EQ(kestrun::skin::version_text(text), QString::fromLatin1(version)) << text;
    }
}

TEST(SkinDescription, refuses_text_that_is_no_ini) {
    const std::pair<std::string, const char*> rows[] = {
        {"[GLOBALINFO]\nVERSION=1\nthis line has no equals sign\n", "error on line 3"},
        {"[GLOBALINFO\nVERSION=1\n", "error on line 1"},
        {std::string("[GLOBALINFO]\nVERSION=1\0\n", 24), "not text"},
    };
    for (const auto& [text, message] : rows) {
        try {
            SkinDescription::parse(text);
            ADD_FAILURE() << "taken: " << text;
        } catch (const SkinError& e) {
            EXPECT_NE(std::string(e.what()).find(message), std::string::npos) << e.what();
        }
    }
}

}  // namespace
