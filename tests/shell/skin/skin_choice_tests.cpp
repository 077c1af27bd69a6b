// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Which skin the manager takes: a packed file before a skin folder before the carried skin, and
// what the user sees when a skin cannot be loaded.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMessageBox>

#include "shell/skin/carried_skins.h"
#include "shell/skin/model/skin.h"
#include "shell/skin/skin_choice.h"
#include "shell/skin/skin_directory.h"
#include "shell/skin/skin_manager.h"
#include "skin_fixtures.h"
#include "test_form.h"

using kestrun::skin::SkinChoice;

namespace {

enum class Packed { None, Valid, BadMagic, CutShort };
enum class Folder { None, Valid, MissingImages, BrokenDescription };

struct ChoiceRow {
    const char* name;
    bool directory;  // whether the skin directory exists at all
    Packed packed;
    Folder folder;
    // What the window shows afterwards.
    const char* skinName;
    const char* skinInfo;
    bool skinned;
    const char* errorText;  // "" when no box comes up; else a part of its text
};

std::ostream& operator<<(std::ostream& os, const ChoiceRow& r) { return os << r.name; }

// The packed file says version 1.5, the folder 2.5, the carried skin 7.61.
// clang-format off
const ChoiceRow kRows[] = {
    {"no_skin_directory", false, Packed::None, Folder::None, "autumnsky (internal)", "7.61", true, ""},
    {"empty_skin_directory", true, Packed::None, Folder::None, "autumnsky (internal)", "7.61", true, ""},
    {"packed_file", true, Packed::Valid, Folder::None, "autumnsky", "1.5", true, ""},
    {"skin_folder", true, Packed::None, Folder::Valid, "autumnsky", "2.5", true, ""},
    {"packed_file_before_folder", true, Packed::Valid, Folder::Valid, "autumnsky", "1.5", true, ""},
    {"folder_with_missing_images", true, Packed::None, Folder::MissingImages, "autumnsky", "2.5", true, ""},
    {"packed_file_without_magic", true, Packed::BadMagic, Folder::Valid, "", "N/A", false,
     "Loaded data is not a packed skin file"},
    {"packed_file_cut_short", true, Packed::CutShort, Folder::None, "", "N/A", false, "cut short"},
    {"folder_with_broken_description", true, Packed::None, Folder::BrokenDescription, "", "N/A", false,
     "error on line"},
};
// clang-format on

class ChoosingTheSkin : public testing::TestWithParam<ChoiceRow> {
protected:
    QString prepare(const ChoiceRow& row) {
        const QString skins = home_.path() + "/Skins";
        if (!row.directory) {
            return skins;
        }
        QDir().mkpath(skins);
        const skintest::Bytes packed = skintest::package_with(skintest::description_with_version("1.5"));
        switch (row.packed) {
        case Packed::None:
            break;
        case Packed::Valid:
            skintest::write_file(skins + "/autumnsky.asz", packed);
            break;
        case Packed::BadMagic: {
            skintest::Bytes bad = packed;
            bad[0] = 'P';
            bad[1] = 'K';
            skintest::write_file(skins + "/autumnsky.asz", bad);
            break;
        }
        case Packed::CutShort:
            skintest::write_file(skins + "/autumnsky.asz", skintest::Bytes(packed.begin(), packed.begin() + 2000));
            break;
        }
        if (row.folder == Folder::None) {
            return skins;
        }
        const QString folder = skins + "/autumnsky";
        QDir().mkpath(folder);
        if (row.folder == Folder::BrokenDescription) {
            skintest::write_file(folder + "/Options.dat", std::string("[GLOBALINFO]\nVERSION=2.5\nnot ini\n"));
            return skins;
        }
        skintest::write_file(folder + "/Options.dat", skintest::description_with_version("2.5"));
        if (row.folder == Folder::Valid) {
            for (const char* image : {"Master.bmp", "BtnHuge.bmp", "ExtBord.png"}) {
                skintest::write_file(folder + "/" + image, skintest::carried_member(image));
            }
        }
        return skins;
    }

    QTemporaryDir home_;
};

TEST_P(ChoosingTheSkin, takes_the_first_skin_that_applies) {
    const ChoiceRow& row = GetParam();
    const QString skins = prepare(row);
    skintest::MessageBoxWatcher boxes;
    TestForm form(skintest::window_manager_settings(skins));

    EXPECT_EQ(form.SkinManager1.SkinName(), QString::fromUtf8(row.skinName));
    EXPECT_EQ(form.SkinManager1.SkinInfo(), QString::fromUtf8(row.skinInfo));
    EXPECT_EQ(form.SkinProvider1.skinned(), row.skinned);
    EXPECT_EQ(form.look() != nullptr, row.skinned);
    EXPECT_EQ(form.Button1->style() != QApplication::style(), row.skinned);
    if (std::string(row.errorText).empty()) {
        EXPECT_TRUE(boxes.seen().empty()) << boxes.seen().front().text.toStdString();
        return;
    }
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].caption, "Error");
    EXPECT_TRUE(boxes.seen()[0].text.contains(row.errorText)) << boxes.seen()[0].text.toStdString();
    EXPECT_EQ(boxes.seen()[0].icon, int(QMessageBox::Critical));
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Sources, ChoosingTheSkin, testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(ChoosingTheSkin, gives_the_exact_message_for_a_file_that_is_no_packed_skin) {
    QTemporaryDir skins;
    skintest::write_file(skins.path() + "/autumnsky.asz", std::string("this is no skin at all"));
    skintest::MessageBoxWatcher boxes;
    TestForm form(skintest::window_manager_settings(skins.path()));
    ASSERT_EQ(boxes.seen().size(), 1u);
    EXPECT_EQ(boxes.seen()[0].text, "Loaded data is not a packed skin file");
}

TEST(ChoosingTheSkin, turns_skinning_off_when_nothing_is_there_and_nothing_is_carried) {
    QTemporaryDir home;
    TSkinManagerSettings settings = skintest::window_manager_settings(home.path() + "/Skins");
    settings.InternalSkins.clear();
    skintest::MessageBoxWatcher boxes;
    TestForm form(settings);
    EXPECT_FALSE(form.SkinManager1.Active());
    EXPECT_EQ(form.SkinManager1.SkinInfo(), "N/A");
    EXPECT_EQ(form.look(), nullptr);
    EXPECT_TRUE(boxes.seen().empty());
}

TEST(ChoosingTheSkin, matches_carried_skins_by_their_exact_name) {
    const QString nowhere = QStringLiteral("/nonexistent/kestrun/Skins");
    const struct {
        const char* asked;
        std::vector<QString> carried;
        SkinChoice::Source source;
        int index;
        const char* name;
    } rows[] = {
        {"autumnsky", {"autumnsky (internal)"}, SkinChoice::Source::Carried, 0, "autumnsky (internal)"},
        {"winter", {"autumn", "winter"}, SkinChoice::Source::Carried, 1, "winter"},
        {"Winter", {"autumn", "winter"}, SkinChoice::Source::Carried, 0, "autumn"},
        {"autumnsky", {}, SkinChoice::Source::None, -1, ""},
    };
    for (const auto& row : rows) {
        const SkinChoice choice = kestrun::skin::choose_skin(nowhere, row.asked, row.carried);
        EXPECT_EQ(choice.source, row.source) << row.asked;
        EXPECT_EQ(choice.carriedIndex, row.index) << row.asked;
        EXPECT_EQ(choice.skinName, QString::fromUtf8(row.name)) << row.asked;
    }
}

TEST(ChoosingTheSkin, drops_a_package_ending_from_a_longer_name) {
    const std::pair<const char*, const char*> rows[] = {
        {"autumnsky.asz", "autumnsky"},
        {"autumnsky.ASZ", "autumnsky"},
        {"a.asz", "a"},
        {".asz", ".asz"},
        {"autumnsky", "autumnsky"},
        {"autumnsky.zip", "autumnsky.zip"},
    };
    for (const auto& [name, stripped] : rows) {
        EXPECT_EQ(kestrun::skin::without_package_ending(name), QString::fromUtf8(stripped)) << name;
    }
}

TEST(ChoosingTheSkin, looks_for_the_packed_file_by_the_name_without_its_ending) {
    QTemporaryDir skins;
    skintest::write_file(skins.path() + "/autumnsky.asz",
                         skintest::package_with(skintest::description_with_version("1.5")));
    TSkinManagerSettings settings = skintest::window_manager_settings(skins.path() + "/");
    settings.SkinName = QStringLiteral("autumnsky.asz");
    TSkinManager manager(settings);
    EXPECT_EQ(manager.SkinName(), "autumnsky");
    EXPECT_EQ(manager.SkinInfo(), "1.5");
}

TEST(ChoosingTheSkin, uses_the_users_data_directory_when_none_is_set) {
    const QByteArray saved = qgetenv("XDG_DATA_HOME");
    qputenv("XDG_DATA_HOME", "/srv/data");
    TSkinManagerSettings settings;
    TSkinManager manager(settings);
    EXPECT_EQ(manager.settings().SkinDirectory, "/srv/data/kestrun/Skins");
    qputenv("XDG_DATA_HOME", "relative/path");
    EXPECT_EQ(kestrun::skin::default_skin_directory(), QDir::homePath() + "/.local/share/kestrun/Skins");
    qputenv("XDG_DATA_HOME", saved);
}

}  // namespace
