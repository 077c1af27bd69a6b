// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's one window: the First Trade field, the Payout field, the result label and the two
// buttons, inside a frame and title bar that the window draws itself with its frame look.

#include <memory>

#include <QIcon>
#include <QPoint>
#include <QWidget>

#include "shell/controls.h"
#include "shell/frame_look.h"
#include "shell/mask_edit.h"
#include "shell/skin/skin_manager.h"
#include "shell/skin/skin_provider.h"

namespace ledger {
class Series;
}

class TForm1 : public QWidget, public FrameLookHost {
    Q_OBJECT
public:
    static constexpr QSize kClientSize{194, 195};

    explicit TForm1(QWidget* parent = nullptr);
    ~TForm1() override;

    TGroupBox* GroupBox1;
    TLabel* Label1;
    TLabel* Label2;
    TEdit* trade;
    TGroupBox* GroupBox2;
    TGroupBox* GroupBox3;
    TButton* Button1;
    TButton* Button2;
    TLabel* Label3;
    TLabel* iResult;
    TSkinManager SkinManager1;
    TSkinProvider SkinProvider1;
    TMaskEdit* pers;

    // What the window's own title bar shows ("Ombrelt"); the window system is told the application's
    // title instead.
    QString caption() const { return caption_; }
    // The icon drawn in the title bar; the window system shows the program's main icon.
    QIcon ownIcon() const { return ownIcon_; }
    // The area below the title bar that holds the controls (window coordinates).
    QRect clientRect() const;
    QWidget* clientArea() const { return client_; }

    void setFrameLook(std::shared_ptr<const FrameLook> look) override;
    const FrameLook& frameLook() const { return *look_; }
    CloseButtonState closeButtonState() const { return closeState_; }

public slots:
    void Button1Click();
    void Button2Click();
    void tradeChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void loaded();
    void layFrame();
    void setCloseButtonState(CloseButtonState state);
    void startMove(QPoint pointer);
    void keepFixedSizeSoon();

    QString caption_;
    QIcon ownIcon_;
    QWidget* client_ = nullptr;
    std::shared_ptr<const FrameLook> look_;
    CloseButtonState closeState_ = CloseButtonState::Normal;
    bool closePressed_ = false;
    bool titlePressed_ = false;   // the button went down on the title bar; a drag from there moves
    QPoint titlePressedAt_;       // where it went down (screen coordinates)
    bool restoringSize_ = false;  // the fixed size is about to be put back
    bool dragging_ = false;       // moving the window by itself where the window manager offers no move
    QPoint dragOffset_;
};

// The series of trades that the two buttons advance: one for the life of the process.
ledger::Series& formSeries();

namespace shell {
// The main window: the first TForm1 created, while it lives; it owns every error box.
QWidget* mainWindow();
}  // namespace shell
