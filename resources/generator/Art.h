#pragma once

// What the artwork generators share: the drawing surface, the colours, the framed picture and
// the program's run from argument check to saved files.

#include <QColor>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

// One outline colour for every drawing; light comes from the top left.
inline const QColor Ink(52, 63, 77);
inline const QColor PaperTop(255, 255, 255);
inline const QColor PaperBottom(226, 233, 240);

struct TPalette {
    QColor Light;
    QColor Dark;
    QColor Edge;
};

// Draws in a 32-unit square scaled to the drawing's size; `Small` asks for fewer details and
// lines that stay one whole pixel wide.
class TArt {
public:
    TArt(QPainter& painter, int size)
        : P(painter)
        , U(size / 32.0)
        , Small(size < 24) {}

    QPainter& P;
    const double U;
    const bool Small;

    QPointF Pt(double x, double y) const { return {x * U, y * U}; }
    // A rectangle whose edges fall on pixel centres, so a one-pixel outline stays crisp.
    QRectF Box(double x, double y, double w, double h) const {
        const double l = std::round(x * U) + 0.5;
        const double t = std::round(y * U) + 0.5;
        const double r = std::round((x + w) * U) - 0.5;
        const double b = std::round((y + h) * U) - 0.5;
        return {QPointF(l, t), QPointF(r, b)};
    }
    QRectF Area(double x, double y, double w, double h) const {
        return {x * U, y * U, w * U, h * U};
    }
    static QPen Line(const QColor& colour, double pixels = 1.0) {
        QPen pen(colour, pixels);
        pen.setJoinStyle(Qt::RoundJoin);
        pen.setCapStyle(Qt::RoundCap);
        return pen;
    }
    static QLinearGradient Shade(const TPalette& palette, const QRectF& over) {
        QLinearGradient g(over.topLeft(), over.bottomRight());
        g.setColorAt(0, palette.Light);
        g.setColorAt(1, palette.Dark);
        return g;
    }
    static QLinearGradient Vertical(const QColor& top, const QColor& bottom, const QRectF& over) {
        QLinearGradient g(over.topLeft(), over.bottomLeft());
        g.setColorAt(0, top);
        g.setColorAt(1, bottom);
        return g;
    }
    QPainterPath Scaled(const QPainterPath& path) const {
        QTransform t;
        t.scale(U, U);
        return t.map(path);
    }
};

using TDraw = void (*)(TArt&);

// One drawing of `size` pixels square on a transparent ground.
inline QImage Drawn(TDraw draw, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    TArt art(p, size);
    draw(art);
    p.end();
    return image;
}

// A hill filling `scene` from a curve to below its bottom edge. The curve rises `start` and
// `end` of the scene's height above the bottom at the left and right edges and bends through
// two control points given as fractions of the scene.
inline QPainterPath Hill(const QRectF& scene, double start, double c1x, double c1y, double c2x,
                         double c2y, double end) {
    QPainterPath path;
    path.moveTo(scene.left(), scene.bottom() - scene.height() * start);
    path.cubicTo(scene.left() + scene.width() * c1x, scene.top() + scene.height() * c1y,
                 scene.left() + scene.width() * c2x, scene.top() + scene.height() * c2y,
                 scene.right(), scene.bottom() - scene.height() * end);
    path.lineTo(scene.bottomRight() + QPointF(1, 1));
    path.lineTo(scene.bottomLeft() + QPointF(-1, 1));
    path.closeSubpath();
    return path;
}

// The small differences between the icons' photograph and the list's picture.
struct TPictureLook {
    double Corner;    // radius of the card's corners, in pixels
    double Inset;     // card to scene, in units, where the drawing is not small
    double SunAcross; // the sun's centre, as a fraction of the scene's width
    double SunSize;   // the sun's radius, as a fraction of the scene's height
};

// A picture in a white card: sky, sun and two hills, a pale one behind and a deep one in front.
inline void FramedPicture(TArt& a, double x, double y, double w, double h,
                          const TPictureLook& look) {
    QPainter& p = a.P;
    const QRectF card = a.Box(x, y, w, h);
    p.setPen(a.Line(Ink));
    p.setBrush(a.Vertical(PaperTop, PaperBottom, card));
    p.drawRoundedRect(card, look.Corner, look.Corner);

    const double inset = a.Small ? 2.0 : look.Inset;
    const QRectF scene =
        a.Box(x + inset, y + inset, w - 2 * inset, h - 2 * inset).adjusted(-0.5, -0.5, 0.5, 0.5);
    p.save();
    p.setClipRect(scene);
    p.setPen(Qt::NoPen);
    p.fillRect(scene, a.Vertical(QColor(86, 170, 240), QColor(196, 232, 255), scene));
    const QPointF sun(scene.left() + scene.width() * look.SunAcross,
                      scene.top() + scene.height() * 0.3);
    const double radius = std::max(1.2, scene.height() * look.SunSize);
    QRadialGradient glow(sun, radius);
    glow.setColorAt(0, QColor(255, 250, 200));
    glow.setColorAt(1, QColor(255, 206, 60));
    p.setBrush(glow);
    p.drawEllipse(sun, radius, radius);
    p.setBrush(a.Vertical(QColor(150, 214, 112), QColor(96, 176, 72), scene));
    p.drawPath(Hill(scene, 0.35, 0.3, 0.35, 0.55, 0.45, 0.45));
    p.setBrush(a.Vertical(QColor(78, 168, 58), QColor(34, 112, 36), scene));
    p.drawPath(Hill(scene, 0.12, 0.45, 0.62, 0.7, 0.7, 0.3));
    p.restore();
    if (!a.Small) {
        p.setPen(a.Line(QColor(0, 0, 0, 70)));
        p.setBrush(Qt::NoBrush);
        p.drawRect(scene.adjusted(0.5, 0.5, -0.5, -0.5));
    }
}

struct TOutput {
    const char* Name;
    std::function<QImage()> Draw;
};

// The whole run of a generator: one argument, the output folder, into which every output is
// drawn and saved in turn; stops at the first file it cannot write.
inline int WriteOutputs(int& argc, char* argv[], const char* program,
                        const std::vector<TOutput>& outputs) {
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 2) {
        std::fprintf(stderr, "usage: %s <output folder>\n", program);
        return 2;
    }
    const QDir folder(args[1]);
    for (const TOutput& output : outputs) {
        const QString path = folder.filePath(QString::fromLatin1(output.Name));
        if (!output.Draw().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    return 0;
}
