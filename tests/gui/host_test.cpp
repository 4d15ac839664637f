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
#include <QMessageBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "hostile_pictures.h"
#include "message_box_answer.h"
#include "ui/program/headless.h"
#include "ui/qt/host.h"
#include "ui/qt/painters.h"
#include "ui/qt/pictures.h"
#include "ui/qt/qt_scheduler.h"
#include "ui/qt/scene_view.h"
#include "ui/start/utama.h"
#include "ui/time/timer.h"
#include "ui/time/virtual_clock.h"

using qt_host::host;

namespace {

// Notes the presses, keys and paints of the widgets it watches.
struct watcher : QObject {
    std::vector<std::string> log;
    QRegion painted;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::MouseButtonPress) log.push_back("press");
        if (event->type() == QEvent::KeyPress) log.push_back("key");
        if (event->type() == QEvent::Paint) painted += static_cast<QPaintEvent*>(event)->region();
        return false;
    }
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

    void beep() override { ++beeps; }
    void close_start_and_show_playground() override { opened.push_back(state.ball_count); }
};

void commit(QLineEdit* edit, const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(edit, &event);
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
        QTest::keyClicks(edit, n);
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(h.app().playground() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
    }

private slots:
    void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }
    void cleanup() { QDir::setCurrent(QCoreApplication::applicationDirPath()); }

    // The dialog keeps its designed client area, 3795 x 1320 twips at 15 twips a pixel; the playground,
    // whose track may be wider than the screen, can be resized; both carry caption and icon. Tab runs
    // slider, Effi, langkah and back, and a list that has the focus shows it; the focus stays where the
    // keyboard put it, whatever is clicked or opened. The timeline's keys, Space, the menu and a chosen
    // line act on the real window, and no widget is made again. The run goes on to its end on real timers,
    // in a folder where every run-time picture is hostile: the bundled faces stand in, the message box
    // runs its own event loop, and once it is answered the keys act again.
    void a_whole_run_by_keys_menu_and_mouse_among_hostile_pictures() {
        QTemporaryDir folder;
        const char* kinds[] = {"pipe", "directory", "link to a device", "picture too large",
                               "thousands of scans"};
        const char* files[] = {"buttonclick.jpg", "pause.jpg", "pauseclick.jpg", "resume.jpg",
                               "resumeclick.jpg"};
        for (int i = 0; i < 5; ++i) QVERIFY(hostile::make(kinds[i], folder.filePath(files[i])));
        QDir::setCurrent(folder.path());
        host h;
        h.start();
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
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
        auto* langkah = find<QListView>(h, "langkah");
        QTRY_VERIFY(slider->hasFocus());
        const auto frame = [&](const char* list) { return find(h, list)->grab().toImage().pixel(50, 0); };
        const QRgb plain = frame("Effi");
        for (const char* next : {"Effi", "langkah", "Kecepatan"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget()->objectName(), QString::fromLatin1(next));
            for (const char* list : {"Effi", "langkah"})
                QCOMPARE(frame(list) != plain, qstrcmp(list, next) == 0);
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
        // The step's line is selected on screen, so going back to it is offered too.
        QCOMPARE(langkah->currentIndex().row(), 0);
        auto offered = next_menu(4);  // Step back
        QTest::keyClick(slider, Qt::Key_Menu);
        QCOMPARE(*offered,
                 (QStringList{"Resume Space", "Step .", "Step back ,", "Go to the selected line Enter",
                              "Reset Ctrl+R", "Search tree T", "Predict each step P"}));
        QCOMPARE(langkah->model()->rowCount(), 0);
        QTRY_VERIFY(slider->hasFocus());
        offered = next_menu(-1);
        QTest::keyClick(slider, Qt::Key_F10, Qt::ShiftModifier);
        QCOMPARE(*offered, (QStringList{"Resume Space", "Step .", "Reset Ctrl+R", "Search tree T",
                                        "Predict each step P"}));
        offered = next_menu(-1);
        QWidget* track = h.window()->view().viewport();
        QContextMenuEvent click(QContextMenuEvent::Mouse, QPoint(5, 5), track->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(track, &click);
        QCOMPARE(*offered, (QStringList{"Resume Space", "Step .", "Reset Ctrl+R", "Search tree T",
                                        "Predict each step P"}));
        QTRY_VERIFY(slider->hasFocus());

        // A double-click on a line of "All Moves", or Enter on it, goes back to its step.
        for (int lines = 1; lines <= 3; ++lines) key(slider, Qt::Key_Period, lines);
        const QRect line_2 = langkah->visualRect(langkah->model()->index(1, 0));
        QTest::mouseDClick(h.window()->windowHandle(), Qt::LeftButton, {},
                           langkah->viewport()->mapTo(h.window(), line_2.center()));
        QTRY_COMPARE(langkah->model()->rowCount(), 2);
        langkah->setCurrentIndex(langkah->model()->index(0, 0));
        key(langkah, Qt::Key_Return, 1);
        QCOMPARE(pg.Effi.ListCount(), 1u);
        QVERIFY(langkah->hasFocus());

        // Space resumes and pauses, the button resumes, and the run goes on to its end at full speed.
        slider->setValue(1000);
        QCOMPARE(h.app().state().speed, 1000);
        message_box_answer answer;
        QTest::keyClick(langkah, Qt::Key_Space);
        QVERIFY(pg.pause.Enabled() && !pg.resume1.Enabled());
        QTest::keyClick(langkah, Qt::Key_Space);
        QTRY_VERIFY(pg.resume1.Enabled());
        QTest::mouseClick(find<QAbstractButton>(h, "resume1"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(answer.text, QString("Banyak langkah = 8"), 20000);
        QTRY_VERIFY(!find(h, "pause")->isEnabled());
        for (const ui::image* button : {&pg.play, &pg.pause, &pg.resume1})
            QCOMPARE(button->Picture().origin, ui::picture_origin::bundled);
        QCOMPARE(find(h, "pause")->size(), QSize(pg.pause.Picture().width, pg.pause.Picture().height));
        QCOMPARE(h.window()->findChildren<QWidget*>(), widgets);
        QVERIFY(QTest::qWaitForWindowActive(h.window()));  // the window under the box is active again
        QTest::keyClick(slider, Qt::Key_R, Qt::ControlModifier);
        QTRY_VERIFY(h.app().utama() != nullptr);
    }

    // Only the track row scrolls sideways, with its scroll bar below the scene: however small the window
    // is made, the bar covers no control, nothing scrolls up and down and the panel stays whole in view.
    // A step scrolls each log to its last line, shown whole above the scroll bar under a wide line.
    // Closing the last window ends the program.
    void what_scrolls_data() {
        QTest::addColumn<QByteArray>("n");
        for (const char* n : {"5", "200"}) QTest::newRow(n) << QByteArray(n);
    }
    void what_scrolls() {
        QFETCH(QByteArray, n);
        host h;
        h.start();
        open_playground(h, n.constData());
        qt_host::form_window* window = h.window();
        qt_host::scene_view& view = window->view();
        QScrollBar* bar = view.horizontalScrollBar();
        auto& pg = *h.app().playground();
        QCOMPARE(bar->singleStep(), qt_host::pixels(pg.bckGrnd(1).area()).width());  // a cell a click
        // The view opens on the middle of the track, where the marbles meet.
        const ui::label& hole = pg.bckGrnd(h.app().state().ball_count + 1);
        QVERIFY(
            view.viewport()->rect().contains(qt_host::pixels(hole.area()).center() - view.shift_of(hole)));

        for (ui::list_box* log : {&pg.langkah, &pg.Effi})
            for (int i = 1; i <= 300; ++i)
                log->AddItem(std::to_string(i * 1000) + ".Backtrack (12345,12347)");
        QCOMPARE(find<QListView>(h, "langkah")->verticalScrollBar()->value(), 0);  // appending keeps it
        QTest::keyClick(find(h, "Kecepatan"), Qt::Key_Period);
        QTRY_VERIFY(pg.resume1.Enabled());
        for (const char* name : {"langkah", "Effi"}) {
            auto* list = find<QListView>(h, name);
            const QModelIndex last = list->model()->index(300, 0);
            QTRY_VERIFY(list->visualRect(last).top() >= 0 &&
                        list->visualRect(last).bottom() <= list->viewport()->rect().bottom());
            QCOMPARE_GT(list->horizontalScrollBar()->maximum(), 0);  // a line is wider than the list
            QCOMPARE_GE(list->visualRect(last).width(),
                        list->fontMetrics().horizontalAdvance("1000.Backtrack (12345,12347)"));
        }

        const auto panel_hidden = [&] {
            QStringList hidden;
            for (const char* name : {"play", "pause", "resume1", "reset", "Kecepatan", "langkah", "Effi"})
                if (!view.viewport()->rect().contains(find(h, name)->geometry())) hidden << name;
            return hidden;
        };
        const QSize opening = window->size();
        for (const QSize size : {opening, QSize(opening.width(), 150), QSize(400, 2000), QSize(150, 150)}) {
            window->resize(size);
            QTRY_COMPARE(view.size(), size.expandedTo(window->minimumSize()));
            QTRY_VERIFY(bar->isVisible() == (bar->maximum() > 0) && !view.verticalScrollBar()->isVisible());
            QVERIFY(!bar->isVisible() ||
                    !QRect(bar->mapTo(&view, QPoint()), bar->size()).intersects(view.viewport()->geometry()));
            for (const int at : {0, bar->maximum()}) {
                bar->setValue(at);
                QCOMPARE(panel_hidden(), QStringList());
            }
        }
        QVERIFY(bar->isVisible());
        window->close();
        QTRY_VERIFY(!h.app().running());
    }

    // A moving marble leaves nothing behind. Each paint of the scene during the frames of a run is
    // painted again into pictures of device pixel ratio 1, 1.5 and 2, one rectangle at a time, as a
    // screen keeps it; a full repaint of them then changes no pixel.
    void a_moving_marble_leaves_no_trail() {
        program::headless_session run;
        run.open_playground(4);
        qt_host::pictures faces;
        qt_host::scene_view view{run.playground(), faces};
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
        watcher recorder;
        scene->installEventFilter(&recorder);
        run.playground().play.user_click();
        QVERIFY(run.clock.run_until(
            [&] {
                QCoreApplication::processEvents();
                const QRegion region = std::exchange(recorder.painted, {});
                for (QImage& screen : screens)
                    for (const QRect& rect : region) paint(screen, rect);
                recorder.painted = {};  // the paints just made
                return run.playground().langkah.ListCount() >= 30;
            },
            INT64_MAX));
        for (const QImage& screen : screens) QCOMPARE(screen, full_picture(screen.devicePixelRatio()));
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
        QVERIFY(hostile::make(kind, folder.filePath("pause.jpg")));
        QDir::setCurrent(folder.path());
        qt_host::pictures faces;
        const ui::picture got = faces.load("pause.jpg");  // a pipe would hold this call for good
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
        ui::form window("playground", scheduler, 1000, 1000);
        ui::timer x(window, "x", 30), y(window, "y", 30);
        QWidget screen;
        watcher events;
        screen.installEventFilter(&events);
        x.Timer = [&] {
            const auto event = [&] { events.log.push_back("event"); };
            QMetaObject::invokeMethod(&screen, event, Qt::QueuedConnection);
            scheduler.post([&] { events.log.push_back("task"); });
            events.log.push_back("x");
        };
        y.Timer = [&] { events.log.push_back("y"); };
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
        QTRY_COMPARE(events.log.size(), 7u);
        QCOMPARE(events.log, (std::vector<std::string>{"press", "x", "task", "y", "press", "key", "event"}));
        QVERIFY(!scheduler.waking());
    }

    // Random gestures on the real widget: keys, with the texts the X server gives them (Delete "\x7f",
    // Ctrl+V "\x16") or QTest its own; characters from an input method, non-ASCII digits among them;
    // 40,000-character pastes; selections. Every character goes through the dialog's filter: it goes in
    // or beeps; a key with Alt is a shortcut that types nothing, and the keys that edit (Delete,
    // Backspace, the arrows, a cut) never beep. The widget always shows the model's text, "Proses" is
    // enabled exactly for a count, and Enter, however it comes, presses it.
    void the_widget_always_shows_the_models_text() {
        dialog d;
        QRandomGenerator random(8);
        const QStringList pastes = {
            "5",   "31999", "32000", QString::fromUtf8("1\u00e9"), QString::fromUtf8("\U0001F600"),
            "007", "",      " 12",   QString(40000, '3')};
        // A dead acute then e; an Arabic-Indic three and a fullwidth one.
        const QStringList composed = {"7", "42", QString::fromUtf8("\u00e9"),
                                      QString::fromUtf8("\u0663\uff11")};
        // Each key with its modifiers, its text (null: QTest's own) and how often it beeps: Ctrl+Backspace
        // types DEL, 127; a layout may have a key for é.
        // clang-format off
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, const char*, int> keys[] = {
            {Qt::Key_0, {}, nullptr, 0}, {Qt::Key_1, {}, nullptr, 0}, {Qt::Key_9, {}, nullptr, 0},
            {Qt::Key_A, {}, nullptr, 1}, {Qt::Key_Backspace, {}, nullptr, 0}, {Qt::Key_Delete, {}, "\x7f", 0},
            {Qt::Key_Left, {}, nullptr, 0}, {Qt::Key_Right, {}, nullptr, 0}, {Qt::Key_Home, {}, nullptr, 0},
            {Qt::Key_End, {}, nullptr, 0}, {Qt::Key_Escape, {}, nullptr, 1}, {Qt::Key(0), {}, "\xc3\xa9", 1},
            {Qt::Key_V, Qt::ControlModifier, "\x16", 1}, {Qt::Key_V, Qt::ControlModifier, nullptr, 1},
            {Qt::Key_Backspace, Qt::ControlModifier, nullptr, 1}, {Qt::Key_A, Qt::AltModifier, nullptr, 0}};
        // clang-format on
        int beeps = 0;
        for (int i = 0; i < 400; ++i) {
            const int pick = random.bounded(100);
            if (pick < 55) {
                const auto& [key, modifiers, text, key_beeps] =
                    keys[random.bounded(static_cast<int>(std::size(keys)))];
                const bool shift = random.bounded(4) == 0 && !modifiers;
                const Qt::KeyboardModifiers held = modifiers | (shift ? Qt::ShiftModifier : Qt::NoModifier);
                beeps += key_beeps;
                if (text)
                    QTest::sendKeyEvent(QTest::Click, d.edit, key, QString::fromUtf8(text), held);
                else
                    QTest::keyClick(d.edit, key, held);
            } else if (pick < 70) {
                const QString text = composed[random.bounded(composed.size())];
                for (const QChar c : text) beeps += c < '0' || c > '9';
                commit(d.edit, text);
            } else if (pick < 85) {
                QApplication::clipboard()->setText(pastes[random.bounded(pastes.size())]);
                QTest::keyClick(d.edit, Qt::Key_Insert, Qt::ShiftModifier);  // a paste
            } else {
                const int length = static_cast<int>(d.edit->text().size());
                d.edit->setSelection(random.bounded(length + 1), random.bounded(length + 1));
            }
            QCOMPARE(d.edit->text().toStdString(), d.utama.txtJmlBola.Text());
            QCOMPARE(d.view.findChild<QPushButton*>("cmdProses")->isEnabled(),
                     start::count_in(d.edit->text().toStdString()).has_value());
            QCOMPARE(d.beeps, beeps);
        }
        QCOMPARE(d.edit->maxLength(), static_cast<int>(ui::text_box::max_length));
        d.edit->selectAll();
        commit(d.edit, "12\r");
        QCOMPARE(d.opened, std::vector<int>{12});
    }
};

QTEST_MAIN(host_test)
#include "host_test.moc"
