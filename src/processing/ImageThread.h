#pragma once

#include "Settings.h"

#include <QSize>
#include <QString>
#include <QStringList>

class TMagickImage;

// Run flags: one byte per run.
enum TRunFlag : quint8 {
    RunFit = 0x01,
    RunEmail = 0x02,
    RunBorder = 0x04,
    RunScreenSaver = 0x08,
    RunWatermark = 0x10,
    RunAnnotation = 0x20,
};
inline constexpr quint8 RunDecorationFlags = RunBorder | RunWatermark | RunAnnotation;

// The size an image of width x height is resized to so that it fits the box keeping its
// aspect ratio; small images are enlarged until they touch the box. Throws EZVError for an
// image without pixels.
QSize FitToBox(int width, int height, int boxWidth, int boxHeight);

// The box and enable setting of a size index.
QSize SizeBox(const TSettings& settings, int sizeIndex);
bool SizeEnabled(const TSettings& settings, int sizeIndex);

// The image job of one run: turns one source image into every size due for it.
// It owns none of the objects it works on; the run hands them in.
class TImageThread {
public:
    TImageThread(quint8 flags, const TSettings& settings, TMagickImage& source,
                 const TMagickImage* watermark, QStringList& attachments);

    quint8 Flags() const { return FFlags; }
    int Total = 0;
    bool Running = false;
    // JPEG sources decode at a reduced scale that still leaves twice the pixels of the
    // largest output; the output sizes are those of the full-size image all the same.
    bool ReducedDecoding = true;

    // Loads the file and produces every size due. Throws when the image cannot be read or a
    // size could not be written; the sizes written before stay on disk.
    void ProcessImage(const QString& sourcePath);

private:
    // Produces one size from the source image; false when no file was written.
    bool ProcessSize(const QString& sourcePath, int sizeIndex, bool collect);
    bool SizeDue(int sizeIndex) const;
    void LoadSource(const QString& sourcePath);

    quint8 FFlags;
    const TSettings& FSettings;
    TMagickImage& FSource;
    const TMagickImage* FWatermark;
    QStringList& FAttachments;
    // The source's size as the file holds it, which a reduced decode does not change.
    QSize FSourceSize;
    bool FSourceFitted = false;
};

// True when the file starts like a JPEG, whatever its name says.
bool IsJpegFile(const QString& path);
