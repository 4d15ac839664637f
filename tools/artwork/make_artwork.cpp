// make-artwork: draws Vorla 5151's button faces, backdrop and icon into a directory.
#include <QColor>
#include <QDir>
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
constexpr int kLayoutW = 325, kLayoutH = 369;
constexpr QSize kFaceSize(48, 41);
constexpr QRect kUpperPanel(28, 3, 270, 135);
constexpr QRect kLowerPanel(3, 144, 318, 220);
constexpr int kButtonTop = kUpperPanel.top() + 23;   // the row of four buttons
constexpr int kSliderBottom = kButtonTop + 41 + 20 + 25;
constexpr QRect kAllMoves(16, 177, 145, 168);
constexpr QRect kSolutionMoves(kAllMoves.right() + 1 + 5, 177, 132, 168);

enum class Symbol { Play, Pause, Resume, Reset };

// Fine horizontal stripes, two light rows then one dark, counted from the
// backdrop's top so that a face placed at `originY` lines up with it.
QBrush stripeBrush(int originY)
{
    QImage tile(1, 3, QImage::Format_RGB32);
    tile.setPixelColor(0, 0, kStripeLight);
    tile.setPixelColor(0, 1, kStripeLight);
    tile.setPixelColor(0, 2, kStripeDark);
    QBrush brush(tile);
    brush.setTransform(QTransform::fromTranslate(0, -originY));
    return brush;
}

QString boldFamily()
{
    const QStringList families = QFontDatabase::families();
    for (const QString &name : {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")})
        if (families.contains(name))
            return name;
    return QStringLiteral("Sans Serif");
}

QFont boldFont(int pixelSize)
{
    QFont font(boldFamily());
    font.setPixelSize(pixelSize);
    font.setBold(true);
    return font;
}

QPen outlinePen(const QColor &colour, qreal width = 1.5)
{
    return QPen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// The emblem in the middle of a face, centred on `c`.
void drawSymbol(QPainter &p, Symbol symbol, QPointF c, bool pressed)
{
    auto tone = [pressed](const QColor &colour) { return pressed ? colour.darker(125) : colour; };
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

// One 48x41 button face: an orange rounded square on the backdrop's stripes.
// A pressed face sinks one notch down-right, darkens, and casts its shadow up-left.
QImage drawFace(Symbol symbol, bool pressed)
{
    QImage image(kFaceSize, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.fillRect(image.rect(), stripeBrush(kButtonTop));

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
void drawPanel(QPainter &p, const QRect &area)
{
    p.setPen(QPen(kFrameGreen, 2));
    p.setBrush(stripeBrush(0));
    p.drawRoundedRect(QRectF(area).adjusted(1, 1, -1, -1), 10, 10);
}

// A white area where a list box will sit, with a thin sunken rim.
void drawListWell(QPainter &p, const QRect &area, const QString &heading)
{
    p.setPen(QPen(kFrameGreen, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(area).adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(kInkGreen);
    p.setFont(boldFont(14));
    p.drawText(QRect(area.left(), area.top() - 26, area.width(), 22),
               Qt::AlignHCenter | Qt::AlignBottom, heading);
}

// The 325x369 backdrop: the upper panel frames the buttons and the speed slider,
// the lower panel holds the two move lists.
QImage drawLayout()
{
    QImage image(kLayoutW, kLayoutH, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
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

// The icon: a yellow ring, a red ring, a yellow ring and a red centre, in flat
// 16-colour tones with a hard edge on a transparent ground.
QImage drawIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const QColor yellow(0xff, 0xff, 0x00), red(0xff, 0x00, 0x00);
    const double half = size / 2.0;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - half, y + 0.5 - half) / half;
            if (d > 1.0)
                continue;
            const int band = d > 0.75 ? 0 : d > 0.5 ? 1 : d > 0.25 ? 2 : 3;
            image.setPixelColor(x, y, band % 2 == 0 ? yellow : red);
        }
    }
    return image;
}

bool save(const QImage &image, const QString &path, int quality = -1)
{
    const bool ok = image.save(path, nullptr, quality);
    QTextStream(ok ? stdout : stderr) << (ok ? "wrote " : "could not write ") << path << '\n';
    return ok;
}

}  // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        QTextStream(stderr) << "usage: make-artwork OUTPUT_DIR\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    for (const char *sub : {"faces", "icon", "runtime"}) {
        if (!out.mkpath(QString::fromLatin1(sub))) {
            QTextStream(stderr) << "could not create " << out.filePath(QString::fromLatin1(sub)) << '\n';
            return 1;
        }
    }

    bool ok = true;
    ok &= save(drawFace(Symbol::Play, false), out.filePath("faces/play.png"));
    ok &= save(drawFace(Symbol::Pause, false), out.filePath("faces/pause.png"));
    ok &= save(drawFace(Symbol::Resume, false), out.filePath("faces/resume.png"));
    ok &= save(drawFace(Symbol::Reset, false), out.filePath("faces/reset.png"));
    ok &= save(drawLayout(), out.filePath("faces/layout.png"));

    ok &= save(drawIcon(32), out.filePath("icon/marble-exchange-32.png"));
    ok &= save(drawIcon(16), out.filePath("icon/marble-exchange-16.png"));

    constexpr int jpegQuality = 92;
    ok &= save(drawFace(Symbol::Play, true), out.filePath("runtime/buttonclick.jpg"), jpegQuality);
    ok &= save(drawFace(Symbol::Pause, false), out.filePath("runtime/pause.jpg"), jpegQuality);
    ok &= save(drawFace(Symbol::Pause, true), out.filePath("runtime/pauseclick.jpg"), jpegQuality);
    ok &= save(drawFace(Symbol::Resume, false), out.filePath("runtime/resume.jpg"), jpegQuality);
    ok &= save(drawFace(Symbol::Resume, true), out.filePath("runtime/resumeclick.jpg"), jpegQuality);
    return ok ? 0 : 1;
}
