// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The window's standard controls. Each is a thin Qt class named like the control kind it stands for,
// so that its class name (metaObject()->className()) tells the kind: the skin decides by that name
// which controls it draws.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// A plain frame around a group of controls; it never takes the focus.
class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit TGroupBox(QWidget* parent = nullptr);
};

// One line of text drawn left-aligned at the top edge and cut off at the right edge. Its colour comes
// from its palette (window text) and it draws no background of its own.
class TLabel : public QLabel {
    Q_OBJECT
public:
    explicit TLabel(QWidget* parent = nullptr);

    // Shows `text` and tells screen readers of the change, so that a new result is read out.
    // (QLabel::setText is no virtual function: callers that change a label's text hold a TLabel.)
    void setText(const QString& text);
};

// A single-line edit without a length limit: taking the focus by the keyboard selects its whole text.
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TEdit(QWidget* parent = nullptr);

protected:
    void focusInEvent(QFocusEvent* event) override;
};

// A push button, pressed by a click or, while it has the focus, by Enter (or Space). The arrow keys
// move the focus to the next (Right, Down) or previous (Left, Up) button of the same parent, wrapping.
class TButton : public QPushButton {
    Q_OBJECT
public:
    explicit TButton(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void focusSibling(bool forward);
};
