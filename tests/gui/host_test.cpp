// The Qt host: typing into the start dialog, hand-over and reset, buttons, a run on real timers.
#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

#include "tests/gui/message_box_answer.h"
#include "ui/qt/host.h"
#include "ui/qt/painters.h"
#include "ui/qt/scene_view.h"

using qt_host::host;

class host_test : public QObject {
    Q_OBJECT

    template <class Widget>
    Widget* find(host& h, const char* name) {
        qt_host::form_window* window = h.window();
        return window ? window->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    }

    void open_playground(host& h, const char* n) {
        QLineEdit* edit = find<QLineEdit>(h, "txtJmlBola");
        QVERIFY(edit);
        QTest::keyClicks(edit, n);
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(h.app().playground() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

    // What the keys do in the dialog is the model's (model tests); here the windows carry caption, icon,
    // focus.
    void enter_opens_the_playground_and_both_windows_carry_caption_and_icon() {
        host h;
        h.start();
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
        QVERIFY(find<QLineEdit>(h, "txtJmlBola")->hasFocus());
        for (int window = 0; window < 2; ++window) {
            QCOMPARE(h.window()->windowTitle(), QString("Vorla 5151"));
            QCOMPARE(h.window()->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
            // The dialog keeps its size; the playground, whose track may be wider than the screen, resizes.
            QCOMPARE(h.window()->minimumSize() == h.window()->maximumSize(), window == 0);
            if (window == 0) open_playground(h, "2");
        }
        QCOMPARE(h.app().state().ball_count, 2);
    }

    void reset_in_the_middle_of_a_movement_returns_to_a_fresh_dialog() {
        host h;
        h.start();
        open_playground(h, "3");
        auto* play = find<QAbstractButton>(h, "play");
        auto* pause = find<QAbstractButton>(h, "pause");
        auto* resume = find<QAbstractButton>(h, "resume1");
        QVERIFY(play);
        QVERIFY(pause);
        QVERIFY(resume);
        QVERIFY(!pause->isEnabled());
        QVERIFY(!resume->isEnabled());
        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(!play->isEnabled());
        QVERIFY(pause->isEnabled());
        QTRY_VERIFY(h.app().playground()->Timer1.Enabled());  // a marble is moving
        QTest::mouseClick(find<QAbstractButton>(h, "reset"), Qt::LeftButton);
        QTRY_VERIFY(h.app().utama() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
        QCOMPARE(find<QLineEdit>(h, "txtJmlBola")->text(), QString());
        QVERIFY(!find<QPushButton>(h, "cmdProses")->isEnabled());
    }

    void a_whole_run_on_real_timers_ends_with_the_message() {
        host h;
        h.start();
        open_playground(h, "2");
        auto* slider = find<QSlider>(h, "Kecepatan");
        QVERIFY(slider);
        QVERIFY(slider->hasFocus());
        slider->setValue(1000);
        QCOMPARE(h.app().state().speed, 1000);

        message_box_answer answer;
        QTest::mouseClick(find<QAbstractButton>(h, "play"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(answer.text, QString("Banyak langkah = 8"), 20000);
        QTRY_VERIFY(!find<QAbstractButton>(h, "pause")->isEnabled());
        QCOMPARE(find<QListView>(h, "langkah")->model()->rowCount(), 18);
        QCOMPARE(find<QListView>(h, "Effi")->model()->index(7, 0).data().toString(),
                 QString("8.Blue roll (3,4)"));
        // Finished: Space finds no button to click, Ctrl+R still resets.
        QVERIFY(QTest::qWaitForWindowActive(h.window()));  // the window under the box is active again
        QTest::keyClick(slider, Qt::Key_Space);
        QVERIFY(!h.app().playground()->loop_utama.Enabled());
        QCOMPARE(find<QListView>(h, "langkah")->model()->rowCount(), 18);
        QTest::keyClick(slider, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(h.app().utama() != nullptr);
    }

    void space_and_ctrl_r_act_as_the_buttons_and_clicks_leave_the_focus() {
        host h;
        h.start();
        open_playground(h, "2");
        auto* slider = find<QSlider>(h, "Kecepatan");
        QVERIFY(slider);
        QTRY_VERIFY(slider->hasFocus());
        // Tab runs slider, Effi, langkah and back, with no stop in between.
        for (const char* next : {"Effi", "langkah", "Kecepatan"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        const auto& pg = *h.app().playground();
        QTest::keyClick(slider, Qt::Key_Space);  // ready: play
        QVERIFY(!pg.play.Enabled());
        QVERIFY(pg.loop_utama.Enabled());
        QTRY_VERIFY(pg.Timer1.Enabled());
        QTest::keyClick(slider, Qt::Key_Space);  // running: pause, held until the marble arrives
        QVERIFY(!pg.resume1.Enabled());
        QTest::mouseClick(find<QAbstractButton>(h, "pause"), Qt::LeftButton);  // changes nothing more
        QVERIFY(slider->hasFocus());  // a picture button never takes the focus
        QTest::mouseClick(h.window()->view().viewport(), Qt::LeftButton);
        QVERIFY(slider->hasFocus());
        QTRY_VERIFY(pg.resume1.Enabled());       // paused once the marble has arrived
        QTest::keyClick(slider, Qt::Key_Space);  // paused: resume
        QVERIFY(!pg.resume1.Enabled());
        QTest::keyClick(slider, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(h.app().utama() != nullptr);
    }

    // The timeline's keys, its menu and a chosen line act on the real window:
    // no widget is made again and the focus stays where it was.
    void the_timeline_answers_keys_the_menu_and_a_chosen_line() {
        host h;
        h.start();
        open_playground(h, "2");
        const auto& pg = *h.app().playground();
        auto* slider = find<QSlider>(h, "Kecepatan");
        auto* langkah = find<QListView>(h, "langkah");
        QTRY_VERIFY(slider->hasFocus());
        const QList<QWidget*> widgets = h.window()->findChildren<QWidget*>();
        for (int line = 1; line <= 3; ++line) {
            QTest::keyClick(slider, Qt::Key_Period);
            QTRY_VERIFY(pg.resume1.Enabled());
            QCOMPARE(langkah->model()->rowCount(), line);
        }
        QTest::keyClick(slider, Qt::Key_Comma);
        QCOMPARE(langkah->model()->rowCount(), 2);

        // The menu, from the keyboard: what it offers now, and a step back from it.
        QStringList offered;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            QVERIFY(menu);
            for (QAction* action : menu->actions())
                if (action->isEnabled()) offered << action->text() + " " + action->shortcut().toString();
            menu->actions().at(4)->trigger();
            menu->close();
        });
        QTest::keyClick(slider, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(offered, (QStringList{"Resume Space", "Step .", "Step back ,", "Reset Ctrl+R"}));
        QCOMPARE(langkah->model()->rowCount(), 1);
        QTRY_VERIFY(slider->hasFocus());
        QCOMPARE(h.window()->findChildren<QWidget*>(), widgets);

        // The right mouse button opens it on the track too.
        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            opened = menu != nullptr;
            if (menu) menu->close();
        });
        QWidget* track = h.window()->view().viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), track->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(track, &click);
        QVERIFY(opened);
        QTRY_VERIFY(slider->hasFocus());

        // Enter on a line of "All Moves" goes back to its step.
        for (int line = 0; line < 2; ++line) {
            QTest::keyClick(slider, Qt::Key_Period);
            QTRY_VERIFY(pg.resume1.Enabled());
        }
        langkah->setFocus();
        langkah->setCurrentIndex(langkah->model()->index(1, 0));
        QTest::keyClick(langkah, Qt::Key_Return);
        QCOMPARE(langkah->model()->rowCount(), 2);
        QCOMPARE(pg.Effi.ListCount(), 2u);
        QVERIFY(langkah->hasFocus());
        QCOMPARE(h.window()->findChildren<QWidget*>(), widgets);
    }

    void a_wide_scene_scrolls_its_track_and_keeps_the_panel_in_view() {
        host h;
        h.start();
        open_playground(h, "200");
        qt_host::form_window* window = h.window();
        qt_host::scene_view& view = window->view();
        QScrollBar* bar = view.horizontalScrollBar();
        QCOMPARE_GT(bar->maximum(), 0);
        QCOMPARE(view.verticalScrollBar()->maximum(), 0);  // room was made for the bar
        const auto& pg = *h.app().playground();
        QCOMPARE(bar->singleStep(), qt_host::pixels(pg.bckGrnd(1).area()).width());  // a cell a click
        // The controls of the panel that are not wholly in view, or below it within reach, by name.
        const auto panel_outside = [&] {
            const QRect inside =
                view.viewport()->rect().adjusted(0, 0, 0, view.verticalScrollBar()->maximum());
            QStringList outside;
            for (const char* name : {"play", "pause", "resume1", "reset", "Kecepatan", "langkah", "Effi"}) {
                QWidget* widget = window->findChild<QWidget*>(QString::fromLatin1(name));
                if (!widget || !inside.contains(widget->geometry())) outside << QString::fromLatin1(name);
            }
            return outside;
        };
        QCOMPARE(panel_outside(), QStringList());
        // The view opens on the middle of the track, where the marbles meet.
        const QPoint hole = qt_host::pixels(pg.bckGrnd(201).area()).center() - view.shift_of(pg.bckGrnd(201));
        QVERIFY(view.viewport()->rect().contains(hole));
        // At the opening size and at the smallest the window can be made.
        for (const QSize size : {window->size(), QSize(150, 150)}) {
            window->resize(size);
            QTRY_COMPARE(view.size(), size.expandedTo(window->minimumSize()));
            bar->setValue(0);
            QCOMPARE(panel_outside(), QStringList());
            QCOMPARE(view.shift_of(pg.bckGrnd(1)).x(), 0);
            bar->setValue(bar->maximum());
            QCOMPARE(panel_outside(), QStringList());
        }
    }

    void a_long_log_shows_its_last_line_whole() {
        host h;
        h.start();
        open_playground(h, "3");
        auto& pg = *h.app().playground();
        auto* list = find<QListView>(h, "langkah");
        QVERIFY(list);
        for (int i = 1; i <= 300; ++i)
            pg.langkah.AddItem(std::to_string(i * 1000) + ".Backtrack (12345,12347)");
        QCOMPARE(list->verticalScrollBar()->value(), 0);  // appending keeps the scroll position
        const QModelIndex last = list->model()->index(299, 0);
        list->scrollToBottom();
        // The scroll bar under a wide line never covers the last line.
        QTRY_VERIFY(list->visualRect(last).top() >= 0);
        QCOMPARE_LE(list->visualRect(last).bottom(), list->viewport()->rect().bottom());
        QCOMPARE_GT(list->horizontalScrollBar()->maximum(), 0);  // the line is wider than the list
        QCOMPARE_GE(list->visualRect(last).width(),
                    list->fontMetrics().horizontalAdvance(last.data().toString()));
    }

    void closing_the_last_window_ends_the_program() {
        host h;
        h.start();
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
        h.window()->close();
        QTRY_VERIFY(!h.app().running());
    }
};

QTEST_MAIN(host_test)
#include "host_test.moc"
