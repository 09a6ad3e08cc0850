#include "ImageThread.h"

#include "Exceptions.h"
#include "MagickImage.h"
#include "OutputNaming.h"
#include "RunHost.h"

#include <QImageReader>

#include <cfenv>
#include <algorithm>
#include <cmath>
#include <exception>
#include <future>
#include <memory>

QSize FitToBox(int width, int height, int boxWidth, int boxHeight) {
    if (width <= 0 || height <= 0)
        throw EZVError(QStringLiteral("The image has no pixels"));
    // The ratios are doubles; the products are formed in extended precision and rounded
    // to the nearest integer, halves to even. Both matter for sizes like 262.5.
    const double rw = static_cast<double>(boxWidth) / width;
    const double rh = static_cast<double>(boxHeight) / height;
    const double scale = rh > rw ? rw : rh;
    const long double newWidth = static_cast<long double>(width) * scale;
    const long double newHeight = static_cast<long double>(height) * scale;
    const int previous = std::fegetround();
    std::fesetround(FE_TONEAREST);
    // A sliver of an image keeps at least one pixel rather than vanishing.
    const QSize result(std::max(1, static_cast<int>(std::nearbyintl(newWidth))),
                       std::max(1, static_cast<int>(std::nearbyintl(newHeight))));
    std::fesetround(previous);
    return result;
}

QSize SizeBox(const TSettings& settings, int sizeIndex) {
    const TSizeFields fields = SizeFields(sizeIndex);
    return {settings.*fields.Width, settings.*fields.Height};
}

bool SizeEnabled(const TSettings& settings, int sizeIndex) {
    return settings.*SizeFields(sizeIndex).Enabled;
}

TImageThread::TImageThread(quint8 flags, TSettings& settings, TMagickImage* source,
                           const TMagickImage* watermark, QStringList& attachments)
    : FFlags(flags)
    , FSettings(settings)
    , FSource(source)
    , FWatermark(watermark)
    , FAttachments(attachments) {}

TImageThread::~TImageThread() = default;

bool TImageThread::SizeDue(int sizeIndex) const {
    const bool screenSaver = FFlags & RunScreenSaver;
    if (screenSaver)
        return sizeIndex == SizeLarge;
    const bool emailSize = (FFlags & RunEmail) && FSettings.EMAIL_DIMENSION == sizeIndex;
    return SizeEnabled(FSettings, sizeIndex) || emailSize;
}

namespace {

// What the library keeps of one pixel: 8 bytes, a little more for indexed and CMYK pictures.
constexpr qint64 PixelBytes = 10;

} // namespace

QSize ReducedDecodeSize(const QSize& fileSize, const QSize& largest) {
    // Beyond a 1:2 reduction the decoder's own scaling starts to show in the outputs, so
    // only files whose half is still large go further.
    constexpr qint64 ComfortableArea = 16'000'000;
    QSize chosen;
    for (int divisor : {2, 4, 8}) {
        const QSize reduced((fileSize.width() + divisor - 1) / divisor,
                            (fileSize.height() + divisor - 1) / divisor);
        if (reduced.width() < 2 * largest.width() || reduced.height() < 2 * largest.height())
            break;
        chosen = reduced;
        if (static_cast<qint64>(reduced.width()) * reduced.height() <= ComfortableArea)
            break;
    }
    return chosen;
}

TImageThread::TSourceLoad TImageThread::SourceLoad() const {
    TSourceLoad load;
    load.Reduce = ReducedDecoding;
    load.Filtered = FSettings.RQ_HIGH;
    for (int sizeIndex : {SizeLarge, SizeMedium, SizeThumbnail})
        if (SizeDue(sizeIndex))
            load.Boxes.append(SizeBox(FSettings, sizeIndex));
    return load;
}

TImageThread::TSourceHeader TImageThread::ReadSourceHeader(const QString& sourcePath) {
    TSourceHeader header;
    header.FileSize = TMagickImage::JpegFileSize(sourcePath, &header.Progressive);
    return header;
}

QSize TImageThread::DecodeHint(const TSourceHeader& header, const TSourceLoad& load) {
    if (!header.FileSize.isValid() || !load.Reduce)
        return {};
    QSize largest(0, 0);
    for (const QSize& box : load.Boxes)
        largest = largest.expandedTo(
            FitToBox(header.FileSize.width(), header.FileSize.height(), box.width(), box.height()));
    return ReducedDecodeSize(header.FileSize, largest);
}

qint64 TImageThread::LoadBytes(const TSourceHeader& header, const QString& sourcePath,
                               const TSourceLoad& load) {
    // The library's pixels, and while a progressive JPEG decodes, the decoder's coefficients
    // of the whole file besides (2 bytes for each of up to 3 samples).
    const QSize known =
        header.FileSize.isValid() ? header.FileSize : QImageReader(sourcePath).size();
    if (!known.isValid())
        return -1;
    const QSize hint = DecodeHint(header, load);
    const QSize decoded = (hint.isValid() && load.Filtered) ? hint : known;
    const qint64 fileArea = static_cast<qint64>(known.width()) * known.height();
    return static_cast<qint64>(decoded.width()) * decoded.height() * PixelBytes +
           (header.Progressive ? fileArea * 6 : 0);
}

QSize TImageThread::LoadSourceImage(TMagickImage& image, const QString& sourcePath,
                                    const TSourceHeader& header, const TSourceLoad& load) {
    // The filtered resize gives the same picture from a reduced decode; pixel sampling does
    // not, so there the reduced decode is kept for files too large to decode whole.
    const QSize hint = DecodeHint(header, load);
    if (hint.isValid() && load.Filtered)
        image.SetDecodeSizeHint(hint);
    image.LoadFromFile(sourcePath);
    if (image.GetEmpty() && hint.isValid() && !load.Filtered) {
        image.Clear();
        image.SetDecodeSizeHint(hint);
        image.LoadFromFile(sourcePath);
    }
    return (header.FileSize.isValid() && !image.GetEmpty())
               ? header.FileSize
               : QSize(image.GetWidth(), image.GetHeight());
}

void TImageThread::ProcessImage(const QString& sourcePath) {
    FSourceSize = LoadSourceImage(*FSource, sourcePath, ReadSourceHeader(sourcePath), SourceLoad());
    ProcessLoadedImage(sourcePath);
}

void TImageThread::ProcessLoadedImage(const QString& sourcePath) {
    FSourceFitted = false;
    int unwritten = 0;
    for (int sizeIndex : {SizeLarge, SizeMedium, SizeThumbnail})
        if (SizeDue(sizeIndex) &&
            !ProcessSize(sourcePath, sizeIndex, FSettings.EMAIL_DIMENSION == sizeIndex))
            ++unwritten;
    // A size that left no file is a failure of the image, not a silent success.
    if (unwritten > 0)
        throw EZVError(QStringLiteral("Unable to write %1 output file(s) for %2")
                           .arg(unwritten)
                           .arg(sourcePath));
}

bool TImageThread::ProcessSize(const QString& sourcePath, int sizeIndex, bool collect) {
    const QSize box = SizeBox(FSettings, sizeIndex);

    // Decorations start every size from a copy so that they never accumulate; without them
    // the sizes cascade from one another.
    std::unique_ptr<TMagickImage> copy;
    TMagickImage* work = FSource;
    if (FFlags & RunDecorationFlags) {
        copy = std::make_unique<TMagickImage>();
        copy->Assign(*FSource);
        work = copy.get();
    }

    if (FFlags & RunFit) {
        // Until the source itself has been fitted, fit from its size in the file.
        const QSize from =
            (copy || !FSourceFitted) ? FSourceSize : QSize(work->GetWidth(), work->GetHeight());
        const QSize size = FitToBox(from.width(), from.height(), box.width(), box.height());
        work->Resize(size.width(), size.height(),
                     FSettings.RQ_HIGH ? TMagickImage::FilterMethod : TMagickImage::SampleMethod,
                     TMagickImage::LanczosFilter, 1.0);
        if (!copy)
            FSourceFitted = true;
    }
    if ((FFlags & RunWatermark) && FWatermark)
        work->Composite(*FWatermark, QPoint(FSettings.WATERMARK_X, FSettings.WATERMARK_Y),
                        FSettings.WATERMARK_OPERATOR);
    if (FFlags & RunAnnotation)
        work->Annotate(FSettings.ANNOTATION_TEXT,
                       QPoint(FSettings.ANNOTATION_X, FSettings.ANNOTATION_Y),
                       FSettings.ANNOTATION_GRAVITY, FSettings.ANNOTATION_FONT_COLOR,
                       FSettings.ANNOTATION_FONT_SIZE, FSettings.ANNOTATION_FONT_NAME);
    if (FFlags & RunBorder)
        work->Border(FSettings.BORDER_WIDTH, FSettings.BORDER_COLOR, 0);

    work->SetFormat(FSettings.OUTPUT_FORMAT);
    if (FSettings.OUTPUT_FORMAT == QLatin1String("JPG"))
        work->SetQuality(FSettings.JPG_QUALITY);
    // JPEG has no transparency; the library would write transparent areas black.
    const QString format = work->Format();
    if ((format == QLatin1String("JPG") || format == QLatin1String("JPEG")) && work->HasAlpha())
        work->Flatten(0xFFFFFF);

    bool written = false;
    const QString path =
        SaveOutputImage(*work, FSettings, sourcePath, sizeIndex, FFlags & RunScreenSaver, &written);
    if (!written || path.isEmpty())
        return false;
    if (collect)
        FAttachments.append(path);
    return true;
}

void TImageThread::Run(TRunHost& host) {
    FFailures.clear();
    FAttachments.clear();
    Running = true;
    host.EnterRunningState(host.EntryCount());
    Total = host.EntryCount();

    const QString savedFolder = FSettings.OUTPUT_FOLDER;
    const QString savedFormat = FSettings.OUTPUT_FORMAT;
    auto leave = [&] {
        Running = false;
        host.LeaveRunningState();
        if (FFlags & RunScreenSaver) {
            FSettings.OUTPUT_FOLDER = savedFolder;
            FSettings.OUTPUT_FORMAT = savedFormat;
        }
    };
    try {
        if (!FSource) {
            FOwnedSource = std::make_unique<TMagickImage>();
            FSource = FOwnedSource.get();
        }
        if (FFlags & RunScreenSaver) {
            FSettings.OUTPUT_FOLDER = host.ScreenSaverFolder();
            FSettings.OUTPUT_FORMAT = QStringLiteral("JPG");
        }
        // The next image is decoded on a second thread while this one is resized and
        // written, which for most photos halves the run. Both images must fit the budget.
        constexpr qint64 LoadAheadBudget = 128ll << 20;
        TMagickImage next;
        std::future<QSize> nextLoad;
        // The entry after the image in hand, once its header has been read.
        QString nextPath;
        TSourceHeader nextHeader;
        int processed = 0;
        while (host.EntryCount() > 0 && !host.StopRequested()) {
            host.SelectFirstEntry();
            const QString path = host.FirstEntryPath();
            // The options stay open during a run; each load follows them as they are now.
            const TSourceLoad load = SourceLoad();
            const bool headerRead = nextPath == path;
            bool loaded = false;
            std::exception_ptr loadError;
            if (nextLoad.valid()) {
                try {
                    FSourceSize = nextLoad.get();
                } catch (...) {
                    loadError = std::current_exception();
                }
                // The list may have changed under the run; a load of another file is dropped.
                loaded = headerRead;
                if (loaded)
                    FSource->Swap(next);
                next.Clear();
            }
            try {
                if (!loaded)
                    FSourceSize = LoadSourceImage(
                        *FSource, path, headerRead ? nextHeader : ReadSourceHeader(path), load);
            } catch (const std::exception&) {
                loadError = std::current_exception();
            }
            // What the image in hand keeps while it is processed: its frames' pixels.
            const qint64 held = static_cast<qint64>(FSource->GetWidth()) * FSource->GetHeight() *
                                PixelBytes * std::max(1, FSource->ImageCount());
            nextPath.clear();
            if (host.EntryCount() > 1 && held < LoadAheadBudget) {
                const QString candidate = host.NextEntryPath();
                try {
                    nextHeader = ReadSourceHeader(candidate);
                    nextPath = candidate;
                } catch (const std::exception&) {
                    // A file whose header cannot be read is loaded when its turn comes.
                }
                const qint64 nextBytes =
                    nextPath.isEmpty() ? -1 : LoadBytes(nextHeader, nextPath, load);
                if (nextBytes >= 0 && held + nextBytes <= LoadAheadBudget)
                    nextLoad = std::async(std::launch::async, [&next, nextPath, nextHeader, load] {
                        return LoadSourceImage(next, nextPath, nextHeader, load);
                    });
            }
            try {
                if (loadError)
                    std::rethrow_exception(loadError);
                ProcessLoadedImage(path);
            } catch (const std::exception&) {
                FFailures.append(path);
            }
            host.ShowRunProgress(++processed, Total);
            host.DeleteFirstEntry();
            host.ProcessPendingEvents();
            FSource->Clear();
        }
    } catch (...) {
        // Without the image library no run can start; the window goes back to idle all the same.
        FOwnedSource.reset();
        leave();
        throw;
    }
    if (FOwnedSource) {
        FSource = nullptr;
        FOwnedSource.reset();
    }
    leave();
    if (!FFailures.isEmpty())
        host.ShowReport(FFailures);
}

void TImageThread::AfterRun(TRunHost& host) {
    if (FFlags & RunEmail)
        host.MailProcessedImages(QString::fromLatin1(EmailSubject), FAttachments);
}
