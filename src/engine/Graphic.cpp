#include "Graphic.h"

#include "Exceptions.h"

#include <QImageReader>
#include <QImageWriter>
#include <QPainter>

void TGraphic::SetWidth(int) {
    throw EAbstractError(QStringLiteral("Abstract Error"));
}
void TGraphic::SetHeight(int) {
    throw EAbstractError(QStringLiteral("Abstract Error"));
}

void TGraphic::Draw(QPainter& canvas, const QRect& rect) const {
    TBitmap bitmap;
    AssignTo(bitmap);
    if (!bitmap.isNull())
        canvas.drawImage(rect, bitmap);
}

void TToolkitGraphic::LoadFromFile(const QString& fileName) {
    QImageReader reader(fileName);
    reader.setAutoTransform(true);
    FImage = reader.read();
}

bool TToolkitGraphic::SaveToFile(const QString& fileName) {
    return !FImage.isNull() && FImage.save(fileName);
}

void TToolkitGraphic::LoadFromStream(QIODevice& stream) {
    QImageReader reader(&stream);
    FImage = reader.read();
}

void TToolkitGraphic::SaveToStream(QIODevice& stream) {
    if (!FImage.isNull())
        QImageWriter(&stream, "BMP").write(FImage);
}

void TToolkitGraphic::AssignTo(TBitmap& bitmap) const {
    bitmap = FImage.isNull() ? TBitmap() : FImage.convertToFormat(BitmapFormat);
}
