// Draws the program's images into the folder given as the first argument:
// the icon at each size that follows it, the maker's logo and the banner, and
// the window's three pictures again at twice the pixels. Run
// it through the build target "images" after changing a drawing, and commit
// what it writes.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "ui/common/maker.h"

namespace {

QFont face(const char* family, int pixels, bool bold, bool italic)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(pixels);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

void mountainRange(QPainter& painter, const QPolygonF& ridge, const QColor& rock, double snowLine)
{
    QPainterPath range;
    range.addPolygon(ridge);
    range.closeSubpath();
    painter.fillPath(range, rock);
    // Snow above the snow line, its lower edge ragged like drifts in gullies.
    QPainterPath snow;
    snow.moveTo(0, 0);
    for (int x = 0; x <= 72; x += 4)
        snow.lineTo(x, snowLine + ((x / 4) % 2 ? 3.0 : -1.0));
    snow.lineTo(72, 0);
    snow.closeSubpath();
    painter.fillPath(range.intersected(snow), QColor(244, 247, 252));
}

// The icon is drawn on a 72-unit square, the window's own size.
constexpr int IconUnits = 72;

// A pipeline on stilts crossing tundra, snowy peaks behind it, drawn afresh
// at each size rather than scaled from one picture. Lines never get thinner
// than a pixel, and the pipe's joints, which would only turn it into dashes,
// are left out below 32 pixels.
QImage icon(int size)
{
    QImage image(size, size, QImage::Format_RGB888);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = double(size) / IconUnits;
    painter.scale(scale, scale);
    const auto lineWidth = [scale](double units) { return std::max(units, 1 / scale); };

    QLinearGradient sky(0, 0, 0, 44);
    sky.setColorAt(0, QColor(58, 118, 196));
    sky.setColorAt(1, QColor(178, 210, 238));
    painter.fillRect(0, 0, 72, 72, sky);

    mountainRange(painter,
        QPolygonF({ { 0, 40 }, { 10, 22 }, { 17, 28 }, { 30, 9 }, { 42, 24 }, { 50, 17 }, { 62, 27 }, { 72, 21 },
            { 72, 48 }, { 0, 48 } }),
        QColor(112, 128, 156), 24);
    mountainRange(painter,
        QPolygonF({ { 0, 46 }, { 8, 36 }, { 20, 30 }, { 31, 39 }, { 46, 27 }, { 58, 35 }, { 72, 31 }, { 72, 52 },
            { 0, 52 } }),
        QColor(84, 96, 112), 35);

    QLinearGradient tundra(0, 46, 0, 72);
    tundra.setColorAt(0, QColor(132, 138, 96));
    tundra.setColorAt(1, QColor(86, 94, 58));
    painter.fillRect(QRectF(0, 47, 72, 25), tundra);

    // Stilts first, so that the pipe rests on them.
    painter.setPen(QPen(QColor(52, 52, 56), lineWidth(2)));
    for (int i = 0; i < 5; ++i) {
        const double x = 6 + i * 15;
        const double top = 62 - x * 0.2;
        painter.drawLine(QPointF(x, top), QPointF(x, top + 7 - i * 0.8));
    }

    // The pipe: a steel cylinder, light along its top, dark underneath.
    QLinearGradient steel(0, 0, 0, 1);
    steel.setCoordinateMode(QGradient::ObjectMode);
    steel.setColorAt(0, QColor(120, 124, 130));
    steel.setColorAt(0.3, QColor(236, 238, 240));
    steel.setColorAt(1, QColor(70, 74, 80));
    QPainterPath pipe;
    pipe.moveTo(-2, 54);
    pipe.lineTo(74, 39);
    pipe.lineTo(74, 45);
    pipe.lineTo(-2, 64);
    pipe.closeSubpath();
    painter.fillPath(pipe, steel);
    if (size < 32)
        return image;
    painter.setPen(QPen(QColor(48, 50, 54), lineWidth(1)));
    for (int i = 1; i < 5; ++i) {
        const double x = i * 15 + 1;
        painter.drawLine(QPointF(x, 54 - x * 0.2 + 0.5), QPointF(x, 64 - x * 0.25 - 0.5));
    }
    return image;
}

// A picture of that size in device-independent pixels, with as many pixels
// to each as the screen it is drawn for has.
QImage canvas(int width, int height, int scale, const QColor& background)
{
    QImage image(width * scale, height * scale, QImage::Format_RGB888);
    image.fill(background);
    return image;
}

QImage logo(int scale)
{
    QImage image = canvas(150, 43, scale, Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::Antialiasing);

    // The mark: a drop falling into a pipe's mouth.
    const QColor navy(16, 54, 110);
    painter.setPen(Qt::NoPen);
    painter.setBrush(navy);
    painter.drawEllipse(QRectF(4, 4, 35, 35));
    QPainterPath drop;
    drop.moveTo(21.5, 9);
    drop.cubicTo(21.5, 9, 31, 21, 31, 25.5);
    drop.cubicTo(31, 31, 26.5, 34, 21.5, 34);
    drop.cubicTo(16.5, 34, 12, 31, 12, 25.5);
    drop.cubicTo(12, 21, 21.5, 9, 21.5, 9);
    painter.setBrush(QColor(0, 190, 220));
    painter.drawPath(drop);
    painter.setBrush(Qt::white);
    painter.drawEllipse(QRectF(15.5, 23, 4, 6));

    painter.setPen(navy);
    painter.setFont(face("Liberation Sans", 21, true, false));
    painter.drawText(QPointF(45, 24), QStringLiteral("Northfall"));
    painter.setPen(QColor(96, 104, 116));
    QFont tagline = face("Liberation Sans", 8, false, false);
    tagline.setLetterSpacing(QFont::AbsoluteSpacing, 1.2);
    painter.setFont(tagline);
    painter.drawText(QPointF(46, 36), QStringLiteral("FLOW ENGINEERING"));
    return image;
}

QImage banner(int scale)
{
    QImage image = canvas(200, 65, scale, QColor(0, 255, 255));
    QPainter painter(&image);
    painter.scale(scale, scale);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // The three lines above the address are the program's to draw, in the
    // user's language.
    painter.setPen(QColor(232, 60, 0));
    painter.setFont(face("Liberation Sans", 11, true, false));
    const QString address = QUrl(QString::fromUtf8(ui::MakerWebAddress)).host();
    const int width = painter.fontMetrics().horizontalAdvance(address);
    painter.drawText(QPointF(200 - 6 - width, 59), address);
    return image;
}

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: draw_images FOLDER [ICON-SIZE...]\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    bool saved = true;
    // The window's own size keeps the plain name the window loads it by.
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        const QString name
            = size == IconUnits ? QStringLiteral("ludrix.png") : QStringLiteral("ludrix-%1.png").arg(size);
        saved = size > 0 && icon(size).save(folder.filePath(name)) && saved;
    }
    // The window's pictures again at twice the pixels, for screens at 200 %
    // and, reduced, for those between; "@2x" is the toolkit's own naming.
    saved = icon(2 * IconUnits).save(folder.filePath(QStringLiteral("ludrix@2x.png"))) && saved;
    for (int scale : { 1, 2 }) {
        const QString suffix = scale == 1 ? QStringLiteral(".png") : QStringLiteral("@2x.png");
        saved = logo(scale).save(folder.filePath(QStringLiteral("logo") + suffix)) && saved;
        saved = banner(scale).save(folder.filePath(QStringLiteral("banner") + suffix)) && saved;
    }
    return saved ? 0 : 1;
}
