// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How the main window draws and handles its own frame: the look lays the frame around the fixed client
// area, dragging the title bar moves the window and the close button closes it. The window keeps its
// one size whatever the window manager or another program asks.

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "shell/main_window.h"
#include "shell/shell_log.h"
#include "shell/skin/window_hints.h"
#include "shell/standard_frame_look.h"

QRect TForm1::clientRect() const { return client_->geometry(); }

void TForm1::setFrameLook(std::shared_ptr<const FrameLook> look) {
    look_ = look ? std::move(look) : std::make_shared<StandardFrameLook>();
    layFrame();
}

void TForm1::layFrame() {
    const QMargins margins = look_->margins();
    client_->move(margins.left(), margins.top());
    setFixedSize(kClientSize.grownBy(margins));
    update();
}

void TForm1::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    NonClientState state;
    state.windowSize = size();
    state.caption = caption_;
    state.icon = ownIcon_;
    state.active = isActiveWindow();
    state.closeButton = closeState_;
    look_->paintNonClient(painter, state);
    look_->paintClientBackground(painter, client_->geometry());
}

void TForm1::setCloseButtonState(CloseButtonState state) {
    if (state == closeState_) return;
    closeState_ = state;
    update(look_->closeButtonRect(size()));
}

void TForm1::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mousePressEvent(event);
    const QPoint at = event->position().toPoint();
    if (look_->closeButtonRect(size()).contains(at)) {
        closePressed_ = true;
        setCloseButtonState(CloseButtonState::Pressed);
    } else if (look_->titleBarRect(size()).contains(at)) {
        // Only a drag moves the window: a bare click on the caption does nothing.
        titlePressed_ = true;
        titlePressedAt_ = event->globalPosition().toPoint();
    }
    event->accept();
}

void TForm1::startMove(QPoint pointer) {
    titlePressed_ = false;
    if (windowHandle() && windowHandle()->startSystemMove()) return;
    static bool told = false;
    if (!told) qCDebug(lcShell, "the window manager offers no window move; the window moves itself");
    told = true;
    dragging_ = true;
    dragOffset_ = titlePressedAt_ - frameGeometry().topLeft();
    move(pointer - dragOffset_);
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    const QPoint pointer = event->globalPosition().toPoint();
    if (titlePressed_ && (event->buttons() & Qt::LeftButton) &&
        (pointer - titlePressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
        startMove(pointer);
    } else if (dragging_) {
        move(pointer - dragOffset_);
    } else if (!titlePressed_) {
        const bool over = look_->closeButtonRect(size()).contains(at);
        if (closePressed_)
            setCloseButtonState(over ? CloseButtonState::Pressed : CloseButtonState::Normal);
        else
            setCloseButtonState(over ? CloseButtonState::Hot : CloseButtonState::Normal);
    }
    event->accept();
}

void TForm1::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return QWidget::mouseReleaseEvent(event);
    const bool over = look_->closeButtonRect(size()).contains(event->position().toPoint());
    const bool closing = closePressed_ && over;
    closePressed_ = false;
    titlePressed_ = false;
    dragging_ = false;
    setCloseButtonState(over ? CloseButtonState::Hot : CloseButtonState::Normal);
    event->accept();
    if (closing) close();
}

void TForm1::leaveEvent(QEvent* event) {
    if (!closePressed_) setCloseButtonState(CloseButtonState::Normal);
    QWidget::leaveEvent(event);
}

void TForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::PaletteChange) update();
    if (event->type() == QEvent::WindowStateChange && (windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        keepFixedSizeSoon();
    QWidget::changeEvent(event);
}

void TForm1::resizeEvent(QResizeEvent* event) {
    if (minimumSize() == maximumSize() && size() != minimumSize()) keepFixedSizeSoon();
    QWidget::resizeEvent(event);
}

// A maximise or fullscreen request of the window manager, or a resize from outside (a window manager
// that ignores the fixed size hints, another program), is undone as soon as the event that brought it
// is over: the window has one size.
void TForm1::keepFixedSizeSoon() {
    if (restoringSize_) return;
    restoringSize_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            restoringSize_ = false;
            const Qt::WindowStates stretched = Qt::WindowMaximized | Qt::WindowFullScreen;
            if (windowState() & stretched) setWindowState(windowState() & ~stretched);
            if (minimumSize() == maximumSize() && size() != minimumSize() && !(windowState() & Qt::WindowMinimized))
                resize(minimumSize());
        },
        Qt::QueuedConnection);
}

void TForm1::showEvent(QShowEvent* event) {
    // The native window exists now and is not mapped yet: the moment to tell the window manager.
    if (!event->spontaneous()) kestrun::skin::announce_fixed_size(*this);
    QWidget::showEvent(event);
}
