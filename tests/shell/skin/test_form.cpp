// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "test_form.h"

#include <QPainter>

namespace {

template <class T>
T* place(QWidget* parent, int left, int top, int width, int height, const QString& text = {}) {
    auto* control = new T(parent);
    control->setGeometry(left, top, width, height);
    if constexpr (std::is_base_of_v<QLabel, T> || std::is_base_of_v<QLineEdit, T> ||
                  std::is_base_of_v<QPushButton, T>) {
        control->setText(text);
    }
    return control;
}

QFont tahoma(int pixels, bool bold) {
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

}  // namespace

TestForm::TestForm(TSkinManagerSettings settings)
    : QWidget(nullptr, Qt::FramelessWindowHint), SkinManager1(std::move(settings)), SkinProvider1() {
    setWindowTitle(QStringLiteral("Ombrelt"));
    client_ = new QWidget(this);
    GroupBox1 = place<TGroupBox>(client_, 4, 8, 185, 66);
    Label1 = place<TLabel>(GroupBox1, 8, 16, 89, 17, QStringLiteral("First Trade  $"));
    Label2 = place<TLabel>(GroupBox1, 8, 40, 62, 14, QStringLiteral("Payout %"));
    trade = place<TEdit>(GroupBox1, 96, 12, 81, 21, QStringLiteral("1"));
    pers = place<TMaskEdit>(client_, 100, 45, 80, 21, QStringLiteral("95"));
    GroupBox2 = place<TGroupBox>(client_, 4, 78, 185, 49);
    Label3 = place<TLabel>(GroupBox2, 8, 16, 86, 16, QStringLiteral("Next Trade $ "));
    iResult = place<TLabel>(GroupBox2, 96, 16, 81, 25);
    GroupBox3 = place<TGroupBox>(client_, 4, 130, 185, 60);
    Button1 = place<TButton>(GroupBox3, 8, 16, 81, 33, QStringLiteral("Win/Reset"));
    Button2 = place<TButton>(GroupBox3, 96, 16, 81, 33, QStringLiteral("Lost"));
    pers->raise();
    Label1->setFont(tahoma(12, true));
    Label2->setFont(tahoma(12, true));
    Label3->setFont(tahoma(13, true));
    iResult->setFont(tahoma(15, false));
    iResult->setText(QStringLiteral("1.00"));
    for (TLabel* label : {Label1, Label2, Label3, iResult}) {
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }
    QFont buttons(QStringLiteral("MS Sans Serif"));
    buttons.setPixelSize(13);
    buttons.setBold(true);
    Button1->setFont(buttons);
    Button2->setFont(buttons);
    setFrameLook(nullptr);
    SkinProvider1.formLoaded(*this, *this);
}

QRect TestForm::clientRect() const { return client_->geometry(); }

void TestForm::setFrameLook(std::shared_ptr<const FrameLook> look) {
    look_ = std::move(look);
    const QMargins m = look_ ? look_->margins() : QMargins(1, 1, 1, 1);
    client_->setGeometry(QRect(QPoint(m.left(), m.top()), kClientSize));
    setFixedSize(kClientSize.grownBy(m));
    update();
}

void TestForm::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!look_) {
        painter.fillRect(rect(), palette().window());
        painter.setPen(palette().color(QPalette::Dark));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
        return;
    }
    NonClientState state;
    state.windowSize = size();
    state.caption = windowTitle();
    look_->paintNonClient(painter, state);
    look_->paintClientBackground(painter, clientRect());
}
