// How the main window draws and handles its own frame: the look lays the frame around the fixed client
// area, dragging the title bar moves the window and the close button closes it.

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWindow>

#include "shell/main_window.h"
#include "shell/standard_frame_look.h"
#include "shell/shell_log.h"

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
        if (!windowHandle() || !windowHandle()->startSystemMove()) {
            static bool told = false;
            if (!told) qCDebug(lcShell, "the window manager offers no window move; the window moves itself");
            told = true;
            dragging_ = true;
            dragOffset_ = event->globalPosition().toPoint() - frameGeometry().topLeft();
        }
    }
    event->accept();
}

void TForm1::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (dragging_) {
        move(event->globalPosition().toPoint() - dragOffset_);
    } else {
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
    QWidget::changeEvent(event);
}
