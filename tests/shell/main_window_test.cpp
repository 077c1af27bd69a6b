// SPDX-FileCopyrightText: 2026 The kestrun developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window as the user meets it: its controls, focus order, keys, the First Trade filter, the
// worked series through the buttons, and its own frame.

#include <QApplication>
#include <QClipboard>
#include <QFontDatabase>
#include <QFontInfo>
#include <QSignalSpy>
#include <QTest>
#include <QWindow>

#include "gui_test_support.h"
#include "ledger/series.h"
#include "shell/fonts.h"
#include "shell/standard_frame_look.h"

namespace {

// A look with other margins, to see that the client area keeps its size.
class WideLook : public StandardFrameLook {
public:
    QMargins margins() const override { return {10, 40, 12, 14}; }
};

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT
    std::unique_ptr<TForm1> form;

    QWidget* byName(const QString& name) {
        if (name == "client") return form->clientArea();
        return form->findChild<QWidget*>(name);
    }

private slots:
    void init() { form = showForm(); }

    void cleanup() {
        form.reset();
        verifyEveryBoxWasExpected();
    }

    void controls_stand_as_described_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("className");
        QTest::addColumn<QString>("parent");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QPoint>("inClient");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QFont>("font");
        // clang-format off
        QTest::newRow("GroupBox1") << "GroupBox1" << "TGroupBox" << "client"    << QRect(4, 8, 185, 66)   << QPoint(4, 8)     << ""               << shell::windowFont();
        QTest::newRow("Label1")    << "Label1"    << "TLabel"    << "GroupBox1" << QRect(8, 16, 89, 17)   << QPoint(12, 24)   << "First Trade  $" << shell::tahoma(12, true);
        QTest::newRow("Label2")    << "Label2"    << "TLabel"    << "GroupBox1" << QRect(8, 40, 62, 14)   << QPoint(12, 48)   << "Payout %"       << shell::tahoma(12, true);
        QTest::newRow("trade")     << "trade"     << "TEdit"     << "GroupBox1" << QRect(96, 12, 81, 21)  << QPoint(100, 20)  << "1"              << shell::windowFont();
        QTest::newRow("pers")      << "pers"      << "TMaskEdit" << "client"    << QRect(100, 45, 80, 21) << QPoint(100, 45)  << "95"             << shell::windowFont();
        QTest::newRow("GroupBox2") << "GroupBox2" << "TGroupBox" << "client"    << QRect(4, 78, 185, 49)  << QPoint(4, 78)    << ""               << shell::windowFont();
        QTest::newRow("iResult")   << "iResult"   << "TLabel"    << "GroupBox2" << QRect(96, 16, 81, 25)  << QPoint(100, 94)  << ""               << shell::tahoma(15);
        QTest::newRow("GroupBox3") << "GroupBox3" << "TGroupBox" << "client"    << QRect(4, 130, 185, 60) << QPoint(4, 130)   << ""               << shell::windowFont();
        QTest::newRow("Button1")   << "Button1"   << "TButton"   << "GroupBox3" << QRect(8, 16, 81, 33)   << QPoint(12, 146)  << "Win/Reset"      << shell::msSansSerif(13, true);
        QTest::newRow("Button2")   << "Button2"   << "TButton"   << "GroupBox3" << QRect(96, 16, 81, 33)  << QPoint(100, 146) << "Lost"           << shell::msSansSerif(13, true);
        // clang-format on
    }

    void controls_stand_as_described() {
        QFETCH(QString, name);
        QFETCH(QString, parent);
        QFETCH(QRect, geometry);
        QFETCH(QPoint, inClient);
        QFETCH(QString, text);
        QFETCH(QFont, font);
        QWidget* control = byName(name);
        QVERIFY(control);
        QTEST(QString(control->metaObject()->className()), "className");
        QCOMPARE(control->parentWidget(), byName(parent));
        QCOMPARE(control->geometry(), geometry);
        QCOMPARE(control->mapTo(form->clientArea(), QPoint(0, 0)), inClient);
        QCOMPARE(control->font(), font);
        QCOMPARE(control->property("text").isValid() ? control->property("text").toString()
                                                     : static_cast<QGroupBox*>(control)->title(),
                 text);
        // Every caption fits its control.
        if (!text.isEmpty() && name != "trade" && name != "pers")
            QVERIFY2(control->fontMetrics().horizontalAdvance(text) <= control->width(), qPrintable(name));
    }

    void the_next_trade_label_is_sized_to_its_text() {
        const QFontMetrics metrics(form->Label3->font());
        QCOMPARE(form->Label3->pos(), QPoint(8, 16));
        QCOMPARE(form->Label3->parentWidget(), form->GroupBox2);
        QCOMPARE(form->Label3->text(), QString("Next Trade $ "));
        QCOMPARE(form->Label3->width(), metrics.horizontalAdvance(form->Label3->text()));
        QCOMPARE(form->Label3->height(), metrics.height());
        QCOMPARE(form->Label3->font(), shell::tahoma(13, true));
        QVERIFY(form->Label3->geometry().right() < form->iResult->x());
    }

    // With the faces the window is laid out with, every caption ends before the field beside it.
    void no_caption_is_cut_off_or_covered() {
        for (TLabel* label : {form->Label1, form->Label2}) {
            const int textRight = label->mapTo(form->clientArea(), QPoint(0, 0)).x() +
                                  label->fontMetrics().horizontalAdvance(label->text());
            QVERIFY2(textRight <= label->mapTo(form->clientArea(), QPoint(label->width(), 0)).x(),
                     qPrintable(label->text() + " is cut off"));
            QVERIFY2(textRight <= form->pers->x(), qPrintable(label->text() + " runs under the field beside it"));
        }
        QVERIFY(form->Label3->geometry().right() < form->iResult->x());
    }

    // The bitmap face has strikes only for unscaled screens; on a scaled one the edit fields take a face
    // with outlines, which grows with the screen (run at scale 1 and 2).
    void the_edit_fields_take_a_face_that_grows_with_a_scaled_screen() {
        const bool scaled = !qFuzzyCompare(form->devicePixelRatioF(), 1.0);
        for (QWidget* field : {static_cast<QWidget*>(form->trade), static_cast<QWidget*>(form->pers)}) {
            const QFontInfo face(field->font());
            const bool outlines = QFontDatabase::isScalable(face.family(), face.styleName());
            if (scaled)
                QVERIFY2(outlines, qPrintable(face.family() + " has no outlines"));
            else
                QCOMPARE(field->font(), shell::windowFont());
        }
    }

    void the_payout_field_stands_above_the_first_group_box() {
        QWidget* client = form->clientArea();
        const QList<QWidget*> order = client->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        QVERIFY(order.indexOf(form->pers) > order.indexOf(form->GroupBox1));
        QCOMPARE(client->childAt(QPoint(140, 55)), form->pers);
    }

    void at_start_the_focus_is_in_first_trade_with_1_selected() {
        QCOMPARE(QApplication::focusWidget(), form->trade);
        QCOMPARE(form->trade->selectedText(), QString("1"));
        QCOMPARE(form->iResult->text(), QString());
        QCOMPARE(form->pers->text(), QString("95"));
        pressKeys("7");
        QCOMPARE(form->trade->text(), QString("7"));
    }

    void the_window_system_sees_the_application_title_and_main_icon() {
        QCOMPARE(form->windowTitle(), QString("Tessaro"));
        QCOMPARE(form->windowHandle()->title(), QString("Tessaro"));
        QCOMPARE(form->caption(), QString("Ombrelt"));
        QVERIFY(form->windowFlags() & Qt::FramelessWindowHint);
        // The title bar's icon is the window's own; the window system gets the main icon.
        QCOMPARE(form->windowIcon().cacheKey(), QApplication::windowIcon().cacheKey());
        QVERIFY(form->ownIcon().cacheKey() != QApplication::windowIcon().cacheKey());
        for (const QIcon& icon : {form->ownIcon(), QApplication::windowIcon()}) {
            QVERIFY(icon.availableSizes().contains(QSize(16, 16)));
            QVERIFY(icon.availableSizes().contains(QSize(32, 32)));
        }
        QVERIFY(form->ownIcon().pixmap(16).toImage() != QApplication::windowIcon().pixmap(16).toImage());
    }

    void the_client_area_is_194_by_195_whatever_the_frame_data() {
        QTest::addColumn<bool>("wide");
        QTest::newRow("standard_look") << false;
        QTest::newRow("another_look") << true;
    }

    void the_client_area_is_194_by_195_whatever_the_frame() {
        QFETCH(bool, wide);
        if (wide) form->setFrameLook(std::make_shared<WideLook>());
        const QMargins margins = form->frameLook().margins();
        QCOMPARE(form->clientRect(), QRect(QPoint(margins.left(), margins.top()), QSize(194, 195)));
        QCOMPARE(form->size(), QSize(194, 195).grownBy(margins));
        // Not resizable.
        QCOMPARE(form->minimumSize(), form->size());
        QCOMPARE(form->maximumSize(), form->size());
        form->setFrameLook(nullptr);
        QCOMPARE(form->clientRect().size(), QSize(194, 195));
        QCOMPARE(form->size(), QSize(194, 195).grownBy(StandardFrameLook().margins()));
    }

    void the_close_button_closes_the_window() {
        const QPoint centre = form->frameLook().closeButtonRect(form->size()).center();
        QTest::mouseMove(form.get(), centre);
        QCOMPARE(form->closeButtonState(), CloseButtonState::Hot);
        QTest::mousePress(form.get(), Qt::LeftButton, {}, centre);
        QCOMPARE(form->closeButtonState(), CloseButtonState::Pressed);
        QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre);
        QVERIFY(!form->isVisible());
    }

    void a_press_on_the_close_button_released_elsewhere_keeps_the_window() {
        const QPoint centre = form->frameLook().closeButtonRect(form->size()).center();
        QTest::mousePress(form.get(), Qt::LeftButton, {}, centre);
        QTest::mouseRelease(form.get(), Qt::LeftButton, {}, centre - QPoint(40, 0));
        QVERIFY(form->isVisible());
    }

    void alt_f4_closes_the_window() {
        pressKeys("{Alt-F4}");
        QVERIFY(!form->isVisible());
    }

    void dragging_the_title_bar_moves_the_window() {
        const QPoint start = form->pos();
        const QPoint grip = form->frameLook().titleBarRect(form->size()).center();
        QTest::mousePress(form.get(), Qt::LeftButton, {}, grip);
        QMouseEvent move(QEvent::MouseMove,
                         QPointF(grip + QPoint(30, 20)),
                         QPointF(form->mapToGlobal(grip) + QPoint(30, 20)),
                         Qt::NoButton,
                         Qt::LeftButton,
                         Qt::NoModifier);
        QApplication::sendEvent(form.get(), &move);
        QTest::mouseRelease(form.get(), Qt::LeftButton, {}, grip + QPoint(30, 20));
        QCOMPARE(form->pos(), start + QPoint(30, 20));
    }

    void a_title_bar_press_moves_the_window_only_past_the_drag_distance_data() {
        QTest::addColumn<int>("distance");  // how far the pointer moves with the button held
        QTest::addColumn<bool>("moves");
        const int drag = QApplication::startDragDistance();
        QTest::newRow("a_bare_click") << 0 << false;
        QTest::newRow("a_shake_within_the_drag_distance") << drag - 1 << false;
        QTest::newRow("a_drag_past_it") << drag + 30 << true;
    }

    void a_title_bar_press_moves_the_window_only_past_the_drag_distance() {
        QFETCH(int, distance);
        QFETCH(bool, moves);
        const QPoint start = form->pos();
        const QPoint grip = form->frameLook().titleBarRect(form->size()).center();
        const QPoint to = grip + QPoint(distance, 0);
        QTest::mousePress(form.get(), Qt::LeftButton, {}, grip);
        if (distance > 0) {
            QMouseEvent move(QEvent::MouseMove,
                             QPointF(to),
                             QPointF(form->mapToGlobal(grip) + QPoint(distance, 0)),
                             Qt::NoButton,
                             Qt::LeftButton,
                             Qt::NoModifier);
            QApplication::sendEvent(form.get(), &move);
        }
        QTest::mouseRelease(form.get(), Qt::LeftButton, {}, to);
        QCOMPARE(form->pos(), moves ? start + QPoint(distance, 0) : start);
        // Nothing is left running: the pointer moving afterwards moves nothing, and keys still reach the
        // focused field.
        QTest::mouseMove(form.get(), to + QPoint(25, 25));
        QCOMPARE(form->pos(), moves ? start + QPoint(distance, 0) : start);
        QVERIFY(!QWidget::mouseGrabber());
        pressKeys("7");
        QCOMPARE(form->trade->text(), QString("7"));
    }

    void the_window_keeps_its_size_against_every_request_data() {
        QTest::addColumn<int>("request");
        QTest::newRow("maximise") << 0;
        QTest::newRow("fullscreen") << 1;
        QTest::newRow("a_resize_from_outside") << 2;
    }

    void the_window_keeps_its_size_against_every_request() {
        QFETCH(int, request);
        const QSize size = form->size();
        if (request == 0) form->windowHandle()->showMaximized();
        if (request == 1) form->windowHandle()->showFullScreen();
        if (request == 2) form->windowHandle()->resize(size * 2);
        // What the window system holds comes back, and the widget with it.
        QTRY_COMPARE(form->windowHandle()->size(), size);
        QTRY_COMPARE(form->size(), size);
        QCOMPARE(form->clientRect().size(), QSize(194, 195));
        QCOMPARE(form->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen), Qt::WindowStates());
    }

    void focus_moves_in_the_described_order_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("to");
        // clang-format off
        QTest::newRow("tab_from_first_trade")     << "trade"   << "{Tab}"   << "Button1";
        QTest::newRow("tab_from_win_reset")       << "Button1" << "{Tab}"   << "Button2";
        QTest::newRow("tab_from_lost")            << "Button2" << "{Tab}"   << "pers";
        QTest::newRow("tab_from_payout_wraps")    << "pers"    << "{Tab}"   << "trade";
        QTest::newRow("backtab_from_first_trade") << "trade"   << "{S-Tab}" << "pers";
        QTest::newRow("backtab_from_payout")      << "pers"    << "{S-Tab}" << "Button2";
        QTest::newRow("backtab_from_lost")        << "Button2" << "{S-Tab}" << "Button1";
        QTest::newRow("backtab_from_win_reset")   << "Button1" << "{S-Tab}" << "trade";
        QTest::newRow("right_from_win_reset")     << "Button1" << "{Right}" << "Button2";
        QTest::newRow("down_from_win_reset")      << "Button1" << "{Down}"  << "Button2";
        QTest::newRow("right_from_lost_wraps")    << "Button2" << "{Right}" << "Button1";
        QTest::newRow("left_from_lost")           << "Button2" << "{Left}"  << "Button1";
        QTest::newRow("up_from_win_reset_wraps")  << "Button1" << "{Up}"    << "Button2";
        QTest::newRow("left_from_win_reset_wraps")<< "Button1" << "{Left}"  << "Button2";
        QTest::newRow("four_tabs_come_back")      << "trade"   << "{Tab}{Tab}{Tab}{Tab}" << "trade";
        // clang-format on
    }

    void focus_moves_in_the_described_order() {
        QFETCH(QString, from);
        QFETCH(QString, keys);
        QFETCH(QString, to);
        byName(from)->setFocus(Qt::OtherFocusReason);
        pressKeys(keys.toStdString());
        QCOMPARE(QApplication::focusWidget(), byName(to));
    }

    void tab_into_first_trade_selects_its_whole_text() {
        form->trade->setText("250");
        form->pers->setFocus(Qt::OtherFocusReason);
        pressKeys("{Tab}");
        QCOMPARE(form->trade->selectedText(), QString("250"));
    }

    void enter_presses_only_a_focused_button_data() {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("result");
        QTest::addColumn<int>("tradeNumber");
        // clang-format off
        QTest::newRow("enter_on_win_reset")        << "Button1" << "{Enter}"   << "1"    << 2;
        QTest::newRow("enter_on_lost")             << "Button2" << "{Enter}"   << "1.00" << 2;
        QTest::newRow("keypad_enter_on_lost")      << "Button2" << "{KpEnter}" << "1.00" << 2;
        QTest::newRow("space_on_lost")             << "Button2" << "{Space}"   << "1.00" << 2;
        QTest::newRow("enter_in_first_trade")      << "trade"   << "{Enter}"   << ""     << 1;
        QTest::newRow("escape_in_first_trade")     << "trade"   << "{Esc}"     << ""     << 1;
        QTest::newRow("enter_in_payout")           << "pers"    << "{Enter}"   << ""     << 1;
        QTest::newRow("escape_in_payout")          << "pers"    << "{Esc}"     << ""     << 1;
        QTest::newRow("escape_on_lost")            << "Button2" << "{Esc}"     << ""     << 1;
        // clang-format on
    }

    void enter_presses_only_a_focused_button() {
        QFETCH(QString, focus);
        QFETCH(QString, keys);
        byName(focus)->setFocus(Qt::OtherFocusReason);
        pressKeys(keys.toStdString());
        QTEST(form->iResult->text(), "result");
        QTEST(int(formSeries().state().trade_number), "tradeNumber");
        QCOMPARE(QApplication::focusWidget(), byName(focus));
    }

    void the_first_trade_filter_runs_on_every_change_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("text");
        // The replacement's change arrives inside the change that caused it, so it is seen first.
        QTest::addColumn<QStringList>("changes");
        // clang-format off
        QTest::newRow("a_letter_after_25_gives_1")    << "25"  << "{End}a"  << "1"     << QStringList{"1", "25a"};
        QTest::newRow("the_separator_stands")         << "25"  << "{End}."  << "25."   << QStringList{"25."};
        QTest::newRow("two_separators_stand")         << "1.2" << "{End}.3" << "1.2.3" << QStringList{"1.2.", "1.2.3"};
        QTest::newRow("12a_gives_1_not_12")           << ""    << "12a"     << "1"     << QStringList{"1", "12", "1", "12a"};
        QTest::newRow("a_sign_gives_1")               << "5"   << "{Home}-" << "1"     << QStringList{"1", "-5"};
        QTest::newRow("a_blank_gives_1")              << "10"  << "{End} "  << "1"     << QStringList{"1", "10 "};
        QTest::newRow("an_exponent_letter_gives_1")   << "1"   << "{End}e3" << "13"    << QStringList{"1", "1e", "13"};
        QTest::newRow("the_empty_text_stands")        << "7"   << "{End}{BS}" << ""    << QStringList{""};
        QTest::newRow("a_comma_is_no_separator_here") << "2"   << "{End},5" << "15"    << QStringList{"1", "2,", "15"};
        // clang-format on
    }

    void the_first_trade_filter_runs_on_every_change() {
        QFETCH(QString, start);
        QFETCH(QString, keys);
        form->trade->setText(start);
        form->trade->setFocus(Qt::OtherFocusReason);
        form->trade->deselect();
        QSignalSpy changes(form->trade, &QLineEdit::textChanged);
        pressKeys(keys.toStdString());
        QTEST(form->trade->text(), "text");
        QStringList seen;
        for (const QList<QVariant>& change : changes) seen << change.front().toString();
        QTEST(seen, "changes");
    }

    void the_first_trade_field_takes_a_text_of_any_length() {
        const QString digits(40000, u'7');
        QApplication::clipboard()->setText(digits);
        form->trade->selectAll();
        pressKeys("{Paste}");
        QCOMPARE(form->trade->text(), digits);
    }

    void a_pasted_text_is_filtered_as_a_whole() {
        QApplication::clipboard()->setText("1 000");
        form->trade->selectAll();
        pressKeys("{Paste}");
        QCOMPARE(form->trade->text(), QString("1"));
    }

    void the_worked_series_through_the_buttons() {
        struct Press {
            TButton* button;
            const char* shown;
            int tradeNumber;
            double stakeSum;
        };
        // clang-format off
        const Press presses[] = {
            {form->Button2, "1.00", 2, 1},
            {form->Button2, "3.05", 3, 4.0526315789473684},
            {form->Button2, "7.27", 4, 11.318559556786703},
            {form->Button1, "1", 2, 1},
            {form->Button2, "3.05", 3, 4.0526315789473684},
        };
        // clang-format on
        for (const Press& press : presses) {
            clickButton(press.button);
            QCOMPARE(form->iResult->text(), QString(press.shown));
            QCOMPARE(formSeries().state().trade_number, press.tradeNumber);
            QCOMPARE(formSeries().state().stake_sum, press.stakeSum);
        }
    }

    void ten_at_80_percent_after_a_reset() {
        form->trade->setText("10");
        form->pers->setText("80");
        clickButton(form->Button1);
        QCOMPARE(form->iResult->text(), QString("10"));
        clickButton(form->Button2);
        QCOMPARE(form->iResult->text(), QString("32.50"));
        QCOMPARE(formSeries().state().trade_number, 3);
        QCOMPARE(formSeries().state().stake_sum, 42.5);
    }

    void a_result_wider_than_the_label_is_cut_off() {
        form->trade->setText("12345678901234");
        clickButton(form->Button1);
        QCOMPARE(form->iResult->text(), QString("12345678901234"));
        QVERIFY(form->iResult->fontMetrics().horizontalAdvance(form->iResult->text()) > 81);
        QCOMPARE(form->iResult->geometry(), QRect(96, 16, 81, 25));
    }

    void the_controls_can_be_read_by_a_screen_reader() {
        QCOMPARE(form->trade->accessibleName(), QString("First Trade $"));
        QCOMPARE(form->pers->accessibleName(), QString("Payout %"));
        QCOMPARE(form->iResult->accessibleDescription(), QString("Next Trade $"));
    }

    void the_window_is_drawn_with_the_carried_skin() {
        QCOMPARE(form->SkinManager1.SkinName(), QString("autumnsky (internal)"));
        QCOMPARE(form->SkinManager1.SkinInfo(), QString("7.61"));
        QVERIFY(form->SkinProvider1.skinned());
        QVERIFY(dynamic_cast<const StandardFrameLook*>(&form->frameLook()) == nullptr);
        // The buttons take the skin's style; the edits and group boxes keep the application's.
        QVERIFY(form->Button1->style() != QApplication::style());
        QVERIFY(form->Button2->style() == form->Button1->style());
        QVERIFY(form->trade->style() == QApplication::style());
        QVERIFY(form->GroupBox1->style() == QApplication::style());
        for (TLabel* label : {form->Label1, form->Label2, form->Label3, form->iResult})
            QCOMPARE(label->palette().color(QPalette::WindowText), QColor(210, 237, 246));
    }
};

KESTRUN_GUI_TEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
