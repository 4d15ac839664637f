// Paints labels (box, border, caption), marbles (discs) and picture boxes from their model properties.
#include "ui/qt/painters.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <vector>

#include "ui/qt/pictures.h"

namespace qt_host {

double to_pixels(double twips) { return twips / ui::twips_per_pixel; }

QRect pixels(const ui::bounds& area) {
    const auto px = [](double twips) { return static_cast<int>(std::lround(to_pixels(twips))); };
    const int left = px(area.left), top = px(area.top);
    return QRect(left, top, px(double{area.left} + area.width) - left,
                 px(double{area.top} + area.height) - top);
}

namespace {
QRectF exact_pixels(const ui::bounds& area) {
    return {to_pixels(area.left), to_pixels(area.top), to_pixels(area.width), to_pixels(area.height)};
}
}  // namespace

QRect painted_extent(const ui::control& which, const ui::bounds& area) {
    // An antialiased disc tints the pixels its edge passes through, and a
    // curve drawn as Bézier segments reaches a hair beyond the true circle:
    // a disc whose edge lies on a pixel boundary tints the next pixel out.
    if (which.kind() == ui::control_kind::shape)
        return exact_pixels(area).toAlignedRect().adjusted(-1, -1, 1, 1);
    return pixels(area);
}

QColor colour_of(ui::colour c, const QPalette& palette) {
    if (c & 0x80000000u) return palette.color(QPalette::Base);  // a system colour
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

QFont font_of(const ui::font_spec& wanted, const QFont& fallback) {
    // A frame paints the same two or three fonts again and again.
    struct made {
        ui::font_spec wanted;
        QString base;
        QFont font;
    };
    static std::vector<made> fonts;
    const QString base = fallback.key();
    for (const made& each : fonts)
        if (each.wanted.family == wanted.family && each.wanted.points == wanted.points &&
            each.wanted.bold == wanted.bold && each.base == base)
            return each.font;
    QFont font = fallback;
    if (!wanted.family.empty()) font.setFamily(QString::fromStdString(wanted.family));
    if (wanted.points > 0)
        font.setPixelSize(static_cast<int>(std::lround(wanted.points * ui::pixels_per_point)));
    font.setBold(wanted.bold);
    if (fonts.size() >= 16) fonts.clear();
    fonts.push_back({wanted, base, font});
    return font;
}

namespace {

void paint_caption(QPainter& painter, const ui::label& label, const QRect& box, const QFont& font) {
    const QString caption = QString::fromStdString(label.Caption());
    const QRect room = box.adjusted(1, 1, -1, -1);
    const bool centred = label.Alignment() == ui::alignment::centre;
    const Qt::Alignment align = (centred ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignTop;
    painter.setPen(Qt::black);
    painter.setFont(font);
    painter.save();
    painter.setClipRect(box);
    const int wide = QFontMetrics(font).horizontalAdvance(caption);
    if (wide > room.width() && room.width() > 4) {
        // A caption wider than its label, such as a five-digit cell number,
        // is drawn narrower so that it stays whole in its box, with a gap
        // to its neighbour's.
        const QRect narrow = room.adjusted(2, 0, -2, 0);
        const double squeeze = static_cast<double>(narrow.width()) / wide;
        painter.translate(narrow.left(), 0);
        painter.scale(squeeze, 1.0);
        painter.drawText(QRect(0, narrow.top(), wide, narrow.height()), align, caption);
    } else {
        painter.drawText(room, align, caption);
    }
    painter.restore();
}

void paint_label(QPainter& painter, const ui::label& label, const paint_context& context) {
    const QRect box = pixels(label.area());
    painter.fillRect(box, colour_of(label.BackColor(), context.palette));
    if (label.BorderStyle()) {
        painter.setPen(QPen(Qt::black, 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(box.adjusted(0, 0, -1, -1));
    }
    if (!label.Caption().empty()) paint_caption(painter, label, box, font_of(label.Font(), context.font));
}

// The largest circle that fits the box, centred, with a thin outline.
void paint_shape(QPainter& painter, const ui::shape& marble, const paint_context& context) {
    const QRectF area = exact_pixels(marble.area());
    const double d = std::min(area.width(), area.height());
    const QRectF disc(area.center().x() - d / 2, area.center().y() - d / 2, d, d);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(colour_of(marble.BackColor(), context.palette));
    painter.drawEllipse(disc.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

void paint_image(QPainter& painter, const ui::image& box, const paint_context& context) {
    painter.drawPixmap(pixels(box.area()).topLeft(), context.faces.pixmap(box.Picture()));
}

}  // namespace

void paint_control(QPainter& painter, const ui::control& which, const paint_context& context) {
    switch (which.kind()) {
    case ui::control_kind::label: paint_label(painter, static_cast<const ui::label&>(which), context); break;
    case ui::control_kind::shape: paint_shape(painter, static_cast<const ui::shape&>(which), context); break;
    case ui::control_kind::image: paint_image(painter, static_cast<const ui::image&>(which), context); break;
    default: break;
    }
}

}  // namespace qt_host
