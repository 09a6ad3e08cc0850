#pragma once

#include <QImage>
#include <QRect>
#include <QString>

class QIODevice;
class QPainter;

// The toolkit's 24-bit bitmap: rows of blue, green, red bytes.
using TBitmap = QImage;
inline constexpr QImage::Format BitmapFormat = QImage::Format_BGR888;

// Colours in the layout 0x00BBGGRR, red in the lowest byte.
using TColor = quint32;

// A picture the picture framework can create for a file extension.
class TGraphic {
public:
    virtual ~TGraphic() = default;

    virtual void LoadFromFile(const QString& fileName) = 0;
    virtual bool SaveToFile(const QString& fileName) = 0;
    virtual void LoadFromStream(QIODevice& stream) = 0;
    virtual void SaveToStream(QIODevice& stream) = 0;

    virtual bool GetEmpty() const = 0;
    virtual int GetWidth() const = 0;
    virtual int GetHeight() const = 0;
    virtual void SetWidth(int value);
    virtual void SetHeight(int value);

    // Copies the first frame into a 24-bit bitmap.
    virtual void AssignTo(TBitmap& bitmap) const = 0;
    virtual void Assign(const TBitmap& bitmap) = 0;
    virtual void Draw(QPainter& canvas, const QRect& rect) const;
};

// A picture read by the toolkit's own image readers.
class TToolkitGraphic : public TGraphic {
public:
    void LoadFromFile(const QString& fileName) override;
    bool SaveToFile(const QString& fileName) override;
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) override;
    bool GetEmpty() const override { return FImage.isNull(); }
    int GetWidth() const override { return FImage.width(); }
    int GetHeight() const override { return FImage.height(); }
    void AssignTo(TBitmap& bitmap) const override;
    void Assign(const TBitmap& bitmap) override { FImage = bitmap; }

private:
    QImage FImage;
};
