// Pictures for the model: the embedded faces, and button faces read from files by name.
#pragma once

#include <QPixmap>
#include <QString>
#include <unordered_map>

#include "ui/form/ports.h"

namespace qt_host {

// Reads picture files from the current directory with QImageReader under a
// size limit; a file that is missing, unreadable or too large gives the
// bundled face of the same name. Every picture the model holds resolves to
// a pixmap here.
class pictures : public ui::picture_files {
public:
    ui::picture load(const std::string& file_name) override;
    QPixmap pixmap(const ui::picture& which);

    // The largest picture file accepted, in pixels a side.
    static constexpr int largest_side = 4096;

private:
    std::unordered_map<std::string, QPixmap> read_;  // by source key
};

}  // namespace qt_host
