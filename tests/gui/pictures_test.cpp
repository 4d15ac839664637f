// Picture files: pipes, directories, devices, oversized and endless pictures give the bundled face, and a run goes on.
#include <sys/stat.h>
#include <unistd.h>

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include "ui/qt/host.h"
#include "ui/qt/pictures.h"

namespace {

// A grey progressive JPEG whose AC scans carry no data: each one is a
// single run of "no more coefficients" over every block, so it is tiny in
// the file and still costs the decoder a pass over the whole picture.
QByteArray jpeg_with_empty_scans(int side, int scans) {
    QByteArray jpeg;
    const auto put = [&](std::initializer_list<int> bytes) {
        for (int b : bytes) jpeg += static_cast<char>(b);
    };
    const auto segment = [&](int marker, const QByteArray& body) {
        const int length = static_cast<int>(body.size()) + 2;
        put({0xFF, marker, length >> 8, length & 0xFF});
        jpeg += body;
    };
    const auto bytes = [](std::initializer_list<int> values) {
        QByteArray out;
        for (int v : values) out += static_cast<char>(v);
        return out;
    };
    put({0xFF, 0xD8});
    segment(0xDB, QByteArray(1, '\0') + QByteArray(64, '\1'));
    segment(0xC2, bytes({8, side >> 8, side & 0xFF, side >> 8, side & 0xFF, 1, 1, 0x11, 0}));
    // One code of one bit in each table: DC difference 0, and an end-of-band run of 2^14 + 14 bits.
    segment(0xC4, bytes({0x00, 1}) + QByteArray(15, '\0') + bytes({0x00}));
    segment(0xC4, bytes({0x10, 1}) + QByteArray(15, '\0') + bytes({0xE0}));
    const int blocks = ((side + 7) / 8) * ((side + 7) / 8);
    segment(0xDA, bytes({1, 1, 0, 0, 0, 0}));
    jpeg += QByteArray((blocks + 7) / 8, '\0');
    for (int s = 0; s < scans; ++s) {
        segment(0xDA, bytes({1, 1, 0, 1, 63, 0}));
        put({0x7F, 0xFF, 0x00});  // the code and fourteen 1 bits: 32767 blocks, 0xFF stuffed
    }
    put({0xFF, 0xD9});
    return jpeg;
}

QByteArray encoded(const QImage& image, const char* format) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return out;
}

QImage noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    quint32 x = 12345;
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) image.setPixel(col, row, (x = x * 1664525u + 1013904223u) >> 8);
    return image;
}

bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Puts a thing of the given kind at path; false if it could not be made.
bool make(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const QByteArray face = encoded(noise(48, 41), "JPG");
    if (kind == "missing") return true;
    if (kind == "a face") return write_file(path, face);
    if (kind == "empty") return write_file(path, {});
    if (kind == "corrupt") return write_file(path, "\xFF\xD8 this is no picture");
    if (kind == "a BMP") return write_file(path, encoded(noise(48, 41), "BMP"));
    if (kind == "pipe") return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == "directory") return QDir().mkdir(path);
    if (kind == "link to a device") return ::symlink("/dev/zero", name.constData()) == 0;
    if (kind == "link to a pipe")
        return ::mkfifo((name + ".fifo").constData(), 0600) == 0 && ::symlink((name + ".fifo").constData(), name.constData()) == 0;
    if (kind == "dangling link") return ::symlink((name + ".gone").constData(), name.constData()) == 0;
    if (kind == "link to a face")
        return write_file(path + ".real", face) && ::symlink((name + ".real").constData(), name.constData()) == 0;
    if (kind == "file too large")  // a good face, padded past the limit
        return write_file(path, face + QByteArray(static_cast<int>(qt_host::pictures::largest_file), '\0'));
    if (kind == "picture too large")
        return write_file(path, encoded(QImage(qt_host::pictures::largest_side + 1, 16, QImage::Format_RGB32), "PNG"));
    if (kind == "thousands of scans") return write_file(path, jpeg_with_empty_scans(1024, 5000));
    if (kind == "one scan too many")
        return write_file(path, jpeg_with_empty_scans(64, qt_host::pictures::most_scans));
    if (kind == "at the limits")  // the DC scan and the rest
        return write_file(path, jpeg_with_empty_scans(qt_host::pictures::largest_side, qt_host::pictures::most_scans - 1));
    return false;
}

}  // namespace

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
        for (const char* kind : {"missing", "empty", "corrupt", "a BMP", "pipe", "directory", "link to a device",
                                 "link to a pipe", "dangling link", "file too large", "picture too large",
                                 "thousands of scans", "one scan too many"})
            QTest::newRow(kind) << kind << false;
        for (const char* kind : {"a face", "link to a face", "at the limits"}) QTest::newRow(kind) << kind << true;
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
        const auto bundled = [](const ui::picture& p, const char* name) {
            return p.origin == ui::picture_origin::bundled && p.name == name;
        };

        // Pause at once, before the first step, so that pause and resume read their files too.
        QTest::mouseClick(find<QAbstractButton>(h, "play"), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(h, "pause"), Qt::LeftButton);
        QVERIFY(bundled(pg.play.Picture(), "buttonclick.jpg"));
        QVERIFY(bundled(pg.pause.Picture(), "pauseclick.jpg"));
        QVERIFY(bundled(pg.resume1.Picture(), "resume.jpg"));
        QTest::mouseClick(find<QAbstractButton>(h, "resume1"), Qt::LeftButton);
        QVERIFY(bundled(pg.resume1.Picture(), "resumeclick.jpg"));
        QVERIFY(bundled(pg.pause.Picture(), "pause.jpg"));

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
        QTRY_COMPARE_WITH_TIMEOUT(text, QString("Banyak langkah = 3"), 20000);
        QTRY_VERIFY(!find<QAbstractButton>(h, "pause")->isEnabled());
        QVERIFY(bundled(pg.pause.Picture(), "pauseclick.jpg"));
        QCOMPARE(find<QAbstractButton>(h, "pause")->size(), QSize(pg.pause.Picture().width, pg.pause.Picture().height));
    }
};

QTEST_MAIN(pictures_test)
#include "pictures_test.moc"
