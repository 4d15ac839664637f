// Picture files that no button face should be: pipes, directories, devices, oversized and endless pictures.
#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageWriter>
#include <QString>
#include <initializer_list>

#include "ui/qt/pictures.h"

namespace hostile {

inline QByteArray bytes(std::initializer_list<int> values) {
    QByteArray out;
    for (int v : values) out += static_cast<char>(v);
    return out;
}

// A grey progressive JPEG whose AC scans carry no data: each one is a
// single run of "no more coefficients" over every block, so it is tiny in
// the file and still costs the decoder a pass over the whole picture.
inline QByteArray jpeg_with_empty_scans(int side, int scans) {
    QByteArray jpeg = bytes({0xFF, 0xD8});
    const auto segment = [&](int marker, const QByteArray& body) {
        const int length = static_cast<int>(body.size()) + 2;
        jpeg += bytes({0xFF, marker, length >> 8, length & 0xFF}) + body;
    };
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
        jpeg += bytes({0x7F, 0xFF, 0x00});  // the code and fourteen 1 bits: 32767 blocks, 0xFF stuffed
    }
    return jpeg + bytes({0xFF, 0xD9});
}

// The image in a format, progressive where the format has it, at a quality (-1: the writer's own).
inline QByteArray encoded(const QImage& image, const char* format, int quality = -1) {
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setProgressiveScanWrite(quality >= 0);
    writer.setQuality(quality);
    writer.write(image);
    return out;
}

// Detail in every pixel, so that no block compresses away.
inline QImage noise(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    quint32 x = 12345;
    for (int row = 0; row < height; ++row)
        for (int col = 0; col < width; ++col) image.setPixel(col, row, (x = x * 1664525u + 1013904223u) >> 8);
    return image;
}

// The heaviest kind of face still taken: as large as allowed, in colour, with
// detail in every block, progressive, and just inside the file's limit.
inline QByteArray largest_face(const char* format) {
    const int side = qt_host::pictures::largest_side;
    QImage image(side, side, QImage::Format_RGB32);
    for (int row = 0; row < side; ++row)
        for (int col = 0; col < side; ++col)
            image.setPixel(col, row, qRgb((col * 3 + row) & 255, (row * 5) & 255, ((col ^ row) * 7) & 255));
    for (int quality = 95; quality > 5; quality -= 5)
        if (QByteArray out = encoded(image, format, quality); out.size() <= qt_host::pictures::largest_file)
            return out;
    return {};
}

inline bool write_file(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// Puts a thing of the given kind at path; false if it could not be made.
inline bool make(const QString& kind, const QString& path) {
    const QByteArray name = QFile::encodeName(path);
    const QByteArray face = encoded(noise(48, 41), "JPG");
    const int side = qt_host::pictures::largest_side, scans = qt_host::pictures::most_scans;
    const auto link_to = [&](const QByteArray& target) {
        return ::symlink(target.constData(), name.constData()) == 0;
    };
    if (kind == "missing") return true;
    if (kind == "a face") return write_file(path, face);
    if (kind == "empty") return write_file(path, {});
    if (kind == "corrupt") return write_file(path, "\xFF\xD8 this is no picture");
    if (kind == "a BMP") return write_file(path, encoded(noise(48, 41), "BMP"));
    if (kind == "pipe") return ::mkfifo(name.constData(), 0600) == 0;
    if (kind == "directory") return QDir().mkdir(path);
    if (kind == "link to a device") return link_to("/dev/zero");
    if (kind == "link to a pipe")
        return ::mkfifo((name + ".fifo").constData(), 0600) == 0 && link_to(name + ".fifo");
    if (kind == "dangling link") return link_to(name + ".gone");
    if (kind == "link to a face") return write_file(path + ".real", face) && link_to(name + ".real");
    if (kind == "file too large")  // a good face, padded past the limit
        return write_file(path, face + QByteArray(static_cast<int>(qt_host::pictures::largest_file), '\0'));
    if (kind == "picture too large")
        return write_file(path, encoded(QImage(side + 1, 16, QImage::Format_RGB32), "PNG"));
    // A face cut off in its middle, or with eight zero bytes written there.
    for (const QString format : {"JPEG", "PNG"}) {
        const QByteArray whole = encoded(noise(48, 41), format.toLatin1().constData());
        if (kind == format + " cut short") return write_file(path, whole.left(whole.size() / 2));
        if (kind == format + " with zeros inside")
            return write_file(path, QByteArray(whole).replace(whole.size() / 2, 8, QByteArray(8, '\0')));
    }
    if (kind == "large JPEG cut short") return write_file(path, largest_face("JPG").left(3000));
    if (kind == "largest JPEG face") return write_file(path, largest_face("JPG"));
    if (kind == "largest PNG face") return write_file(path, largest_face("PNG"));
    if (kind == "thousands of scans") return write_file(path, jpeg_with_empty_scans(1024, 5000));
    if (kind == "one scan too many") return write_file(path, jpeg_with_empty_scans(64, scans));
    if (kind == "at the limits")  // the DC scan and the rest
        return write_file(path, jpeg_with_empty_scans(side, scans - 1));
    return false;
}

}  // namespace hostile
