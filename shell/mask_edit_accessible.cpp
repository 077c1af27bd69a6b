// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/mask_edit_accessible.h"

#include <algorithm>

#include <QAccessible>

#include "shell/mask_edit.h"

namespace shell {
namespace {

// A one-character selection is the field's cursor (the character the next digit overwrites), so a
// screen reader hears of a selection only when it is wider than that.
bool widelySelected(int start, int end) { return end - start > 1; }

int clampOffset(int offset) { return std::clamp(offset, 0, PayoutModel::kPositions); }

}  // namespace

MaskEditAccessible::MaskEditAccessible(TMaskEdit* edit) : QAccessibleWidget(edit, QAccessible::EditableText) {}

TMaskEdit* MaskEditAccessible::edit() const { return static_cast<TMaskEdit*>(widget()); }

QString MaskEditAccessible::text(QAccessible::Text kind) const {
    if (kind == QAccessible::Value) return edit()->text();
    return QAccessibleWidget::text(kind);
}

QAccessible::State MaskEditAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = true;
    state.selectableText = true;
    return state;
}

void* MaskEditAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    if (type == QAccessible::EditableTextInterface) return static_cast<QAccessibleEditableTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void MaskEditAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    const PayoutModel& model = edit()->model();
    if (selectionIndex == 0 && widelySelected(model.selectionStart(), model.selectionEnd())) {
        *startOffset = model.selectionStart();
        *endOffset = model.selectionEnd();
    } else {
        *startOffset = *endOffset = 0;
    }
}

int MaskEditAccessible::selectionCount() const {
    const PayoutModel& model = edit()->model();
    return widelySelected(model.selectionStart(), model.selectionEnd()) ? 1 : 0;
}

void MaskEditAccessible::addSelection(int startOffset, int endOffset) { setSelection(0, startOffset, endOffset); }

void MaskEditAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0) setCursorPosition(cursorPosition());
}

void MaskEditAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex == 0) edit()->selectRange(clampOffset(startOffset), clampOffset(endOffset));
}

int MaskEditAccessible::cursorPosition() const { return edit()->model().selectionStart(); }

void MaskEditAccessible::setCursorPosition(int position) {
    edit()->selectRange(clampOffset(position), clampOffset(position));
}

QString MaskEditAccessible::text(int startOffset, int endOffset) const {
    const int start = clampOffset(startOffset);
    const int end = endOffset < 0 ? PayoutModel::kPositions : clampOffset(endOffset);
    return edit()->text().mid(start, std::max(0, end - start));
}

int MaskEditAccessible::characterCount() const { return PayoutModel::kPositions; }

QRect MaskEditAccessible::characterRect(int offset) const {
    if (offset < 0 || offset >= PayoutModel::kPositions) return {};
    const TMaskEdit* field = edit();
    const int left = field->boundaryX(offset);
    const QRect local(left, 0, field->boundaryX(offset + 1) - left, field->height());
    return QRect(field->mapToGlobal(local.topLeft()), local.size());
}

int MaskEditAccessible::offsetAtPoint(const QPoint& point) const {
    const TMaskEdit* field = edit();
    const QPoint local = field->mapFromGlobal(point);
    if (!field->rect().contains(local)) return -1;
    for (int i = 0; i < PayoutModel::kPositions; ++i)
        if (local.x() < field->boundaryX(i + 1)) return i;
    return PayoutModel::kPositions - 1;
}

void MaskEditAccessible::scrollToSubstring(int, int) {}  // both characters are always in view

QString MaskEditAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    (void)offset;
    *startOffset = 0;
    *endOffset = PayoutModel::kPositions;
    return {};
}

void MaskEditAccessible::deleteText(int startOffset, int endOffset) {
    edit()->replaceRange(clampOffset(startOffset), clampOffset(endOffset), QString());
}

void MaskEditAccessible::insertText(int offset, const QString& text) {
    edit()->replaceRange(clampOffset(offset), clampOffset(offset), text);
}

void MaskEditAccessible::replaceText(int startOffset, int endOffset, const QString& text) {
    edit()->replaceRange(clampOffset(startOffset), clampOffset(endOffset), text);
}

MaskEditLook lookOf(const TMaskEdit& edit) {
    return {edit.text(), edit.model().selectionStart(), edit.model().selectionEnd()};
}

void announceChange(TMaskEdit& edit, const MaskEditLook& before) {
    const MaskEditLook after = lookOf(edit);
    if (after.shown != before.shown) {
        // The changed run of characters, between what both texts share at their start and end.
        qsizetype first = 0;
        while (first < after.shown.size() && first < before.shown.size() && after.shown[first] == before.shown[first])
            ++first;
        qsizetype last = 0;
        while (last < after.shown.size() - first && last < before.shown.size() - first &&
               after.shown[after.shown.size() - 1 - last] == before.shown[before.shown.size() - 1 - last])
            ++last;
        const QString removed = before.shown.mid(first, before.shown.size() - first - last);
        const QString inserted = after.shown.mid(first, after.shown.size() - first - last);
        // Both texts have two characters, so a change always replaces characters.
        QAccessibleTextUpdateEvent event(&edit, static_cast<int>(first), removed, inserted);
        QAccessible::updateAccessibility(&event);
        QAccessibleValueChangeEvent value(&edit, after.shown);
        QAccessible::updateAccessibility(&value);
    }
    if (after.selectionStart != before.selectionStart || after.selectionEnd != before.selectionEnd) {
        const bool wide = widelySelected(after.selectionStart, after.selectionEnd);
        if (wide || widelySelected(before.selectionStart, before.selectionEnd)) {
            QAccessibleTextSelectionEvent selection(
                &edit, after.selectionStart, wide ? after.selectionEnd : after.selectionStart);
            selection.setCursorPosition(after.selectionStart);
            QAccessible::updateAccessibility(&selection);
        }
        QAccessibleTextCursorEvent cursor(&edit, after.selectionStart);
        QAccessible::updateAccessibility(&cursor);
    }
}

}  // namespace shell
