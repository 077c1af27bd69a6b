// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/payout_model.h"

#include <algorithm>

namespace {

bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

}  // namespace

PayoutModel::PayoutModel(std::string_view shown) {
    setShown(shown, digits_);
    remembered_ = digits_;
}

void PayoutModel::setShown(std::string_view shown, std::array<char, kPositions>& into) const {
    for (int i = 0; i < kPositions; ++i) {
        const char c = i < static_cast<int>(shown.size()) ? shown[i] : kEmptyShown;
        into[i] = isDigit(static_cast<unsigned char>(c)) ? c : 0;
    }
}

std::string PayoutModel::shown() const {
    std::string text;
    for (char d : digits_) text += d ? d : kEmptyShown;
    return text;
}

std::string PayoutModel::handedOn() const {
    std::string text;
    for (char d : digits_) text += d ? d : ' ';
    return text;
}

int PayoutModel::selectionStart() const { return std::min(anchor_, caret_); }

int PayoutModel::selectionEnd() const {
    const int start = selectionStart();
    const int end = std::max(anchor_, caret_);
    // Nothing wider than one character is selected: the character at the insertion point is.
    if (start == end && start < kPositions) return start + 1;
    return end;
}

void PayoutModel::empty(int from, int to) {
    for (int i = from; i < to; ++i) digits_[i] = 0;
}

void PayoutModel::collapseTo(int boundary) { anchor_ = caret_ = std::clamp(boundary, 0, kPositions); }

PayoutModel::Typed PayoutModel::type(char32_t character) {
    if (bothSelected()) {
        empty(0, kPositions);
        collapseTo(0);
    }
    const int at = selectionStart();
    if (at >= kPositions) return Typed::Ignored;
    if (!isDigit(character)) return Typed::Refused;
    digits_[at] = static_cast<char>(character);
    collapseTo(at + 1);
    return Typed::Taken;
}

void PayoutModel::deleteForward() {
    const int start = selectionStart();
    if (start >= kPositions) return;
    empty(start, selectionEnd());
    collapseTo(start);
}

void PayoutModel::backspace() {
    if (bothSelected()) {
        empty(0, kPositions);
        collapseTo(0);
        return;
    }
    const int at = selectionStart();
    if (at == 0) return;
    empty(at - 1, at);
    collapseTo(at - 1);
}

int PayoutModel::fixedEndForExtending(bool towardsStart) const {
    if (anchor_ != caret_) return anchor_;
    // The cursor's character is already selected: extending keeps it in the selection.
    if (towardsStart) return std::min(caret_ + 1, kPositions);
    return caret_;
}

void PayoutModel::left(bool extend) {
    if (!extend) {
        collapseTo(selectionStart() - 1);
        return;
    }
    anchor_ = fixedEndForExtending(true);
    caret_ = std::max(caret_ - 1, 0);
}

void PayoutModel::right(bool extend) {
    if (!extend) {
        collapseTo(selectionStart() + 1);
        return;
    }
    const bool collapsed = anchor_ == caret_;
    anchor_ = fixedEndForExtending(false);
    // From the cursor the selection grows by the next character as well.
    caret_ = std::min(caret_ + (collapsed ? 2 : 1), kPositions);
}

void PayoutModel::home(bool extend) {
    if (extend) anchor_ = fixedEndForExtending(true);
    caret_ = 0;
    if (!extend) anchor_ = 0;
}

void PayoutModel::end(bool extend) {
    if (extend) anchor_ = fixedEndForExtending(false);
    caret_ = kPositions;
    if (!extend) anchor_ = kPositions;
}

void PayoutModel::selectAll() {
    anchor_ = 0;
    caret_ = kPositions;
}

void PayoutModel::placeCaret(int boundary) { collapseTo(boundary); }

void PayoutModel::dragTo(int boundary) { caret_ = std::clamp(boundary, 0, kPositions); }

void PayoutModel::takeFocus(bool byKeyboard) {
    remembered_ = digits_;
    if (byKeyboard) selectAll();
}

void PayoutModel::restore() { digits_ = remembered_; }

void PayoutModel::paste(std::u32string_view text) {
    const int start = selectionStart();
    if (start >= kPositions) return;
    empty(start, selectionEnd());
    int at = start;
    for (char32_t c : text) {
        if (at >= kPositions) break;
        digits_[at] = isDigit(c) ? static_cast<char>(c) : 0;
        ++at;
    }
    collapseTo(at);
    remembered_ = digits_;
}

std::optional<std::string> PayoutModel::copy() const {
    const int start = selectionStart();
    const int end = selectionEnd();
    if (start == end) return std::nullopt;
    return shown().substr(start, end - start);
}

std::optional<std::string> PayoutModel::cut() {
    auto copied = copy();
    if (copied) deleteForward();
    return copied;
}
