// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two positions of the Payout field and where its selection stands, free of any widget.
//
// Each position holds one decimal digit or nothing; the field shows "_" for an empty position and
// hands on a blank for it. While no more than one character is selected, the character at the
// insertion point is selected, so that the next digit overwrites it: that one-character selection is
// the field's cursor. After the second position there is a plain caret and nothing is selected.

#include <array>
#include <optional>
#include <string>
#include <string_view>

class PayoutModel {
public:
    static constexpr int kPositions = 2;
    static constexpr char kEmptyShown = '_';

    // `shown` as the field shows it: digits and "_"; any other character counts as an empty position.
    explicit PayoutModel(std::string_view shown = "95");

    std::string shown() const;     // "95", "9_", "_5", "__"
    std::string handedOn() const;  // "95", "9 ", " 5", "  "

    // The selected range [start, end) as the field shows it; start == end only after the second position.
    int selectionStart() const;
    int selectionEnd() const;
    bool bothSelected() const { return selectionStart() == 0 && selectionEnd() == kPositions; }

    enum class Typed {
        Taken,    // a digit went into a position
        Refused,  // not a digit: the text stays (both positions are empty if both were selected)
        Ignored,  // the caret stands after the second position: nothing is taken
    };
    Typed type(char32_t character);

    void deleteForward();  // Delete
    void backspace();      // Backspace
    void left(bool extend);
    void right(bool extend);
    void home(bool extend);
    void end(bool extend);
    void selectAll();

    // Boundaries run from 0 (before the first character) to 2 (after the second).
    void placeCaret(int boundary);  // a mouse press
    void dragTo(int boundary);      // the mouse moved with the button held

    // Remembers the text for Escape; by the keyboard the whole text is selected as well.
    void takeFocus(bool byKeyboard);
    // Escape: puts back the text remembered when the field last took the focus or was last pasted into.
    void restore();

    // Empties the selected positions, then writes `text` from the start of the selection onward, one
    // character per position (a digit fills it, anything else leaves it empty); the rest is dropped.
    void paste(std::u32string_view text);
    // The selected characters as shown, "_" included; nothing when nothing is selected.
    std::optional<std::string> copy() const;
    // Copies, then empties the selected positions.
    std::optional<std::string> cut();

private:
    void setShown(std::string_view shown, std::array<char, kPositions>& into) const;
    void empty(int from, int to);
    void collapseTo(int boundary);
    // The end of the selection that stays put when Shift extends it.
    int fixedEndForExtending(bool towardsStart) const;

    std::array<char, kPositions> digits_{};      // '0'..'9', or 0 for an empty position
    std::array<char, kPositions> remembered_{};  // what Escape puts back
    int anchor_ = 0;                             // the boundary where the selection started
    int caret_ = 0;                              // the boundary the selection was extended to
};
