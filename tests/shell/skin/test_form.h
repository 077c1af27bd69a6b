// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A small window laid out like the main window, with thin control classes named as the window's
// are, which draws its frame through a FrameLook as the main window does. It holds the two skin
// components and hands itself to the provider at the end of its constructor.

#include <memory>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "shell/frame_look.h"
#include "shell/skin/skin_manager.h"
#include "shell/skin/skin_provider.h"

class TGroupBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;
};
class TLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
};
class TEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
};
class TMaskEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;
};
class TButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;
};

class TestForm : public QWidget, public FrameLookHost {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{194, 195};

    explicit TestForm(TSkinManagerSettings settings);

    void setFrameLook(std::shared_ptr<const FrameLook> look) override;
    const FrameLook* look() const { return look_.get(); }
    // Where the client area lies in the window.
    QRect clientRect() const;

    TGroupBox *GroupBox1, *GroupBox2, *GroupBox3;
    TLabel *Label1, *Label2, *Label3, *iResult;
    TEdit* trade;
    TMaskEdit* pers;
    TButton *Button1, *Button2;
    TSkinManager SkinManager1;
    TSkinProvider SkinProvider1;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QWidget* client_;
    std::shared_ptr<const FrameLook> look_;
};
