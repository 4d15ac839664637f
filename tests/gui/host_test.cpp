// The Qt host: typing into the start dialog, hand-over and reset, buttons, a run on real timers.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "ui/qt/host.h"
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

    void typing_filters_and_enter_opens_the_playground() {
        host h;
        h.start();
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
        auto* edit = find<QLineEdit>(h, "txtJmlBola");
        auto* proses = find<QPushButton>(h, "cmdProses");
        QVERIFY(edit && proses);
        QVERIFY(edit->hasFocus());
        QVERIFY(!proses->isEnabled());

        QTest::keyClicks(edit, "a");
        QCOMPARE(edit->text(), QString());
        QTest::keyClicks(edit, "31999");
        QCOMPARE(edit->text(), QString("31999"));
        QVERIFY(proses->isEnabled());
        for (int i = 0; i < 5; ++i) QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString("0"));  // an emptied box reads 0
        QVERIFY(!proses->isEnabled());
        edit->selectAll();
        QTest::keyClicks(edit, "32000");
        QVERIFY(!proses->isEnabled());
        QTest::keyClick(edit, Qt::Key_Return);  // disabled: nothing happens
        QVERIFY(h.app().utama() != nullptr);

        edit->selectAll();
        QTest::keyClicks(edit, "2");
        QVERIFY(proses->isEnabled());
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(h.app().playground() != nullptr);
        QCOMPARE(h.app().state().ball_count, 2);
        QTRY_VERIFY(h.window() && h.window()->isVisible());
    }

    void reset_in_the_middle_of_a_movement_returns_to_a_fresh_dialog() {
        host h;
        h.start();
        open_playground(h, "3");
        auto* play = find<QAbstractButton>(h, "play");
        auto* pause = find<QAbstractButton>(h, "pause");
        auto* resume = find<QAbstractButton>(h, "resume1");
        QVERIFY(play && pause && resume);
        QVERIFY(!pause->isEnabled() && !resume->isEnabled());
        QTest::mouseClick(pause, Qt::LeftButton);  // disabled: ignored
        QVERIFY(!h.app().playground()->loop_utama.Enabled());

        QTest::mouseClick(play, Qt::LeftButton);
        QVERIFY(!play->isEnabled() && pause->isEnabled());
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
        QVERIFY(slider && slider->hasFocus());
        slider->setValue(1000);
        QCOMPARE(h.app().state().speed, 1000);

        QString text;
        QTimer watcher;
        watcher.setInterval(5);
        connect(&watcher, &QTimer::timeout, &watcher, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                text = box->text();
                watcher.stop();
                box->button(QMessageBox::Ok)->click();
            }
        });
        watcher.start();
        QTest::mouseClick(find<QAbstractButton>(h, "play"), Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(text, QString("Banyak langkah = 8"), 20000);
        QTRY_VERIFY(!find<QAbstractButton>(h, "pause")->isEnabled());
        QCOMPARE(find<QListView>(h, "langkah")->model()->rowCount(), 18);
        QCOMPARE(find<QListView>(h, "Effi")->model()->index(7, 0).data().toString(), QString("8.Blue roll (3,4)"));
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
