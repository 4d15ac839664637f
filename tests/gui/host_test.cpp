// The Qt host: windows, focus, keys, menu, scrolling, logs, real timers, picture files, the dialog's box.
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QPaintEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <utility>
#include <vector>

#include "hostile_pictures.h"
#include "message_box_answer.h"
#include "ui/form/timer.h"
#include "ui/form/virtual_clock.h"
#include "ui/program/headless.h"
#include "ui/qt/host.h"
#include "ui/qt/painters.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_scheduler.h"
#include "ui/qt/scene_view.h"
#include "ui/start/utama.h"

using qt_host::host;

namespace {

// Notes the presses it handles.
class probe : public QWidget {
    Q_OBJECT

public:
    std::vector<std::string> log;

protected:
    void mousePressEvent(QMouseEvent*) override { log.push_back("press"); }
    void keyPressEvent(QKeyEvent*) override { log.push_back("key"); }
};

// Gathers the regions that a widget paints.
class paint_recorder : public QObject {
public:
    explicit paint_recorder(QWidget* watched) { watched->installEventFilter(this); }
    QRegion take() { return std::exchange(region_, {}); }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) region_ += static_cast<QPaintEvent*>(event)->region();
        return false;
    }

private:
    QRegion region_;
};

struct fake_time : ui::monotonic_source {
    std::int64_t ns = 0;
    std::int64_t now() override { return ns; }
};

// The start dialog shown as the host shows it, with a beep that can be counted.
struct dialog : ui::beeper, start::utama_exits {
    ui::virtual_clock clock;
    engine::modul_tiroka state;
    int beeps = 0;
    std::vector<int> opened;  // the N of every "Proses"
    start::Utama utama{clock, state, *this, *this};
    qt_host::pictures faces;
    qt_host::scene_view view{utama, faces};
    QLineEdit* edit = view.findChild<QLineEdit*>("txtJmlBola");
    QPushButton* proses = view.findChild<QPushButton*>("cmdProses");

    dialog() { view.show(); }
    void beep() override { ++beeps; }
    void close_start_and_show_playground() override { opened.push_back(state.ball_count); }
    QString model_text() const { return QString::fromStdString(utama.txtJmlBola.Text()); }
};

void commit(QLineEdit* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
}

// A key with the text the X server gives it: Delete reports "\x7f" there, Ctrl+V "\x16".
void press(QLineEdit* edit, Qt::Key key, const char* text, Qt::KeyboardModifiers held = Qt::NoModifier) {
    QTest::sendKeyEvent(QTest::Click, edit, key, QString::fromLatin1(text), held);
}

}  // namespace

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

    // The dialog keeps its designed client area, 3795 x 1320 twips at 15 twips a pixel; the playground,
    // whose track may be wider than the screen, can be resized; both carry caption and icon. A whole run
    // on real timers, in a folder where every run-time picture is hostile: the bundled faces stand in,
    // the message box runs its own event loop, and once it is answered the keys act again.
    void a_whole_run_on_real_timers_among_hostile_pictures() {
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
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
        QVERIFY(find(h, "txtJmlBola")->hasFocus());
        QCOMPARE(h.window()->size(), QSize(253, 88));
        QCOMPARE(h.window()->minimumSize(), h.window()->maximumSize());
        for (int window = 0; window < 2; ++window) {  // the dialog, then the playground
            QCOMPARE(h.window()->windowTitle(), QString("Vorla 5151"));
            QCOMPARE(h.window()->windowIcon().availableSizes(), (QList<QSize>{{16, 16}, {32, 32}}));
            if (window == 0) open_playground(h, "2");
        }
        QVERIFY(h.window()->minimumSize() != h.window()->maximumSize());
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
        const auto key = [&](QWidget* to, Qt::Key which, int lines) {
            QTest::keyClick(to, which);
            QTRY_VERIFY(pg.resume1.Enabled());
            QCOMPARE(langkah->model()->rowCount(), lines);
        };
        key(slider, Qt::Key_Period, 1);
        key(slider, Qt::Key_Period, 2);
        key(slider, Qt::Key_Comma, 1);
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
        auto offered = next_menu(4);  // Step back
        QTest::keyClick(slider, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(*offered, (QStringList{"Resume Space", "Step .", "Step back ,", "Reset Ctrl+R"}));
        QCOMPARE(langkah->model()->rowCount(), 0);
        QTRY_VERIFY(slider->hasFocus());
        offered = next_menu(-1);
        QWidget* track = h.window()->view().viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), track->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(track, &click);
        QCOMPARE(*offered, (QStringList{"Resume Space", "Step .", "Reset Ctrl+R"}));
        QTRY_VERIFY(slider->hasFocus());

        // Enter on a line of "All Moves" goes back to its step.
        key(slider, Qt::Key_Period, 1);
        key(slider, Qt::Key_Period, 2);
        langkah->setFocus();
        langkah->setCurrentIndex(langkah->model()->index(0, 0));
        key(langkah, Qt::Key_Return, 1);
        QCOMPARE(pg.Effi.ListCount(), 1u);
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

    // A moving marble leaves nothing behind. Each paint of the scene during the frames of a run is
    // painted again into pictures of device pixel ratio 1, 1.5 and 2, one rectangle at a time, as a
    // screen keeps it; a full repaint of them then changes no pixel.
    void a_moving_marble_leaves_no_trail() {
        program::headless_session run;
        run.open_playground(4);
        search_view::playground& pg = run.playground();
        qt_host::pictures faces;
        qt_host::scene_view view{pg, faces};
        view.resize(view.client_size());
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        QWidget* scene = view.viewport();
        const auto paint = [scene](QImage& into, const QRect& rect) {
            scene->render(&into, rect.topLeft(), rect, QWidget::DrawWindowBackground);  // not the widgets
        };
        const auto full_picture = [&](qreal ratio) {
            QImage image(scene->size() * ratio, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(ratio);
            paint(image, scene->rect());
            return image;
        };
        QImage screens[] = {full_picture(1), full_picture(1.5), full_picture(2)};
        paint_recorder painted(scene);
        pg.play.user_click();
        QVERIFY(run.clock.run_until(
            [&] {
                QCoreApplication::processEvents();
                const QRegion region = painted.take();
                for (QImage& screen : screens)
                    for (const QRect& rect : region) paint(screen, rect);
                painted.take();  // the paints just made
                return pg.langkah.ListCount() >= 30;
            },
            INT64_MAX));
        for (const QImage& screen : screens) QCOMPARE(screen, full_picture(screen.devicePixelRatio()));
    }

    // Closing the last window ends the program.
    void a_long_log_shows_its_last_line_whole_and_closing_the_window_ends_the_program() {
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
        h.window()->close();
        QTRY_VERIFY(!h.app().running());
    }

    void a_file_is_read_only_when_it_is_a_sane_picture_data() {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<bool>("read");
        for (const char* kind :
             {"missing", "empty", "corrupt", "a BMP", "pipe", "directory", "link to a device",
              "link to a pipe", "dangling link", "file too large", "picture too large", "thousands of scans",
              "one scan too many", "JPEG cut short", "JPEG with zeros inside", "PNG cut short",
              "PNG with zeros inside", "large JPEG cut short"})
            QTest::newRow(kind) << kind << false;
        for (const char* kind :
             {"a face", "link to a face", "at the limits", "largest JPEG face", "largest PNG face"})
            QTest::newRow(kind) << kind << true;
    }
    void a_file_is_read_only_when_it_is_a_sane_picture() {
        QFETCH(QString, kind);
        QFETCH(bool, read);
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(hostile::make(kind, folder.filePath("pause.jpg")));
        QDir::setCurrent(folder.path());
        qt_host::pictures faces;
        const ui::picture got = faces.load("pause.jpg");  // a pipe would hold this call for good
        QCOMPARE(got.name, std::string("pause.jpg"));
        QCOMPARE(got.origin, read ? ui::picture_origin::file : ui::picture_origin::bundled);
        const QSize size = QImage(read ? folder.filePath("pause.jpg") : ":/runtime/pause.jpg").size();
        QCOMPARE(QSize(got.width, got.height), size);
        QCOMPARE(faces.pixmap(got).size(), size);
    }

    // Ticks due by the time of a click or a key press run before it is handled. Ticks due together run
    // in one wake-up: a task the first posts runs between them, and no other event (nor a paint).
    void ticks_due_before_a_click_or_key_run_first_and_together() {
        fake_time time;
        qt_host::qt_scheduler scheduler(time);
        ui::form window("playground", scheduler, "", 1000, 1000);
        ui::timer zero(window, "zero", 0), x(window, "x", 30), y(window, "y", 30);
        probe screen;
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        zero.Timer = [] { QFAIL("a timer of interval 0 ticked"); };
        zero.Enabled(true);
        QVERIFY(!scheduler.waking());
        x.Timer = [&] {
            const auto event = [&] { screen.log.push_back("event"); };
            QMetaObject::invokeMethod(&screen, event, Qt::QueuedConnection);
            scheduler.post([&] { screen.log.push_back("task"); });
            screen.log.push_back("x");
        };
        y.Timer = [&] { screen.log.push_back("y"); };
        x.Enabled(true);
        y.Enabled(true);
        QVERIFY(scheduler.waking());
        QTest::mouseClick(&screen, Qt::LeftButton);  // at 0: nothing due
        time.ns = 45'000'000;
        QTest::mouseClick(&screen, Qt::LeftButton);
        time.ns = 65'000'000;
        x.Enabled(false);
        y.Enabled(false);
        QTest::keyClick(&screen, Qt::Key_Space);
        QTRY_COMPARE(screen.log.size(), 7u);
        QCOMPARE(screen.log, (std::vector<std::string>{"press", "x", "task", "y", "press", "key", "event"}));
        QVERIFY(!scheduler.waking());
    }

    // Every character, from a key or an input method, goes through the dialog's filter: it goes in or
    // beeps. A key with Alt is a shortcut: it types nothing and never beeps.
    void typed_and_composed_characters_meet_the_same_filter() {
        dialog d;
        QTest::keyClicks(d.edit, "1");
        commit(d.edit, QString::fromUtf8("\u00e9"));        // a dead acute, then e
        commit(d.edit, "23");                               // digits from an input method are typed
        commit(d.edit, QString::fromUtf8("\u0663\uff11"));  // Arabic-Indic three, fullwidth one
        QCOMPARE(d.edit->text(), QString("123"));
        QCOMPARE(d.beeps, 3);
        QKeyEvent accented(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\u00e9"));
        QApplication::sendEvent(d.edit, &accented);  // a layout with a key for é
        QApplication::clipboard()->setText("9");
        press(d.edit, Qt::Key_V, "\x16", Qt::ControlModifier);    // the clipboard shortcut is a character too
        QTest::keyClick(d.edit, Qt::Key_V, Qt::ControlModifier);  // as the offscreen platform reports it
        QTest::keyClick(d.edit, Qt::Key_Escape);
        QTest::keyClick(d.edit, Qt::Key_Backspace, Qt::ControlModifier);  // types DEL, 127
        QTest::keyClick(d.edit, Qt::Key_Space);
        QTest::keyClick(d.edit, Qt::Key_Minus);
        QCOMPARE(d.edit->text(), QString("123"));
        QCOMPARE(d.beeps, 10);
        QTest::keyClick(d.edit, Qt::Key_1, Qt::AltModifier);
        QCOMPARE(d.edit->text(), QString("123"));
        QCOMPARE(d.beeps, 10);
        commit(d.edit, "\r");  // Enter, however it comes, presses Proses
        QCOMPARE(d.opened, std::vector<int>{123});
    }

    // Random gestures on the real widget, non-ASCII and 40,000-character pastes among them: afterwards
    // it always shows the model's text, "Proses" is enabled exactly for a count, and only the letter and
    // the composed é have beeped: the keys that edit (Delete, Backspace, the arrows, a cut) never do.
    void the_widget_always_shows_the_models_text() {
        dialog d;
        QRandomGenerator random(8);
        const QStringList pastes = {
            "5",   "31999", "32000", QString::fromUtf8("1\u00e9"), QString::fromUtf8("\U0001F600"),
            "007", "",      " 12",   QString(40000, '3')};
        const Qt::Key keys[] = {Qt::Key_0,      Qt::Key_1,    Qt::Key_9,     Qt::Key_A,    Qt::Key_Backspace,
                                Qt::Key_Delete, Qt::Key_Left, Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
        int beeps = 0;
        for (int i = 0; i < 400; ++i) {
            const int pick = random.bounded(100);
            const Qt::KeyboardModifiers shift = random.bounded(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier;
            if (pick < 55) {
                const Qt::Key key = keys[random.bounded(static_cast<int>(std::size(keys)))];
                beeps += key == Qt::Key_A;
                if (key == Qt::Key_Delete)
                    press(d.edit, key, "\x7f", shift);
                else
                    QTest::keyClick(d.edit, key, shift);
            } else if (pick < 70) {
                const bool digits = random.bounded(2);
                beeps += !digits;
                commit(d.edit, digits ? QString::number(random.bounded(100)) : QString::fromUtf8("\u00e9"));
            } else if (pick < 85) {
                QApplication::clipboard()->setText(pastes[random.bounded(pastes.size())]);
                QTest::keyClick(d.edit, Qt::Key_Insert, Qt::ShiftModifier);  // a paste
            } else {
                const int length = static_cast<int>(d.edit->text().size());
                d.edit->setSelection(random.bounded(length + 1), random.bounded(length + 1));
            }
            QCOMPARE(d.edit->text(), d.model_text());
            QCOMPARE(d.proses->isEnabled(), start::count_in(d.edit->text().toStdString()).has_value());
            QCOMPARE(d.beeps, beeps);
        }
        QCOMPARE(d.edit->maxLength(), static_cast<int>(ui::text_box::max_length));
        QTest::keyClick(d.edit, Qt::Key_Return);
        const auto n = start::count_in(d.edit->text().toStdString());
        QCOMPARE(d.opened.empty() ? 0 : d.opened.back(), n ? int{*n} : 0);
    }
};

QTEST_MAIN(host_test)
#include "host_test.moc"
