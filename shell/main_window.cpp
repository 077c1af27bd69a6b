// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shell/main_window.h"

#include <string>

#include <QGuiApplication>
#include <QShortcut>

#include "ledger/amount_reading.h"
#include "ledger/series.h"
#include "shell/application.h"
#include "shell/fonts.h"
#include "shell/handler_dispatch.h"
#include "shell/icons.h"
#include "shell/skin/carried_skins.h"

namespace {

ledger::Series series;

std::string latin1(const QString& text) { return text.toLatin1().toStdString(); }

ledger::ResultDisplay showIn(TLabel* label) {
    return [label](std::string_view text) {
        label->setText(QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size())));
    };
}

TLabel* makeLabel(QWidget* parent, const char* name, QRect geometry, const char* text, const QFont& font) {
    auto* label = new TLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setText(QString::fromLatin1(text));
    label->setGeometry(geometry);
    return label;
}

TGroupBox* makeGroupBox(QWidget* parent, const char* name, QRect geometry) {
    auto* box = new TGroupBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    return box;
}

TButton* makeButton(QWidget* parent, const char* name, QRect geometry, const char* text) {
    auto* button = new TButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setFont(shell::msSansSerif(13, true));
    button->setText(QString::fromLatin1(text));
    button->setGeometry(geometry);
    return button;
}

// The skin manager's settings as the window stores them. The skin directory is left to the platform's
// default; the provider's settings are its defaults.
TSkinManagerSettings skinManagerDescription() {
    TSkinManagerSettings settings;
    settings.ExtendedBorders = true;
    settings.InternalSkins = {kestrun::skin::carried_autumnsky()};
    settings.MenuSupport.IcoLineSkin = QStringLiteral("ICOLINE");
    settings.SkinName = QStringLiteral("autumnsky");
    settings.SkinInfo = QStringLiteral("7.61");
    return settings;
}

}  // namespace

ledger::Series& formSeries() { return series; }

namespace {
TForm1* g_mainForm = nullptr;  // the first window created, as long as it lives
}  // namespace

QWidget* shell::mainWindow() { return g_mainForm; }

TForm1::TForm1(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint),
      SkinManager1(skinManagerDescription()),
      caption_(QStringLiteral("Ombrelt")),
      ownIcon_(shell::windowOwnIcon()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(shell::applicationTitle());
    setFont(shell::windowFont());
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("client"));
    client_->resize(kClientSize);

    createControls();

    QWidget::setTabOrder(trade, Button1);
    QWidget::setTabOrder(Button1, Button2);
    QWidget::setTabOrder(Button2, pers);
    QWidget::setTabOrder(pers, trade);

    // The handlers let their failures pass; the boundary of each connection catches them.
    shell::connectHandler(trade, &QLineEdit::textChanged, this, &TForm1::tradeChange);
    shell::connectHandler(Button1, &QAbstractButton::clicked, this, &TForm1::Button1Click);
    shell::connectHandler(Button2, &QAbstractButton::clicked, this, &TForm1::Button2Click);
    auto* altF4 = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_F4), this);
    connect(altF4, &QShortcut::activated, this, &QWidget::close);

    // The first control of the focus order has the focus when the window is first activated, its
    // whole text selected, so that the first digit typed replaces it.
    trade->selectAll();
    trade->setFocus(Qt::OtherFocusReason);

    setFrameLook(nullptr);
    // Every control and setting of the window is in place from here on.
    loaded();
    if (!g_mainForm) g_mainForm = this;
}

TForm1::~TForm1() {
    if (g_mainForm == this) g_mainForm = nullptr;
}

void TForm1::createControls() {
    GroupBox1 = makeGroupBox(client_, "GroupBox1", {4, 8, 185, 66});
    Label1 = makeLabel(GroupBox1, "Label1", {8, 16, 89, 17}, "First Trade  $", shell::tahoma(12, true));
    Label2 = makeLabel(GroupBox1, "Label2", {8, 40, 62, 14}, "Payout %", shell::tahoma(12, true));

    trade = new TEdit(GroupBox1);
    trade->setObjectName(QStringLiteral("trade"));
    trade->setGeometry(96, 12, 81, 21);
    trade->setText(QStringLiteral("1"));
    trade->setAccessibleName(QStringLiteral("First Trade $"));

    GroupBox2 = makeGroupBox(client_, "GroupBox2", {4, 78, 185, 49});
    GroupBox3 = makeGroupBox(client_, "GroupBox3", {4, 130, 185, 60});
    Button1 = makeButton(GroupBox3, "Button1", {8, 16, 81, 33}, "Win/Reset");
    Button2 = makeButton(GroupBox3, "Button2", {96, 16, 81, 33}, "Lost");

    // Sized to its text.
    Label3 = makeLabel(GroupBox2, "Label3", {8, 16, 0, 0}, "Next Trade $ ", shell::tahoma(13, true));
    Label3->resize(Label3->fontMetrics().horizontalAdvance(Label3->text()), Label3->fontMetrics().height());
    iResult = makeLabel(GroupBox2, "iResult", {96, 16, 81, 25}, "", shell::tahoma(15));
    iResult->setAccessibleDescription(QStringLiteral("Next Trade $"));

    // The Payout field belongs to the window and stands above the frame of GroupBox1.
    pers = new TMaskEdit(client_);
    pers->setObjectName(QStringLiteral("pers"));
    pers->setGeometry(100, 45, 80, 21);
    pers->setText(QStringLiteral("95"));
    pers->setAccessibleName(QStringLiteral("Payout %"));
    pers->raise();
}

// The whole description has been read: the skin manager makes its skin active on the window.
void TForm1::loaded() { SkinProvider1.formLoaded(*this, *this); }

void TForm1::Button1Click() {
    series.reset_step(latin1(trade->text()), pers->payoutText(), ledger::decimal_separator(), showIn(iResult));
}

void TForm1::Button2Click() {
    series.loss_step(latin1(trade->text()), pers->payoutText(), ledger::decimal_separator(), showIn(iResult));
}

void TForm1::tradeChange() {
    if (auto replacement = ledger::filter_first_trade(latin1(trade->text()), ledger::decimal_separator()))
        trade->setText(QString::fromLatin1(replacement->data(), static_cast<qsizetype>(replacement->size())));
}
