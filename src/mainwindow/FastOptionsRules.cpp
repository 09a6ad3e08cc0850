#include "FastOptionsRules.h"

#include "ImageThread.h"

#include <algorithm>

const QStringList& OutputFormatItems() {
    static const QStringList items = {QStringLiteral("JPG"), QStringLiteral("PNG"),
                                      QStringLiteral("BMP"), QStringLiteral("GIF")};
    return items;
}

int OutputFormatIndex(const QString& format) {
    const QStringList& items = OutputFormatItems();
    for (int i = 0; i < items.size(); ++i)
        if (items[i].compare(format, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

bool QualityShown(const QString& formatText) {
    return formatText == QLatin1String("JPG");
}

const QStringList& OutputDimensionItems() {
    static const QStringList items = {QStringLiteral("LARGE"), QStringLiteral("MEDIUM"),
                                      QStringLiteral("THUMBNAIL")};
    return items;
}

namespace {

// The shown list runs from Large down to Thumbnail, the size indexes the other way.
TSizeFields ShownSizeFields(int shownSize) {
    switch (shownSize) {
    case ShownMedium:
        return SizeFields(SizeMedium);
    case ShownThumbnail:
        return SizeFields(SizeThumbnail);
    default:
        return SizeFields(SizeLarge);
    }
}

} // namespace

TSizeValues ShownSizeValues(const TSettings& settings, int shownSize) {
    const TSizeFields fields = ShownSizeFields(shownSize);
    return {settings.*fields.Width, settings.*fields.Height, settings.*fields.Enabled};
}

void StoreShownSizeValues(TSettings& settings, int shownSize, const TSizeValues& values) {
    const TSizeFields fields = ShownSizeFields(shownSize);
    settings.*fields.Width = values.Width;
    settings.*fields.Height = values.Height;
    settings.*fields.Enabled = values.Include;
}

int ClampToSpin(int value, const TSpinRange& range) {
    return std::clamp(value, range.Min, range.Max);
}

int ClampListIndex(int index, int count) {
    if (count <= 0)
        return -1;
    return std::clamp(index, 0, count - 1);
}

QRect SampleInnerRect(QSize shape, int penWidth) {
    const int pen = std::max(penWidth, 0);
    const QRect inner(pen, pen, shape.width() - 2 * pen, shape.height() - 2 * pen);
    return inner.isValid() ? inner : QRect();
}

QColor ToQColor(TColor colour) {
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

TColor ToTColor(const QColor& colour) {
    return TColor(colour.red()) | TColor(colour.green()) << 8 | TColor(colour.blue()) << 16;
}

quint8 AddDecorationFlags(quint8 flags, bool border, bool watermark, bool annotation) {
    if (border)
        flags |= RunBorder;
    if (watermark)
        flags |= RunWatermark;
    if (annotation)
        flags |= RunAnnotation;
    return flags;
}
