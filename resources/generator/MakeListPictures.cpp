// Draws the image list's own pictures, in the manner of the action icons (one outline colour,
// light from the top left, a soft shadow): a document page and a framed picture, as 16-pixel
// icons for the details style and as 84-pixel placeholders for the thumbnail style, each a
// strip of two pictures side by side in that order.
//
//   zv_makelistpictures <output folder>

#include "DropShadow.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

const QColor Ink(52, 63, 77);
const QColor PaperTop(255, 255, 255);
const QColor PaperBottom(226, 233, 240);
// The frame every thumbnail cell carries.
const QColor Silver(192, 192, 192);

// Draws in a 32-unit square scaled to `pixels`; small drawings leave out fine detail.
class TCanvas {
public:
    TCanvas(QPainter& painter, double pixels)
        : P(painter)
        , U(pixels / 32.0)
        , Small(pixels < 24) {}

    QPainter& P;
    const double U;
    const bool Small;

    // Edges on pixel centres, so a one-pixel outline stays crisp.
    QRectF Box(double x, double y, double w, double h) const {
        return {QPointF(std::round(x * U) + 0.5, std::round(y * U) + 0.5),
                QPointF(std::round((x + w) * U) - 0.5, std::round((y + h) * U) - 0.5)};
    }
    QPen Line(const QColor& colour, double width = 1.0) const {
        QPen pen(colour, width);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    }
    static QLinearGradient Vertical(const QColor& top, const QColor& bottom, const QRectF& r) {
        QLinearGradient g(r.topLeft(), r.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        return g;
    }
};

// A sheet with its top right corner folded over and lines of text.
void DocumentPage(TCanvas& c) {
    QPainter& p = c.P;
    const QRectF sheet = c.Box(6, 2, 20, 28);
    const double fold = std::round((c.Small ? 7.0 : 7.5) * c.U);
    QPainterPath outline;
    outline.moveTo(sheet.topLeft());
    outline.lineTo(sheet.right() - fold, sheet.top());
    outline.lineTo(sheet.right(), sheet.top() + fold);
    outline.lineTo(sheet.bottomRight());
    outline.lineTo(sheet.bottomLeft());
    outline.closeSubpath();
    p.setPen(c.Line(Ink));
    p.setBrush(TCanvas::Vertical(PaperTop, PaperBottom, sheet));
    p.drawPath(outline);

    QPainterPath corner;
    corner.moveTo(sheet.right() - fold, sheet.top());
    corner.lineTo(sheet.right() - fold, sheet.top() + fold);
    corner.lineTo(sheet.right(), sheet.top() + fold);
    corner.closeSubpath();
    QLinearGradient cornerShade(corner.boundingRect().topLeft(),
                                corner.boundingRect().bottomRight());
    cornerShade.setColorAt(0, QColor(250, 252, 255));
    cornerShade.setColorAt(1, QColor(178, 190, 204));
    p.setBrush(cornerShade);
    p.drawPath(corner);

    // Text: a darker heading, then lines of uneven length.
    const double left = sheet.left() + 3.5 * c.U;
    const double step = c.Small ? 2.0 : 3.0 * c.U;
    const double first = sheet.top() + fold + (c.Small ? 2.0 : 3.5 * c.U);
    const std::vector<double> lengths = {0.55, 0.95, 0.8, 0.95, 0.7, 0.9, 0.5};
    const double width = sheet.width() - 7.0 * c.U;
    p.setBrush(Qt::NoBrush);
    for (size_t i = 0; i < lengths.size(); ++i) {
        const double y = std::round(first + i * step) + 0.5;
        if (y > sheet.bottom() - 2.5 * c.U)
            break;
        const QColor colour = i == 0 ? QColor(28, 98, 200) : QColor(140, 154, 170);
        p.setPen(c.Line(colour, c.Small ? 1.0 : std::max(1.0, 1.2 * c.U)));
        p.drawLine(QPointF(left, y), QPointF(left + width * lengths[i], y));
    }
}

// A picture in a white mount: sky, sun and two hills.
void FramedPicture(TCanvas& c) {
    QPainter& p = c.P;
    const QRectF card = c.Box(2, 5, 28, 23);
    p.setPen(c.Line(Ink));
    p.setBrush(TCanvas::Vertical(PaperTop, PaperBottom, card));
    p.drawRoundedRect(card, c.U, c.U);

    const double inset = c.Small ? 2.0 : 3.0;
    const QRectF scene =
        c.Box(2 + inset, 5 + inset, 28 - 2 * inset, 23 - 2 * inset).adjusted(-0.5, -0.5, 0.5, 0.5);
    p.save();
    p.setClipRect(scene);
    p.setPen(Qt::NoPen);
    p.fillRect(scene, TCanvas::Vertical(QColor(86, 170, 240), QColor(196, 232, 255), scene));
    const QPointF sun(scene.left() + scene.width() * 0.74, scene.top() + scene.height() * 0.3);
    const double radius = std::max(1.2, scene.height() * 0.16);
    QRadialGradient glow(sun, radius);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(1, QColor(255, 206, 60));
    p.setBrush(glow);
    p.drawEllipse(sun, radius, radius);

    auto hill = [&](double start, double c1x, double c1y, double c2x, double c2y, double end) {
        QPainterPath path;
        path.moveTo(scene.left(), scene.bottom() - scene.height() * start);
        path.cubicTo(scene.left() + scene.width() * c1x, scene.top() + scene.height() * c1y,
                     scene.left() + scene.width() * c2x, scene.top() + scene.height() * c2y,
                     scene.right(), scene.bottom() - scene.height() * end);
        path.lineTo(scene.bottomRight() + QPointF(1, 1));
        path.lineTo(scene.bottomLeft() + QPointF(-1, 1));
        path.closeSubpath();
        return path;
    };
    p.setBrush(TCanvas::Vertical(QColor(150, 214, 112), QColor(96, 176, 72), scene));
    p.drawPath(hill(0.35, 0.3, 0.35, 0.55, 0.45, 0.45));
    p.setBrush(TCanvas::Vertical(QColor(78, 168, 58), QColor(34, 112, 36), scene));
    p.drawPath(hill(0.12, 0.45, 0.62, 0.7, 0.7, 0.3));
    p.restore();
    if (!c.Small) {
        p.setPen(c.Line(QColor(0, 0, 0, 70)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(scene.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

using TDraw = void (*)(TCanvas&);
// In picture-index order: 0 any other file, 1 an image file.
const TDraw Drawings[] = {DocumentPage, FramedPicture};

QImage Drawn(TDraw draw, int pixels) {
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    TCanvas canvas(p, pixels);
    draw(canvas);
    return image;
}

// 16-pixel icons on a transparent ground.
QImage IconStrip() {
    constexpr int size = 16;
    QImage strip(size * 2, size, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter out(&strip);
    for (int i = 0; i < 2; ++i)
        out.drawImage(i * size, 0, DropShadow(Drawn(Drawings[i], size), 1, 0, 1, 0.28));
    return strip;
}

// 84-pixel cells like a thumbnail's: white, a silver frame, the picture in the middle.
QImage PlaceholderStrip() {
    constexpr int cell = 84;
    constexpr int art = 56;
    QImage strip(cell * 2, cell, QImage::Format_RGB32);
    strip.fill(Qt::white);
    QPainter out(&strip);
    for (int i = 0; i < 2; ++i) {
        const QImage drawing = DropShadow(Drawn(Drawings[i], art), 2, 1, 2, 0.32);
        const int left = i * cell + (cell - art) / 2;
        out.drawImage(left, (cell - art) / 2, drawing);
        out.setPen(Silver);
        out.setBrush(Qt::NoBrush);
        out.drawRect(i * cell, 0, cell - 1, cell - 1);
    }
    return strip;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: zv_makelistpictures <output folder>\n");
        return 2;
    }
    const QDir folder(args[1]);
    const std::pair<const char*, QImage> files[] = {
        {"listicons16.png", IconStrip()},
        {"thumbplaceholders84.png", PlaceholderStrip()},
    };
    for (const auto& [name, image] : files) {
        const QString path = folder.filePath(QString::fromLatin1(name));
        if (!image.save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
