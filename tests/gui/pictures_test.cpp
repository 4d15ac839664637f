// Picture files: only a sane picture is read; pipes, devices, huge, endless or damaged ones give the bundled
// face.
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include "hostile_pictures.h"
#include "ui/qt/pictures.h"

class pictures_test : public QObject {
    Q_OBJECT

private slots:
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
        const QString before = QDir::currentPath();
        QDir::setCurrent(folder.path());
        qt_host::pictures faces;
        const ui::picture got = faces.load("pause.jpg");  // a pipe would hold this call for good
        QDir::setCurrent(before);
        QCOMPARE(got.name, std::string("pause.jpg"));
        QCOMPARE(got.origin, read ? ui::picture_origin::file : ui::picture_origin::bundled);
        const QSize size = QImage(read ? folder.filePath("pause.jpg") : ":/runtime/pause.jpg").size();
        QCOMPARE(QSize(got.width, got.height), size);
        QCOMPARE(faces.pixmap(got).size(), size);
    }

    void scans_are_counted_past_stuffed_bytes() {
        const QByteArray baseline = hostile::encoded(hostile::noise(64, 64), "JPG");
        QVERIFY(baseline.contains(QByteArray("\xFF\x00", 2)));
        QCOMPARE(qt_host::pictures::jpeg_scans(baseline), 1);
        QCOMPARE(qt_host::pictures::jpeg_scans(hostile::jpeg_with_empty_scans(64, 5000)), 5001);
        QCOMPARE(qt_host::pictures::jpeg_scans("GIF89a"), 0);
    }
};

QTEST_MAIN(pictures_test)
#include "pictures_test.moc"
