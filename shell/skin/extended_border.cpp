// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/skin/extended_border.h"

#include <QEvent>
#include <QPainter>

namespace kestrun::skin {

ExtendedBorder::ExtendedBorder(QWidget& form, QImage image, int width, QMargins margins)
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowTransparentForInput |
                           Qt::WindowDoesNotAcceptFocus | Qt::NoDropShadowWindowHint),
      form_(&form),
      image_(std::move(image)),
      width_(width),
      margins_(margins) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setWindowTitle(form.windowTitle());
    form.installEventFilter(this);
    follow();
}

QRect ExtendedBorder::geometryFor(const QRect& formGeometry) const {
    return formGeometry.adjusted(-width_, -width_, width_, width_);
}

void ExtendedBorder::follow() {
    if (!form_) {
        hide();
        return;
    }
    const bool shown = form_->isVisible() && !form_->isMinimized() && !form_->isMaximized() && !form_->isFullScreen();
    if (!shown) {
        hide();
        return;
    }
    setGeometry(geometryFor(form_->frameGeometry()));
    if (!isVisible()) {
        show();
        form_->raise();  // the border stays behind its window
    }
}

bool ExtendedBorder::eventFilter(QObject* watched, QEvent* event) {
    if (watched == form_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::WindowStateChange:
            follow();
            break;
        default:
            break;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ExtendedBorder::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.drawPixmap(0, 0, cache_.nineSlice(image_, image_.rect(), margins_, size(), false, ratio_of(painter)));
}

}  // namespace kestrun::skin
