// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The decimal separator: taken from the user's locale at start and after a locale change, and used by
// the window's filter, its steps and their results.

#include <QApplication>
#include <QTest>

#include "gui_test_support.h"
#include "ledger/amount_reading.h"
#include "shell/decimal_point.h"

class LocaleTest : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { shell::readDecimalSeparator(); }

    void the_separator_of_a_locale_data() {
        QTest::addColumn<QLocale>("locale");
        QTest::addColumn<char>("separator");
        QTest::newRow("c") << QLocale::c() << '.';
        QTest::newRow("english") << QLocale(QLocale::English, QLocale::UnitedStates) << '.';
        QTest::newRow("german") << QLocale(QLocale::German, QLocale::Germany) << ',';
        QTest::newRow("french") << QLocale(QLocale::French, QLocale::France) << ',';
        // The Arabic decimal separator lies outside Latin-1.
        QTest::newRow("arabic") << QLocale(QLocale::Arabic, QLocale::Egypt) << '.';
    }

    void the_separator_of_a_locale() {
        QFETCH(QLocale, locale);
        QTEST(shell::separatorOf(locale), "separator");
    }

    void the_start_reads_the_locale_of_the_environment() {
        const bool comma = qgetenv("LC_ALL").startsWith("de_");
        QCOMPARE(ledger::decimal_separator(), comma ? ',' : '.');
    }

    void a_locale_change_reads_the_separator_again() {
        const char fromLocale = shell::separatorOf(QLocale::system());
        ledger::set_decimal_separator('#');
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(qApp, &change);
        QCOMPARE(ledger::decimal_separator(), fromLocale);
    }

    void the_window_reads_and_shows_amounts_with_the_comma() {
        ledger::set_decimal_separator(',');
        const auto form = showForm();
        form->trade->setText("2.5");
        QCOMPARE(form->trade->text(), QString("1"));
        form->trade->setText("2,5");
        QCOMPARE(form->trade->text(), QString("2,5"));
        form->pers->setText("80");
        clickButton(form->Button1);
        QCOMPARE(form->iResult->text(), QString("2,5"));
        clickButton(form->Button2);
        // 2 x 2.5 + 2.5 / 0.8
        QCOMPARE(form->iResult->text(), QString("8,13"));
    }
};

KESTRUN_GUI_TEST_MAIN(LocaleTest)
#include "locale_test.moc"
