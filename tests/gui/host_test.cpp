// The Qt host: window sizes, the focus, keys and menu, scrolling, the logs, a run on real timers.
#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "hostile_pictures.h"
#include "message_box_answer.h"
#include "ui/qt/host.h"
#include "ui/qt/painters.h"
#include "ui/qt/scene_view.h"

using qt_host::host;

class host_test : public QObject {
    Q_OBJECT

    template <class Widget = QWidget>
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
    void cleanup() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

    // The dialog keeps its designed client area, 3795 x 1320 twips at 15 twips a pixel; the
    // playground, whose track may be wider than the screen, can be resized. Both carry caption and icon.
    void both_windows_carry_caption_and_icon_and_the_dialog_keeps_its_size() {
        host h;
        h.start();
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
        QVERIFY(find(h, "txtJmlBola")->hasFocus());
        QCOMPARE(h.window()->size(), QSize(253, 88));
        QCOMPARE(h.window()->minimumSize(), h.window()->maximumSize());
        QVERIFY(h.window()->rect().contains(find(h, "cmdProses")->geometry()));
        open_playground(h, "2");
        QVERIFY(h.window()->minimumSize() != h.window()->maximumSize());
        QCOMPARE(h.window()->windowTitle(), QString("Vorla 5151"));
        QCOMPARE(h.window()->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
    }

    // A whole run on real timers, in a folder where every run-time picture is hostile: the bundled faces
    // stand in, the message box runs its own event loop, and once it is answered the keys act again.
    void a_whole_run_among_hostile_pictures_ends_with_the_message() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const char* files[][2] = {{"pipe", "buttonclick.jpg"},
                                  {"directory", "pause.jpg"},
                                  {"link to a device", "pauseclick.jpg"},
                                  {"picture too large", "resume.jpg"},
                                  {"thousands of scans", "resumeclick.jpg"}};
        for (const auto& [kind, file] : files) QVERIFY(hostile::make(kind, folder.filePath(file)));
        QDir::setCurrent(folder.path());
        host h;
        h.start();
        open_playground(h, "2");
        const auto& pg = *h.app().playground();
        auto* slider = find<QSlider>(h, "Kecepatan");
        slider->setValue(1000);
        QCOMPARE(h.app().state().speed, 1000);
        message_box_answer answer;
        QTest::mouseClick(find<QAbstractButton>(h, "play"), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(h, "pause"), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(h, "resume1"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(answer.text, QString("Banyak langkah = 8"), 20000);
        QTRY_VERIFY(!find(h, "pause")->isEnabled());
        for (const ui::image* button : {&pg.play, &pg.pause, &pg.resume1})
            QCOMPARE(button->Picture().origin, ui::picture_origin::bundled);
        QCOMPARE(find(h, "pause")->size(), QSize(pg.pause.Picture().width, pg.pause.Picture().height));
        QCOMPARE(find<QListView>(h, "Effi")->model()->index(7, 0).data().toString(),
                 QString("8.Blue roll (3,4)"));
        QVERIFY(QTest::qWaitForWindowActive(h.window()));  // the window under the box is active again
        QTest::keyClick(slider, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(h.app().utama() != nullptr);
    }

    // The timeline's keys, its menu and a chosen line act on the real window: no widget is made again.
    // Tab runs slider, Effi, langkah and back; the focus stays where the keyboard put it, whatever is
    // clicked or opened.
    void the_keys_and_the_menu_act_and_the_focus_stays() {
        host h;
        h.start();
        open_playground(h, "2");
        const auto& pg = *h.app().playground();
        auto* slider = find<QSlider>(h, "Kecepatan");
        auto* langkah = find<QListView>(h, "langkah");
        QTRY_VERIFY(slider->hasFocus());
        for (const char* next : {"Effi", "langkah", "Kecepatan"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
        }
        const QList<QWidget*> widgets = h.window()->findChildren<QWidget*>();
        for (int line = 1; line <= 3; ++line) {
            QTest::keyClick(slider, Qt::Key_Period);
            QTRY_VERIFY(pg.resume1.Enabled());
            QCOMPARE(langkah->model()->rowCount(), line);
        }
        QTest::keyClick(slider, Qt::Key_Comma);
        QCOMPARE(langkah->model()->rowCount(), 2);
        QTest::mouseClick(find<QAbstractButton>(h, "pause"),
                          Qt::LeftButton);  // a picture button takes no focus
        QTest::mouseClick(h.window()->view().viewport(), Qt::LeftButton);
        QVERIFY(slider->hasFocus());

        // The menu offers what acts now, each entry with its key, from the keyboard and on the track.
        const auto next_menu = [](int take) {
            auto offered = std::make_shared<QStringList>();
            QTimer::singleShot(0, [=] {
                auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
                for (QAction* action : menu ? menu->actions() : QList<QAction*>())
                    if (action->isEnabled()) *offered << action->text() + " " + action->shortcut().toString();
                if (menu && take >= 0) menu->actions().at(take)->trigger();
                if (menu) menu->close();
            });
            return offered;
        };
        const QStringList paused{"Resume Space", "Step .", "Step back ,", "Reset Ctrl+R"};
        auto offered = next_menu(4);  // Step back
        QTest::keyClick(slider, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(*offered, paused);
        QCOMPARE(langkah->model()->rowCount(), 1);
        QTRY_VERIFY(slider->hasFocus());
        offered = next_menu(-1);
        QWidget* track = h.window()->view().viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), track->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(track, &click);
        QCOMPARE(*offered, paused);
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
        // The controls of the panel that are not wholly in view, or below it within reach.
        const auto panel_outside = [&] {
            QRect inside = view.viewport()->rect().adjusted(0, 0, 0, view.verticalScrollBar()->maximum());
            QStringList outside;
            for (const char* name : {"play", "pause", "resume1", "reset", "Kecepatan", "langkah", "Effi"})
                if (!inside.contains(find(h, name)->geometry())) outside << name;
            return outside;
        };
        QCOMPARE(panel_outside(), QStringList());
        // The view opens on the middle of the track, where the marbles meet.
        QPoint hole = qt_host::pixels(pg.bckGrnd(201).area()).center() - view.shift_of(pg.bckGrnd(201));
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
        auto* list = find<QListView>(h, "langkah");
        for (int i = 1; i <= 300; ++i)
            h.app().playground()->langkah.AddItem(std::to_string(i * 1000) + ".Backtrack (12345,12347)");
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
