#include "ImageList.h"

#include "Exceptions.h"

#include <QImageReader>

namespace {

// Without true colour a pixel is either drawn or not.
QImage WithMask(QImage image) {
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            line[x] = qAlpha(line[x]) >= 128 ? (line[x] | 0xFF000000u) : 0u;
    }
    return image;
}

} // namespace

TImageList::TImageList(int width, int height)
    : FWidth(width)
    , FHeight(height) {}

int TImageList::Add(const QImage& image) {
    if (image.isNull() || FWidth <= 0 || FHeight <= 0)
        return -1;
    QImage cell = image.convertToFormat(QImage::Format_ARGB32);
    if (cell.width() != FWidth || cell.height() != FHeight)
        cell = cell.scaled(FWidth, FHeight, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    FImages.append(FTrueColor ? cell : WithMask(cell));
    return Count() - 1;
}

QImage TImageList::Image(int index) const {
    if (index < 0 || index >= Count())
        return {};
    return FImages[index];
}

void LoadIconFile(TImageList& list, int count, const QString& fileName) {
    QImageReader reader(fileName);
    const QImage strip = reader.read();
    if (strip.isNull())
        return;
    const int side = strip.height();
    for (int i = 0; i < count; ++i) {
        if ((i + 1) * side > strip.width())
            continue;
        list.Add(strip.copy(i * side, 0, side, side));
    }
}

void MakeTrueColor(TImageList& list) {
    if (list.FWidth <= 0 || list.FHeight <= 0)
        throw EZVError(QStringLiteral("Invalid ImageList"));
    const QList<QImage> copy = list.FImages;
    list.FImages.clear();
    list.FTrueColor = true;
    for (const QImage& image : copy)
        list.Add(image);
}
