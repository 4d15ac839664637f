// Picture files read without waiting and within limits, with the bundled faces as the fallback.
#include "ui/qt/pictures.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QBuffer>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QImageReader>
#include <cerrno>
#include <cstring>

#include "ui/form/embedded.h"

namespace qt_host {

namespace {

qreal screen_ratio() { return qGuiApp ? qGuiApp->devicePixelRatio() : 1.0; }

// A compiled-in resource. On a screen finer than 1x, Qt's lookup takes a
// twin NAME@2x.EXT where one exists, and the reader marks the image as
// twice as fine.
QPixmap fine_resource(const QString& path) {
    QImageReader reader(qt_findAtNxFile(path, screen_ratio()));
    return QPixmap::fromImage(reader.read());
}

// A picture that ships with the program, from the compiled-in resources.
QPixmap shipped_face(ui::picture_origin origin, const std::string& name) {
    const QString file = QString::fromStdString(name);
    switch (origin) {
    case ui::picture_origin::embedded: return fine_resource(":/faces/" + file + ".png");
    case ui::picture_origin::bundled: return fine_resource(":/runtime/" + file);
    case ui::picture_origin::file: break;
    }
    return {};
}

bool sane_size(const QSize& size) {
    return size.isValid() && size.width() <= pictures::largest_side &&
           size.height() <= pictures::largest_side;
}

// libjpeg decodes on past corrupt data and a premature end, fills what it
// could not read with grey, and only warns; Qt passes the warning on to the
// message handler. While a picture is decoded on this thread, the handler
// here takes those warnings as the verdict that the file is damaged.
// Pictures are decoded on the user-interface thread only, one at a time.
class jpeg_warnings {
public:
    jpeg_warnings() {
        before_ = qInstallMessageHandler(&take);
        listening_ = this;
    }
    ~jpeg_warnings() {
        listening_ = nullptr;
        qInstallMessageHandler(before_);
    }
    jpeg_warnings(const jpeg_warnings&) = delete;
    jpeg_warnings& operator=(const jpeg_warnings&) = delete;
    bool any() const { return any_; }

private:
    static void take(QtMsgType type, const QMessageLogContext& context, const QString& text) {
        jpeg_warnings* self = listening_;
        if (self && context.category && std::strcmp(context.category, "qt.gui.imageio.jpeg") == 0) {
            self->any_ = true;
            return;
        }
        // Everything else, and other threads' messages, go where they went before.
        if (before_) before_(type, context, text);
    }
    static inline QtMessageHandler before_ = nullptr;
    static inline thread_local jpeg_warnings* listening_ = nullptr;
    bool any_ = false;
};

// A JPEG or PNG face within the limits, decoded from memory, whole and
// without a complaint of the decoder; anything else gives a null image. The
// header is read before any pixel is decoded.
QImage decode(const QByteArray& bytes) {
    if (bytes.isEmpty()) return {};
    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer);
    const QByteArray format = reader.format();  // from the content, whatever the name says
    if (format != "jpeg" && format != "png") return {};
    const QSize declared = reader.size();
    if (!sane_size(declared)) return {};
    // Each scan of a progressive JPEG passes over the whole picture again.
    if (format == "jpeg" && pictures::jpeg_scans(bytes) > pictures::most_scans) return {};
    const jpeg_warnings warnings;
    QImage image = reader.read();
    if (warnings.any() || image.size() != declared) return {};
    return image;
}

}  // namespace

QByteArray pictures::read_regular_file(const std::string& file_name) {
    // Looking opens nothing, so a pipe or a device cannot hold us here; stat
    // follows a symbolic link, and only what the link leads to counts.
    struct stat named {};
    if (::stat(file_name.c_str(), &named) != 0 || !S_ISREG(named.st_mode)) return {};
    if (named.st_size <= 0 || named.st_size > largest_file) return {};
    // The name may mean something else by the time it is opened: O_NONBLOCK
    // keeps even a pipe from holding the open, and the opened file is
    // checked once more.
    const int fd = ::open(file_name.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0) return {};
    QByteArray bytes;
    struct stat opened {};
    if (::fstat(fd, &opened) == 0 && S_ISREG(opened.st_mode) && opened.st_size > 0 &&
        opened.st_size <= largest_file) {
        bytes.resize(static_cast<qsizetype>(opened.st_size));
        qsizetype got = 0;
        while (got < bytes.size()) {
            const ssize_t n = ::read(fd, bytes.data() + got, static_cast<std::size_t>(bytes.size() - got));
            if (n > 0)
                got += n;
            else if (n < 0 && errno == EINTR)
                continue;
            else
                break;  // the file shrank, or it cannot be read
        }
        bytes.truncate(got);
    }
    ::close(fd);
    return bytes;
}

int pictures::jpeg_scans(const QByteArray& bytes) {
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    if (n < 2 || p[0] != 0xFF || p[1] != 0xD8) return 0;
    const auto restart = [](unsigned char m) { return m >= 0xD0 && m <= 0xD7; };
    int scans = 0;
    qsizetype i = 2;
    // The walk reads the markers as the decoder does: segments by their
    // length, stray bytes between them skipped.
    while (i < n) {
        if (p[i] != 0xFF) {
            ++i;
            continue;
        }
        while (i < n && p[i] == 0xFF) ++i;  // fill bytes before a marker
        if (i >= n) break;
        const unsigned char marker = p[i++];
        if (marker == 0xD9) break;                                          // end of image
        if (marker == 0x00 || marker == 0x01 || restart(marker)) continue;  // no length
        if (i + 2 > n) break;
        const qsizetype length = (qsizetype{p[i]} << 8) | p[i + 1];
        if (length < 2) break;  // the decoder refuses such a stream too
        i += length;
        if (marker != 0xDA) continue;
        ++scans;
        // The scan's data runs to the next marker: a stuffed 0xFF00 or a
        // restart marker belongs to the data.
        while (i + 1 < n && !(p[i] == 0xFF && p[i + 1] != 0x00 && !restart(p[i + 1]))) ++i;
    }
    return scans;
}

QIcon pictures::icon(const ui::picture& which) {
    // An embedded icon ships as NAME-SIZE.png in the sizes a window draws
    // it in, the title bar's and the task switcher's; QIcon takes each one's
    // finer twin by the same lookup as fine_resource().
    QIcon icon;
    if (which.origin == ui::picture_origin::embedded)
        for (const int size : {16, 32})
            icon.addFile(
                QStringLiteral(":/icon/%1-%2.png").arg(QString::fromStdString(which.name)).arg(size));
    if (icon.isNull()) icon = QIcon(pixmap(which));
    return icon;
}

ui::picture pictures::load(const std::string& file_name) {
    // The file of that name and no other: a user who puts a face of their
    // own there sees it, on any screen. (Only the bundled copy has a finer
    // twin for screens above 1x.)
    const QImage image = decode(read_regular_file(file_name));
    if (!image.isNull()) {
        cache_[{ui::picture_origin::file, file_name}] = QPixmap::fromImage(image);
        return {ui::picture_origin::file, file_name, image.width(), image.height()};
    }
    const QSize face = pixmap({ui::picture_origin::bundled, file_name}).deviceIndependentSize().toSize();
    return {ui::picture_origin::bundled, file_name, face.width(), face.height()};
}

QPixmap pictures::pixmap(const ui::picture& which) {
    const auto key = std::make_pair(which.origin, which.name);
    if (auto found = cache_.find(key); found != cache_.end()) return found->second;
    QPixmap face = shipped_face(which.origin, which.name);
    if (face.isNull()) {  // a build without its resources still shows a plain face
        face = QPixmap(which.width > 0 ? which.width : ui::face_width,
                       which.height > 0 ? which.height : ui::face_height);
        face.fill(QColor(255, 160, 32));
    }
    cache_[key] = face;
    return face;
}

}  // namespace qt_host
