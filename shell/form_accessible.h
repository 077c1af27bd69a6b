// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main window as screen readers read it: a frame named after the program, whose last child is
// the close button of the window's own title bar, a push button "Close" that can be pressed.

#include <QAccessibleWidget>

class TForm1;

namespace shell {

class FormAccessible : public QAccessibleWidget {
public:
    explicit FormAccessible(TForm1* form);
    ~FormAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

private:
    QAccessibleInterface* closeButton() const;

    mutable QAccessible::Id closeButtonId_ = 0;
};

}  // namespace shell
