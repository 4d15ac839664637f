// make-artwork: draws Vorla 5151's button faces, backdrop and icons, at 1x and 2x, into a directory.
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <QTextStream>
#include <QTransform>

#include <cmath>
#include <functional>

#include "ui/form/embedded.h"

namespace {

// Palette shared by the faces and the backdrop.
const QColor kStripeLight(0xdc, 0xec, 0x8a);
const QColor kStripeDark(0xae, 0xcc, 0x55);
const QColor kFrameGreen(0x1e, 0x55, 0x1e);
const QColor kInkGreen(0x12, 0x3c, 0x12);
const QColor kOrangeTop(0xff, 0xb8, 0x4a);
const QColor kOrangeBottom(0xf2, 0x86, 0x0e);
const QColor kPressedTop(0xd0, 0x74, 0x10);
const QColor kPressedBottom(0xa8, 0x56, 0x04);
const QColor kShadow(0x4a, 0x26, 0x08);
const QColor kOutline(0x4a, 0x26, 0x08);
const QColor kPlayGreen(0x2c, 0xb8, 0x2c);
const QColor kResetGreen(0x3c, 0xf4, 0x3c);
const QColor kSignalRed(0xe0, 0x1c, 0x1c);

// Where things sit on the backdrop.
constexpr int kLayoutW = ui::backdrop_width, kLayoutH = ui::backdrop_height;
constexpr QSize kFaceSize(ui::face_width, ui::face_height);
constexpr QRect kUpperPanel(28, 3, 270, 135);
constexpr QRect kLowerPanel(3, 144, 318, 220);
constexpr int kButtonTop = kUpperPanel.top() + 23;  // the row of four buttons
constexpr int kSliderBottom = kButtonTop + kFaceSize.height() + 20 + 25;
constexpr QRect kAllMoves(16, 177, 145, 168);
constexpr QRect kSolutionMoves(kAllMoves.right() + 1 + 5, 177, 132, 168);

enum class Symbol { Play, Pause, Resume, Reset };

// Fine horizontal stripes, two light rows then one dark, counted from the
// backdrop's top so that a face placed at `originY` lines up with it.
QBrush stripeBrush(int originY) {
    QImage tile(1, 3, QImage::Format_RGB32);
    tile.setPixelColor(0, 0, kStripeLight);
    tile.setPixelColor(0, 1, kStripeLight);
    tile.setPixelColor(0, 2, kStripeDark);
    QBrush brush(tile);
    brush.setTransform(QTransform::fromTranslate(0, -originY));
    return brush;
}

QString boldFamily() {
    const QStringList families = QFontDatabase::families();
    for (const QString& name : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")})
        if (families.contains(name)) return name;
    return QStringLiteral("Sans Serif");
}

QFont boldFont(int pixelSize) {
    QFont font(boldFamily());
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QPen outlinePen(const QColor& colour, qreal width = 1.5) {
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The emblem in the middle of a face, centred on `c`.
void drawSymbol(QPainter& p, Symbol symbol, QPointF c, bool pressed) {
    auto tone = [pressed](const QColor& colour) { return pressed ? colour.darker(125) : colour; };
    p.setPen(outlinePen(tone(kOutline)));
    switch (symbol) {
    case Symbol::Play: {
        const QPolygonF triangle({c + QPointF(-7, -10), c + QPointF(11, 0), c + QPointF(-7, 10)});
        p.setBrush(tone(kPlayGreen));
        p.drawPolygon(triangle);
        break;
    }
    case Symbol::Pause:
        p.setBrush(tone(kSignalRed));
        p.drawRoundedRect(QRectF(c.x() - 8, c.y() - 10, 6, 20), 1, 1);
        p.drawRoundedRect(QRectF(c.x() + 2, c.y() - 10, 6, 20), 1, 1);
        break;
    case Symbol::Resume: {
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
            const double angle = (22.5 + 45.0 * i) * M_PI / 180.0;
            octagon << c + QPointF(13.0 * std::cos(angle), 13.0 * std::sin(angle));
        }
        p.setBrush(tone(kSignalRed));
        p.drawPolygon(octagon);
        p.setPen(tone(Qt::black));
        p.setFont(boldFont(16));
        p.drawText(QRectF(c.x() - 12, c.y() - 12, 24, 24), Qt::AlignCenter, QStringLiteral("R"));
        break;
    }
    case Symbol::Reset:
        p.setBrush(tone(kResetGreen));
        p.drawRect(QRectF(c.x() - 9, c.y() - 9, 18, 18));
        break;
    }
}

// A picture of `size` logical pixels at `scale` device pixels each, drawn in
// logical coordinates, so that the 2x twin is the same drawing, only finer.
QImage canvas(QSize size, int scale) {
    QImage image(size * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

// One button face: an orange rounded square on the backdrop's stripes.
// A pressed face sinks one notch down-right, darkens, and casts its shadow up-left.
QImage drawFace(Symbol symbol, bool pressed, int scale) {
    QImage image = canvas(kFaceSize, scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(QRect(QPoint(0, 0), kFaceSize), stripeBrush(kButtonTop));

    const QRectF raised(4, 2, 38, 34);
    const QRectF body = pressed ? raised.translated(2, 2) : raised;
    const QRectF shadow = pressed ? raised : raised.translated(2, 2);
    constexpr qreal radius = 6;

    p.setPen(Qt::NoPen);
    p.setBrush(kShadow);
    p.drawRoundedRect(shadow, radius, radius);

    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, pressed ? kPressedTop : kOrangeTop);
    fill.setColorAt(1, pressed ? kPressedBottom : kOrangeBottom);
    p.setBrush(fill);
    p.setPen(QPen(kShadow, 1));
    p.drawRoundedRect(body.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);

    if (!pressed) {  // a soft glint along the upper-left rim of a raised face
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 236, 190, 200), 1.2));
        QPainterPath glint;
        const QRectF in = body.adjusted(2, 2, -2, -2);
        glint.moveTo(in.left(), in.bottom() - radius);
        glint.lineTo(in.left(), in.top() + radius - 1);
        glint.quadTo(in.topLeft(), QPointF(in.left() + radius - 1, in.top()));
        glint.lineTo(in.right() - radius, in.top());
        p.drawPath(glint);
    }

    drawSymbol(p, symbol, body.center(), pressed);
    return image;
}

// A striped panel with rounded corners, framed in dark green.
void drawPanel(QPainter& p, const QRect& area) {
    p.setPen(QPen(kFrameGreen, 2));
    p.setBrush(stripeBrush(0));
    p.drawRoundedRect(QRectF(area).adjusted(1, 1, -1, -1), 10, 10);
}

// A white area where a list box will sit, with a thin sunken rim.
void drawListWell(QPainter& p, const QRect& area, const QString& heading) {
    p.setPen(QPen(kFrameGreen, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(area).adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(kInkGreen);
    p.setFont(boldFont(14));
    p.drawText(QRect(area.left(), area.top() - 26, area.width(), 22), Qt::AlignHCenter | Qt::AlignBottom,
               heading);
}

// The backdrop: the upper panel frames the buttons and the speed slider,
// the lower panel holds the two move lists.
QImage drawLayout(int scale) {
    QImage image = canvas(QSize(kLayoutW, kLayoutH), scale);
    QPainter p(&image);
    p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    drawPanel(p, kUpperPanel);
    drawPanel(p, kLowerPanel);

    p.setPen(kInkGreen);
    p.setFont(boldFont(13));
    const QRect title(kUpperPanel.left(), kSliderBottom + 2, kUpperPanel.width(),
                      kUpperPanel.bottom() - kSliderBottom - 6);
    p.drawText(title, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("-: Ball's Speed :-"));

    drawListWell(p, kAllMoves, QStringLiteral("All Moves"));
    drawListWell(p, kSolutionMoves, QStringLiteral("Solution Moves"));
    return image;
}

// The icon: a yellow ring, a red ring, a yellow ring and a red centre, on a
// transparent ground. Up to 32 pixels it keeps the flat 16-colour tones with a
// hard edge; larger sizes smooth the edges of the rings.
const QColor kIconYellow(0xff, 0xff, 0x00);
const QColor kIconRed(0xff, 0x00, 0x00);

int iconBand(double distance)  // 0 the outer ring .. 3 the centre, -1 outside
{
    return distance > 1.0 ? -1 : distance > 0.75 ? 0 : distance > 0.5 ? 1 : distance > 0.25 ? 2 : 3;
}

QImage drawIcon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const double half = size / 2.0;
    const int samples = size <= 32 ? 1 : 4;  // per pixel and axis
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            double red = 0, green = 0, cover = 0;
            for (int sy = 0; sy < samples; ++sy) {
                for (int sx = 0; sx < samples; ++sx) {
                    const double px = x + (sx + 0.5) / samples, py = y + (sy + 0.5) / samples;
                    const int band = iconBand(std::hypot(px - half, py - half) / half);
                    if (band < 0) continue;
                    const QColor& tone = band % 2 == 0 ? kIconYellow : kIconRed;
                    red += tone.red();
                    green += tone.green();
                    cover += 1;
                }
            }
            if (cover == 0) continue;
            const double n = samples * samples;
            image.setPixelColor(x, y,
                                QColor(int(std::lround(red / cover)), int(std::lround(green / cover)), 0,
                                       int(std::lround(255 * cover / n))));
        }
    }
    return image;
}

// The same rings as a scalable icon.
QString iconSvg() {
    QString svg = QStringLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" "
        "viewBox=\"0 0 256 256\">\n"
        "  <title>Marble Exchange</title>\n");
    for (int band = 0; band < 4; ++band) {
        const QColor& tone = band % 2 == 0 ? kIconYellow : kIconRed;
        svg += QStringLiteral("  <circle cx=\"128\" cy=\"128\" r=\"%1\" fill=\"%2\"/>\n")
                   .arg(128 - 32 * band)
                   .arg(tone.name());
    }
    return svg + QStringLiteral("</svg>\n");
}

bool report(bool ok, const QString& path) {
    QTextStream(ok ? stdout : stderr) << (ok ? "wrote " : "could not write ") << path << '\n';
    return ok;
}

bool save(const QImage& image, const QString& path, int quality = -1) {
    return report(image.save(path, nullptr, quality), path);
}

bool saveText(const QString& text, const QString& path) {
    QFile file(path);
    const QByteArray bytes = text.toUtf8();
    return report(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size(), path);
}

// NAME.EXT and its twin NAME@2x.EXT, for Qt to choose by device pixel ratio.
bool saveBoth(const std::function<QImage(int scale)>& draw, const QString& path, int quality = -1) {
    const qsizetype dot = path.lastIndexOf('.');
    return save(draw(1), path, quality) & save(draw(2), path.left(dot) + "@2x" + path.mid(dot), quality);
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: make-artwork OUTPUT_DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char* sub : {"faces", "icon", "runtime"}) {
        if (!out.mkpath(QString::fromLatin1(sub))) {
            QTextStream(stderr) << "could not create " << out.filePath(QString::fromLatin1(sub)) << '\n';
            return 1;
        }
    }

    bool ok = true;
    auto face = [](Symbol symbol, bool pressed) {
        return [=](int scale) { return drawFace(symbol, pressed, scale); };
    };
    ok &= saveBoth(face(Symbol::Play, false), out.filePath("faces/play.png"));
    ok &= saveBoth(face(Symbol::Pause, false), out.filePath("faces/pause.png"));
    ok &= saveBoth(face(Symbol::Resume, false), out.filePath("faces/resume.png"));
    ok &= saveBoth(face(Symbol::Reset, false), out.filePath("faces/reset.png"));
    ok &= saveBoth(drawLayout, out.filePath("faces/layout.png"));

    // The window icon at 16 and 32 with their twins, and the other sizes of the icon theme.
    for (int size : {16, 32})
        ok &= saveBoth([=](int scale) { return drawIcon(scale * size); },
                       out.filePath(QStringLiteral("icon/marble-exchange-%1.png").arg(size)));
    for (int size : {22, 24, 48, 64, 128, 256})
        ok &= save(drawIcon(size), out.filePath(QStringLiteral("icon/marble-exchange-%1.png").arg(size)));
    ok &= saveText(iconSvg(), out.filePath("icon/marble-exchange.svg"));

    constexpr int jpegQuality = 92;
    ok &= saveBoth(face(Symbol::Play, true), out.filePath("runtime/buttonclick.jpg"), jpegQuality);
    ok &= saveBoth(face(Symbol::Pause, false), out.filePath("runtime/pause.jpg"), jpegQuality);
    ok &= saveBoth(face(Symbol::Pause, true), out.filePath("runtime/pauseclick.jpg"), jpegQuality);
    ok &= saveBoth(face(Symbol::Resume, false), out.filePath("runtime/resume.jpg"), jpegQuality);
    ok &= saveBoth(face(Symbol::Resume, true), out.filePath("runtime/resumeclick.jpg"), jpegQuality);
    return ok ? 0 : 1;
}
