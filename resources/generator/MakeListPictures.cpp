// Draws the image list's own pictures, in the manner of the action icons (one outline colour,
// light from the top left, a soft shadow): a document page and a framed picture, as 16-pixel
// icons for the details style and as 84-pixel placeholders for the thumbnail style, each a
// strip of two pictures side by side in that order.
//
//   zv_makelistpictures <output folder>

#include "Art.h"
#include "DropShadow.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// The frame every thumbnail cell carries.
const QColor Silver(192, 192, 192);

// A sheet with its top right corner folded over and lines of text.
void DocumentPage(TArt& c) {
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
    p.setBrush(c.Vertical(PaperTop, PaperBottom, sheet));
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

// A picture in a white mount.
void Picture(TArt& c) {
    FramedPicture(c, 2, 5, 28, 23,
                  {.Corner = c.U, .Inset = 3.0, .SunAcross = 0.74, .SunSize = 0.16});
}

// In picture-index order: 0 any other file, 1 an image file.
const TDraw Drawings[] = {DocumentPage, Picture};

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
    return WriteOutputs(
        argc, argv, "zv_makelistpictures",
        {{"listicons16.png", IconStrip}, {"thumbplaceholders84.png", PlaceholderStrip}});
}
