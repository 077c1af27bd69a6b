// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The carried skin "autumnsky": its four members, their sizes and image formats, and a
// description that names images the package holds.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageReader>

#include "shell/skin/carried_skins.h"
#include "shell/skin/model/skin.h"
#include "shell/skin/model/skin_description.h"
#include "shell/skin/model/skin_values.h"
#include "skin_fixtures.h"

using kestrun::skin::SkinDescription;

namespace {

struct MemberRow {
    const char* name;
    std::size_t bytes;
    const char* format;  // "" for the description
    int width, height;
    int bitsPerPixel;  // as the file's header records it
};

std::ostream& operator<<(std::ostream& os, const MemberRow& r) { return os << r.name; }

const MemberRow kMembers[] = {
    {"Options.dat", 17662, "", 0, 0, 0},
    {"BtnHuge.bmp", 73756, "bmp", 192, 128, 24},
    {"Master.bmp", 318454, "bmp", 530, 200, 24},
    {"ExtBord.png", 16714, "png", 240, 120, 32},
};

int bits_per_pixel(const skintest::Bytes& file, const std::string& format) {
    if (format == "bmp") {
        const int headerSize = file[14] | (file[15] << 8);
        const std::size_t at = headerSize == 12 ? 24 : 28;  // core header or info header
        return file[at] | (file[at + 1] << 8);
    }
    // PNG: bit depth and colour type in IHDR; colour type 6 is RGBA.
    const int depth = file[24], colourType = file[25];
    return colourType == 6 ? depth * 4 : -1;
}

TEST(CarriedSkin, holds_four_members_in_order) {
    const auto members = skintest::carried_members();
    ASSERT_EQ(members.size(), std::size(kMembers));
    for (std::size_t i = 0; i < members.size(); ++i) {
        EXPECT_EQ(members[i].name, kMembers[i].name);
    }
}

class CarriedMember : public testing::TestWithParam<MemberRow> {};

TEST_P(CarriedMember, has_its_recorded_size_format_and_dimensions) {
    const MemberRow& row = GetParam();
    const skintest::Bytes content = skintest::carried_member(row.name);
    EXPECT_EQ(content.size(), row.bytes);
    if (std::string(row.format).empty()) {
        return;
    }
    QByteArray data(reinterpret_cast<const char*>(content.data()), static_cast<qsizetype>(content.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    EXPECT_EQ(reader.format(), QByteArray(row.format));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(row.width, row.height));
    EXPECT_EQ(bits_per_pixel(content, row.format), row.bitsPerPixel);
    EXPECT_EQ(image.hasAlphaChannel(), row.bitsPerPixel == 32);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Members, CarriedMember, testing::ValuesIn(kMembers),
                         [](const auto& info) {
                             // "Master.bmp" is told as Master_bmp: a test name holds letters, digits and '_'.
                             std::string name = info.param.name;
                             for (char& c : name) {
                                 if (c == '.') c = '_';
                             }
                             return name;
                         });
// clang-format on

SkinDescription carried_description() {
    const skintest::Bytes text = skintest::carried_member("Options.dat");
    return SkinDescription::parse({reinterpret_cast<const char*>(text.data()), text.size()});
}

TEST(CarriedSkin, describes_the_window_with_its_global_values) {
    const SkinDescription d = carried_description();
    EXPECT_EQ(d.sectionCount(), 65u);
    for (const char* section : {"GLOBALINFO", "FORM", "FORMTITLE", "BUTTON", "BUTTON_HUGE"}) {
        EXPECT_TRUE(d.hasSection(section)) << section;
    }
    EXPECT_EQ(d.value("GLOBALINFO", "MASTERBITMAP"), "MASTER.BMP");
    EXPECT_EQ(d.value("GLOBALINFO", "EXBORDER"), "EXTBORD.PNG");
    EXPECT_EQ(d.value("BUTTON_HUGE", "IMAGE"), "BTNHUGE.BMP");
    EXPECT_EQ(d.value("GLOBALINFO", "VERSION"), "7.61");
    EXPECT_EQ(d.value("GLOBALINFO", "FONTCOLOR"), "16182738");
    EXPECT_EQ(kestrun::skin::color_value(d, "GLOBALINFO", "FONTCOLOR"), QColor(210, 237, 246));
    EXPECT_TRUE(d.value("GLOBALINFO", "BICLOSEALONE").has_value());
    EXPECT_TRUE(d.value("GLOBALINFO", "BICONCLOSE").has_value());
}

TEST(CarriedSkin, names_only_images_that_the_package_holds) {
    const SkinDescription d = carried_description();
    const auto members = skintest::carried_members();
    ASSERT_EQ(d.imageNames().size(), 3u);
    for (const std::string& name : d.imageNames()) {
        EXPECT_NE(kestrun::skin::find_member(members, name), nullptr) << name;
    }
}

struct RectRow {
    const char* section;
    const char* key;
};

TEST(CarriedSkin, cuts_every_element_from_inside_its_image) {
    const auto skin = kestrun::skin::Skin::fromPackage(
        {reinterpret_cast<const std::uint8_t*>(kestrun::skin::carried_autumnsky().Data.constData()),
         static_cast<std::size_t>(kestrun::skin::carried_autumnsky().Data.size())});
    const RectRow rows[] = {
        {"FORM", "FRAME"},
        {"FORM", "CLIENT"},
        {"FORMTITLE", "ACTIVE"},
        {"FORMTITLE", "INACTIVE"},
        {"BUTTON", "NORMAL"},
        {"BUTTON", "HOT"},
        {"BUTTON", "PRESSED"},
        {"BUTTON_HUGE", "NORMAL"},
        {"BUTTON_HUGE", "HOT"},
        {"BUTTON_HUGE", "PRESSED"},
        {"GLOBALINFO", "BICLOSEALONE"},
        {"GLOBALINFO", "BICONCLOSE"},
        {"GLOBALINFO", "BIMAX"},
        {"GLOBALINFO", "BIMIN"},
    };
    for (const RectRow& row : rows) {
        const auto rect = kestrun::skin::rect_value(skin->description(), row.section, row.key);
        ASSERT_TRUE(rect.has_value()) << row.section << " " << row.key;
        const auto imageName = skin->description().value(row.section, "IMAGE");
        const QImage& image = imageName ? skin->image(*imageName) : skin->master();
        EXPECT_TRUE(image.rect().contains(*rect)) << row.section << " " << row.key;
    }
    EXPECT_EQ(skin->version(), "7.61");
}

}  // namespace
