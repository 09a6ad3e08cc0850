#pragma once

#include "ImageList.h"
#include "Thumbnail.h"

#include <QString>

struct TListEntry;
class TPrompts;

// Values of LIST_ICONS.
inline constexpr int ListStyleThumbnails = 0;
inline constexpr int ListStyleDetails = 1;

// The size of the details style's icons.
inline constexpr int ListIconSize = 16;
// Picture indices of both built-in pairs.
inline constexpr int DocumentPicture = 0;
inline constexpr int ImagePicture = 1;

struct TListEntry;
// The built-in picture an entry shows by its extension.
int ExtensionPicture(const TListEntry& entry);

// More entries than this make the thumbnails a question.
inline constexpr int ThumbnailQuestionLimit = 100;

// The question asked before thumbnails are made for many files.
QString SimpleIconsQuestion();

// Whether thumbnails are made for this many files: without asking up to the limit, beyond it
// only when the user declines the simple icons.
bool ThumbnailsWanted(TPrompts& prompts, int count);

// The picture lists of the image list: the details style's icons, the two thumbnail
// placeholders, and the thumbnails made so far behind the placeholders.
class TListPictures {
public:
    TListPictures();

    TImageList LVImageList{ListIconSize, ListIconSize};
    TImageList DefThumbIL{ThumbnailCellSize, ThumbnailCellSize};
    TImageList ThumbIL{ThumbnailCellSize, ThumbnailCellSize};

    // Forgets every thumbnail; only the two placeholders stay.
    void ResetThumbnails();

    // The entry's picture index for a LIST_ICONS value: in the details style its icon by
    // extension (the file is not opened); in the thumbnail style a new thumbnail when asked
    // for (placeholder 0 when the file gives none), else the fallback index; -1 otherwise.
    int GetEntryImageIndex(const TListEntry& entry, int style, bool makeThumbnail,
                           int fallbackIndex);
};
