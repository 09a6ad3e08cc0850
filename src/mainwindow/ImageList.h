#pragma once

#include <QImage>
#include <QList>
#include <QString>

// A list of equally sized pictures addressed by index. Until it is made true-colour it keeps
// only an on/off mask per pixel, as the plain icon files are drawn.
class TImageList {
public:
    TImageList(int width, int height);

    int Width() const { return FWidth; }
    int Height() const { return FHeight; }
    int Count() const { return static_cast<int>(FImages.size()); }
    bool TrueColor() const { return FTrueColor; }

    // Adds the picture scaled to the cell size; returns its index, or -1 for a null picture.
    int Add(const QImage& image);
    // The picture at the index; a null image for an index outside the list.
    QImage Image(int index) const;
    void Clear() { FImages.clear(); }

private:
    friend void MakeTrueColor(TImageList& list);

    int FWidth;
    int FHeight;
    bool FTrueColor = false;
    QList<QImage> FImages;
};

// Adds icons 0 to count - 1 of the icon file (a strip of square icons side by side) to the
// list, each sized to the list's cell. An icon the file does not hold is skipped, so the
// following icons take lower indices; a missing file adds nothing. Nothing is reported.
void LoadIconFile(TImageList& list, int count, const QString& fileName);

// Re-creates the list with 32-bit colour and alpha, its pictures kept. Raises
// "Invalid ImageList" when the list has no cell size.
void MakeTrueColor(TImageList& list);
