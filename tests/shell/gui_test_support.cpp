// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui_test_support.h"

#include <stdexcept>

#include <QAbstractButton>
#include <QApplication>
#include <QTest>

#include "key_script.h"
#include "ledger/series.h"
#include "shell/application.h"
#include "shell/decimal_point.h"

ModalWatchdog& ModalWatchdog::instance() {
    static ModalWatchdog* watchdog = [] {
        auto* w = new ModalWatchdog;
        qApp->installEventFilter(w);
        return w;
    }();
    return *watchdog;
}

void ModalWatchdog::expect(Handler handler) { expected_.push_back(std::move(handler)); }

QStringList ModalWatchdog::takeUnexpected() { return std::exchange(unexpected_, {}); }

int ModalWatchdog::takeUnmet() { return static_cast<int>(std::exchange(expected_, {}).size()); }

bool ModalWatchdog::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        auto* widget = static_cast<QWidget*>(watched);
        if (widget->isWindow() && widget->isModal())
            QMetaObject::invokeMethod(
                this, [this, widget] { handle(widget); }, Qt::QueuedConnection);
    }
    return false;
}

void ModalWatchdog::handle(QWidget* widget) {
    auto* box = qobject_cast<QMessageBox*>(widget);
    if (box && !expected_.empty()) {
        Handler handler = std::move(expected_.front());
        expected_.erase(expected_.begin());
        handler(*box);
        return;
    }
    unexpected_ << (box ? box->text() : QString::fromLatin1(widget->metaObject()->className()));
    widget->close();
}

void expectErrorBox(SeenBox& seen, std::function<void(QMessageBox&)> whileOpen) {
    ModalWatchdog::instance().expect([&seen, whileOpen](QMessageBox& box) {
        seen.shown = true;
        seen.caption = box.windowTitle();
        seen.text = box.text();
        seen.icon = box.icon();
        seen.buttons = box.buttons().size();
        seen.okButton = box.button(QMessageBox::Ok) != nullptr;
        seen.modality = box.windowModality();
        seen.transientParent = box.windowHandle() ? box.windowHandle()->transientParent() : nullptr;
        if (whileOpen) whileOpen(box);
        if (QAbstractButton* ok = box.button(QMessageBox::Ok))
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box.close();
    });
}

void verifyEveryBoxWasExpected() {
    QCOMPARE(ModalWatchdog::instance().takeUnexpected(), QStringList());
    QCOMPARE(ModalWatchdog::instance().takeUnmet(), 0);
    QCOMPARE(escapedFailures(), 0);
}

int escapedFailures() { return static_cast<TApplication*>(QCoreApplication::instance())->escapedFailures(); }

std::unique_ptr<TForm1> showForm() {
    formSeries().start();
    auto form = std::make_unique<TForm1>();
    form->show();
    if (!QTest::qWaitForWindowActive(form.get())) qWarning("test: the main window did not become active");
    return form;
}

namespace {

struct NamedKey {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
};

// clang-format off
const NamedKey kNamedKeys[] = {
    {"Tab", Qt::Key_Tab, Qt::NoModifier},           {"S-Tab", Qt::Key_Backtab, Qt::ShiftModifier},
    {"BS", Qt::Key_Backspace, Qt::NoModifier},      {"Del", Qt::Key_Delete, Qt::NoModifier},
    {"Left", Qt::Key_Left, Qt::NoModifier},         {"S-Left", Qt::Key_Left, Qt::ShiftModifier},
    {"Right", Qt::Key_Right, Qt::NoModifier},       {"S-Right", Qt::Key_Right, Qt::ShiftModifier},
    {"Home", Qt::Key_Home, Qt::NoModifier},         {"S-Home", Qt::Key_Home, Qt::ShiftModifier},
    {"End", Qt::Key_End, Qt::NoModifier},           {"S-End", Qt::Key_End, Qt::ShiftModifier},
    {"Up", Qt::Key_Up, Qt::NoModifier},             {"Down", Qt::Key_Down, Qt::NoModifier},
    {"Esc", Qt::Key_Escape, Qt::NoModifier},        {"Enter", Qt::Key_Return, Qt::NoModifier},
    {"KpEnter", Qt::Key_Enter, Qt::KeypadModifier}, {"Space", Qt::Key_Space, Qt::NoModifier},
    {"Paste", Qt::Key_V, Qt::ControlModifier},      {"Copy", Qt::Key_C, Qt::ControlModifier},
    {"Cut", Qt::Key_X, Qt::ControlModifier},        {"S-Ins", Qt::Key_Insert, Qt::ShiftModifier},
    {"Alt-F4", Qt::Key_F4, Qt::AltModifier},
};
// clang-format on

}  // namespace

void pressKeys(std::string_view script) {
    for (const KeyStep& step : parseKeys(script)) {
        QWidget* target = QApplication::focusWidget();
        if (!target) target = QApplication::activeWindow();
        if (!target) throw std::runtime_error("no widget to send keys to");
        if (step.named.empty()) {
            QTest::keyClick(target, static_cast<char>(step.typed));
            continue;
        }
        const NamedKey* found = nullptr;
        for (const NamedKey& k : kNamedKeys)
            if (step.named == k.name) found = &k;
        if (!found) throw std::invalid_argument("unknown key " + step.named);
        QTest::keyClick(target, found->key, found->modifiers);
    }
}

void clickButton(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }

int runGuiTest(QObject& test, int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qEnvironmentVariableIsEmpty("LC_ALL")) qputenv("LC_ALL", "C");
    TApplication app(argc, argv);
    shell::setUpApplication();
    shell::readDecimalSeparator();
    ModalWatchdog::instance();
    return QTest::qExec(&test, argc, argv);
}
