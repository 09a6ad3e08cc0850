#pragma once

#include "Graphic.h"
#include "Settings.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

// The items of the output format list, whose text is stored as OUTPUT_FORMAT.
const QStringList& OutputFormatItems();
// The format list's item equal to the format without regard to case; -1 when none is.
int OutputFormatIndex(const QString& format);
// The quality box belongs to JPG only.
bool QualityShown(const QString& formatText);

// The items of the output dimension list; an item's index is the shown size.
enum TShownSize : int { ShownLarge = 0, ShownMedium = 1, ShownThumbnail = 2 };
const QStringList& OutputDimensionItems();

// Width, height and "Include in resizing" of one shown size.
struct TSizeValues {
    int Width = 0;
    int Height = 0;
    bool Include = false;

    bool operator==(const TSizeValues&) const = default;
};
TSizeValues ShownSizeValues(const TSettings& settings, int shownSize);
void StoreShownSizeValues(TSettings& settings, int shownSize, const TSizeValues& values);

// The range and step of a spin box of the panel.
struct TSpinRange {
    int Min;
    int Max;
    int Step;
};
inline constexpr TSpinRange QualitySpin{0, 100, 5};
inline constexpr TSpinRange SizeSpin{1, 10000, 5};
inline constexpr TSpinRange BorderWidthSpin{1, 100, 1};
inline constexpr TSpinRange PositionSpin{0, 10000, 1};

// A value as a spin box of the range shows it.
int ClampToSpin(int value, const TSpinRange& range);
// A stored list index as a list of count items shows it: out-of-range numbers take the
// nearest item, so that a collect never stores an index the list does not have.
int ClampListIndex(int index, int count);

// The border sample: an outline of the pen's width and colour inside the shape's bounds,
// and the white inside left over (empty once the pen fills the shape).
inline constexpr QSize SampleShapeSize{85, 57};
QRect SampleInnerRect(QSize shape, int penWidth);

// Colours are stored as 0x00BBGGRR.
QColor ToQColor(TColor colour);
TColor ToTColor(const QColor& colour);

// The run flags with the decorations whose check boxes are ticked.
quint8 AddDecorationFlags(quint8 flags, bool border, bool watermark, bool annotation);

// The open-picture dialogs' filter.
inline const QString PictureDialogFilter = QStringLiteral(
    "All Supported File Types|*.jpg;*.jpeg;*.bmp;*.gif;*.png;*.tif;*.tiff;|JPG|*.jpg;*.jpeg|"
    "BMP|*.bmp|GIF|*.gif|PNG|*.png|TIFF|*.tif;*.tiff");
