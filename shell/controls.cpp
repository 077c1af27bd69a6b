// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/controls.h"

#include "shell/accessibility.h"

#include <limits>

#include <QAccessible>
#include <QFocusEvent>
#include <QKeyEvent>

TGroupBox::TGroupBox(QWidget* parent) : QGroupBox(parent) { setFocusPolicy(Qt::NoFocus); }

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
    shell::installAccessibility();
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setWordWrap(false);
    setAutoFillBackground(false);
    setFocusPolicy(Qt::NoFocus);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

void TLabel::setText(const QString& text) {
    const QString before = QLabel::text();
    QLabel::setText(text);
    if (before == text) return;
    QAccessibleTextUpdateEvent event(this, 0, before, text);
    QAccessible::updateAccessibility(&event);
}

// No length limit of its own: the text may grow as long as the user makes it.
TEdit::TEdit(QWidget* parent) : QLineEdit(parent) { setMaxLength(std::numeric_limits<int>::max()); }

void TEdit::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) selectAll();
}

TButton::TButton(QWidget* parent) : QPushButton(parent) {
    setAutoDefault(false);
    setDefault(false);
    setFocusPolicy(Qt::StrongFocus);
}

void TButton::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (event->modifiers() & ~Qt::KeypadModifier) break;
        event->accept();
        click();
        return;
    case Qt::Key_Right:
    case Qt::Key_Down:
        event->accept();
        focusSibling(true);
        return;
    case Qt::Key_Left:
    case Qt::Key_Up:
        event->accept();
        focusSibling(false);
        return;
    default:
        break;
    }
    QPushButton::keyPressEvent(event);
}

void TButton::focusSibling(bool forward) {
    QWidget* parent = parentWidget();
    if (!parent) return;
    const QList<TButton*> buttons = parent->findChildren<TButton*>(Qt::FindDirectChildrenOnly);
    QList<TButton*> usable;
    for (TButton* b : buttons)
        if (b->isVisible() && b->isEnabled()) usable.append(b);
    const qsizetype at = usable.indexOf(this);
    if (at < 0 || usable.size() < 2) return;
    const qsizetype next = (at + (forward ? 1 : usable.size() - 1)) % usable.size();
    usable[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
}
