#include "shell/error_display.h"

#include <cfenv>

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QWidget>

namespace shell {

QString withFullStop(const QString& message) {
    if (!message.isEmpty() && message.back().unicode() > u'.') return message + u'.';
    return message;
}

QString errorBoxCaption() {
    // The application window holds at most 255 characters of its title.
    return QGuiApplication::applicationDisplayName().left(255);
}

void showFailure(const QString& message) {
    std::fesetenv(FE_DFL_ENV);
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();

    const QPointer<QWidget> focus = QApplication::focusWidget();
    const QPointer<QWidget> active = QApplication::activeWindow();

    QMessageBox box(QMessageBox::Critical, errorBoxCaption(), withFullStop(message), QMessageBox::Ok, active);
    box.setTextFormat(Qt::PlainText);
    box.setWindowModality(Qt::ApplicationModal);
    box.setDefaultButton(QMessageBox::Ok);
    box.setEscapeButton(QMessageBox::Ok);
    box.exec();

    if (active) active->activateWindow();
    if (focus) focus->setFocus(Qt::ActiveWindowFocusReason);
}

}  // namespace shell
