// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/error_display.h"

#include <cfenv>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

#include "shell/application.h"
#include "shell/main_window.h"
#include "shell/skin/window_hints.h"

namespace shell {

QString withFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
    return message;
}

QString errorBoxCaption() {
    // The application window holds at most 255 characters of its title.
    return applicationTitle().left(255);
}

void showFailure(const QString& message) noexcept {
    std::fesetenv(FE_DFL_ENV);
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();

    const QPointer<QWidget> focus = QApplication::focusWidget();
    const QPointer<QWidget> active = QApplication::activeWindow();

    // Owned by the main window, as the application's own window, and without a taskbar entry of its own.
    QWidget* owner = mainWindow() ? mainWindow() : active.data();
    QMessageBox box(QMessageBox::Critical, errorBoxCaption(), withFullStop(message), QMessageBox::Ok, owner);
    kestrun::skin::make_owned_box(box, owner);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();

    // A press can come while no window is active yet (its activation still on its way): the owner
    // then takes the activation that the box had.
    if (QWidget* back = active ? active.data() : owner) back->activateWindow();
    if (focus) focus->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace shell
