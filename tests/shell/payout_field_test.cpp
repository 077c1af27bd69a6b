// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Payout field in the shown main window, driven with key, mouse and clipboard events.

#include <QApplication>
#include <QClipboard>
#include <QSignalSpy>
#include <QTest>

#include "gui_test_support.h"
#include "ledger/series.h"

class PayoutFieldTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm1> form;

    // Puts the focus into the field the way the row says: "tab" from "Lost", "backtab" from First
    // Trade, or "click:N" at boundary N.
    void reach(const QString& how) {
        if (how == "tab") {
            form->Button2->setFocus(Qt::OtherFocusReason);
            pressKeys("{Tab}");
        } else if (how == "backtab") {
            form->trade->setFocus(Qt::OtherFocusReason);
            pressKeys("{S-Tab}");
        } else if (how.startsWith("click:")) {
            const int boundary = how.mid(6).toInt();
            const int x = form->pers->boundaryX(boundary) + (boundary == 2 ? 6 : boundary == 0 ? 1 : 0);
            QTest::mouseClick(form->pers, Qt::LeftButton, {}, QPoint(x, form->pers->height() / 2));
        }
        QCOMPARE(QApplication::focusWidget(), form->pers);
    }

private slots:
    void init() {
        form = showForm();
        QGuiApplication::clipboard()->clear();
    }

    void cleanup() {
        form.reset();
        verifyEveryBoxWasExpected();
    }

    void keys_in_the_payout_field_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("clipboard");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("handedOn");
        QTest::addColumn<int>("selStart");
        QTest::addColumn<int>("selEnd");
        QTest::addColumn<int>("beeps");
        QTest::addColumn<QString>("clipboardAfter");

        // clang-format off
        QTest::newRow("tab_selects_the_whole_text")               << "95" << "tab"     << ""      << ""         << "95" << "95" << 0 << 2 << 0 << "";
        QTest::newRow("tab_then_7_shows_7_and_hands_on_7_blank")  << "95" << "tab"     << ""      << "7"        << "7_" << "7 " << 1 << 2 << 0 << "";
        QTest::newRow("tab_then_x_empties_the_field_and_beeps")   << "95" << "tab"     << ""      << "x"        << "__" << "  " << 0 << 1 << 1 << "";
        QTest::newRow("shift_tab_selects_the_whole_text_too")     << "95" << "backtab" << ""      << "4"        << "4_" << "4 " << 1 << 2 << 0 << "";
        QTest::newRow("a_click_makes_the_character_the_cursor")   << "95" << "click:1" << ""      << "3"        << "93" << "93" << 2 << 2 << 0 << "";
        QTest::newRow("a_click_right_of_the_second_takes_nothing")<< "95" << "click:2" << ""      << "4"        << "95" << "95" << 2 << 2 << 1 << "";
        QTest::newRow("a_letter_on_the_cursor_is_refused")        << "95" << "click:0" << ""      << "a"        << "95" << "95" << 0 << 1 << 1 << "";
        QTest::newRow("backspace_on_the_second_empties_the_first")<< "95" << "click:1" << ""      << "{BS}"     << "_5" << " 5" << 0 << 1 << 0 << "";
        QTest::newRow("backspace_on_the_first_changes_nothing")   << "95" << "click:0" << ""      << "{BS}"     << "95" << "95" << 0 << 1 << 0 << "";
        QTest::newRow("delete_empties_the_cursor_position")       << "95" << "click:0" << ""      << "{Del}"    << "_5" << " 5" << 0 << 1 << 0 << "";
        QTest::newRow("shift_left_then_delete_empties_both")      << "95" << "click:1" << ""      << "{S-Left}{Del}" << "__" << "  " << 0 << 1 << 0 << "";
        QTest::newRow("home_and_end_move_the_cursor")             << "95" << "click:1" << ""      << "{Home}8{End}7" << "85" << "85" << 2 << 2 << 1 << "";
        QTest::newRow("up_and_down_do_nothing")                   << "95" << "click:0" << ""      << "{Up}{Down}3" << "35" << "35" << 1 << 2 << 0 << "";
        QTest::newRow("enter_does_nothing")                       << "95" << "tab"     << ""      << "{Enter}"  << "95" << "95" << 0 << 2 << 0 << "";
        QTest::newRow("escape_after_typing_puts_back_the_text")   << "95" << "tab"     << ""      << "12{Esc}"  << "95" << "95" << 2 << 2 << 0 << "";
        QTest::newRow("paste_of_a5_over_the_whole_text")          << "95" << "tab"     << "a5"    << "{Paste}"  << "_5" << " 5" << 2 << 2 << 0 << "a5";
        QTest::newRow("paste_of_12345_keeps_two_digits")          << "95" << "tab"     << "12345" << "{Paste}"  << "12" << "12" << 2 << 2 << 0 << "12345";
        QTest::newRow("paste_of_7_on_the_second_position")        << "95" << "click:1" << "7"     << "{Paste}"  << "97" << "97" << 2 << 2 << 0 << "7";
        QTest::newRow("shift_insert_pastes")                      << "95" << "tab"     << "31"    << "{S-Ins}"  << "31" << "31" << 2 << 2 << 0 << "31";
        QTest::newRow("escape_puts_back_the_text_last_pasted")    << "95" << "tab"     << "12"    << "{Paste}{Home}4{Esc}" << "12" << "12" << 1 << 2 << 0 << "12";
        QTest::newRow("cut_copies_then_empties")                  << "95" << "tab"     << ""      << "{Cut}"    << "__" << "  " << 0 << 1 << 0 << "95";
        QTest::newRow("copy_copies_as_shown_underscore_included") << "9_" << "tab"     << ""      << "{Copy}"   << "9_" << "9 " << 0 << 2 << 0 << "9_";
        // clang-format on
    }

    void keys_in_the_payout_field() {
        QFETCH(QString, start);
        QFETCH(QString, how);
        QFETCH(QString, clipboard);
        QFETCH(QString, keys);
        form->pers->setText(start);
        if (!clipboard.isEmpty()) QGuiApplication::clipboard()->setText(clipboard);
        reach(how);
        QSignalSpy beeps(form->pers, &TMaskEdit::refused);

        pressKeys(keys.toStdString());

        QTEST(form->pers->text(), "shown");
        QTEST(QString::fromStdString(form->pers->payoutText()), "handedOn");
        QTEST(form->pers->model().selectionStart(), "selStart");
        QTEST(form->pers->model().selectionEnd(), "selEnd");
        QTEST(int(beeps.size()), "beeps");
        QTEST(QGuiApplication::clipboard()->text(), "clipboardAfter");
        QCOMPARE(form->iResult->text(), QString());
        QCOMPARE(formSeries().state(), ledger::SeriesState{});
    }

    void leaving_the_field_with_empty_positions_reports_nothing_data() {
        QTest::addColumn<QString>("shown");
        QTest::newRow("second_empty") << "9_";
        QTest::newRow("first_empty") << "_5";
        QTest::newRow("both_empty") << "__";
    }

    void leaving_the_field_with_empty_positions_reports_nothing() {
        QFETCH(QString, shown);
        form->pers->setText(shown);
        reach("tab");
        pressKeys("{Tab}");
        QCOMPARE(QApplication::focusWidget(), form->trade);
        QCOMPARE(form->pers->text(), shown);
    }

    void tab_then_7_prices_the_series_at_7_percent() {
        reach("tab");
        pressKeys("7");
        clickButton(form->Button1);
        QCOMPARE(form->iResult->text(), QString("1"));
        clickButton(form->Button2);
        // 2 x 1 + 1 / 0.07
        QCOMPARE(form->iResult->text(), QString("16.29"));
    }

    void tab_then_x_makes_both_buttons_fail_and_changes_nothing_data() {
        QTest::addColumn<bool>("lost");
        QTest::newRow("lost") << true;
        QTest::newRow("win_reset") << false;
    }

    void tab_then_x_makes_both_buttons_fail_and_changes_nothing() {
        QFETCH(bool, lost);
        clickButton(form->Button2);  // 1.00, trade number 2, stake sum 1
        const ledger::SeriesState before = formSeries().state();
        reach("tab");
        pressKeys("x");
        SeenBox seen;
        expectErrorBox(seen);
        clickButton(lost ? form->Button2 : form->Button1);
        QVERIFY(seen.shown);
        QCOMPARE(seen.text, QString("'  ' is not a valid floating point value."));
        QCOMPARE(form->iResult->text(), QString("1.00"));
        QCOMPARE(formSeries().state(), before);
    }
};

KESTRUN_GUI_TEST_MAIN(PayoutFieldTest)
#include "payout_field_test.moc"
