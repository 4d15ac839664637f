// Picture files through QImageReader, with the bundled faces as the fallback.
#include "ui/qt/pictures.h"

#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>

namespace qt_host {

namespace {
const std::string embedded_prefix = "embedded:";
const std::string file_prefix = "file:";
const std::string bundled_prefix = "bundled:";

QImage read_file(const QString& name) {
    // On a screen finer than 1x, Qt's lookup takes a twin NAME@2x.EXT where one
    // exists, and the reader marks the image as twice as fine.
    QImageReader reader(qt_findAtNxFile(name, qGuiApp ? qGuiApp->devicePixelRatio() : 1.0));
    const QSize size = reader.size();
    if (!size.isValid() || size.width() > pictures::largest_side || size.height() > pictures::largest_side)
        return {};
    return reader.read();
}
}  // namespace

ui::picture pictures::load(const std::string& file_name) {
    const QImage image = read_file(QString::fromStdString(file_name));
    if (!image.isNull()) {
        const std::string key = file_prefix + file_name;
        read_[key] = QPixmap::fromImage(image);
        const QSize size = image.deviceIndependentSize().toSize();
        return {key, size.width(), size.height()};
    }
    const std::string key = bundled_prefix + file_name;
    const QPixmap face = pixmap({key, 0, 0});
    const QSize size = face.deviceIndependentSize().toSize();
    return {key, size.width(), size.height()};
}

QPixmap pictures::pixmap(const ui::picture& which) {
    const std::string& key = which.source;
    if (auto found = read_.find(key); found != read_.end()) return found->second;
    QString resource;
    if (key.rfind(embedded_prefix, 0) == 0)
        resource = ":/faces/" + QString::fromStdString(key.substr(embedded_prefix.size())) + ".png";
    else if (key.rfind(bundled_prefix, 0) == 0)
        resource = ":/runtime/" + QString::fromStdString(key.substr(bundled_prefix.size()));
    QPixmap face = QPixmap::fromImage(read_file(resource));
    if (face.isNull()) {  // a build without its resources still shows a plain face
        face = QPixmap(which.width > 0 ? which.width : 48, which.height > 0 ? which.height : 41);
        face.fill(QColor(255, 160, 32));
    }
    read_[key] = face;
    return face;
}

}  // namespace qt_host
