#pragma once

#include <QImage>
#include <QRect>
#include <QSize>
#include <QString>

class TImageList;

// The cell of the thumbnail style.
inline constexpr int ThumbnailCellSize = 84;
// The one-pixel frame along the edge of every thumbnail cell.
inline constexpr QRgb ThumbnailFrameColour = qRgb(192, 192, 192);

// How a thumbnail's file is decoded: JPEGs at a reduced scale that still covers the cell, or
// always whole.
enum class TThumbnailDecode { Reduced, Full };

// Where a picture of the given size is drawn in a cell: the longer side fills the cell, the
// other keeps the proportions (rounded, halves up), centred. Empty when a side comes out 0.
QRect ThumbnailRect(const QSize& picture, const QSize& cell);

// The thumbnail of a file: a white cell with the picture fitted and centred and a silver
// frame. A null image when the file cannot be read as a picture.
QImage RenderThumbnail(const QString& path, const QSize& cell,
                       TThumbnailDecode decode = TThumbnailDecode::Reduced);

// Adds the file's thumbnail to the list and returns the new cell's index; failureIndex when
// the file gives no picture. Nothing is reported.
int MakeThumbnail(const QString& path, TImageList& list, int failureIndex,
                  TThumbnailDecode decode = TThumbnailDecode::Reduced);
