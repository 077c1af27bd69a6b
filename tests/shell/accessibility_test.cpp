// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a screen reader learns of the window through Qt's accessibility interfaces: the frame and its
// close button, the Payout field as an editable text with its caret and selection, and the labels as
// texts.

#include <QAccessible>
#include <QApplication>
#include <QTest>

#include "gui_test_support.h"

namespace {

QAccessibleInterface* accessibleOf(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

}  // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm1> form;

    QAccessibleInterface* payout() { return accessibleOf(form->pers); }

private slots:
    void init() { form = showForm(); }

    void cleanup() {
        form.reset();
        verifyEveryBoxWasExpected();
    }

    void the_window_is_a_frame_named_after_the_program() {
        QAccessibleInterface* window = accessibleOf(form.get());
        QCOMPARE(window->role(), QAccessible::Window);
        QCOMPARE(window->text(QAccessible::Name), QString("Tessaro"));
    }

    void every_control_keeps_its_role_and_name_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("name");
        QTest::newRow("Label1") << "Label1" << int(QAccessible::StaticText) << "First Trade  $";
        QTest::newRow("Label2") << "Label2" << int(QAccessible::StaticText) << "Payout %";
        QTest::newRow("Label3") << "Label3" << int(QAccessible::StaticText) << "Next Trade $ ";
        QTest::newRow("trade") << "trade" << int(QAccessible::EditableText) << "First Trade $";
        QTest::newRow("pers") << "pers" << int(QAccessible::EditableText) << "Payout %";
        QTest::newRow("Button1") << "Button1" << int(QAccessible::Button) << "Win/Reset";
        QTest::newRow("Button2") << "Button2" << int(QAccessible::Button) << "Lost";
    }

    void every_control_keeps_its_role_and_name() {
        QFETCH(QString, control);
        QAccessibleInterface* iface = accessibleOf(form->findChild<QWidget*>(control));
        QVERIFY(iface);
        QTEST(int(iface->role()), "role");
        QTEST(iface->text(QAccessible::Name), "name");
    }

    void the_close_button_is_a_push_button_that_the_press_action_closes() {
        QAccessibleInterface* window = accessibleOf(form.get());
        QAccessibleInterface* close = window->child(window->childCount() - 1);
        QVERIFY(close);
        QCOMPARE(close->role(), QAccessible::PushButton);
        QCOMPARE(close->text(QAccessible::Name), QString("Close"));
        QCOMPARE(close->parent(), window);
        QCOMPARE(window->indexOfChild(close), window->childCount() - 1);
        const QRect onScreen = close->rect();
        QCOMPARE(onScreen.size(), form->frameLook().closeButtonRect(form->size()).size());
        QCOMPARE(window->childAt(onScreen.center().x(), onScreen.center().y()), close);
        QAccessibleActionInterface* action = close->actionInterface();
        QVERIFY(action);
        QCOMPARE(action->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
        action->doAction(QAccessibleActionInterface::pressAction());
        QTRY_VERIFY(!form->isVisible());
    }

    void the_payout_field_offers_its_text_caret_and_selection_data() {
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("caret");
        QTest::addColumn<int>("selectionStart");  // -1: no selection
        QTest::addColumn<int>("selectionEnd");
        QTest::newRow("tab_selects_both_digits") << "95"
                                                 << "" << 0 << 0 << 2;
        QTest::newRow("a_digit_typed_over_both_empties_the_second") << "8_"
                                                                    << "8" << 1 << -1 << -1;
        QTest::newRow("an_empty_position_reads_as_shown") << "9_"
                                                          << "{Right}{Del}" << 1 << -1 << -1;
        QTest::newRow("after_the_second_position") << "95"
                                                   << "{End}" << 2 << -1 << -1;
    }

    void the_payout_field_offers_its_text_caret_and_selection() {
        QFETCH(QString, keys);
        form->Button2->setFocus(Qt::OtherFocusReason);
        pressKeys("{Tab}");
        pressKeys(keys.toStdString());
        QAccessibleTextInterface* text = payout()->textInterface();
        QVERIFY(text);
        QVERIFY(payout()->editableTextInterface());
        QTEST(text->text(0, text->characterCount()), "shown");
        QTEST(payout()->text(QAccessible::Value), "shown");
        QTEST(text->cursorPosition(), "caret");
        QFETCH(int, selectionStart);
        QCOMPARE(text->selectionCount(), selectionStart < 0 ? 0 : 1);
        if (selectionStart >= 0) {
            int start = -1, end = -1;
            text->selection(0, &start, &end);
            QCOMPARE(start, selectionStart);
            QTEST(end, "selectionEnd");
        }
        const QRect second = text->characterRect(1);
        QCOMPARE(text->offsetAtPoint(second.center()), 1);
    }

    void the_payout_field_is_edited_through_its_editable_text_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("end");
        QTest::addColumn<QString>("with");
        QTest::addColumn<QString>("shown");
        QTest::newRow("insert_overwrites_the_position") << "insert" << 0 << 0 << "8"
                                                        << "85";
        QTest::newRow("insert_of_a_non_digit_empties_it") << "insert" << 1 << 1 << "x"
                                                          << "9_";
        QTest::newRow("delete_empties_the_range") << "delete" << 0 << 2 << ""
                                                  << "__";
        QTest::newRow("delete_of_nothing_keeps_the_text") << "delete" << 1 << 1 << ""
                                                          << "95";
        QTest::newRow("replace_writes_position_by_position") << "replace" << 0 << 2 << "42"
                                                             << "42";
        QTest::newRow("replace_drops_what_does_not_fit") << "replace" << 1 << 2 << "123"
                                                         << "91";
        QTest::newRow("offsets_beyond_the_field_are_clamped") << "replace" << -3 << 9 << "07"
                                                              << "07";
    }

    void the_payout_field_is_edited_through_its_editable_text() {
        QFETCH(QString, operation);
        QFETCH(int, start);
        QFETCH(int, end);
        QFETCH(QString, with);
        QAccessibleEditableTextInterface* edit = payout()->editableTextInterface();
        if (operation == "insert") edit->insertText(start, with);
        if (operation == "delete") edit->deleteText(start, end);
        if (operation == "replace") edit->replaceText(start, end, with);
        QTEST(form->pers->text(), "shown");
    }

    // Its change events reach screen readers only on a platform with accessibility; the test over the
    // accessibility bus hears them.
    void a_new_result_is_read_as_text() {
        clickButton(form->Button2);
        QAccessibleInterface* result = accessibleOf(form->iResult);
        QCOMPARE(result->text(QAccessible::Name), QString("1.00"));
        QAccessibleTextInterface* text = result->textInterface();
        QVERIFY(text);
        QCOMPARE(text->text(0, text->characterCount()), QString("1.00"));
        QCOMPARE(text->text(2, -1), QString("00"));
    }
};

KESTRUN_GUI_TEST_MAIN(AccessibilityTest)
#include "accessibility_test.moc"
