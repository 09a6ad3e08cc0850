#include "MagickImage.h"

#include "Exceptions.h"
#include "ImageMagickAPI.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSaveFile>

#include <magick/MagickCore.h>

#include <array>
#include <cstring>
#include <utility>

using namespace ImageMagickAPI;

namespace {

bool LibraryLoadedFlag = false;

// Entries the bound release keeps only as deprecated wrappers; typed by hand so that
// naming them does not pull in the deprecation attribute.
using TLiberateMemory = void (*)(void**);
using TDispatchImage = MagickBooleanType (*)(const Image*, const ssize_t, const ssize_t,
                                             const size_t, const size_t, const char*,
                                             const StorageType, void*, ExceptionInfo*);

QString EntryName(TMagickEntry entry) {
    return QString::fromLatin1(EntryNames()[static_cast<int>(entry)]);
}

template <typename F> F Need(TMagickEntry entry) {
    F f = Entry<F>(entry);
    if (!f)
        throw EInvalidGraphic(
            QStringLiteral("ImageMagick entry %1 not found").arg(EntryName(entry)));
    return f;
}

template <typename F> F NeedExtra(TMagickExtraEntry entry, const char* name) {
    F f = ExtraEntry<F>(entry);
    if (!f)
        throw EInvalidGraphic(
            QStringLiteral("ImageMagick entry %1 not found").arg(QLatin1String(name)));
    return f;
}

#define ZV_CALL(name) Need<decltype(&::name)>(TMagickEntry::name)
#define ZV_EXTRA(name) NeedExtra<decltype(&::name)>(TMagickExtraEntry::name, #name)

// The library's exception record: allocated by the library, initialised before the call,
// released afterwards whatever happens. Its contents are never examined.
class TExceptionRecord {
public:
    TExceptionRecord() {
        FRecord = static_cast<ExceptionInfo*>(ZV_EXTRA(AcquireMagickMemory)(sizeof(ExceptionInfo)));
        if (!FRecord)
            throw std::bad_alloc();
        ZV_CALL(GetExceptionInfo)(FRecord);
        FRecord->relinquish = MagickTrue;
    }
    ~TExceptionRecord() {
        if (auto destroy =
                Entry<decltype(&::DestroyExceptionInfo)>(TMagickEntry::DestroyExceptionInfo))
            destroy(FRecord);
    }
    TExceptionRecord(const TExceptionRecord&) = delete;
    TExceptionRecord& operator=(const TExceptionRecord&) = delete;
    ExceptionInfo* operator&() { return FRecord; }
    operator ExceptionInfo*() { return FRecord; }

private:
    ExceptionInfo* FRecord = nullptr;
};

PixelPacket ColorToPixel(TColor colour) {
    PixelPacket pixel{};
    pixel.red = static_cast<Quantum>((colour & 0xFF) * 257);
    pixel.green = static_cast<Quantum>(((colour >> 8) & 0xFF) * 257);
    pixel.blue = static_cast<Quantum>(((colour >> 16) & 0xFF) * 257);
    pixel.opacity = 0;
    return pixel;
}

// Filter numbers of the older interface mapped onto the bound release.
FilterTypes MapFilter(int filter) {
    switch (filter) {
    case 13:
        return LanczosFilter;
    case 14:
        return BesselFilter;
    case 15:
        return SincFilter;
    default:
        return (filter >= 0 && filter <= 12) ? static_cast<FilterTypes>(filter) : UndefinedFilter;
    }
}

constexpr std::array<CompositeOperator, 32> ComposeOperators = {
    UndefinedCompositeOp,  OverCompositeOp,
    InCompositeOp,         OutCompositeOp,
    AtopCompositeOp,       XorCompositeOp,
    PlusCompositeOp,       MinusDstCompositeOp,
    ModulusAddCompositeOp, ModulusSubtractCompositeOp,
    DifferenceCompositeOp, MultiplyCompositeOp,
    BumpmapCompositeOp,    CopyCompositeOp,
    CopyRedCompositeOp,    CopyGreenCompositeOp,
    CopyBlueCompositeOp,   CopyOpacityCompositeOp,
    ClearCompositeOp,      DissolveCompositeOp,
    DisplaceCompositeOp,   ModulateCompositeOp,
    ThresholdCompositeOp,  NoCompositeOp,
    DarkenCompositeOp,     LightenCompositeOp,
    HueCompositeOp,        SaturateCompositeOp,
    ColorizeCompositeOp,   LuminizeCompositeOp,
    ScreenCompositeOp,     OverlayCompositeOp};

CompositeOperator MapCompose(int op) {
    return (op >= 0 && op < static_cast<int>(ComposeOperators.size())) ? ComposeOperators[op]
                                                                       : UndefinedCompositeOp;
}

void CopyText(char* field, size_t capacity, const QByteArray& text) {
    const size_t n = std::min(capacity - 1, static_cast<size_t>(text.size()));
    std::memcpy(field, text.constData(), n);
    field[n] = '\0';
}

// A name as the library is to read it: a relative name could be taken for a format prefix
// ("png:x") or a command ("|x").
QByteArray LibraryFileName(const QString& fileName) {
    return QFile::encodeName(QFileInfo(fileName).isAbsolute() ? fileName
                                                              : QStringLiteral("./") + fileName);
}

// The JPEG writer takes its quality from the image, not from the options.
void PassQuality(const ImageInfo* options, Image* image) {
    if (options->quality != 0)
        image->quality = options->quality;
}

} // namespace

bool MagickLibraryLoaded() {
    return LibraryLoadedFlag;
}
void SetMagickLibraryLoaded(bool loaded) {
    LibraryLoadedFlag = loaded;
}

TMagickImage::TMagickImage() {
    if (!MagickLibraryLoaded())
        throw EInvalidGraphic(QStringLiteral("ImageMagick library not loaded"));
    FOptions = ZV_CALL(CloneImageInfo)(nullptr);
}

TMagickImage::~TMagickImage() {
    if (FImages)
        if (auto destroy = Entry<decltype(&::DestroyImageList)>(TMagickEntry::DestroyImageList))
            destroy(FImages);
    if (FOptions)
        if (auto destroy = Entry<decltype(&::DestroyImageInfo)>(TMagickEntry::DestroyImageInfo))
            destroy(FOptions);
}

void TMagickImage::Clear() {
    if (FImages)
        ZV_CALL(DestroyImageList)(FImages);
    FImages = nullptr;
    if (FOptions)
        ZV_CALL(DestroyImageInfo)(FOptions);
    FOptions = nullptr;
    FOptions = ZV_CALL(CloneImageInfo)(nullptr);
}

void TMagickImage::Swap(TMagickImage& other) noexcept {
    std::swap(FImages, other.FImages);
    std::swap(FOptions, other.FOptions);
}

bool TMagickImage::GetEmpty() const {
    const Image* first = GetImage(0);
    return !first || first->columns * first->rows == 0;
}

int TMagickImage::GetWidth() const {
    const Image* first = GetImage(0);
    return first ? static_cast<int>(first->columns) : 0;
}

int TMagickImage::GetHeight() const {
    const Image* first = GetImage(0);
    return first ? static_cast<int>(first->rows) : 0;
}

int TMagickImage::ImageCount() const {
    return FImages ? static_cast<int>(ZV_CALL(GetImageListLength)(FImages)) : 0;
}

Image* TMagickImage::GetImage(int index) const {
    if (!FImages || index < 0 || index >= ImageCount())
        return nullptr;
    return ZV_CALL(GetImageFromList)(FImages, index);
}

void TMagickImage::LoadFromFile(const QString& fileName) {
    if (!FOptions)
        return;
    CopyText(FOptions->filename, sizeof(FOptions->filename), LibraryFileName(fileName));
    TExceptionRecord exception;
    FImages = ZV_CALL(ReadImage)(FOptions, exception);
}

QSize TMagickImage::PingSize(const QString& fileName, bool* interlaced) {
    if (interlaced)
        *interlaced = false;
    if (!MagickLibraryLoaded())
        throw EInvalidGraphic(QStringLiteral("ImageMagick library not loaded"));
    // Library defaults: no decode hint or format of some image can sway the answer.
    ImageInfo* pingOptions = ZV_CALL(CloneImageInfo)(nullptr);
    CopyText(pingOptions->filename, sizeof(pingOptions->filename), LibraryFileName(fileName));
    Image* pinged = nullptr;
    {
        TExceptionRecord exception;
        pinged = ZV_CALL(PingImage)(pingOptions, exception);
    }
    ZV_CALL(DestroyImageInfo)(pingOptions);
    if (!pinged)
        return {};
    const QSize size(static_cast<int>(pinged->columns), static_cast<int>(pinged->rows));
    if (interlaced)
        *interlaced = pinged->interlace != NoInterlace && pinged->interlace != UndefinedInterlace;
    ZV_CALL(DestroyImageList)(pinged);
    return size.isEmpty() ? QSize() : size;
}

QSize TMagickImage::JpegFileSize(const QString& fileName, bool* progressive) {
    if (progressive)
        *progressive = false;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly) || file.read(3) != QByteArray("\xFF\xD8\xFF", 3))
        return {};
    file.close();
    const QSize size = PingSize(fileName, progressive);
    if (size.isValid())
        return size;
    if (progressive)
        *progressive = true;
    return QImageReader(fileName, "jpeg").size();
}

void TMagickImage::SetDecodeSizeHint(const QSize& size) {
    if (!FOptions || size.isEmpty())
        return;
    const QByteArray geometry =
        QByteArray::number(size.width()) + 'x' + QByteArray::number(size.height());
    ZV_EXTRA(SetImageOption)(FOptions, "jpeg:size", geometry.constData());
}

bool TMagickImage::SaveToFile(const QString& fileName) {
    Image* first = GetImage(0);
    if (!FOptions || !first)
        return false;
    // Encoded in memory and written whole: the library never sees the output name, so
    // brackets or percent signs in it are taken literally, and a failed encode leaves no file.
    QString format = Format();
    if (format.isEmpty())
        format = QFileInfo(fileName).suffix().toUpper();
    if (format.isEmpty())
        format = QString::fromLatin1(first->magick);
    ImageInfo* writeOptions = ZV_CALL(CloneImageInfo)(FOptions);
    CopyText(writeOptions->filename, sizeof(writeOptions->filename),
             (format + QLatin1Char(':')).toLatin1());
    writeOptions->adjoin = MagickFalse;
    PassQuality(FOptions, first);
    size_t length = 0;
    unsigned char* bytes = nullptr;
    {
        TExceptionRecord exception;
        bytes = ZV_CALL(ImageToBlob)(writeOptions, first, &length, exception);
    }
    ZV_CALL(DestroyImageInfo)(writeOptions);
    if (!bytes)
        return false;
    QSaveFile file(fileName);
    bool written = file.open(QIODevice::WriteOnly) &&
                   file.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(length)) ==
                       static_cast<qint64>(length);
    void* data = bytes;
    Need<TLiberateMemory>(TMagickEntry::LiberateMemory)(&data);
    written = written && file.commit();
    return written;
}

void TMagickImage::LoadFromStream(QIODevice& stream) {
    const qint64 length = stream.size() - stream.pos();
    if (length < 1)
        throw EInvalidGraphic(QStringLiteral("Stream size must be defined."));
    if (!FOptions)
        return;
    TExceptionRecord exception;
    if (auto* buffer = qobject_cast<QBuffer*>(&stream)) {
        // Decoded straight from the buffer's memory; the position does not move.
        const char* data = buffer->data().constData() + buffer->pos();
        FImages = ZV_CALL(BlobToImage)(FOptions, data, static_cast<size_t>(length), exception);
    } else {
        const QByteArray data = stream.read(length);
        FImages = ZV_CALL(BlobToImage)(FOptions, data.constData(), static_cast<size_t>(data.size()),
                                       exception);
    }
}

void TMagickImage::SaveToStream(QIODevice& stream) {
    Image* first = GetImage(0);
    if (!FOptions || !first)
        return;
    PassQuality(FOptions, first);
    size_t length = 0;
    unsigned char* bytes = nullptr;
    {
        TExceptionRecord exception;
        bytes = ZV_CALL(ImageToBlob)(FOptions, first, &length, exception);
    }
    if (!bytes)
        return;
    stream.write(reinterpret_cast<const char*>(bytes), static_cast<qint64>(length));
    void* data = bytes;
    Need<TLiberateMemory>(TMagickEntry::LiberateMemory)(&data);
}

void TMagickImage::Assign(const TBitmap& bitmap) {
    Clear();
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    if (!bitmap.isNull())
        QImageWriter(&stream, "BMP").write(bitmap.convertToFormat(BitmapFormat));
    stream.seek(0);
    LoadFromStream(stream);
}

void TMagickImage::Assign(const TMagickImage& source) {
    source.AssignTo(*this);
}

void TMagickImage::AssignFromClipboard(const QClipboard& clipboard) {
    Assign(clipboard.image());
}

void TMagickImage::AssignTo(TMagickImage& destination) const {
    if (&destination == this)
        return;
    destination.Clear();
    if (!FImages)
        return;
    // A clone of the library's frames: no lossy re-encode, and formats it cannot write copy too.
    TExceptionRecord exception;
    destination.FImages = ZV_CALL(CloneImageList)(FImages, exception);
}

void TMagickImage::AssignTo(TBitmap& bitmap) const {
    const Image* first = GetImage(0);
    if (!first) {
        bitmap = TBitmap();
        return;
    }
    const int width = static_cast<int>(first->columns);
    const int height = static_cast<int>(first->rows);
    bitmap = TBitmap(width, height, BitmapFormat);
    if (bitmap.isNull())
        return;
    auto dispatch = Need<TDispatchImage>(TMagickEntry::DispatchImage);
    TExceptionRecord exception;
    for (int r = 0; r < height; ++r)
        dispatch(first, 0, r, static_cast<size_t>(width), 1, "BGR", CharPixel, bitmap.scanLine(r),
                 exception);
}

void TMagickImage::LoadFromClipboardFormat(const QClipboard& clipboard) {
    Assign(clipboard.image());
}

void TMagickImage::SaveToClipboardFormat(QClipboard& clipboard) const {
    TBitmap bitmap;
    AssignTo(bitmap);
    clipboard.setImage(bitmap);
}

template <typename Operation> void TMagickImage::RebuildFirstFrame(Operation operation) {
    Image* detached = ZV_CALL(RemoveFirstImageFromList)(&FImages);
    Image* rebuilt = ZV_CALL(NewImageList)();
    if (detached) {
        Image* result = nullptr;
        try {
            TExceptionRecord exception;
            result = operation(detached, static_cast<ExceptionInfo*>(exception));
        } catch (...) {
            ZV_CALL(DestroyImage)(detached);
            throw;
        }
        if (result)
            ZV_CALL(AppendImageToList)(&rebuilt, result);
        ZV_CALL(DestroyImage)(detached);
    }
    if (FImages)
        ZV_CALL(DestroyImageList)(FImages);
    FImages = rebuilt;
}

template <typename Operation> void TMagickImage::ReplaceFirstFrame(Operation operation) {
    if (!FImages)
        return;
    Image* first = FImages;
    Image* result = nullptr;
    {
        TExceptionRecord exception;
        result = operation(first, static_cast<ExceptionInfo*>(exception));
    }
    Image* rest = ZV_CALL(RemoveFirstImageFromList)(&FImages) ? FImages : nullptr;
    ZV_CALL(DestroyImage)(first);
    if (!result) {
        if (rest)
            ZV_CALL(DestroyImageList)(rest);
        FImages = nullptr;
        return;
    }
    FImages = result;
    if (rest)
        ZV_CALL(AppendImageToList)(&FImages, rest);
}

void TMagickImage::Resize(int width, int height, quint8 method, int filter, double blur) {
    const size_t w = static_cast<size_t>(std::max(width, 0));
    const size_t h = static_cast<size_t>(std::max(height, 0));
    RebuildFirstFrame([&](Image* frame, ExceptionInfo* exception) -> Image* {
        switch (method) {
        case MagnifyMethod:
            return ZV_CALL(MagnifyImage)(frame, exception);
        case MinifyMethod:
            return ZV_CALL(MinifyImage)(frame, exception);
        case FilterMethod:
            return ZV_CALL(ResizeImage)(frame, w, h, MapFilter(filter), blur, exception);
        case SampleMethod:
            return ZV_CALL(SampleImage)(frame, w, h, exception);
        case ScaleMethod:
            return ZV_CALL(ScaleImage)(frame, w, h, exception);
        case ThumbnailMethod:
            return ZV_CALL(ThumbnailImage)(frame, w, h, exception);
        default:
            return nullptr;
        }
    });
}

void TMagickImage::Border(int width, TColor colour, quint8 kind) {
    const size_t w = static_cast<size_t>(std::max(width, 0));
    RebuildFirstFrame([&](Image* frame, ExceptionInfo* exception) -> Image* {
        frame->border_color = ColorToPixel(colour);
        if (kind == 0) {
            RectangleInfo rectangle{w, w, 0, 0};
            return ZV_CALL(BorderImage)(frame, &rectangle, exception);
        }
        // The library describes a frame by the framed size and the band's offset.
        FrameInfo description{};
        description.width = frame->columns + 2 * w;
        description.height = frame->rows + 2 * w;
        description.x = static_cast<ssize_t>(w);
        description.y = static_cast<ssize_t>(w);
        description.inner_bevel = static_cast<ssize_t>(w / 2);
        description.outer_bevel = static_cast<ssize_t>(w / 2);
        return ZV_CALL(FrameImage)(frame, &description, exception);
    });
}

void TMagickImage::Rotate(double degrees) {
    RebuildFirstFrame([&](Image* frame, ExceptionInfo* exception) {
        return ZV_CALL(RotateImage)(frame, degrees, exception);
    });
}

void TMagickImage::Blur(double radius, double sigma) {
    ReplaceFirstFrame([&](Image* frame, ExceptionInfo* exception) {
        return ZV_CALL(BlurImage)(frame, radius, sigma, exception);
    });
}

void TMagickImage::Despeckle() {
    ReplaceFirstFrame([&](Image* frame, ExceptionInfo* exception) {
        return ZV_CALL(DespeckleImage)(frame, exception);
    });
}

void TMagickImage::Edge(double radius) {
    ReplaceFirstFrame([&](Image* frame, ExceptionInfo* exception) {
        return ZV_CALL(EdgeImage)(frame, radius, exception);
    });
}

bool TMagickImage::Composite(const TMagickImage& overlay, const QPoint& position,
                             int composeOperator) {
    Image* first = GetImage(0);
    const Image* over = overlay.GetImage(0);
    if (!first || !over)
        return false;
    return ZV_CALL(CompositeImage)(first, MapCompose(composeOperator), over, position.x(),
                                   position.y()) != MagickFalse;
}

void TMagickImage::Annotate(const QString& text, const QPoint& position, int gravity, TColor colour,
                            int pointSize, const QString& fontFile) {
    Image* first = GetImage(0);
    if (!first || !FOptions)
        return;
    auto* record = static_cast<DrawInfo*>(ZV_EXTRA(AcquireMagickMemory)(sizeof(DrawInfo)));
    if (!record)
        throw std::bad_alloc();
    ZV_CALL(GetDrawInfo)(FOptions, record);
    auto cloneString = ZV_EXTRA(CloneString);
    const QByteArray font = QFile::encodeName(fontFile);
    if (!font.isEmpty())
        cloneString(&record->font, font.constData());
    record->text_antialias = MagickTrue;
    record->fill = ColorToPixel(colour);
    record->pointsize = static_cast<double>(pointSize);
    record->gravity = static_cast<GravityType>(gravity);
    // The text goes to the library as text, not inside a drawing primitive, so quotes,
    // backslashes and percent signs are drawn as they are.
    cloneString(&record->text, text.toUtf8().constData());
    const QByteArray geometry = QStringLiteral("%1%2%3%4")
                                    .arg(position.x() < 0 ? "" : "+")
                                    .arg(position.x())
                                    .arg(position.y() < 0 ? "" : "+")
                                    .arg(position.y())
                                    .toLatin1();
    cloneString(&record->geometry, geometry.constData());
    ZV_CALL(AnnotateImage)(first, record);
    ZV_CALL(DestroyDrawInfo)(record);
}

bool TMagickImage::HasAlpha() const {
    const Image* first = GetImage(0);
    return first && first->matte != MagickFalse;
}

void TMagickImage::Flatten(TColor background) {
    RebuildFirstFrame([&](Image* frame, ExceptionInfo* exception) {
        frame->background_color = ColorToPixel(background);
        return ZV_EXTRA(MergeImageLayers)(frame, FlattenLayer, exception);
    });
}

void TMagickImage::SetQuality(int quality) {
    if (FOptions)
        FOptions->quality = static_cast<size_t>(std::max(quality, 0));
}

void TMagickImage::SetFormat(const QString& formatName) {
    if (!FOptions)
        return;
    QString name = formatName.toUpper();
    if (name.startsWith(QLatin1Char('.')))
        name.remove(0, 1);
    CopyText(FOptions->magick, sizeof(FOptions->magick), name.toLatin1());
}

int TMagickImage::Quality() const {
    return FOptions ? static_cast<int>(FOptions->quality) : 0;
}

QString TMagickImage::Format() const {
    return FOptions ? QString::fromLatin1(FOptions->magick) : QString();
}
