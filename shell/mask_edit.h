// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Payout field: two digit positions, each optional, shown with "_" where empty. Its behaviour is
// that of PayoutModel; this widget turns keys, mouse and clipboard into the model's operations and
// draws what the model shows.

#include <QWidget>

#include "shell/payout_model.h"

class TMaskEdit : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString text READ text WRITE setText NOTIFY textChanged)
public:
    explicit TMaskEdit(QWidget* parent = nullptr);

    // The two characters as shown ("9_") and as handed on ("9 ").
    QString text() const;
    std::string payoutText() const;
    // Sets what the field shows; "_" or any non-digit leaves a position empty.
    void setText(const QString& shown);

    const PayoutModel& model() const { return model_; }
    QSize sizeHint() const override;
    // Where a boundary between characters lies (0: before the first, 2: after the second).
    int boundaryX(int boundary) const;

    // Selects from boundary `anchor` to boundary `caret`, as a drag of the mouse would.
    void selectRange(int anchor, int caret);
    // Empties the positions in [start, end) and writes `text` from `start` on, as pasting would (with
    // start == end the position at `start` is overwritten); an empty text only empties the positions.
    void replaceRange(int start, int end, const QString& text);

signals:
    // A typed character was not taken; the field has beeped.
    void refused();
    void textChanged(const QString& shown);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Runs one change of the model, then tells of a changed text and repaints.
    template <typename Change>
    void change(Change&& operation);
    bool handleClipboardKey(QKeyEvent* event);
    void typeText(const QString& text);
    void paste();
    void copy() const;
    void cut();
    QRect textRect() const;
    qreal boundaryXF(int boundary) const;
    int boundaryAt(int x) const;

    PayoutModel model_;
};
