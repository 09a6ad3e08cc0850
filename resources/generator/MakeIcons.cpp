// Draws the action icon strips: 17 icons side by side in the order of the action table, at 32
// and 16 pixels, once with soft edges and shadows (true colour with alpha) and once with hard
// edges only (on/off transparency).
//
//   zv_makeicons <output folder>

#include "Art.h"
#include "DropShadow.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

constexpr int IconCount = 17;

const QColor White(255, 255, 255);

const TPalette Green{{128, 220, 104}, {40, 150, 36}, {28, 100, 24}};
const TPalette Red{{255, 118, 98}, {206, 38, 28}, {134, 20, 14}};
const TPalette Blue{{110, 182, 250}, {28, 98, 200}, {18, 62, 128}};
const TPalette Gold{{255, 222, 120}, {238, 166, 44}, {160, 104, 22}};
const TPalette Steel{{220, 228, 236}, {126, 142, 160}, {62, 74, 88}};

// The icons' photograph: a narrower mount and a larger sun than the list's picture.
void Photo(TArt& a, double x, double y, double w, double h) {
    FramedPicture(a, x, y, w, h, {.Corner = 1.0, .Inset = 2.5, .SunAcross = 0.72, .SunSize = 0.17});
}

enum class TGlyph { Plus, Minus, Cross, Play };

// A round badge in the lower right corner with a white sign.
void Badge(TArt& a, const TPalette& palette, TGlyph glyph) {
    QPainter& p = a.P;
    const double centre = a.Small ? 23.0 : 24.0;
    const QPointF c = a.Pt(centre, centre);
    const double radius = (a.Small ? 9.2 : 7.5) * a.U;
    QRadialGradient fill(c - QPointF(radius * 0.4, radius * 0.5), radius * 1.6);
    fill.setColorAt(0, palette.Light);
    fill.setColorAt(1, palette.Dark);
    p.setPen(a.Line(palette.Edge));
    p.setBrush(fill);
    p.drawEllipse(c, radius, radius);
    if (!a.Small) {
        // A gloss on the upper half.
        QPainterPath gloss;
        gloss.addEllipse(
            QRectF(c.x() - radius * 0.7, c.y() - radius * 0.92, radius * 1.4, radius * 0.9));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 70));
        p.drawPath(gloss);
    }
    const double arm = radius * 0.55;
    QPen pen = a.Line(White, a.Small ? 1.6 : 2.4);
    pen.setCapStyle(Qt::FlatCap);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case TGlyph::Plus:
        p.drawLine(c - QPointF(arm, 0), c + QPointF(arm, 0));
        p.drawLine(c - QPointF(0, arm), c + QPointF(0, arm));
        break;
    case TGlyph::Minus:
        p.drawLine(c - QPointF(arm, 0), c + QPointF(arm, 0));
        break;
    case TGlyph::Cross: {
        const double d = arm * 0.8;
        p.drawLine(c + QPointF(-d, -d), c + QPointF(d, d));
        p.drawLine(c + QPointF(-d, d), c + QPointF(d, -d));
        break;
    }
    case TGlyph::Play: {
        QPainterPath tri;
        tri.moveTo(c + QPointF(-arm * 0.6, -arm));
        tri.lineTo(c + QPointF(arm * 1.0, 0));
        tri.lineTo(c + QPointF(-arm * 0.6, arm));
        tri.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(White);
        p.drawPath(tri);
        break;
    }
    }
}

void Folder(TArt& a, double x, double y, double w, double h) {
    QPainter& p = a.P;
    const QRectF body = a.Box(x, y + h * 0.18, w, h * 0.82);
    // The back with its tab.
    QPainterPath back;
    const QRectF tabArea = a.Box(x, y, w * 0.42, h * 0.3);
    back.moveTo(body.left(), body.bottom());
    back.lineTo(body.left(), tabArea.top() + 1);
    back.quadTo(body.left(), tabArea.top(), body.left() + 1, tabArea.top());
    back.lineTo(tabArea.right() - 1.5 * a.U, tabArea.top());
    back.lineTo(tabArea.right() + 1.0 * a.U, body.top());
    back.lineTo(body.right(), body.top());
    back.lineTo(body.right(), body.bottom());
    back.closeSubpath();
    p.setPen(a.Line(Gold.Edge));
    p.setBrush(a.Vertical(QColor(246, 196, 86), QColor(214, 146, 34), body));
    p.drawPath(back);
    // A sheet of paper peeking out.
    if (!a.Small) {
        p.setPen(a.Line(QColor(150, 160, 170)));
        p.setBrush(White);
        p.drawRect(a.Box(x + w * 0.14, y + h * 0.26, w * 0.72, h * 0.4));
    }
    // The front flap, slanted.
    QPainterPath front;
    const double top = body.top() + body.height() * (a.Small ? 0.28 : 0.3);
    front.moveTo(body.left(), body.bottom());
    front.lineTo(body.left() + 1.5 * a.U, top);
    front.lineTo(body.right() + 0.0, top);
    front.lineTo(body.right() - 1.5 * a.U, body.bottom());
    front.closeSubpath();
    p.setPen(a.Line(Gold.Edge));
    p.setBrush(a.Vertical(Gold.Light, Gold.Dark,
                          QRectF(body.left(), top, body.width(), body.bottom() - top)));
    p.drawPath(front);
    if (!a.Small) {
        p.setPen(a.Line(QColor(255, 245, 200, 200)));
        p.drawLine(QPointF(body.left() + 2.2 * a.U, top + 1), QPointF(body.right() - 1, top + 1));
    }
}

void AddFile(TArt& a) {
    Photo(a, 2, 4, 24, 20);
    Badge(a, Green, TGlyph::Plus);
}

void AddFolder(TArt& a) {
    Folder(a, 1, 4, 27, 21);
    Badge(a, Green, TGlyph::Plus);
}

void ClearAll(TArt& a) {
    if (!a.Small)
        Photo(a, 7, 2, 21, 17);
    Photo(a, a.Small ? 1 : 2, a.Small ? 4 : 8, a.Small ? 24 : 21, a.Small ? 20 : 17);
    Badge(a, Red, TGlyph::Cross);
}

void Gear(TArt& a, double cx, double cy, double outer, double inner, double hole, int teeth) {
    QPainter& p = a.P;
    QPolygonF teethOutline;
    const int steps = teeth * 4;
    for (int i = 0; i <= steps; ++i) {
        const double angle = 2 * M_PI * i / steps - M_PI / 2;
        const int phase = i % 4;
        const double r = (phase == 1 || phase == 2) ? outer : inner;
        teethOutline << a.Pt(cx + r * std::cos(angle), cy + r * std::sin(angle));
    }
    QPainterPath gear;
    gear.addPolygon(teethOutline);
    gear.closeSubpath();
    QPainterPath centre;
    centre.addEllipse(a.Pt(cx, cy), hole * a.U, hole * a.U);
    gear = gear.subtracted(centre);
    const QRectF bounds = a.Area(cx - outer, cy - outer, 2 * outer, 2 * outer);
    p.setPen(a.Line(Steel.Edge));
    p.setBrush(a.Shade(Steel, bounds));
    p.drawPath(gear);
    if (!a.Small) {
        p.setPen(a.Line(QColor(255, 255, 255, 150)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(a.Pt(cx, cy), (inner - 2.6) * a.U, (inner - 2.6) * a.U);
    }
}

void Options(TArt& a) {
    if (a.Small) {
        Gear(a, 16, 16, 15, 11, 4.5, 8);
        return;
    }
    Gear(a, 13, 13, 12, 9, 3.6, 8);
    Gear(a, 23.5, 23.5, 8, 5.8, 2.4, 6);
}

void Process(TArt& a) {
    Photo(a, 2, 4, 24, 20);
    Badge(a, Green, TGlyph::Play);
}

void RoundSign(TArt& a, const TPalette& palette) {
    QPainter& p = a.P;
    const QRectF circle = a.Box(2, 2, 28, 28);
    QRadialGradient fill(circle.center() - QPointF(circle.width() * 0.2, circle.height() * 0.25),
                         circle.width() * 0.8);
    fill.setColorAt(0, palette.Light);
    fill.setColorAt(1, palette.Dark);
    p.setPen(a.Line(palette.Edge));
    p.setBrush(fill);
    p.drawEllipse(circle);
    if (!a.Small) {
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 60));
        p.drawEllipse(a.Area(7, 4, 18, 11));
    }
}

void About(TArt& a) {
    QPainter& p = a.P;
    RoundSign(a, Blue);
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawEllipse(a.Pt(16, 9.5), 2.4 * a.U, 2.4 * a.U);
    p.drawRoundedRect(a.Area(13.8, 13.5, 4.4, 11.5), 1.0 * a.U, 1.0 * a.U);
}

void Help(TArt& a) {
    QPainter& p = a.P;
    RoundSign(a, Blue);
    QPainterPath mark;
    mark.moveTo(11.2, 12.0);
    mark.cubicTo(11.2, 6.6, 20.8, 6.6, 20.8, 11.6);
    mark.cubicTo(20.8, 15.0, 16.0, 15.0, 16.0, 19.0);
    p.setPen(a.Line(White, (a.Small ? 4.2 : 3.8) * a.U));
    p.setBrush(Qt::NoBrush);
    p.drawPath(a.Scaled(mark));
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    p.drawEllipse(a.Pt(16, 24), 2.4 * a.U, 2.4 * a.U);
}

void Magnifier(TArt& a, double cx, double cy, double r) {
    QPainter& p = a.P;
    // Handle first, under the rim.
    QPen handle = a.Line(QColor(60, 46, 36), (a.Small ? 3.2 : 4.5) * a.U);
    p.setPen(handle);
    const double d = r * 0.7071;
    p.drawLine(a.Pt(cx + d, cy + d), a.Pt(cx + d + r * 0.85, cy + d + r * 0.85));
    QRadialGradient glass(a.Pt(cx - r * 0.35, cy - r * 0.4), r * 1.4 * a.U);
    glass.setColorAt(0, QColor(255, 255, 255, 235));
    glass.setColorAt(1, QColor(150, 205, 250, 190));
    p.setPen(a.Line(Steel.Edge, (a.Small ? 1.6 : 2.4) * a.U));
    p.setBrush(glass);
    p.drawEllipse(a.Pt(cx, cy), r * a.U, r * a.U);
    if (!a.Small) {
        p.setPen(a.Line(QColor(255, 255, 255, 220), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawArc(a.Area(cx - r + 2.2, cy - r + 2.2, 2 * r - 4.4, 2 * r - 4.4), 100 * 16, 70 * 16);
    }
}

void Preview(TArt& a) {
    if (!a.Small)
        Photo(a, 2, 3, 22, 18);
    else
        Photo(a, 1, 1, 22, 18);
    Magnifier(a, 19, 18, a.Small ? 7.5 : 7);
}

void Paste(TArt& a) {
    QPainter& p = a.P;
    const QRectF board = a.Box(4, 4, 24, 27);
    p.setPen(a.Line(QColor(110, 70, 30)));
    p.setBrush(a.Shade({{222, 168, 100}, {168, 108, 48}, {}}, board));
    p.drawRoundedRect(board, 1.5 * a.U, 1.5 * a.U);
    const QRectF sheet = a.Box(7, 8, 18, 20);
    p.setPen(a.Line(QColor(140, 150, 160)));
    p.setBrush(a.Vertical(White, QColor(236, 240, 245), sheet));
    p.drawRect(sheet);
    if (!a.Small) {
        p.setPen(a.Line(QColor(160, 176, 196)));
        for (double y : {15.5, 19.5, 23.5})
            p.drawLine(a.Pt(10, y), a.Pt(y < 20 ? 22 : 19, y));
    }
    // The clip.
    const QRectF clip = a.Box(11, 2, 10, 6);
    p.setPen(a.Line(Steel.Edge));
    p.setBrush(a.Vertical(Steel.Light, Steel.Dark, clip));
    p.drawRoundedRect(clip, 1.2 * a.U, 1.2 * a.U);
    if (!a.Small) {
        p.setPen(Qt::NoPen);
        p.setBrush(Steel.Edge);
        p.drawEllipse(a.Pt(16, 4), 1.2 * a.U, 1.2 * a.U);
    }
}

void Envelope(TArt& a, double x, double y, double w, double h) {
    QPainter& p = a.P;
    const QRectF body = a.Box(x, y, w, h);
    p.setPen(a.Line(QColor(70, 88, 110)));
    p.setBrush(a.Vertical(White, QColor(222, 230, 240), body));
    p.drawRect(body);
    QPainterPath flap;
    flap.moveTo(body.topLeft());
    flap.lineTo(body.center().x(), body.top() + body.height() * 0.58);
    flap.lineTo(body.topRight());
    p.setBrush(Qt::NoBrush);
    p.drawPath(flap);
    if (!a.Small) {
        p.setPen(a.Line(QColor(70, 88, 110, 110)));
        p.drawLine(body.bottomLeft(),
                   QPointF(body.left() + body.width() * 0.38, body.top() + body.height() * 0.48));
        p.drawLine(body.bottomRight(),
                   QPointF(body.right() - body.width() * 0.38, body.top() + body.height() * 0.48));
    }
}

void Email(TArt& a) {
    if (a.Small) {
        Envelope(a, 0, 3, 32, 22);
        Badge(a, Green, TGlyph::Play);
        return;
    }
    // The picture slides into the envelope.
    Photo(a, 9, 1, 18, 14);
    Envelope(a, 1, 10, 26, 17);
    Badge(a, Green, TGlyph::Play);
}

void Remove(TArt& a) {
    Photo(a, 2, 4, 24, 20);
    Badge(a, Red, TGlyph::Minus);
}

void Scanner(TArt& a) {
    QPainter& p = a.P;
    // The lid, raised a little.
    QPainterPath lid;
    lid.moveTo(a.Pt(3, 15));
    lid.lineTo(a.Pt(6, 7));
    lid.lineTo(a.Pt(29, 7));
    lid.lineTo(a.Pt(29, 15));
    lid.closeSubpath();
    p.setPen(a.Line(Steel.Edge));
    p.setBrush(a.Vertical(QColor(238, 242, 246), QColor(176, 188, 200), a.Area(3, 7, 26, 8)));
    p.drawPath(lid);
    // The body.
    const QRectF body = a.Box(1, 14, 30, 13);
    p.setBrush(a.Vertical(QColor(210, 218, 226), QColor(120, 134, 150), body));
    p.drawRoundedRect(body, 1.5 * a.U, 1.5 * a.U);
    // Glass with the scanning light.
    const QRectF glass = a.Box(3, 16, 26, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 56, 74));
    p.drawRect(glass.adjusted(-0.5, -0.5, 0.5, 0.5));
    QLinearGradient light(glass.topLeft(), glass.topRight());
    light.setColorAt(0, QColor(120, 255, 170, 0));
    light.setColorAt(0.5, QColor(150, 255, 190));
    light.setColorAt(1, QColor(120, 255, 170, 0));
    p.setBrush(light);
    p.drawRect(QRectF(glass.left(), glass.center().y() - 0.8 * a.U, glass.width(),
                      std::max(1.0, 1.6 * a.U)));
    if (!a.Small) {
        p.setBrush(QColor(80, 220, 110));
        p.drawEllipse(a.Pt(5, 23.5), 1.3 * a.U, 1.3 * a.U);
    }
    Badge(a, Green, TGlyph::Plus);
}

void Stop(TArt& a) {
    QPainter& p = a.P;
    QPolygonF corners;
    for (int i = 0; i < 8; ++i) {
        const double angle = M_PI / 8 + i * M_PI / 4;
        corners << a.Pt(16 + 14.5 * std::cos(angle), 16 + 14.5 * std::sin(angle));
    }
    QPainterPath octagon;
    octagon.addPolygon(corners);
    octagon.closeSubpath();
    QRadialGradient fill(a.Pt(11, 9), 22 * a.U);
    fill.setColorAt(0, Red.Light);
    fill.setColorAt(1, Red.Dark);
    p.setPen(a.Line(Red.Edge));
    p.setBrush(fill);
    p.drawPath(octagon);
    if (!a.Small) {
        QTransform inner;
        inner.translate(16 * a.U, 16 * a.U);
        inner.scale(0.84, 0.84);
        inner.translate(-16 * a.U, -16 * a.U);
        p.setPen(a.Line(QColor(255, 255, 255, 210), 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawPath(inner.map(octagon));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(White);
    const double side = a.Small ? 11 : 10;
    p.drawRoundedRect(a.Area(16 - side / 2, 16 - side / 2, side, side), 1.0 * a.U, 1.0 * a.U);
}

void Star(TArt& a, double cx, double cy, double r) {
    QPolygonF points;
    for (int i = 0; i < 8; ++i) {
        const double angle = -M_PI / 2 + i * M_PI / 4;
        const double radius = (i % 2 == 0) ? r : r * 0.32;
        points << a.Pt(cx + radius * std::cos(angle), cy + radius * std::sin(angle));
    }
    QPainterPath star;
    star.addPolygon(points);
    star.closeSubpath();
    a.P.setPen(a.Line(QColor(196, 128, 10), a.Small ? 0.8 : 1.0));
    a.P.setBrush(QColor(255, 214, 60));
    a.P.drawPath(star);
}

void Wizard(TArt& a) {
    QPainter& p = a.P;
    // The wand: dark stick, white tip, pointing up to the right.
    const QPointF handle = a.Small ? QPointF(4, 28) : QPointF(5, 28);
    const QPointF joint = a.Small ? QPointF(16, 16) : QPointF(19, 14);
    const QPointF end = a.Small ? QPointF(19.5, 12.5) : QPointF(22, 11);
    const double width = (a.Small ? 5.0 : 3.6) * a.U;
    p.setPen(a.Line(QColor(36, 40, 48), width));
    p.drawLine(a.Pt(handle.x(), handle.y()), a.Pt(joint.x(), joint.y()));
    p.setPen(a.Line(QColor(250, 250, 250), width));
    p.drawLine(a.Pt(joint.x(), joint.y()), a.Pt(end.x(), end.y()));
    if (a.Small) {
        Star(a, 23, 9, 8.5);
        return;
    }
    Star(a, 24, 8, 6.5);
    Star(a, 12, 6, 3.8);
    Star(a, 28, 19, 3.4);
}

void RotateArrow(TArt& a, bool clockwise) {
    QPainter& p = a.P;
    if (!a.Small)
        Photo(a, 9, 9, 16, 13);
    // A three-quarter arc with a bold head.
    const double cx = 16, cy = 16, r = a.Small ? 10.5 : 11.5;
    const double width = a.Small ? 5.0 : 4.2;
    const double start = clockwise ? 200.0 : -20.0; // degrees, y pointing down
    const double sweep = clockwise ? 235.0 : -235.0;
    QPainterPath arc;
    const auto at = [&](double degrees, double radius) {
        const double rad = degrees * M_PI / 180.0;
        return QPointF(cx + radius * std::cos(rad), cy + radius * std::sin(rad));
    };
    arc.moveTo(at(start, r));
    const int steps = 48;
    for (int i = 1; i <= steps; ++i)
        arc.lineTo(at(start + sweep * i / steps, r));
    QPainterPathStroker stroker;
    stroker.setWidth(width);
    stroker.setCapStyle(Qt::FlatCap);
    stroker.setJoinStyle(Qt::RoundJoin);
    QPainterPath body = stroker.createStroke(arc);
    // The head at the end of the sweep, pointing along it.
    const double end = start + sweep;
    const double dir = clockwise ? 1.0 : -1.0;
    const double headLength = a.Small ? 9.0 : 8.5;
    const double headHalf = a.Small ? 6.2 : 6.0;
    const double endRad = end * M_PI / 180.0;
    const QPointF base = at(end, r);
    const QPointF tangent(-std::sin(endRad) * dir, std::cos(endRad) * dir);
    const QPointF normal(std::cos(endRad), std::sin(endRad));
    QPainterPath head;
    head.moveTo(base + tangent * headLength);
    head.lineTo(base + normal * headHalf);
    head.lineTo(base - normal * headHalf);
    head.closeSubpath();
    body = body.united(head).simplified();
    const QPainterPath shape = a.Scaled(body);
    p.setPen(a.Line(Blue.Edge));
    p.setBrush(a.Shade(Blue, a.Area(4, 4, 24, 24)));
    p.drawPath(shape);
}

void RotateLeft(TArt& a) {
    RotateArrow(a, false);
}
void RotateRight(TArt& a) {
    RotateArrow(a, true);
}

void ScreenSaver(TArt& a) {
    QPainter& p = a.P;
    // Stand.
    QPainterPath stand;
    stand.moveTo(a.Pt(13, 24));
    stand.lineTo(a.Pt(19, 24));
    stand.lineTo(a.Pt(21, 29));
    stand.lineTo(a.Pt(11, 29));
    stand.closeSubpath();
    p.setPen(a.Line(Steel.Edge));
    p.setBrush(a.Vertical(Steel.Light, Steel.Dark, a.Area(11, 24, 10, 5)));
    p.drawPath(stand);
    if (!a.Small)
        p.drawRoundedRect(a.Box(8, 28, 16, 3), 1.0, 1.0);
    // Bezel.
    const QRectF bezel = a.Box(1, 3, 30, 22);
    p.setPen(a.Line(QColor(30, 34, 40)));
    p.setBrush(a.Vertical(QColor(96, 106, 120), QColor(40, 46, 54), bezel));
    p.drawRoundedRect(bezel, 2.0 * a.U, 2.0 * a.U);
    // The screen shows a picture.
    const double inset = a.Small ? 2 : 2.5;
    const QRectF screen = a.Box(1 + inset, 3 + inset, 30 - 2 * inset, 22 - 2 * inset - 0.5);
    p.save();
    p.setClipRect(screen.adjusted(-0.5, -0.5, 0.5, 0.5));
    p.setPen(Qt::NoPen);
    const QRectF s = screen.adjusted(-0.5, -0.5, 0.5, 0.5);
    p.fillRect(s, a.Vertical(QColor(40, 90, 190), QColor(150, 200, 255), s));
    p.setBrush(a.Vertical(QColor(90, 180, 70), QColor(30, 110, 40), s));
    p.drawPath(Hill(s, 0.25, 0.35, 0.45, 0.6, 0.55, 0.4));
    // A crescent moon and stars: a screen at rest.
    const QPointF moon(s.left() + s.width() * 0.75, s.top() + s.height() * 0.3);
    const double mr = s.height() * 0.2;
    QPainterPath crescent;
    crescent.addEllipse(moon, mr, mr);
    QPainterPath bite;
    bite.addEllipse(moon + QPointF(mr * 0.55, -mr * 0.3), mr * 0.9, mr * 0.9);
    p.setBrush(QColor(255, 236, 150));
    p.drawPath(crescent.subtracted(bite));
    if (!a.Small) {
        p.setBrush(QColor(255, 255, 255, 220));
        for (const QPointF& star : {QPointF(0.2, 0.22), QPointF(0.42, 0.14), QPointF(0.55, 0.35)})
            p.drawEllipse(QPointF(s.left() + s.width() * star.x(), s.top() + s.height() * star.y()),
                          0.7, 0.7);
        // A glint across the glass.
        QLinearGradient glint(s.topLeft(), s.bottomRight());
        glint.setColorAt(0, QColor(255, 255, 255, 70));
        glint.setColorAt(0.45, QColor(255, 255, 255, 0));
        p.fillRect(s, glint);
    }
    p.restore();
}

// In the order of the action table's icon column.
const TDraw Drawings[] = {
    AddFile,     // 0 Add file
    AddFolder,   // 1 Add folder
    ClearAll,    // 2 Clear all
    Options,     // 3 Options
    Process,     // 4 Process
    About,       // 5 About
    Help,        // 6 Help
    Preview,     // 7 Preview
    Paste,       // 8 Paste
    Email,       // 9 Process & Email
    Remove,      // 10 Remove
    Scanner,     // 11 Add Twain
    Stop,        // 12 Stop
    Wizard,      // 13 Wizard
    RotateLeft,  // 14 Rotate left
    RotateRight, // 15 Rotate right
    ScreenSaver, // 16 Screen Saver
};
static_assert(std::size(Drawings) == IconCount);

// A soft shadow cast down and to the right from the icon's own shape.
QImage WithShadow(const QImage& icon, int size) {
    return DropShadow(icon, size >= 24 ? 2 : 1, size >= 24 ? 1 : 0, 1, size >= 24 ? 0.38 : 0.28);
}

// Every pixel either drawn or not, for displays without alpha.
QImage HardEdged(const QImage& icon) {
    QImage out = icon.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const QRgb c = out.pixel(x, y);
            out.setPixel(x, y, qAlpha(c) >= 128 ? (c | 0xFF000000u) : 0u);
        }
    return out;
}

QImage Strip(int size, bool trueColour) {
    QImage strip(size * IconCount, size, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter out(&strip);
    for (int i = 0; i < IconCount; ++i) {
        const QImage icon = Drawn(Drawings[i], size);
        const QImage finished = trueColour ? WithShadow(icon, size) : HardEdged(icon);
        out.drawImage(i * size, 0, finished);
    }
    return strip;
}

} // namespace

int main(int argc, char* argv[]) {
    return WriteOutputs(argc, argv, "zv_makeicons",
                        {{"xpzvicons32.png", [] { return Strip(32, true); }},
                         {"xpzvicons16.png", [] { return Strip(16, true); }},
                         {"zvicons32.png", [] { return Strip(32, false); }},
                         {"zvicons16.png", [] { return Strip(16, false); }}});
}
