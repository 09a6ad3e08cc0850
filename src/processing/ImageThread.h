#pragma once

#include "Settings.h"

#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

#include <memory>

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

class TRunHost;

inline constexpr const char* EmailSubject = "Zoravel 2 Email";

// The image job of one run: turns one source image into every size due for it, and runs the
// loop over the host's list. It owns only the source image it creates for a run.
class TImageThread {
public:
    // `source` is the image every file is loaded into; none lets Run create its own.
    TImageThread(quint8 flags, TSettings& settings, TMagickImage* source,
                 const TMagickImage* watermark, QStringList& attachments);
    ~TImageThread();
    TImageThread(const TImageThread&) = delete;
    TImageThread& operator=(const TImageThread&) = delete;

    quint8 Flags() const { return FFlags; }
    int Total = 0;
    bool Running = false;
    // JPEG sources decode at a reduced scale that still leaves twice the pixels of the
    // largest output; the output sizes are those of the full-size image all the same.
    bool ReducedDecoding = true;

    // Loads the file and produces every size due. Throws when the image cannot be read or a
    // size could not be written; the sizes written before stay on disk.
    void ProcessImage(const QString& sourcePath);

    // Processes the host's list from the top until it is empty or Stop is given; each handled
    // entry leaves the list, and the failed paths are reported at the end.
    void Run(TRunHost& host);
    // Mails the attachments after a run in e-mail mode, also after a stopped one.
    void AfterRun(TRunHost& host);
    const QStringList& Failures() const { return FFailures; }

private:
    // Produces one size from the source image; false when no file was written.
    bool ProcessSize(const QString& sourcePath, int sizeIndex, bool collect);
    bool SizeDue(int sizeIndex) const;

    // What loading a source needs of the settings, copied so that a load can run on another
    // thread while the window (and its settings) stay live.
    struct TSourceLoad {
        QList<QSize> Boxes;
        bool Filtered = true;
        bool Reduce = true;
    };
    TSourceLoad SourceLoad() const;
    // What a file's header tells before it is loaded.
    struct TSourceHeader {
        QSize FileSize;           // as a JPEG's header gives it; invalid for other files
        bool Progressive = false; // a JPEG stored in passes, costlier to decode
    };
    static TSourceHeader ReadSourceHeader(const QString& sourcePath);
    // The reduced decode size for a load, invalid for a whole decode.
    static QSize DecodeHint(const TSourceHeader& header, const TSourceLoad& load);
    // The memory loading the file takes; -1 when no header tells.
    static qint64 LoadBytes(const TSourceHeader& header, const QString& sourcePath,
                            const TSourceLoad& load);
    // Loads the file into `image`; returns the source's size as the file holds it.
    static QSize LoadSourceImage(TMagickImage& image, const QString& sourcePath,
                                 const TSourceHeader& header, const TSourceLoad& load);
    // Produces every size due from the loaded source.
    void ProcessLoadedImage(const QString& sourcePath);

    quint8 FFlags;
    TSettings& FSettings;
    TMagickImage* FSource;
    std::unique_ptr<TMagickImage> FOwnedSource;
    QStringList FFailures;
    const TMagickImage* FWatermark;
    QStringList& FAttachments;
    // The source's size as the file holds it, which a reduced decode does not change.
    QSize FSourceSize;
    bool FSourceFitted = false;
};

// The size a JPEG of fileSize is decoded at when its largest output is `largest`: half the
// file's size, or less for files so large that half of them would still be a burden, always
// keeping at least twice the largest output in each dimension. Invalid when no reduction
// keeps that.
QSize ReducedDecodeSize(const QSize& fileSize, const QSize& largest);
