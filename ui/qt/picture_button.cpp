// Paints the face as it is; a disabled button ignores clicks (QAbstractButton sees to that).
#include "ui/qt/picture_button.h"

#include <QPainter>

namespace qt_host {

picture_button::picture_button(QWidget* parent) : QAbstractButton(parent) { setFocusPolicy(Qt::NoFocus); }

void picture_button::set_face(const QPixmap& face) {
    face_ = face;
    update();
}

void picture_button::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, face_);
}

}  // namespace qt_host
