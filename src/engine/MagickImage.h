#pragma once

#include "Graphic.h"

#include <QPoint>
#include <QSize>
#include <QString>

class QClipboard;

struct _Image;
struct _ImageInfo;

// Set once at start-up from the result of binding the image library.
bool MagickLibraryLoaded();
void SetMagickLibraryLoaded(bool loaded);

// The one image class: a list of library frames plus the library's read/write options.
// Everything works on the first frame.
class TMagickImage : public TGraphic {
public:
    // Resize methods.
    static constexpr quint8 MagnifyMethod = 0;
    static constexpr quint8 MinifyMethod = 1;
    static constexpr quint8 FilterMethod = 2;
    static constexpr quint8 SampleMethod = 3;
    static constexpr quint8 ScaleMethod = 4;
    static constexpr quint8 ThumbnailMethod = 5;
    // Filter numbers as the settings and callers know them.
    static constexpr int LanczosFilter = 13;

    TMagickImage();
    ~TMagickImage() override;
    TMagickImage(const TMagickImage&) = delete;
    TMagickImage& operator=(const TMagickImage&) = delete;

    void Clear();
    // Exchanges frames and options with another image, without copying pixels.
    void Swap(TMagickImage& other) noexcept;

    bool GetEmpty() const override;
    int GetWidth() const override;
    int GetHeight() const override;
    int ImageCount() const;
    _Image* GetImage(int index) const;

    void LoadFromFile(const QString& fileName) override;
    // The size of the file's first frame, read from its header without decoding the pixels;
    // an invalid size when the library cannot tell. `interlaced` tells whether the file is
    // stored in passes (a progressive JPEG), which costs more memory to decode.
    static QSize PingSize(const QString& fileName, bool* interlaced = nullptr);
    // The size a JPEG file holds, also for one beyond the library's limits (which refuse even
    // to ping it, so its header is read instead); invalid for a file that is not a JPEG,
    // whatever its name says. `progressive` is true also when only the header could tell.
    static QSize JpegFileSize(const QString& fileName, bool* progressive = nullptr);
    // Lets the next load of a JPEG decode at a reduced scale that is still at least this size.
    void SetDecodeSizeHint(const QSize& size);
    // Writes the first frame; true when the file was written.
    bool SaveToFile(const QString& fileName) override;
    void LoadFromStream(QIODevice& stream) override;
    void SaveToStream(QIODevice& stream) override;

    void Assign(const TBitmap& bitmap) override;
    void Assign(const TMagickImage& source);
    void AssignFromClipboard(const QClipboard& clipboard);
    void AssignTo(TBitmap& bitmap) const override;
    void AssignTo(TMagickImage& destination) const;
    void LoadFromClipboardFormat(const QClipboard& clipboard);
    void SaveToClipboardFormat(QClipboard& clipboard) const;

    void Resize(int width, int height, quint8 method, int filter, double blur);
    void Border(int width, TColor colour, quint8 kind);
    void Rotate(double degrees);
    void Blur(double radius, double sigma);
    void Despeckle();
    void Edge(double radius);
    bool Composite(const TMagickImage& overlay, const QPoint& position, int composeOperator);
    void Annotate(const QString& text, const QPoint& position, int gravity, TColor colour,
                  int pointSize, const QString& fontFile);

    // True when the first frame carries transparency.
    bool HasAlpha() const;
    // Replaces the first frame by itself laid over a solid background, without transparency.
    void Flatten(TColor background);

    void SetQuality(int quality);
    void SetFormat(const QString& formatName);
    int Quality() const;
    QString Format() const;

private:
    template <typename Operation> void RebuildFirstFrame(Operation operation);
    template <typename Operation> void ReplaceFirstFrame(Operation operation);

    _Image* FImages = nullptr;
    _ImageInfo* FOptions = nullptr;
};
