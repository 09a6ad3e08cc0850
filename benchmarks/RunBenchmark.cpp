// Times the image job against the ImageMagick and GraphicsMagick command lines doing the same
// three outputs per photo. Each tool runs as a child process so that wall time and peak memory
// are measured the same way for all of them.

#include "ImageThread.h"
#include "ImageMemory.h"
#include "MagickGeneral.h"
#include "MagickImage.h"
#include "Measures.h"
#include "Picture.h"
#include "RunHost.h"
#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QTextStream>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

extern char** environ;

namespace {

const char* const ConvertPath = "/usr/bin/convert";
const char* const GmPath = "/usr/bin/gm";
const char* const PhotoFolder = "/usr/share/backgrounds/mate";

struct TRunResult {
    bool Ok = false;
    double Milliseconds = 0;
    double PeakMiB = 0;
    QByteArray Output;
};

// Starts a program, waits for it, and reads its peak resident size from the kernel. The
// parent stays small: a child's peak starts from the parent's size at the spawn.
TRunResult RunChild(const QStringList& arguments) {
    std::vector<QByteArray> bytes;
    for (const QString& a : arguments)
        bytes.push_back(QFile::encodeName(a));
    std::vector<char*> argv;
    for (QByteArray& b : bytes)
        argv.push_back(b.data());
    argv.push_back(nullptr);

    int pipeFds[2];
    TRunResult result;
    if (pipe(pipeFds) != 0)
        return result;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, pipeFds[0]);
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeFds[1]);
    if (spawned != 0) {
        close(pipeFds[0]);
        return result;
    }
    char buffer[4096];
    ssize_t n = 0;
    while ((n = read(pipeFds[0], buffer, sizeof buffer)) > 0)
        result.Output.append(buffer, n);
    close(pipeFds[0]);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    result.Milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    result.PeakMiB = static_cast<double>(usage.ru_maxrss) / 1024.0;
    result.Ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return result;
}

// A run's list holding one photo several times.
class TRepeatHost : public TRunHost {
public:
    TRepeatHost(const QString& photo, int copies)
        : FEntries(copies, photo) {}

    int EntryCount() const override { return static_cast<int>(FEntries.size()); }
    void SelectFirstEntry() override {}
    QString FirstEntryPath() const override { return FEntries.first(); }
    QString NextEntryPath() const override { return FEntries.value(1); }
    void DeleteFirstEntry() override { FEntries.removeFirst(); }
    void EnterRunningState(int) override { FTimer.start(); }
    void ShowRunProgress(int, int) override {
        const double now = static_cast<double>(FTimer.nsecsElapsed()) / 1e6;
        Times.push_back(now - FLast);
        FLast = now;
    }
    void ProcessPendingEvents() override {}
    bool StopRequested() const override { return false; }
    void LeaveRunningState() override {}
    QString ScreenSaverFolder() const override { return {}; }
    void ShowReport(const QStringList& failures) override { Failures = failures; }
    void MailProcessedImages(const QString&, const QStringList&) override {}

    std::vector<double> Times;
    QStringList Failures;

private:
    QStringList FEntries;
    QElapsedTimer FTimer;
    double FLast = 0;
};

// Child mode: the real image job over one photo, as a run with the default boxes, high
// quality and JPG 70 does it. "run" modes process a list of `runs` copies as the window's
// run does (the next image decoded while the current one is written) and print the time
// from one finished image to the next; "--alone" processes the photo by itself each time.
int RunJob(const QString& photo, const QString& outputFolder, const QByteArray& mode, int runs,
           const QString& format) {
    TPictureFormats formats;
    TImageModule module(formats);
    if (!MagickLibraryLoaded())
        return 2;
    TSettings settings;
    settings.OUTPUT_FOLDER = outputFolder + QLatin1Char('/');
    settings.RQ_HIGH = true;
    settings.JPG_QUALITY = 70;
    if (!format.isEmpty())
        settings.OUTPUT_FORMAT = format;
    QStringList attachments;
    if (mode == "--alone") {
        TMagickImage source;
        TImageThread job(RunFit, settings, &source, nullptr, attachments);
        for (int r = 0; r < runs; ++r) {
            QElapsedTimer timer;
            timer.start();
            try {
                job.ProcessImage(photo);
            } catch (const std::exception& e) {
                std::fprintf(stderr, "%s\n", e.what());
                return 1;
            }
            source.Clear();
            std::printf("%.3f\n", static_cast<double>(timer.nsecsElapsed()) / 1e6);
        }
        return 0;
    }
    TImageThread job(RunFit, settings, nullptr, nullptr, attachments);
    job.ReducedDecoding = mode != "--full";
    TRepeatHost host(photo, runs);
    job.Run(host);
    if (!host.Failures.isEmpty()) {
        std::fprintf(stderr, "%s failed\n", qPrintable(photo));
        return 1;
    }
    for (double t : host.Times)
        std::printf("%.3f\n", t);
    return 0;
}

QStringList CommandLine(const char* program, bool gm, const QString& photo, const QString& out) {
    QStringList args{QString::fromLatin1(program)};
    if (gm)
        args << QStringLiteral("convert");
    args << photo << QStringLiteral("-filter") << QStringLiteral("Lanczos")
         << QStringLiteral("-resize") << QStringLiteral("600x600") << QStringLiteral("-quality")
         << QStringLiteral("70") << QStringLiteral("-write") << out + QStringLiteral("/L.jpg")
         << QStringLiteral("-resize") << QStringLiteral("350x325") << QStringLiteral("-write")
         << out + QStringLiteral("/M.jpg") << QStringLiteral("-resize") << QStringLiteral("100x95")
         << out + QStringLiteral("/T.jpg");
    return args;
}

// Photos of the wallpaper package, and two made from them: a 24-megapixel enlargement and a
// JPEG beyond the library's size limits.
QStringList PreparePhotos(const QString& workFolder) {
    QStringList photos;
    QDirIterator it(QString::fromLatin1(PhotoFolder), {QStringLiteral("*.jpg")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        photos << it.next();
    photos.sort();

    const QString big = workFolder + QStringLiteral("/photo-24mp.jpg");
    if (!QFileInfo::exists(big) && !photos.isEmpty()) {
        QImage source(photos.value(photos.indexOf(QRegularExpression(QStringLiteral(".*Dune.jpg"))),
                                   photos.first()));
        source.scaled(6000, 4000, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
            .save(big, "JPEG", 92);
    }
    if (QFileInfo::exists(big))
        photos << big;

    const QString huge = workFolder + QStringLiteral("/beyond-limits-20000x15000.jpg");
    if (!QFileInfo::exists(huge)) {
        QImage image(20000, 15000, QImage::Format_Grayscale8);
        for (int y = 0; y < image.height(); ++y) {
            uchar* line = image.scanLine(y);
            for (int x = 0; x < image.width(); ++x)
                line[x] = static_cast<uchar>((x / 40 + y / 30) % 2 ? 60 + y % 97 : 190 - x % 83);
        }
        image.save(huge, "JPEG", 85);
    }
    photos << huge;
    return photos;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc >= 6 && QByteArray(argv[1]) == "--job") {
        // The job starts as the program does.
        SetUpImageMemory(argv);
        QCoreApplication app(argc, argv);
        return RunJob(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                      QByteArray(argv[4]), QByteArray(argv[5]).toInt(),
                      argc >= 7 ? QString::fromLatin1(argv[6]) : QString());
    }
    if (argc >= 3 && QByteArray(argv[1]) == "--prepare") {
        QCoreApplication app(argc, argv);
        const QStringList photos = PreparePhotos(QString::fromLocal8Bit(argv[2]));
        for (const QString& photo : photos)
            std::printf("%s\n", QFile::encodeName(photo).constData());
        return 0;
    }
    QCoreApplication app(argc, argv);
    int runs = 5;
    QString workFolder = QDir::tempPath() + QStringLiteral("/zv-benchmark");
    for (int i = 1; i + 1 < argc; ++i) {
        if (QByteArray(argv[i]) == "--runs")
            runs = std::max(1, QByteArray(argv[i + 1]).toInt());
        if (QByteArray(argv[i]) == "--work")
            workFolder = QString::fromLocal8Bit(argv[i + 1]);
    }
    QDir().mkpath(workFolder);
    const QString self = QCoreApplication::applicationFilePath();
    const TRunResult prepared = RunChild({self, QStringLiteral("--prepare"), workFolder});
    const QStringList photos =
        QString::fromLocal8Bit(prepared.Output).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (photos.size() < 2) {
        std::fprintf(stderr, "No photos under %s: run scripts/setup.sh\n", PhotoFolder);
        return 1;
    }

    QTextStream out(stdout);
    out << "Median wall time per image of " << runs
        << " (ms), and peak memory (MiB). zoravel: a run over a list of the photo " << runs
        << " times,\nfrom one finished image to the next (the next image is decoded while the "
           "current one\nis written); alone: the photo processed by itself; full-dec: the run "
           "without reduced\ndecoding; convert and gm: one command per image.\n\n";
    out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9  %10\n")
               .arg(QStringLiteral("photo"), -30)
               .arg(QStringLiteral("size"), 11)
               .arg(QStringLiteral("zoravel"), 8)
               .arg(QStringLiteral("alone"), 8)
               .arg(QStringLiteral("full-dec"), 8)
               .arg(QStringLiteral("convert"), 8)
               .arg(QStringLiteral("gm"), 8)
               .arg(QStringLiteral("zv/IM"), 6)
               .arg(QStringLiteral("zv/GM"), 6)
               .arg(QStringLiteral("MiB zv/alone/full/IM/GM"));
    std::vector<double> ratiosIM, ratiosGM, psnrs, jpegPsnrs, encoderLosses;
    double worstPeak = 0;
    for (const QString& photo : photos) {
        const QString name = QFileInfo(photo).fileName();
        const QSize size = QImageReader(photo).size();
        const QString zvOut = workFolder + QStringLiteral("/zv");
        const QString fullOut = workFolder + QStringLiteral("/full");
        const QString imOut = workFolder + QStringLiteral("/im");
        const QString gmOut = workFolder + QStringLiteral("/gm");
        for (const QString& f : {zvOut, fullOut, imOut, gmOut})
            QDir().mkpath(f);

        struct TMeasure {
            std::vector<double> Times;
            double Peak = 0;
            bool Ok = true;
        };
        auto inProcess = [&](const QString& folder, const char* mode, int times = 0,
                             const QString& format = QStringLiteral("JPG")) {
            TMeasure m;
            const TRunResult r =
                RunChild({self, QStringLiteral("--job"), photo, folder, QString::fromLatin1(mode),
                          QString::number(times > 0 ? times : runs), format});
            m.Ok = r.Ok;
            m.Peak = r.PeakMiB;
            for (const QByteArray& line : r.Output.split('\n'))
                if (!line.isEmpty())
                    m.Times.push_back(line.toDouble());
            return m;
        };
        auto perCommand = [&](const QStringList& args) {
            TMeasure m;
            for (int r = 0; r < runs; ++r) {
                const TRunResult result = RunChild(args);
                m.Ok = m.Ok && result.Ok;
                m.Times.push_back(result.Milliseconds);
                m.Peak = std::max(m.Peak, result.PeakMiB);
            }
            return m;
        };
        const TMeasure zv = inProcess(zvOut, "--reduced");
        const TMeasure alone = inProcess(zvOut, "--alone");
        const TMeasure full = inProcess(fullOut, "--full");
        const TMeasure im = perCommand(CommandLine(ConvertPath, false, photo, imOut));
        const TMeasure gm = perCommand(CommandLine(GmPath, true, photo, gmOut));

        auto cell = [](const TMeasure& m) {
            return m.Ok ? QString::number(Median(m.Times), 'f', 0) : QStringLiteral("failed");
        };
        auto ratio = [&](const TMeasure& other, std::vector<double>& all) {
            if (!zv.Ok || !other.Ok)
                return QStringLiteral("-");
            const double r = Median(zv.Times) / Median(other.Times);
            all.push_back(r);
            return QString::number(r, 'f', 2);
        };
        if (zv.Ok)
            worstPeak = std::max(worstPeak, zv.Peak);
        out << QStringLiteral("%1 %2 %3 %4 %5 %6 %7 %8 %9  %10\n")
                   .arg(name.left(30), -30)
                   .arg(QStringLiteral("%1x%2").arg(size.width()).arg(size.height()), 11)
                   .arg(cell(zv), 8)
                   .arg(cell(alone), 8)
                   .arg(cell(full), 8)
                   .arg(cell(im), 8)
                   .arg(cell(gm), 8)
                   .arg(ratio(im, ratiosIM), 6)
                   .arg(ratio(gm, ratiosGM), 6)
                   .arg(QStringLiteral("%1/%2/%3/%4/%5")
                            .arg(zv.Peak, 0, 'f', 0)
                            .arg(alone.Peak, 0, 'f', 0)
                            .arg(full.Peak, 0, 'f', 0)
                            .arg(im.Peak, 0, 'f', 0)
                            .arg(gm.Peak, 0, 'f', 0));
        out.flush();
        // What the reduced decode changes: the JPEG 70 outputs themselves, and the same run
        // written losslessly, which shows the resampling alone without the encoder's rounding.
        // Against the full decode's lossless picture, both JPEG outputs show how far the
        // reduced one is from what the encoder itself keeps.
        auto comparePsnr = [&](const QString& a, const QString& aExtension, const QString& b,
                               const QString& bExtension, std::vector<double>& into) {
            const QString base = QFileInfo(photo).completeBaseName();
            for (const auto& [folder, prefix] :
                 {std::pair{"Large", "Large_"}, {"Medium", "Medium_"}, {"Thumbnail", "Thumb_"}}) {
                const QString rel = QStringLiteral("/Resized Images/") + QLatin1String(folder) +
                                    QLatin1Char('/') + QLatin1String(prefix) + base;
                into.push_back(Psnr(QImage(a + rel + aExtension), QImage(b + rel + bExtension)));
            }
        };
        if (zv.Ok && full.Ok) {
            const QString jpg = QStringLiteral(".jpg");
            const QString png = QStringLiteral(".png");
            comparePsnr(zvOut, jpg, fullOut, jpg, jpegPsnrs);
            const QString zvPng = workFolder + QStringLiteral("/zv-png");
            const QString fullPng = workFolder + QStringLiteral("/full-png");
            QDir().mkpath(zvPng);
            QDir().mkpath(fullPng);
            if (inProcess(zvPng, "--reduced", 1, png).Ok &&
                inProcess(fullPng, "--full", 1, png).Ok) {
                comparePsnr(zvPng, png, fullPng, png, psnrs);
                std::vector<double> reducedKept, fullKept;
                comparePsnr(zvOut, jpg, fullPng, png, reducedKept);
                comparePsnr(fullOut, jpg, fullPng, png, fullKept);
                for (size_t i = 0; i < reducedKept.size() && i < fullKept.size(); ++i)
                    encoderLosses.push_back(fullKept[i] - reducedKept[i]);
            }
        }
    }
    auto lowest = [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::min_element(v.begin(), v.end());
    };
    auto worst = [](const std::vector<double>& v) {
        return v.empty() ? 0.0 : *std::max_element(v.begin(), v.end());
    };
    out << "\nRatio to ImageMagick: median " << QString::number(Median(ratiosIM), 'f', 2)
        << ", worst " << QString::number(worst(ratiosIM), 'f', 2)
        << "\nRatio to GraphicsMagick: median " << QString::number(Median(ratiosGM), 'f', 2)
        << ", worst " << QString::number(worst(ratiosGM), 'f', 2)
        << "\nPeak memory of the image job: " << QString::number(worstPeak, 'f', 0) << " MiB"
        << "\nLowest PSNR of reduced against full decoding, lossless outputs: "
        << QString::number(lowest(psnrs), 'f', 1)
        << " dB, JPEG 70 outputs: " << QString::number(lowest(jpegPsnrs), 'f', 1) << " dB"
        << "\nJPEG 70 outputs against the full decode's lossless picture: reduced decoding "
           "loses at most "
        << QString::number(worst(encoderLosses), 'f', 2) << " dB against full decoding\n";
    return 0;
}
