// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/form_accessible.h"

#include <QPointer>
#include <QWindow>

#include "shell/main_window.h"

namespace shell {
namespace {

class CloseButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit CloseButtonAccessible(TForm1* form) : form_(form) {}

    bool isValid() const override { return !form_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return form_ ? form_->windowHandle() : nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(form_.data()); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }

    QString text(QAccessible::Text kind) const override {
        if (kind == QAccessible::Name) return QStringLiteral("Close");
        if (kind == QAccessible::Description) return QStringLiteral("Closes the window");
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}

    QRect rect() const override {
        if (!form_) return {};
        const QRect local = form_->frameLook().closeButtonRect(form_->size());
        return QRect(form_->mapToGlobal(local.topLeft()), local.size());
    }
    QAccessible::Role role() const override { return QAccessible::PushButton; }
    QAccessible::State state() const override {
        QAccessible::State state;
        if (!form_ || !form_->isVisible()) state.invisible = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
    }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString& name) const override {
        return name == pressAction() ? QStringList{QStringLiteral("Alt+F4")} : QStringList{};
    }
    void doAction(const QString& name) override {
        // Queued: the window closes after the screen reader's request has been answered.
        if (name == pressAction() && form_)
            QMetaObject::invokeMethod(form_.data(), &QWidget::close, Qt::QueuedConnection);
    }

private:
    QPointer<TForm1> form_;
};

}  // namespace

FormAccessible::FormAccessible(TForm1* form) : QAccessibleWidget(form, QAccessible::Window) {}

FormAccessible::~FormAccessible() {
    if (closeButtonId_) QAccessible::deleteAccessibleInterface(closeButtonId_);
}

QAccessibleInterface* FormAccessible::closeButton() const {
    if (!closeButtonId_)
        closeButtonId_ =
            QAccessible::registerAccessibleInterface(new CloseButtonAccessible(static_cast<TForm1*>(widget())));
    return QAccessible::accessibleInterface(closeButtonId_);
}

int FormAccessible::childCount() const { return QAccessibleWidget::childCount() + 1; }

QAccessibleInterface* FormAccessible::child(int index) const {
    if (index == QAccessibleWidget::childCount()) return closeButton();
    return QAccessibleWidget::child(index);
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const {
    if (child && child == closeButton()) return QAccessibleWidget::childCount();
    return QAccessibleWidget::indexOfChild(child);
}

QAccessibleInterface* FormAccessible::childAt(int x, int y) const {
    QAccessibleInterface* button = closeButton();
    if (button->rect().contains(x, y)) return button;
    return QAccessibleWidget::childAt(x, y);
}

}  // namespace shell
