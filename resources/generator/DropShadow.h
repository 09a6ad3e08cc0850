#pragma once

#include <QImage>
#include <QPainter>

#include <vector>

// A soft shadow cast down and to the right from the drawing's own shape, under the drawing.
inline QImage DropShadow(const QImage& drawing, int radius, int dx, int dy, double strength) {
    const int w = drawing.width(), h = drawing.height();
    std::vector<double> a(w * h, 0.0), b(w * h, 0.0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int sx = x - dx, sy = y - dy;
            if (sx >= 0 && sy >= 0 && sx < w && sy < h)
                a[y * w + x] = qAlpha(drawing.pixel(sx, sy)) / 255.0;
        }
    // Two box passes make a passable blur.
    for (int pass = 0; pass < 2; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double sum = 0;
                int n = 0;
                for (int k = -radius; k <= radius; ++k)
                    if (x + k >= 0 && x + k < w) {
                        sum += a[y * w + x + k];
                        ++n;
                    }
                b[y * w + x] = sum / n;
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double sum = 0;
                int n = 0;
                for (int k = -radius; k <= radius; ++k)
                    if (y + k >= 0 && y + k < h) {
                        sum += b[(y + k) * w + x];
                        ++n;
                    }
                a[y * w + x] = sum / n;
            }
    }
    QImage out(drawing.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const int value = static_cast<int>(a[y * w + x] * strength * 255 + 0.5);
            out.setPixel(x, y, qRgba(0, 0, 0, value));
        }
    QPainter p(&out);
    p.drawImage(0, 0, drawing);
    p.end();
    return out.convertToFormat(QImage::Format_ARGB32);
}
