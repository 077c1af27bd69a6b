// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window with the carried skin on: its frame, title bar, close button and background come from
// the skin's images, its push buttons too, its labels are transparent in the skin's text colour,
// and its edits and group boxes keep their own look.

#include <gtest/gtest.h>

#include <clocale>
#include <locale>

#include <QApplication>
#include <QStyleOptionButton>

#include "shell/skin/carried_skins.h"
#include "shell/skin/model/skin.h"
#include "shell/skin/model/skin_values.h"
#include "shell/skin/skin_button_style.h"
#include "shell/skin/slice_cache.h"
#include "skin_fixtures.h"
#include "test_form.h"

using kestrun::skin::Look;
using kestrun::skin::rect_value;

namespace {

const QColor kTextColour(210, 237, 246);

class SkinnedWindow : public testing::Test {
protected:
    void SetUp() override {
        form_ = std::make_unique<TestForm>(skintest::window_manager_settings(home_.path() + "/Skins"));
        form_->show();
        QApplication::processEvents();
        grab_ = form_->grab().toImage().convertToFormat(QImage::Format_RGB32);
        skin_ = form_->SkinManager1.skin();
        ASSERT_TRUE(skin_);
        master_ = skin_->master().convertToFormat(QImage::Format_RGB32);
    }

    QRect source(const char* section, const char* key) const {
        return rect_value(skin_->description(), section, key).value_or(QRect());
    }
    // The rectangle of `widget` in the window's coordinates.
    QRect inWindow(const QWidget* widget) const {
        return QRect(widget->mapTo(form_.get(), QPoint(0, 0)), widget->size());
    }
    // Counts the pixels of the `size` block at `at` in the grab that differ from the block at `from`
    // in the master image.
    int differences(QPoint at, QPoint from, QSize size) const {
        int count = 0;
        for (int y = 0; y < size.height(); ++y) {
            for (int x = 0; x < size.width(); ++x) {
                count += grab_.pixel(at + QPoint(x, y)) != master_.pixel(from + QPoint(x, y));
            }
        }
        return count;
    }

    QTemporaryDir home_;
    std::unique_ptr<TestForm> form_;
    QImage grab_;
    QImage master_;
    std::shared_ptr<const kestrun::skin::Skin> skin_;
};

TEST_F(SkinnedWindow, keeps_its_client_area_inside_a_modest_frame) {
    EXPECT_EQ(form_->look()->margins(), QMargins(4, 26, 4, 4));
    EXPECT_EQ(form_->clientRect().size(), QSize(194, 195));
    EXPECT_EQ(form_->size(), QSize(202, 225));
}

TEST_F(SkinnedWindow, draws_its_frame_corners_from_the_form_section) {
    const QRect frame = source("FORM", "FRAME");
    const QSize corner(4, 4);
    const QSize w = form_->size();
    EXPECT_EQ(differences({0, 0}, frame.topLeft(), corner), 0);
    EXPECT_EQ(differences({w.width() - 4, w.height() - 4}, frame.bottomRight() - QPoint(3, 3), corner), 0);
    EXPECT_EQ(differences({0, w.height() - 4}, QPoint(frame.left(), frame.bottom() - 3), corner), 0);
}

TEST_F(SkinnedWindow, draws_its_title_bar_from_the_title_section) {
    const QRect title = source("FORMTITLE", "ACTIVE");
    // The ends unscaled (the caption begins just inside the left one, the close button just inside
    // the right one), and the stretched middle between caption and close button, which repeats a
    // column of the image's middle.
    EXPECT_EQ(differences({4, 4}, title.topLeft(), QSize(4, 22)), 0);
    EXPECT_EQ(differences({form_->width() - 6, 4}, title.topRight() - QPoint(1, 0), QSize(2, 22)), 0);
    for (int x = 120; x < 170; x += 7) {
        EXPECT_EQ(differences({x, 4}, title.topLeft() + QPoint(60, 0), QSize(1, 22)), 0) << x;
    }
}

TEST_F(SkinnedWindow, draws_the_caption_in_the_title_bar) {
    const QRect title = source("FORMTITLE", "ACTIVE");
    // The caption "Ombrelt" stands between the left end and the close button: there the bar
    // differs from the bare image.
    EXPECT_GT(differences({30, 4}, title.topLeft() + QPoint(26, 0), QSize(40, 22)), 40);
}

TEST_F(SkinnedWindow, draws_its_close_button_from_the_close_alone_image) {
    const QRect strip = source("GLOBALINFO", "BICLOSEALONE");
    const QRect button = form_->look()->closeButtonRect(form_->size());
    EXPECT_EQ(button.size(), QSize(18, 18));
    EXPECT_EQ(differences(button.topLeft(), strip.topLeft(), button.size()), 0);
}

TEST_F(SkinnedWindow, draws_each_close_button_look_and_the_inactive_title_from_their_images) {
    const QRect strip = source("GLOBALINFO", "BICLOSEALONE");
    const struct {
        bool active;
        CloseButtonState button;
        int look;  // which of the strip's three looks: normal, hot, pressed
        const char* title;
    } rows[] = {
        {true, CloseButtonState::Normal, 0, "ACTIVE"},
        {true, CloseButtonState::Hot, 1, "ACTIVE"},
        {true, CloseButtonState::Pressed, 2, "ACTIVE"},
        {false, CloseButtonState::Hot, 0, "INACTIVE"},
    };
    for (const auto& row : rows) {
        NonClientState state;
        state.windowSize = form_->size();
        state.caption = QStringLiteral("Ombrelt");
        state.active = row.active;
        state.closeButton = row.button;
        QImage drawn(state.windowSize, QImage::Format_RGB32);
        QPainter painter(&drawn);
        form_->look()->paintNonClient(painter, state);
        painter.end();
        grab_ = drawn;
        const QRect button = form_->look()->closeButtonRect(state.windowSize);
        const int side = strip.width() / 3;
        EXPECT_EQ(differences(button.topLeft(), strip.topLeft() + QPoint(row.look * side, 0), button.size()), 0)
            << row.look;
        EXPECT_EQ(differences({4, 4}, source("FORMTITLE", row.title).topLeft(), QSize(4, 22)), 0) << row.title;
    }
}

TEST_F(SkinnedWindow, paints_its_background_from_the_sky_image) {
    // The sky is wider and taller than the client area: centred across, resting on its bottom edge.
    const QRect client = form_->clientRect();
    const QRect sky = source("FORM", "CLIENT");
    const QPoint offset((sky.width() - client.width()) / 2, sky.height() - client.height());
    EXPECT_EQ(differences(client.topLeft(), sky.topLeft() + offset, QSize(client.width(), 4)), 0);
    EXPECT_EQ(differences(
                  client.topLeft() + QPoint(0, 191), sky.topLeft() + offset + QPoint(0, 191), QSize(client.width(), 4)),
              0);
}

TEST_F(SkinnedWindow, draws_its_push_buttons_from_the_button_section) {
    const QRect normal = source("BUTTON", "NORMAL");
    for (const QWidget* button : {form_->Button1, form_->Button2}) {
        const QRect r = inWindow(button);
        EXPECT_EQ(differences(r.topLeft(), normal.topLeft(), QSize(6, 6)), 0);
        EXPECT_EQ(differences(r.bottomRight() - QPoint(5, 5), normal.bottomRight() - QPoint(5, 5), QSize(6, 6)), 0);
    }
}

TEST_F(SkinnedWindow, shows_its_labels_in_the_skins_text_colour_on_the_sky) {
    for (const TLabel* label : {form_->Label1, form_->Label2, form_->Label3, form_->iResult}) {
        EXPECT_EQ(label->palette().color(QPalette::WindowText), kTextColour) << label->text().toStdString();
        EXPECT_FALSE(label->autoFillBackground());
        const QRect r = inWindow(label);
        int inTextColour = 0;
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x <= r.right(); ++x) {
                inTextColour += QColor(grab_.pixel(x, y)) == kTextColour;
            }
        }
        EXPECT_GT(inTextColour, 8) << label->text().toStdString();
    }
    // Transparent: where no letter is, the window looks as it does without the label.
    const QRect empty(inWindow(form_->iResult).topLeft() + QPoint(40, 0), QSize(40, 25));  // "1.00" is far shorter
    form_->iResult->hide();
    const QImage without = form_->grab().toImage().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(grab_.copy(empty), without.copy(empty));
}

TEST_F(SkinnedWindow, leaves_its_edits_and_group_boxes_in_their_own_look) {
    for (const QWidget* widget : std::initializer_list<const QWidget*>{
             form_->trade, form_->pers, form_->GroupBox1, form_->GroupBox2, form_->GroupBox3}) {
        EXPECT_EQ(widget->style(), QApplication::style()) << widget->metaObject()->className();
        EXPECT_EQ(widget->palette().color(QPalette::WindowText), QApplication::palette().color(QPalette::WindowText));
    }
    const QRect edit = inWindow(form_->trade);
    EXPECT_EQ(QColor(grab_.pixel(edit.right() - 4, edit.center().y())), QApplication::palette().color(QPalette::Base));
}

// The hot and pressed looks, as the button style draws them for a button in that state.
struct LookRow {
    const char* name;
    QStyle::State state;
    const char* key;
};

std::ostream& operator<<(std::ostream& os, const LookRow& r) { return os << r.name; }

class ButtonLook : public SkinnedWindow, public testing::WithParamInterface<LookRow> {};

TEST_P(ButtonLook, comes_from_its_rectangle_of_the_button_image) {
    QStyleOptionButton option;
    option.initFrom(form_->Button2);
    option.text = form_->Button2->text();
    option.state = GetParam().state;
    QImage drawn(form_->Button2->size(), QImage::Format_RGB32);
    drawn.fill(Qt::black);
    QPainter painter(&drawn);
    form_->Button2->style()->drawControl(QStyle::CE_PushButton, &option, &painter, form_->Button2);
    painter.end();
    const QRect look = source("BUTTON", GetParam().key);
    int differing = 0;
    for (const QPoint corner : {QPoint(0, 0), QPoint(drawn.width() - 6, drawn.height() - 6)}) {
        const QPoint from = corner.x() == 0 ? look.topLeft() : look.bottomRight() - QPoint(5, 5);
        for (int y = 0; y < 6; ++y) {
            for (int x = 0; x < 6; ++x) {
                differing += drawn.pixel(corner + QPoint(x, y)) != master_.pixel(from + QPoint(x, y));
            }
        }
    }
    EXPECT_EQ(differing, 0);
    EXPECT_EQ(kestrun::skin::SkinButtonStyle::lookOf(option),
              std::string(GetParam().key) == "HOT"       ? Look::Hot
              : std::string(GetParam().key) == "PRESSED" ? Look::Pressed
                                                         : Look::Normal);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(
    Looks, ButtonLook,
    testing::Values(LookRow{"normal", QStyle::State_Enabled | QStyle::State_Raised, "NORMAL"},
                    LookRow{"hot", QStyle::State_Enabled | QStyle::State_MouseOver, "HOT"},
                    LookRow{"pressed", QStyle::State_Enabled | QStyle::State_Sunken, "PRESSED"},
                    LookRow{"pressed_under_the_mouse", QStyle::State_Enabled | QStyle::State_Sunken | QStyle::State_MouseOver,
                            "PRESSED"}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

TEST(SliceCache, makes_each_size_once) {
    QImage image(40, 28, QImage::Format_RGB32);
    image.fill(Qt::red);
    kestrun::skin::SliceCache cache;
    const qint64 first = cache.nineSlice(image, image.rect(), QMargins(6, 6, 6, 6), QSize(81, 33)).cacheKey();
    EXPECT_EQ(cache.nineSlice(image, image.rect(), QMargins(6, 6, 6, 6), QSize(81, 33)).cacheKey(), first);
    cache.nineSlice(image, image.rect(), QMargins(6, 6, 6, 6), QSize(90, 33));
    EXPECT_EQ(cache.size(), 2u);
}

// On a scaled screen a part is made with the screen's own pixels and filtered: a one-pixel checkerboard
// enlarged pixel by pixel would hold only its two colours, a smooth enlargement holds the greys between.
TEST(SliceCache, draws_each_part_for_the_screens_pixel_ratio_smoothly) {
    QImage checker(8, 8, QImage::Format_RGB32);
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            checker.setPixel(x, y, (x + y) % 2 ? qRgb(255, 255, 255) : qRgb(0, 0, 0));
        }
    }
    const auto greys = [](const QPixmap& pixmap) {
        const QImage image = pixmap.toImage();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const int grey = qGray(image.pixel(x, y));
                count += grey > 40 && grey < 215;
            }
        }
        return count;
    };
    kestrun::skin::SliceCache cache;
    struct Row {
        const char* name;
        qreal ratio;
        QSize pixels;
        bool smooth;
    };
    const Row rows[] = {{"unscaled", 1.0, {8, 8}, false},
                        {"1.25", 1.25, {10, 10}, true},
                        {"1.5", 1.5, {12, 12}, true},
                        {"2", 2.0, {16, 16}, true}};
    for (const Row& row : rows) {
        const QPixmap& piece = cache.piece(checker, checker.rect(), row.ratio);
        EXPECT_EQ(piece.size(), row.pixels) << row.name;
        EXPECT_DOUBLE_EQ(piece.devicePixelRatio(), row.ratio) << row.name;
        EXPECT_EQ(piece.deviceIndependentSize(), QSizeF(8, 8)) << row.name;
        EXPECT_EQ(greys(piece) > 0, row.smooth) << row.name;
        if (!row.smooth) {
            EXPECT_EQ(piece.toImage().convertToFormat(QImage::Format_RGB32), checker) << row.name;
        }
        // Drawn once: asked again, the same pixmap.
        EXPECT_EQ(cache.piece(checker, checker.rect(), row.ratio).cacheKey(), piece.cacheKey()) << row.name;
    }
    EXPECT_EQ(cache.size(), std::size(rows));
    const QPixmap& sky = cache.cover(checker, checker.rect(), QSize(20, 10), 2.0);
    EXPECT_EQ(sky.size(), QSize(40, 20));
}

// A decimal comma in the user's settings changes nothing: the version is read with a point.
struct CommaNumbers : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST(SkinnedWindowUnderADecimalComma, loads_the_carried_skin_the_same) {
    const QLocale savedQt;
    const std::locale savedStd;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    std::locale::global(std::locale(std::locale::classic(), new CommaNumbers));
    const char* cLocale = std::setlocale(LC_NUMERIC, "de_DE.UTF-8");  // where the machine has it
    {
        QTemporaryDir home;
        skintest::MessageBoxWatcher boxes;
        TestForm form(skintest::window_manager_settings(home.path() + "/Skins"));
        EXPECT_EQ(form.SkinManager1.SkinInfo(), "7.61");
        EXPECT_EQ(form.SkinManager1.SkinName(), "autumnsky (internal)");
        EXPECT_TRUE(form.SkinProvider1.skinned());
        EXPECT_TRUE(boxes.seen().empty());
    }
    if (cLocale) {
        std::setlocale(LC_NUMERIC, "C");
    }
    std::locale::global(savedStd);
    QLocale::setDefault(savedQt);
}

}  // namespace
