// Hostile picture files (pipes, devices, huge, endless, damaged) give the bundled face; a run goes on.
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QtTest>

#include "tests/gui/hostile_pictures.h"
#include "tests/gui/message_box_answer.h"
#include "ui/qt/host.h"
#include "ui/qt/pictures.h"

using hostile::encoded;
using hostile::jpeg_with_empty_scans;
using hostile::make;
using hostile::noise;

class pictures_test : public QObject {
    Q_OBJECT

    QString before_;

    template <class Widget>
    Widget* find(qt_host::host& h, const char* name) {
        qt_host::form_window* window = h.window();
        return window ? window->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    }

private slots:
    void initTestCase() {
        QApplication::setQuitOnLastWindowClosed(false);
        before_ = QDir::currentPath();
    }
    void cleanup() { QDir::setCurrent(before_); }

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
        QVERIFY(make(kind, folder.filePath("pause.jpg")));
        QDir::setCurrent(folder.path());

        qt_host::pictures faces;
        const ui::picture got = faces.load("pause.jpg");  // a pipe would hold this call for good
        QCOMPARE(got.name, std::string("pause.jpg"));
        if (read) {
            QCOMPARE(got.origin, ui::picture_origin::file);
            const QSize size = QImage(folder.filePath("pause.jpg")).size();
            QCOMPARE(QSize(got.width, got.height), size);
        } else {
            QCOMPARE(got.origin, ui::picture_origin::bundled);
            QCOMPARE(QSize(got.width, got.height), QImage(":/runtime/pause.jpg").size());
        }
        QCOMPARE(faces.pixmap(got).size(), QSize(got.width, got.height));
    }

    void scans_are_counted_past_stuffed_bytes() {
        const QByteArray baseline = encoded(noise(64, 64), "JPG");
        QVERIFY(baseline.contains(QByteArray("\xFF\x00", 2)));
        QCOMPARE(qt_host::pictures::jpeg_scans(baseline), 1);
        QCOMPARE(qt_host::pictures::jpeg_scans(jpeg_with_empty_scans(64, 5000)), 5001);
        QCOMPARE(qt_host::pictures::jpeg_scans("GIF89a"), 0);
    }

    void a_run_with_five_hostile_files_reaches_the_goal() {
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        QVERIFY(make("pipe", folder.filePath("buttonclick.jpg")));
        QVERIFY(make("directory", folder.filePath("pause.jpg")));
        QVERIFY(make("link to a device", folder.filePath("pauseclick.jpg")));
        QVERIFY(make("picture too large", folder.filePath("resume.jpg")));
        QVERIFY(make("thousands of scans", folder.filePath("resumeclick.jpg")));
        QDir::setCurrent(folder.path());

        qt_host::host h;
        h.start();
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
        QLineEdit* edit = find<QLineEdit>(h, "txtJmlBola");
        QVERIFY(edit);
        QTest::keyClicks(edit, "1");
        QTest::keyClick(edit, Qt::Key_Return);
        QTRY_VERIFY(h.app().playground() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(h.window()));
        const auto& pg = *h.app().playground();
        find<QSlider>(h, "Kecepatan")->setValue(1000);
        // Where a picture comes from and its name, so that a failure shows both.
        const auto source = [](const ui::picture& p) {
            return QString(p.origin == ui::picture_origin::bundled ? "bundled " : "not bundled ") +
                   QString::fromStdString(p.name);
        };

        // Pause at once, before the first step, so that pause and resume read their files too.
        QTest::mouseClick(find<QAbstractButton>(h, "play"), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(h, "pause"), Qt::LeftButton);
        QCOMPARE(source(pg.play.Picture()), QString("bundled buttonclick.jpg"));
        QCOMPARE(source(pg.pause.Picture()), QString("bundled pauseclick.jpg"));
        QCOMPARE(source(pg.resume1.Picture()), QString("bundled resume.jpg"));
        QTest::mouseClick(find<QAbstractButton>(h, "resume1"), Qt::LeftButton);
        QCOMPARE(source(pg.resume1.Picture()), QString("bundled resumeclick.jpg"));
        QCOMPARE(source(pg.pause.Picture()), QString("bundled pause.jpg"));

        message_box_answer answer;
        QTRY_COMPARE_WITH_TIMEOUT(answer.text, QString("Banyak langkah = 3"), 20000);
        QTRY_VERIFY(!find<QAbstractButton>(h, "pause")->isEnabled());
        QCOMPARE(source(pg.pause.Picture()), QString("bundled pauseclick.jpg"));
        QCOMPARE(find<QAbstractButton>(h, "pause")->size(),
                 QSize(pg.pause.Picture().width, pg.pause.Picture().height));
    }
};

QTEST_MAIN(pictures_test)
#include "pictures_test.moc"
