// Times the thumbnails of a list of photos, decoded whole and decoded reduced, and tells how
// far the two sets of thumbnails differ.
//
//   zv_thumbnail_benchmark [--runs N] [--count N] [--photos FOLDER]

#include "ImageList.h"
#include "ImageMemory.h"
#include "MagickGeneral.h"
#include "MagickImage.h"
#include "Measures.h"
#include "Picture.h"
#include "Thumbnail.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

namespace {

// Milliseconds for thumbnails of every file, with the thumbnails made.
double Fill(const QStringList& files, TThumbnailDecode decode, QList<QImage>& thumbnails) {
    TImageList list(ThumbnailCellSize, ThumbnailCellSize);
    QElapsedTimer timer;
    timer.start();
    for (const QString& file : files)
        MakeThumbnail(file, list, -1, decode);
    const double elapsed = timer.nsecsElapsed() / 1e6;
    thumbnails.clear();
    for (int i = 0; i < list.Count(); ++i)
        thumbnails.append(list.Image(i));
    return elapsed;
}

} // namespace

int main(int argc, char* argv[]) {
    // Starts as the program does.
    SetUpImageMemory(argv);
    QGuiApplication app(argc, argv);
    int runs = 3;
    int count = 100;
    QString photoFolder = QStringLiteral("/usr/share/backgrounds/mate/nature");
    for (int i = 1; i + 1 < argc; ++i) {
        const QByteArray option(argv[i]);
        if (option == "--runs")
            runs = std::max(1, QByteArray(argv[i + 1]).toInt());
        else if (option == "--count")
            count = std::max(1, QByteArray(argv[i + 1]).toInt());
        else if (option == "--photos")
            photoFolder = QString::fromLocal8Bit(argv[i + 1]);
    }
    QTextStream out(stdout);
    const QStringList photos =
        QDir(photoFolder).entryList({QStringLiteral("*.jpg")}, QDir::Files, QDir::Name);
    if (photos.isEmpty()) {
        out << "No photos in " << photoFolder << ": run scripts/setup.sh\n";
        return 1;
    }
    // As many files as a list holds, each its own copy, so no decode is shared.
    QTemporaryDir work;
    QStringList files;
    for (int i = 0; i < count; ++i) {
        const QString copy =
            work.filePath(QStringLiteral("photo%1.jpg").arg(i, 3, 10, QLatin1Char('0')));
        QFile::copy(QDir(photoFolder).filePath(photos[i % photos.size()]), copy);
        files.append(copy);
    }

    TPictureFormats formats;
    TImageModule module(formats);
    if (!MagickLibraryLoaded()) {
        out << "The image library is not loaded\n";
        return 1;
    }

    std::vector<double> whole, reduced;
    QList<QImage> wholeThumbnails, reducedThumbnails;
    for (int run = 0; run < runs; ++run) {
        // Alternating, so neither side always finds the files in a warmer cache.
        if (run % 2 == 0) {
            whole.push_back(Fill(files, TThumbnailDecode::Full, wholeThumbnails));
            reduced.push_back(Fill(files, TThumbnailDecode::Reduced, reducedThumbnails));
        } else {
            reduced.push_back(Fill(files, TThumbnailDecode::Reduced, reducedThumbnails));
            whole.push_back(Fill(files, TThumbnailDecode::Full, wholeThumbnails));
        }
    }
    double lowest = std::numeric_limits<double>::infinity();
    for (int i = 0; i < std::min(wholeThumbnails.size(), reducedThumbnails.size()); ++i)
        lowest = std::min(lowest, Psnr(wholeThumbnails[i], reducedThumbnails[i]));

    const double wholeMs = Median(whole);
    const double reducedMs = Median(reduced);
    out << count << " thumbnails of " << photos.size() << " photos from " << photoFolder
        << ", median of " << runs << " runs\n";
    out << QStringLiteral("  decoded whole:   %1 ms (%2 ms per file), %3 thumbnails\n")
               .arg(wholeMs, 0, 'f', 0)
               .arg(wholeMs / count, 0, 'f', 1)
               .arg(wholeThumbnails.size());
    out << QStringLiteral("  decoded reduced: %1 ms (%2 ms per file), %3 thumbnails\n")
               .arg(reducedMs, 0, 'f', 0)
               .arg(reducedMs / count, 0, 'f', 1)
               .arg(reducedThumbnails.size());
    out << QStringLiteral("  %1 times faster; lowest PSNR between the two thumbnails %2 dB\n")
               .arg(wholeMs / reducedMs, 0, 'f', 1)
               .arg(lowest, 0, 'f', 1);
    return 0;
}
