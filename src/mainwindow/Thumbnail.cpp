#include "Thumbnail.h"

#include "ImageList.h"
#include "MagickImage.h"

#include <QPainter>

namespace {

// n / d rounded to the nearest integer, halves up; both are not negative.
qint64 RoundedQuotient(qint64 n, qint64 d) {
    return (2 * n + d) / (2 * d);
}

} // namespace

QRect ThumbnailRect(const QSize& picture, const QSize& cell) {
    const qint64 width = picture.width();
    const qint64 height = picture.height();
    if (width <= 0 || height <= 0 || cell.isEmpty())
        return {};
    qint64 drawnWidth = cell.width();
    qint64 drawnHeight = cell.height();
    if (width > height)
        drawnHeight = RoundedQuotient(height * cell.width(), width);
    else
        drawnWidth = RoundedQuotient(width * cell.height(), height);
    const int left = static_cast<int>((cell.width() - drawnWidth) / 2);
    const int top = static_cast<int>((cell.height() - drawnHeight) / 2);
    return {left, top, static_cast<int>(drawnWidth), static_cast<int>(drawnHeight)};
}

QImage RenderThumbnail(const QString& path, const QSize& cell, TThumbnailDecode decode) {
    if (cell.isEmpty())
        return {};
    TMagickImage image;
    // The fit is worked out on the file's own size, so a reduced decode (whose sides libjpeg
    // rounds up) gives exactly the geometry of a whole one.
    QSize fileSize;
    if (decode == TThumbnailDecode::Reduced) {
        fileSize = TMagickImage::JpegFileSize(path);
        // Below twice the cell libjpeg would not reduce anyway.
        if (fileSize.width() >= 2 * cell.width() && fileSize.height() >= 2 * cell.height())
            image.SetDecodeSizeHint(cell);
    }
    image.LoadFromFile(path);
    if (image.GetEmpty() || image.GetWidth() <= 0 || image.GetHeight() <= 0)
        return {};
    const QSize pictureSize =
        fileSize.isValid() ? fileSize : QSize(image.GetWidth(), image.GetHeight());

    QImage thumbnail(cell, QImage::Format_RGB32);
    thumbnail.fill(Qt::white);
    const QRect drawn = ThumbnailRect(pictureSize, cell);
    if (!drawn.isEmpty()) {
        TBitmap bitmap;
        image.AssignTo(bitmap);
        if (bitmap.isNull())
            return {};
        // Averaged down rather than sampled, so fine detail does not turn into noise.
        const QImage scaled =
            bitmap.scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        QPainter painter(&thumbnail);
        painter.drawImage(drawn.topLeft(), scaled);
    }
    QPainter frame(&thumbnail);
    frame.setPen(QColor::fromRgb(ThumbnailFrameColour));
    frame.drawRect(0, 0, cell.width() - 1, cell.height() - 1);
    return thumbnail;
}

int MakeThumbnail(const QString& path, TImageList& list, int failureIndex,
                  TThumbnailDecode decode) {
    try {
        const QImage thumbnail = RenderThumbnail(path, QSize(list.Width(), list.Height()), decode);
        if (thumbnail.isNull())
            return failureIndex;
        const int index = list.Add(thumbnail);
        return index < 0 ? failureIndex : index;
    } catch (...) {
        // An unbound library or a failed allocation: the entry shows its placeholder.
        return failureIndex;
    }
}
