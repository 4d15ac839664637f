// Pictures for the model: the embedded faces, and button faces read from files by name.
#pragma once

#include <QByteArray>
#include <QIcon>
#include <QPixmap>
#include <map>
#include <string>
#include <utility>

#include "ui/form/ports.h"

namespace qt_host {

// Reads picture files from the current directory. Only a regular file (or a
// symbolic link to one) is opened, and never in a way that can wait: a pipe,
// a device or a directory of that name is no picture. A file or picture
// beyond what a button face can sensibly be gives the bundled face of the
// same name, so no picture file holds the window for more than a few
// milliseconds; so does a damaged picture (cut short, or with corrupt data
// that the decoder would fill with grey). Every picture the model holds
// resolves to a pixmap here.
class pictures : public ui::picture_files {
public:
    ui::picture load(const std::string& file_name) override;
    QPixmap pixmap(const ui::picture& which);
    // A window's icon: the program's rings in every size they are drawn in.
    QIcon icon(const ui::picture& which);

    // Limits for a picture file. A face (ui::face_width by ui::face_height
    // pixels) takes a few kilobytes; these leave room for any real face and
    // bound the decoding time: a JPEG of 1024 x 1024 pixels and 32 scans
    // decodes in about 20 ms.
    static constexpr qint64 largest_file = 256 * 1024;  // bytes
    static constexpr int largest_side = 1024;           // pixels
    static constexpr int most_scans = 32;               // a progressive JPEG usually has 10

    // The bytes of a regular file of at most largest_file bytes, or an
    // empty array for anything else.
    static QByteArray read_regular_file(const std::string& file_name);
    // The scans of a JPEG stream, counted from its markers.
    static int jpeg_scans(const QByteArray& bytes);

private:
    // One pixmap per picture: a new read of a file replaces the last one.
    std::map<std::pair<ui::picture_origin, std::string>, QPixmap> cache_;
};

}  // namespace qt_host
