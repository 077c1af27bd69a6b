// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/mask_edit.h"

#include <cmath>

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>

#include "shell/accessibility.h"
#include "shell/mask_edit_accessible.h"

namespace {

constexpr int kTextMargin = 2;  // between the frame and the first character

}  // namespace

TMaskEdit::TMaskEdit(QWidget* parent) : QWidget(parent) {
    shell::installAccessibility();
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setAttribute(Qt::WA_KeyCompression, false);
    setCursor(Qt::IBeamCursor);
    setBackgroundRole(QPalette::Base);
}

template <typename Change>
void TMaskEdit::change(Change&& operation) {
    const std::string before = model_.shown();
    const shell::MaskEditLook look = shell::lookOf(*this);
    operation();
    const std::string after = model_.shown();
    if (after != before) emit textChanged(QString::fromLatin1(after));
    shell::announceChange(*this, look);
    update();
}

void TMaskEdit::selectRange(int anchor, int caret) {
    change([&] {
        model_.placeCaret(anchor);
        if (caret != anchor) model_.dragTo(caret);
    });
}

void TMaskEdit::replaceRange(int start, int end, const QString& text) {
    change([&] {
        model_.placeCaret(start);
        if (end != start) model_.dragTo(end);
        if (text.isEmpty()) {
            if (end != start) model_.deleteForward();
        } else
            model_.paste(text.toStdU32String());
    });
}

QString TMaskEdit::text() const { return QString::fromLatin1(model_.shown()); }

std::string TMaskEdit::payoutText() const { return model_.handedOn(); }

void TMaskEdit::setText(const QString& shown) {
    change([&] { model_ = PayoutModel(shown.toLatin1().toStdString()); });
}

QSize TMaskEdit::sizeHint() const { return {80, 21}; }

void TMaskEdit::keyPressEvent(QKeyEvent* event) {
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    if (handleClipboardKey(event)) return;
    switch (event->key()) {
    case Qt::Key_Delete:
        change([&] { model_.deleteForward(); });
        break;
    case Qt::Key_Backspace:
        change([&] { model_.backspace(); });
        break;
    case Qt::Key_Left:
        change([&] { model_.left(shift); });
        break;
    case Qt::Key_Right:
        change([&] { model_.right(shift); });
        break;
    case Qt::Key_Home:
        change([&] { model_.home(shift); });
        break;
    case Qt::Key_End:
        change([&] { model_.end(shift); });
        break;
    case Qt::Key_Escape:
        change([&] { model_.restore(); });
        break;
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;  // nothing, and the field reports nothing
    default:
        if (event->text().isEmpty()) {
            QWidget::keyPressEvent(event);
            return;
        }
        typeText(event->text());
        break;
    }
    event->accept();
}

bool TMaskEdit::handleClipboardKey(QKeyEvent* event) {
    if (event->matches(QKeySequence::Paste)) {
        paste();
    } else if (event->matches(QKeySequence::Cut)) {
        cut();
    } else if (event->matches(QKeySequence::Copy)) {
        copy();
    } else {
        return false;
    }
    event->accept();
    return true;
}

void TMaskEdit::typeText(const QString& text) {
    for (char32_t c : text.toStdU32String()) {
        PayoutModel::Typed result = PayoutModel::Typed::Taken;
        change([&] { result = model_.type(c); });
        if (result != PayoutModel::Typed::Taken) {
            QApplication::beep();
            emit refused();
        }
    }
}

void TMaskEdit::paste() {
    const QString clip = QGuiApplication::clipboard()->text();
    change([&] { model_.paste(clip.toStdU32String()); });
}

void TMaskEdit::copy() const {
    if (auto copied = model_.copy()) QGuiApplication::clipboard()->setText(QString::fromLatin1(*copied));
}

void TMaskEdit::cut() {
    std::optional<std::string> copied;
    change([&] { copied = model_.cut(); });
    if (copied) QGuiApplication::clipboard()->setText(QString::fromLatin1(*copied));
}

void TMaskEdit::focusInEvent(QFocusEvent* event) {
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::PopupFocusReason) {
        const bool byKeyboard = reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason;
        change([&] { model_.takeFocus(byKeyboard); });
    }
    QWidget::focusInEvent(event);
}

void TMaskEdit::focusOutEvent(QFocusEvent* event) {
    // Both positions are optional, so every content is complete: leaving reports nothing.
    update();
    QWidget::focusOutEvent(event);
}

void TMaskEdit::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(event);
        return;
    }
    const int boundary = boundaryAt(event->position().toPoint().x());
    change([&] {
        if (event->modifiers() & Qt::ShiftModifier)
            model_.dragTo(boundary);
        else
            model_.placeCaret(boundary);
    });
}

void TMaskEdit::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const int boundary = boundaryAt(event->position().toPoint().x());
    change([&] { model_.dragTo(boundary); });
}

void TMaskEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) change([&] { model_.selectAll(); });
}

void TMaskEdit::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    const bool selected = model_.copy().has_value();
    menu.addAction(tr("Cu&t"), this, &TMaskEdit::cut)->setEnabled(selected);
    menu.addAction(tr("&Copy"), this, &TMaskEdit::copy)->setEnabled(selected);
    menu.addAction(tr("&Paste"), this, &TMaskEdit::paste)
        ->setEnabled(!QGuiApplication::clipboard()->text().isEmpty() &&
                     model_.selectionStart() < PayoutModel::kPositions);
    menu.addAction(tr("&Delete"), this, [this] { change([&] { model_.deleteForward(); }); })->setEnabled(selected);
    menu.addSeparator();
    menu.addAction(tr("Select &All"), this, [this] { change([&] { model_.selectAll(); }); });
    menu.exec(event->globalPos());
}

QRect TMaskEdit::textRect() const {
    const int frame = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, this);
    return rect().adjusted(frame + kTextMargin, frame, -frame - kTextMargin, -frame);
}

// In fractional pixels: on a scaled screen whole logical pixels would open gaps between the characters.
qreal TMaskEdit::boundaryXF(int boundary) const {
    const QString shown = text();
    return textRect().left() + QFontMetricsF(font()).horizontalAdvance(shown.left(boundary));
}

int TMaskEdit::boundaryX(int boundary) const { return qRound(boundaryXF(boundary)); }

int TMaskEdit::boundaryAt(int x) const {
    int best = 0;
    for (int b = 1; b <= PayoutModel::kPositions; ++b)
        if (std::abs(boundaryX(b) - x) < std::abs(boundaryX(best) - x)) best = b;
    return best;
}

void TMaskEdit::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame frame;
    frame.initFrom(this);
    frame.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, this);
    frame.midLineWidth = 0;
    frame.state |= QStyle::State_Sunken;
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &frame, &painter, this);

    const QRect area = textRect();
    const QString shown = text();
    const int ascentTop = area.top() + (area.height() - fontMetrics().height() + 1) / 2;
    const int baseline = ascentTop + fontMetrics().ascent();
    const qreal lineHeight = fontMetrics().height();
    const bool focused = hasFocus();
    const int start = model_.selectionStart();
    const int end = model_.selectionEnd();
    painter.setClipRect(area);
    for (int i = 0; i < shown.size(); ++i) {
        const bool selected = focused && i >= start && i < end;
        const qreal left = boundaryXF(i);
        if (selected) {
            painter.fillRect(QRectF(left, ascentTop, boundaryXF(i + 1) - left, lineHeight),
                             palette().brush(QPalette::Highlight));
        }
        painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        painter.drawText(QPointF(left, baseline), shown.mid(i, 1));
    }
    if (focused && start == end) {
        const qreal x = std::floor(boundaryXF(start));
        painter.fillRect(QRectF(x, ascentTop, 1, lineHeight), palette().color(QPalette::Text));
    }
}
