// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Payout field as screen readers read it: an editable text of two characters whose value is what
// it shows, with its caret and selection, and events for every change the user makes.

#include <QAccessibleWidget>

class TMaskEdit;

namespace shell {

class MaskEditAccessible : public QAccessibleWidget,
                           public QAccessibleTextInterface,
                           public QAccessibleEditableTextInterface {
public:
    explicit MaskEditAccessible(TMaskEdit* edit);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // Text: the characters as shown ("9_").
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

    // Editable text: every edit goes through the field's own pasting and deleting.
    void deleteText(int startOffset, int endOffset) override;
    void insertText(int offset, const QString& text) override;
    void replaceText(int startOffset, int endOffset, const QString& text) override;

private:
    TMaskEdit* edit() const;
};

// What the field looked like before a change, to tell screen readers what the change did.
struct MaskEditLook {
    QString shown;
    int selectionStart = 0;
    int selectionEnd = 0;
};

MaskEditLook lookOf(const TMaskEdit& edit);

// Sends the text, caret and selection events that lead from `before` to the field's present look.
void announceChange(TMaskEdit& edit, const MaskEditLook& before);

}  // namespace shell
