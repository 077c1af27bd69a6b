// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Failures of the two buttons and of event handling in general: the error box with its exact text and
// caption, the state and the result label afterwards, the focus back on the pressed button, the main
// window blocked while the box is open, and the box for failures before the event loop.

#include <cfenv>
#include <string>

#include <QApplication>
#include <QTest>
#include <QWindow>

#include "gui_test_support.h"
#include "ledger/failures.h"
#include "ledger/series.h"
#include "shell/error_display.h"
#include "shell/handler_dispatch.h"
#include "shell/startup_failure.h"

Q_DECLARE_METATYPE(ledger::SeriesState)

namespace {

unsigned short x87ControlWord() {
    unsigned short word = 0;
    asm volatile("fnstcw %0" : "=m"(word));
    return word;
}

const unsigned short startControlWord = x87ControlWord();

const std::string k310Digits = "1" + std::string(309, '0');
const std::string k309Digits = "1" + std::string(308, '0');

}  // namespace

class FailureDisplayTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm1> form;

private slots:
    void init() { form = showForm(); }

    void cleanup() {
        form.reset();
        verifyEveryBoxWasExpected();
    }

    void a_failed_press_shows_its_box_and_leaves_the_state_data() {
        using S = ledger::SeriesState;
        QTest::addColumn<QString>("firstTrade");
        QTest::addColumn<QString>("payout");
        QTest::addColumn<S>("before");
        QTest::addColumn<bool>("lost");
        QTest::addColumn<QString>("message");
        QTest::addColumn<S>("after");
        QTest::addColumn<QString>("result");
        const S start{};
        const S afterThree{4, 11.318559556786703, 7.2659279778393353};
        const QString big = QString::fromStdString(k310Digits);
        // Formed in extended precision and rounded once, as the loss step forms it.
        const double stake =
            static_cast<double>(1.0L + static_cast<long double>(1e308) / static_cast<long double>(0.95));
        // clang-format off
        QTest::newRow("payout_no_number_on_lost")       << "1" << "__" << afterThree << true  << "'  ' is not a valid floating point value"   << afterThree << "shown before";
        QTest::newRow("payout_no_number_on_win_reset")  << "1" << "__" << afterThree << false << "'  ' is not a valid floating point value"   << afterThree << "shown before";
        QTest::newRow("first_trade_empty_on_lost")      << ""  << "95" << afterThree << true  << "'' is not a valid floating point value"     << afterThree << "shown before";
        QTest::newRow("first_trade_empty_on_win_reset") << ""  << "95" << afterThree << false << "'' is not a valid floating point value"     << afterThree << "shown before";
        QTest::newRow("two_separators_on_lost")         << "1.2.3" << "95" << start  << true  << "'1.2.3' is not a valid floating point value" << start << "shown before";
        QTest::newRow("zero_payout_with_a_stake_sum")   << "1" << "00" << S{2, 1, 0} << true  << "Floating point division by zero"            << S{2, 1, 0} << "shown before";
        QTest::newRow("zero_payout_at_start")           << "1" << "0_" << start      << true  << "Invalid floating point operation"           << start << "shown before";
        QTest::newRow("zero_payout_after_a_zero_reset") << "0" << "_0" << S{2, 0, 0} << true  << "Invalid floating point operation"           << S{2, 0, 0} << "shown before";
        QTest::newRow("first_trade_beyond_double")      << big << "95" << afterThree << true  << "Floating point overflow"                    << afterThree << "shown before";
        QTest::newRow("next_stake_beyond_double")       << QString::fromStdString(k309Digits) << "95" << S{2, 0, 0} << true << "Floating point overflow" << S{2, 0, 0} << "shown before";
        QTest::newRow("stake_sum_beyond_double")        << "1" << "95" << S{1, 1e308, 0} << true << "Floating point overflow"                << S{2, 1e308, stake} << "1.0526316E308";
        QTest::newRow("reset_beyond_double")            << big << "95" << afterThree << false << "Floating point overflow"                    << S{2, afterThree.stake_sum, afterThree.next_stake} << "1E309";
        // clang-format on
    }

    void a_failed_press_shows_its_box_and_leaves_the_state() {
        QFETCH(QString, firstTrade);
        QFETCH(QString, payout);
        QFETCH(ledger::SeriesState, before);
        QFETCH(bool, lost);
        QFETCH(QString, message);
        QFETCH(QString, result);
        form->trade->setText(firstTrade);
        form->pers->setText(payout);
        form->iResult->setText("shown before");
        formSeries().restore(before);
        TButton* button = lost ? form->Button2 : form->Button1;

        SeenBox seen;
        expectErrorBox(seen);
        clickButton(button);

        QVERIFY(seen.shown);
        QCOMPARE(seen.caption, QString("Tessaro"));
        QCOMPARE(seen.text, message + ".");
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, 1);
        QVERIFY(seen.okButton);
        QCOMPARE(seen.modality, Qt::ApplicationModal);
        QCOMPARE(seen.transientParent, form->windowHandle());
        QTEST(formSeries().state(), "after");
        QCOMPARE(form->iResult->text(), result);
        QCOMPARE(form->trade->text(), firstTrade);
        QCOMPARE(form->pers->text(), payout);
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), button);
        // The floating-point environment is at its start: nothing pending, the start control word.
        QCOMPARE(std::fetestexcept(FE_INVALID | FE_DIVBYZERO | FE_OVERFLOW), 0);
        QCOMPARE(std::fegetround(), FE_TONEAREST);
        QCOMPARE(x87ControlWord(), startControlWord);
    }

    void after_a_failure_the_next_press_goes_on_from_the_unchanged_state() {
        form->pers->setText("00");
        SeenBox seen;
        expectErrorBox(seen);
        clickButton(form->Button2);
        QCOMPARE(seen.text, QString("Invalid floating point operation."));
        form->pers->setText("95");
        clickButton(form->Button2);
        QCOMPARE(form->iResult->text(), QString("1.00"));
        QCOMPARE(formSeries().state().trade_number, 2);
    }

    void while_the_box_is_open_the_window_takes_no_input() {
        QWindow* window = form->windowHandle();
        const QPoint winReset = form->Button1->mapTo(form.get(), form->Button1->rect().center());
        // Without a box, the same click through the window system presses "Win/Reset".
        QTest::mouseClick(window, Qt::LeftButton, {}, winReset);
        QCOMPARE(form->iResult->text(), QString("1"));
        form->iResult->clear();
        formSeries().start();

        form->pers->setText("0_");
        SeenBox seen;
        expectErrorBox(seen, [&](QMessageBox& box) {
            QCOMPARE(QApplication::activeModalWidget(), &box);
            QTest::mouseClick(window, Qt::LeftButton, {}, winReset);
            QTest::keyClick(window, Qt::Key_7);
            QTest::keyClick(window, Qt::Key_Space);
        });
        clickButton(form->Button2);
        QVERIFY(seen.shown);
        QCOMPARE(form->iResult->text(), QString());
        QCOMPARE(formSeries().state(), ledger::SeriesState{});
        QCOMPARE(form->trade->text(), QString("1"));
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->Button2);
    }

    void a_failure_pressed_by_enter_gives_the_focus_back_to_the_button() {
        form->trade->setText("");
        form->Button1->setFocus(Qt::OtherFocusReason);
        SeenBox seen;
        expectErrorBox(seen);
        pressKeys("{Enter}");
        QCOMPARE(seen.text, QString("'' is not a valid floating point value."));
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->Button1);
    }

    void the_box_adds_a_full_stop_only_after_a_higher_code_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("standard");
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("a_letter")          << "Something failed"  << false << "Something failed.";
        QTest::newRow("a_digit")           << "code 42"           << false << "code 42.";
        QTest::newRow("a_full_stop")       << "Already ended."    << false << "Already ended.";
        QTest::newRow("a_parenthesis")     << "failed (twice)"    << false << "failed (twice)";
        QTest::newRow("an_exclamation")    << "No!"               << false << "No!";
        QTest::newRow("a_blank")           << "trailing "         << false << "trailing ";
        QTest::newRow("a_quotation_mark")  << "said 'no'"         << false << "said 'no'";
        QTest::newRow("a_slash")           << "and/"              << false << "and/.";
        QTest::newRow("the_empty_message") << ""                  << false << "";
        QTest::newRow("a_standard_failure")<< "bad thing"         << true  << "bad thing.";
        // clang-format on
    }

    void the_box_adds_a_full_stop_only_after_a_higher_code() {
        QFETCH(QString, message);
        QFETCH(bool, standard);
        const std::string text = message.toStdString();
        SeenBox seen;
        expectErrorBox(seen);
        shell::runHandler([&] {
            if (standard) throw std::runtime_error(text);
            throw ledger::Exception(text);
        });
        QVERIFY(seen.shown);
        QTEST(seen.text, "shown");
        QCOMPARE(seen.caption, QString("Tessaro"));
    }

    void a_thousand_failing_presses_are_each_shown_and_none_reaches_the_application() {
        form->pers->setText("0_");
        form->iResult->setText("shown before");
        const int N = 1000;
        int shown = 0;
        for (int i = 0; i < N; ++i) {
            ModalWatchdog::instance().expect([&shown](QMessageBox& box) {
                if (box.text() == "Invalid floating point operation.") ++shown;
                box.button(QMessageBox::Ok)->click();
            });
            // By the mouse and by Enter in turn: the two roads by which a press reaches its handler.
            if (i % 2 == 0) {
                clickButton(form->Button2);
            } else {
                QTest::keyClick(form->Button2, Qt::Key_Return);
            }
        }
        QCOMPARE(shown, N);
        QCOMPARE(escapedFailures(), 0);
        QCOMPARE(formSeries().state(), ledger::SeriesState{});
        QCOMPARE(form->iResult->text(), QString("shown before"));
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
        QCOMPARE(QApplication::focusWidget(), form->Button2);
    }

    void the_start_up_box_tells_class_place_and_message_data() {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("text");
        QTest::newRow("a_letter")
            << "Floating point overflow"
            << "Exception ledger::EOverflow in module kestrun at 00001A2B.\nFloating point overflow.";
        QTest::newRow("a_full_stop") << "done."
                                     << "Exception ledger::EOverflow in module kestrun at 00001A2B.\ndone.";
        QTest::newRow("a_parenthesis") << "x)"
                                       << "Exception ledger::EOverflow in module kestrun at 00001A2B.\nx).";
        QTest::newRow("empty") << ""
                               << "Exception ledger::EOverflow in module kestrun at 00001A2B.\n";
    }

    void the_start_up_box_tells_class_place_and_message() {
        QFETCH(QString, message);
        QTEST(shell::startupFailureText("ledger::EOverflow", {"kestrun", 0x1a2b}, message), "text");
    }

    void a_start_up_failure_is_named_by_its_own_class_and_module() {
        shell::FailureDescription failure;
        try {
            throw ledger::EZeroDivide();
        } catch (...) {
            failure = shell::describeCurrentException();
        }
        QCOMPARE(failure.className, QString("ledger::EZeroDivide"));
        QCOMPARE(failure.message, QString("Floating point division by zero"));
        const shell::CodeLocation where = shell::locate(reinterpret_cast<const void*>(&shell::locate));
        QCOMPARE(where.module, QCoreApplication::applicationFilePath().section('/', -1));
        QVERIFY(where.offset > 0);
    }

    void the_start_up_box_is_an_application_error_box() {
        SeenBox seen;
        expectErrorBox(seen);
        shell::showStartupFailure("Exception X in module kestrun at 00000010.\nbroken.");
        QCOMPARE(seen.caption, QString("Application Error"));
        QCOMPARE(seen.text, QString("Exception X in module kestrun at 00000010.\nbroken."));
        QCOMPARE(seen.icon, QMessageBox::Critical);
        QCOMPARE(seen.buttons, 1);
    }
};

KESTRUN_GUI_TEST_MAIN(FailureDisplayTest)
#include "failure_display_test.moc"
