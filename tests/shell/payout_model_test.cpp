// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Payout field's two positions, driven key by key without a window.

#include <gtest/gtest.h>

#include <stdexcept>

#include "key_script.h"
#include "shell/payout_model.h"

namespace {

struct Row {
    const char* name;
    const char* shown;    // at the start
    const char* prepare;  // how the field got its selection: "keyboard" (Tab), "click:N", or "drag:N-M"
    const char* keys;
    const char* clipboard;  // what {Paste} pastes
    const char* expectShown;
    int expectStart;
    int expectEnd;
    int expectNotTaken;             // typed characters refused or ignored (each beeps)
    const char* expectCopied = "";  // the last {Copy} or {Cut}, "-" when nothing was copied
};

void prepare(PayoutModel& model, std::string_view how) {
    if (how == "keyboard") {
        model.takeFocus(true);
    } else if (how.substr(0, 6) == "click:") {
        model.takeFocus(false);
        model.placeCaret(how[6] - '0');
    } else if (how.substr(0, 5) == "drag:") {
        model.takeFocus(false);
        model.placeCaret(how[5] - '0');
        model.dragTo(how[7] - '0');
    } else {
        throw std::invalid_argument("unknown preparation");
    }
}

struct Outcome {
    int notTaken = 0;
    std::string copied;
};

Outcome press(PayoutModel& model, std::string_view keys, const std::u32string& clipboard) {
    Outcome outcome;
    for (const KeyStep& step : parseKeys(keys)) {
        const std::string& k = step.named;
        if (k.empty()) {
            if (model.type(step.typed) != PayoutModel::Typed::Taken) ++outcome.notTaken;
        } else if (k == "Del")
            model.deleteForward();
        else if (k == "BS")
            model.backspace();
        else if (k == "Left" || k == "S-Left")
            model.left(k[0] == 'S');
        else if (k == "Right" || k == "S-Right")
            model.right(k[0] == 'S');
        else if (k == "Home" || k == "S-Home")
            model.home(k[0] == 'S');
        else if (k == "End" || k == "S-End")
            model.end(k[0] == 'S');
        else if (k == "Esc")
            model.restore();
        else if (k == "Paste")
            model.paste(clipboard);
        else if (k == "Copy" || k == "Cut") {
            auto copied = k == "Copy" ? model.copy() : model.cut();
            outcome.copied = copied ? *copied : "-";
        } else if (k == "Focus")
            model.takeFocus(true);
        else
            throw std::invalid_argument("unknown key " + k);
    }
    return outcome;
}

std::u32string widen(const char* text) {
    std::u32string wide;
    for (const char* c = text; *c; ++c) wide += static_cast<unsigned char>(*c);
    return wide;
}

// A failing row is told by its name, not by its bytes.
void PrintTo(const Row& row, std::ostream* os) { *os << row.name; }

class PayoutFieldModel : public ::testing::TestWithParam<Row> {};

TEST_P(PayoutFieldModel, ends_as_the_row_says) {
    const Row& row = GetParam();
    PayoutModel model(row.shown);
    prepare(model, row.prepare);
    const Outcome outcome = press(model, row.keys, widen(row.clipboard));
    EXPECT_EQ(model.shown(), row.expectShown);
    EXPECT_EQ(model.selectionStart(), row.expectStart);
    EXPECT_EQ(model.selectionEnd(), row.expectEnd);
    EXPECT_EQ(outcome.notTaken, row.expectNotTaken);
    EXPECT_EQ(outcome.copied, row.expectCopied);
}

// clang-format off
const Row kRows[] = {
    // name                                       shown  prepare     keys          clip     shown start end  beeps copied
    {"tab_selects_the_whole_text",                 "95", "keyboard", "",           "",      "95", 0, 2, 0},
    {"tab_then_7_empties_then_takes_it",           "95", "keyboard", "7",          "",      "7_", 1, 2, 0},
    {"tab_then_x_leaves_the_field_empty",          "95", "keyboard", "x",          "",      "__", 0, 1, 1},
    {"a_digit_overwrites_the_cursor",              "95", "click:0",  "3",          "",      "35", 1, 2, 0},
    {"two_digits_fill_both_and_leave_the_caret",   "95", "click:0",  "12",         "",      "12", 2, 2, 0},
    {"nothing_is_taken_after_the_second",          "95", "click:2",  "4",          "",      "95", 2, 2, 1},
    {"a_letter_is_refused_with_the_cursor",        "95", "click:1",  "a",          "",      "95", 1, 2, 1},
    {"a_blank_sign_and_separator_are_refused",     "95", "click:0",  " -.,+",      "",      "95", 0, 1, 5},
    {"a_control_character_is_refused",             "95", "click:0",  "\x01",       "",      "95", 0, 1, 1},
    {"delete_empties_the_cursor_position",         "95", "click:0",  "{Del}",      "",      "_5", 0, 1, 0},
    {"delete_empties_the_selection",               "95", "keyboard", "{Del}",      "",      "__", 0, 1, 0},
    {"delete_after_the_second_does_nothing",       "95", "click:2",  "{Del}",      "",      "95", 2, 2, 0},
    {"backspace_on_the_second_empties_the_first",  "95", "click:1",  "{BS}",       "",      "_5", 0, 1, 0},
    {"backspace_on_the_first_does_nothing",        "95", "click:0",  "{BS}",       "",      "95", 0, 1, 0},
    {"backspace_after_the_second_empties_it",      "95", "click:2",  "{BS}",       "",      "9_", 1, 2, 0},
    {"backspace_empties_both_when_selected",       "95", "keyboard", "{BS}",       "",      "__", 0, 1, 0},
    {"right_from_the_second_gives_the_caret",      "95", "click:1",  "{Right}",    "",      "95", 2, 2, 0},
    {"left_stops_at_the_first",                    "95", "click:1",  "{Left}{Left}","",     "95", 0, 1, 0},
    {"shift_right_extends_over_both",              "95", "click:0",  "{S-Right}",  "",      "95", 0, 2, 0},
    {"shift_left_from_the_caret_selects_the_second","95","click:2",  "{S-Left}",   "",      "95", 1, 2, 0},
    {"shift_left_twice_from_the_caret_selects_both","95","click:2",  "{S-Left}{S-Left}","", "95", 0, 2, 0},
    {"home_and_end",                               "95", "click:1",  "{Home}",     "",      "95", 0, 1, 0},
    {"end_puts_the_caret_after_the_second",        "95", "click:0",  "{End}",      "",      "95", 2, 2, 0},
    {"shift_end_selects_to_the_end",               "95", "click:0",  "{S-End}",    "",      "95", 0, 2, 0},
    {"escape_puts_back_the_text_at_focus",         "95", "keyboard", "3{Del}{Esc}","",      "95", 1, 2, 0},
    {"escape_puts_back_the_text_last_pasted",      "95", "keyboard", "{Paste}{Home}4{Esc}", "12", "12", 1, 2, 0},
    {"paste_over_both_drops_what_is_no_digit",     "95", "keyboard", "{Paste}",    "a5",    "_5", 2, 2, 0},
    {"paste_drops_what_is_beyond_the_second",      "95", "keyboard", "{Paste}",    "12345", "12", 2, 2, 0},
    {"paste_at_the_second_position",               "95", "click:1",  "{Paste}",    "7",     "97", 2, 2, 0},
    {"paste_of_nothing_empties_the_selection",     "95", "keyboard", "{Paste}",    "",      "__", 0, 1, 0},
    {"paste_after_the_second_changes_nothing",     "95", "click:2",  "{Paste}",    "12",    "95", 2, 2, 0},
    {"paste_on_the_first_keeps_the_second",        "95", "click:0",  "{Paste}",    "3",     "35", 1, 2, 0},
    {"copy_copies_as_shown",                       "9_", "keyboard", "{Copy}",     "",      "9_", 0, 2, 0, "9_"},
    {"copy_copies_the_cursor_character",           "95", "click:1",  "{Copy}",     "",      "95", 1, 2, 0, "5"},
    {"copy_after_the_second_copies_nothing",       "95", "click:2",  "{Copy}",     "",      "95", 2, 2, 0, "-"},
    {"cut_copies_then_empties",                    "95", "drag:0-2", "{Cut}",      "",      "__", 0, 1, 0, "95"},
    {"cut_the_cursor_character",                   "95", "click:0",  "{Cut}",      "",      "_5", 0, 1, 0, "9"},
    {"a_drag_selects_what_it_covers",              "95", "drag:2-1", "",           "",      "95", 1, 2, 0},
    {"typing_over_a_drag_of_both_empties_first",   "95", "drag:0-2", "x",          "",      "__", 0, 1, 1},
};
// clang-format on

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, PayoutFieldModel, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& info) { return std::string(info.param.name); });
// clang-format on

struct HandOnRow {
    const char* name;
    const char* shown;
    const char* handedOn;
};

void PrintTo(const HandOnRow& row, std::ostream* os) { *os << row.name; }

class PayoutFieldHandsOn : public ::testing::TestWithParam<HandOnRow> {};

TEST_P(PayoutFieldHandsOn, a_blank_for_each_empty_position) {
    EXPECT_EQ(PayoutModel(GetParam().shown).handedOn(), GetParam().handedOn);
    EXPECT_EQ(PayoutModel(GetParam().shown).shown(), GetParam().shown);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Rows, PayoutFieldHandsOn,
                         ::testing::Values(HandOnRow{"both_digits", "95", "95"}, HandOnRow{"second_empty", "9_", "9 "},
                                           HandOnRow{"first_empty", "_5", " 5"}, HandOnRow{"both_empty", "__", "  "}),
                         [](const ::testing::TestParamInfo<HandOnRow>& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
