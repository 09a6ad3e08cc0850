#include "Exceptions.h"
#include "ImageThread.h"
#include "MagickImage.h"
#include "RunHost.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>

#include <magick/MagickCore.h>

#include <gtest/gtest.h>

#include <functional>

using namespace ZVTest;

namespace {

TEST(FitToBox, KeepsTheAspectRatioWithExtendedPrecisionAndHalvesToEven) {
    struct TCase {
        QSize Source;
        QSize Box;
        QSize Expected;
    };
    const TCase cases[] = {
        {{1600, 1200}, {600, 600}, {600, 450}},
        {{600, 450}, {350, 325}, {350, 263}},   // 350/600 as a double lies just above 7/12
        {{1600, 1200}, {350, 325}, {350, 262}}, // exactly 262.5: halves to even
        {{350, 263}, {100, 95}, {100, 75}},
        {{1024, 768}, {600, 600}, {600, 450}},
        {{50, 40}, {100, 95}, {100, 80}},
        {{600, 600}, {600, 600}, {600, 600}},
        {{1, 1000}, {100, 95}, {1, 95}}, // never narrower than one pixel
    };
    for (const TCase& c : cases)
        EXPECT_EQ(FitToBox(c.Source.width(), c.Source.height(), c.Box.width(), c.Box.height()),
                  c.Expected)
            << c.Source.width() << "x" << c.Source.height();
    EXPECT_THROW(FitToBox(0, 0, 100, 95), EZVError);
}

TEST(ReducedDecodeSize, HalvesUnlessTheOutputNeedsMoreAndGoesFurtherOnlyForHugeFiles) {
    struct TCase {
        QSize File;
        QSize Largest;
        QSize Expected;
    };
    const TCase cases[] = {
        {{2560, 1600}, {600, 375}, {1280, 800}},
        {{1920, 1200}, {600, 375}, {}},           // half would hold less than twice the output
        {{6000, 4000}, {600, 400}, {3000, 2000}}, // a 24-megapixel photo: half is enough
        {{5641, 3173}, {600, 338}, {2821, 1587}},
        {{20000, 15000}, {600, 450}, {2500, 1875}}, // beyond the library's limits
        {{20000, 1500}, {600, 45}, {10000, 750}},
        {{800, 600}, {600, 450}, {}},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ReducedDecodeSize(c.File, c.Largest), c.Expected) << c.File.width();
}

class ImageThreadTest : public TMagickTest {
protected:
    void SetUp() override {
        FSettings.OUTPUT_FOLDER = FBox.Path() + QStringLiteral("/out/");
        QDir().mkpath(FSettings.OUTPUT_FOLDER);
        FSource = std::make_unique<TMagickImage>();
    }

    // Runs the job over one file and returns the sizes written, keyed by size folder.
    void Process(quint8 flags, const QString& path, const TMagickImage* watermark = nullptr) {
        TImageThread job(flags, FSettings, FSource.get(), watermark, FAttachments);
        job.ProcessImage(path);
        FSource->Clear();
    }

    QString Output(const QString& folder, const QString& name) const {
        return FSettings.OUTPUT_FOLDER + QStringLiteral("Resized Images/") + folder +
               QLatin1Char('/') + name;
    }

    static QSize SizeOf(const QString& path) {
        QImageReader reader(path);
        return reader.size();
    }

    static int JpegQuality(const QString& path) {
        TMagickImage image;
        image.LoadFromFile(path);
        return image.GetEmpty() ? -1 : static_cast<int>(image.GetImage(0)->quality);
    }

    TSandBox FBox;
    TSettings FSettings;
    std::unique_ptr<TMagickImage> FSource;
    QStringList FAttachments;
};

TEST_F(ImageThreadTest, EverySizeIsFittedIntoItsBox) {
    const QString photo = FBox.WriteImage(QStringLiteral("Photo.png"), 1600, 1200);
    struct TCase {
        const char* Name;
        quint8 Flags;
        bool HighQuality;
        QSize Large, Medium, Thumb;
    };
    const TCase cases[] = {
        {"cascade, sampled", RunFit, false, {600, 450}, {350, 263}, {100, 75}},
        {"cascade, filtered", RunFit, true, {600, 450}, {350, 263}, {100, 75}},
        {"each from a copy", RunFit | RunAnnotation, false, {600, 450}, {350, 262}, {100, 75}},
        {"border 3", RunFit | RunBorder, false, {606, 456}, {356, 268}, {106, 81}},
    };
    FSettings.BORDER_WIDTH = 3;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        FSettings.RQ_HIGH = c.HighQuality;
        Process(c.Flags, photo);
        EXPECT_EQ(SizeOf(Output(QStringLiteral("Large"), QStringLiteral("Large_Photo.jpg"))),
                  c.Large);
        EXPECT_EQ(SizeOf(Output(QStringLiteral("Medium"), QStringLiteral("Medium_Photo.jpg"))),
                  c.Medium);
        EXPECT_EQ(SizeOf(Output(QStringLiteral("Thumbnail"), QStringLiteral("Thumb_Photo.jpg"))),
                  c.Thumb);
    }
}

TEST_F(ImageThreadTest, SmallAndExactImagesAreFittedToo) {
    FSettings.PROCESS_LARGE = false;
    FSettings.PROCESS_MEDIUM = false;
    Process(RunFit, FBox.WriteImage(QStringLiteral("small.png"), 50, 40));
    EXPECT_EQ(SizeOf(Output(QStringLiteral("Thumbnail"), QStringLiteral("Thumb_small.jpg"))),
              QSize(100, 80));

    FSettings.PROCESS_LARGE = true;
    FSettings.PROCESS_THUMB = false;
    Process(RunFit, FBox.WriteImage(QStringLiteral("square.png"), 600, 600));
    EXPECT_EQ(SizeOf(Output(QStringLiteral("Large"), QStringLiteral("Large_square.jpg"))),
              QSize(600, 600));
    Process(RunFit, FBox.WriteImage(QStringLiteral("xga.png"), 1024, 768));
    EXPECT_EQ(SizeOf(Output(QStringLiteral("Large"), QStringLiteral("Large_xga.jpg"))),
              QSize(600, 450));
}

TEST_F(ImageThreadTest, QualityIsSetOnlyForTheExactFormatNameJPG) {
    const QString photo = FBox.WriteImage(QStringLiteral("q.png"), 300, 200);
    FSettings.PROCESS_MEDIUM = false;
    FSettings.PROCESS_THUMB = false;
    FSettings.JPG_QUALITY = 70;
    Process(RunFit, photo);
    const QString jpg = Output(QStringLiteral("Large"), QStringLiteral("Large_q.jpg"));
    EXPECT_EQ(JpegQuality(jpg), 70);

    FSettings.OUTPUT_FORMAT = QStringLiteral("jpg");
    QFile::remove(jpg);
    Process(RunFit, photo);
    const int quality = JpegQuality(jpg);
    EXPECT_GT(quality, 0) << "lower-case jpg still writes JPEG";
    EXPECT_NE(quality, 70) << "but no quality is set";

    FSettings.OUTPUT_FORMAT = QStringLiteral("PNG");
    Process(RunFit, photo);
    QImageReader png(Output(QStringLiteral("Large"), QStringLiteral("Large_q.png")));
    EXPECT_EQ(png.format(), QByteArray("png"));
}

TEST_F(ImageThreadTest, EmailModeProducesAndCollectsTheEmailSizeOnly) {
    const QString photo = FBox.WriteImage(QStringLiteral("mail.png"), 800, 600);
    FSettings.EMAIL_DIMENSION = 0;
    FSettings.PROCESS_THUMB = false;
    const QString thumb = Output(QStringLiteral("Thumbnail"), QStringLiteral("Thumb_mail.jpg"));

    Process(RunFit, photo);
    EXPECT_FALSE(QFile::exists(thumb)) << "a plain run writes no disabled size";
    EXPECT_TRUE(FAttachments.isEmpty()) << "nothing of the e-mail size was written";

    Process(RunFit | RunEmail, photo);
    EXPECT_TRUE(QFile::exists(thumb));
    EXPECT_EQ(FAttachments, QStringList{thumb});
}

TEST_F(ImageThreadTest, ScreenSaverModeWritesOnlyLargeIntoTheFolderItself) {
    const QString photo = FBox.WriteImage(QStringLiteral("Beach.png"), 800, 600);
    FSettings.PROCESS_LARGE = false;
    Process(RunFit | RunScreenSaver, photo);
    EXPECT_EQ(
        QDir(FSettings.OUTPUT_FOLDER).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
        QStringList{QStringLiteral("Large_Beach.jpg")});
    EXPECT_EQ(SizeOf(FSettings.OUTPUT_FOLDER + QStringLiteral("Large_Beach.jpg")), QSize(600, 450));
}

TEST_F(ImageThreadTest, DecorationsChangeOnlyWhereTheyArePlaced) {
    const QString photo =
        FBox.WriteImage(QStringLiteral("deco.png"), 800, 600, QColor(230, 230, 230));
    FSettings.OUTPUT_FORMAT = QStringLiteral("PNG");
    FSettings.PROCESS_MEDIUM = false;
    FSettings.PROCESS_THUMB = false;
    const QString large = Output(QStringLiteral("Large"), QStringLiteral("Large_deco.png"));
    Process(RunFit, photo);
    const QImage plain(large);
    ASSERT_EQ(plain.size(), QSize(600, 450));

    TMagickImage watermark;
    QImage red(40, 30, QImage::Format_RGB32);
    red.fill(Qt::red);
    watermark.Assign(red);
    FSettings.WATERMARK_X = 25;
    FSettings.WATERMARK_Y = 35;
    FSettings.WATERMARK_OPERATOR = 1; // Over
    Process(RunFit | RunWatermark, photo, &watermark);
    EXPECT_EQ(ChangedArea(plain, QImage(large)), QRect(25, 35, 40, 30));

    FSettings.ANNOTATION_TEXT = QStringLiteral("Zoravel");
    FSettings.ANNOTATION_FONT_NAME = TestFontFile(QStringLiteral("DejaVuSans.ttf"));
    FSettings.ANNOTATION_FONT_SIZE = 20;
    FSettings.ANNOTATION_X = 50;
    FSettings.ANNOTATION_Y = 60;
    Process(RunFit | RunAnnotation, photo);
    const QRect text = ChangedArea(plain, QImage(large));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 50);
    EXPECT_GE(text.top(), 60);
    EXPECT_LT(text.left(), 60);
    EXPECT_LT(text.top(), 70);
}

TEST_F(ImageThreadTest, TransparentAreasBecomeWhiteInJpeg) {
    QImage clear(200, 100, QImage::Format_ARGB32);
    clear.fill(Qt::transparent);
    const QString path = FBox.File(QStringLiteral("clear.png"));
    ASSERT_TRUE(clear.save(path));
    FSettings.PROCESS_MEDIUM = false;
    FSettings.PROCESS_THUMB = false;
    Process(RunFit, path);
    const QImage out(Output(QStringLiteral("Large"), QStringLiteral("Large_clear.jpg")));
    ASSERT_FALSE(out.isNull());
    EXPECT_GT(qGray(out.pixel(300, 150)), 245);
}

TEST_F(ImageThreadTest, UnreadableImagesAndUnwritableFoldersFailTheImage) {
    EXPECT_THROW(Process(RunFit, FBox.WriteText(QStringLiteral("text.jpg"), "not a picture")),
                 EZVError);
    EXPECT_THROW(Process(RunFit, FBox.File(QStringLiteral("gone.png"))), EZVError);

    const QString photo = FBox.WriteImage(QStringLiteral("p.png"), 400, 300);
    FSettings.OUTPUT_FOLDER = FBox.Path() + QStringLiteral("/missing/deeper/");
    FSettings.EMAIL_DIMENSION = 2;
    EXPECT_THROW(Process(RunFit | RunEmail, photo), EZVError);
    EXPECT_TRUE(FAttachments.isEmpty()) << "no empty path reaches the attachments";
    EXPECT_FALSE(QFileInfo::exists(FSettings.OUTPUT_FOLDER));
}

TEST_F(ImageThreadTest, ReducedJpegDecodingKeepsSizesAndPicture) {
    const QString photo = FBox.File(QStringLiteral("camera.jpg"));
    ASSERT_TRUE(MakePhoto(4000, 3000).save(photo, "JPEG", 90));
    FSettings.OUTPUT_FORMAT = QStringLiteral("PNG");
    for (bool high : {true, false}) {
        SCOPED_TRACE(high ? "filtered" : "sampled");
        FSettings.RQ_HIGH = high;
        QList<QImage> outputs[2];
        for (bool reduced : {false, true}) {
            TImageThread job(RunFit, FSettings, FSource.get(), nullptr, FAttachments);
            job.ReducedDecoding = reduced;
            job.ProcessImage(photo);
            FSource->Clear();
            for (const auto& [folder, prefix] :
                 {std::pair{"Large", "Large_"}, {"Medium", "Medium_"}, {"Thumbnail", "Thumb_"}})
                outputs[reduced].append(QImage(Output(
                    QLatin1String(folder), QLatin1String(prefix) + QStringLiteral("camera.png"))));
        }
        const QSize expected[] = {{600, 450}, {350, 263}, {100, 75}};
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(outputs[1][i].size(), expected[i]);
            EXPECT_EQ(outputs[0][i].size(), expected[i]);
            if (high)
                EXPECT_GE(Psnr(outputs[0][i], outputs[1][i]), 45.0) << "size " << i;
            else
                EXPECT_EQ(outputs[0][i], outputs[1][i]) << "sampling decodes whole";
        }
    }
}

TEST_F(ImageThreadTest, JpegsBeyondTheLibraryLimitsAreProcessed) {
    QImage wide(20000, 1500, QImage::Format_RGB888);
    wide.fill(QColor(90, 140, 60));
    const QString path = FBox.File(QStringLiteral("panorama.jpg"));
    ASSERT_TRUE(wide.save(path, "JPEG", 80));
    wide = QImage();
    FSettings.PROCESS_MEDIUM = false;
    FSettings.PROCESS_THUMB = false;
    Process(RunFit, path);
    EXPECT_EQ(SizeOf(Output(QStringLiteral("Large"), QStringLiteral("Large_panorama.jpg"))),
              QSize(600, 45));
}

} // namespace

namespace {

// A list of paths standing in for the main window during a run.
class TFakeHost : public TRunHost {
public:
    QStringList Entries;
    QStringList Events;
    QList<QPair<int, int>> Progress;
    QStringList Report;
    QStringList Mailed;
    QString MailSubject;
    QString SaverFolder;
    int StopAfter = -1;
    bool Stopped = false;
    // Stands in for the user changing the list while a run waits for input.
    std::function<void(int processed)> OnEvents;

    int EntryCount() const override { return static_cast<int>(Entries.size()); }
    void SelectFirstEntry() override {}
    QString FirstEntryPath() const override { return Entries.first(); }
    QString NextEntryPath() const override { return Entries.value(1); }
    void DeleteFirstEntry() override { Entries.removeFirst(); }
    void EnterRunningState(int count) override {
        Events << QStringLiteral("enter %1").arg(count);
        Stopped = false;
    }
    void ShowRunProgress(int processed, int total) override { Progress.append({processed, total}); }
    void ProcessPendingEvents() override {
        if (!Progress.isEmpty() && Progress.last().first == StopAfter)
            Stopped = true;
        if (OnEvents && !Progress.isEmpty())
            OnEvents(Progress.last().first);
    }
    bool StopRequested() const override { return Stopped; }
    void LeaveRunningState() override {
        Events << QStringLiteral("leave");
        Stopped = true;
    }
    QString ScreenSaverFolder() const override { return SaverFolder; }
    void ShowReport(const QStringList& failures) override {
        Events << QStringLiteral("report");
        Report = failures;
    }
    void MailProcessedImages(const QString& subject, const QStringList& files) override {
        MailSubject = subject;
        Mailed = files;
    }
};

class ImageRunTest : public TMagickTest {
protected:
    void SetUp() override {
        FSettings.OUTPUT_FOLDER = FBox.Path() + QStringLiteral("/out/");
        QDir().mkpath(FSettings.OUTPUT_FOLDER);
        for (int i = 1; i <= 10; ++i)
            FHost.Entries << (i == 3
                                  ? FBox.WriteText(QStringLiteral("img3.jpg"), "broken")
                                  : FBox.WriteImage(QStringLiteral("img%1.png").arg(i), 160, 120));
        FPaths = FHost.Entries;
    }
    void RunOnce(quint8 flags) {
        TImageThread job(flags, FSettings, nullptr, nullptr, FAttachments);
        job.Run(FHost);
        job.AfterRun(FHost);
    }
    int Written(const QString& size) const {
        return static_cast<int>(
            QDir(FSettings.OUTPUT_FOLDER + QStringLiteral("Resized Images/") + size)
                .entryList(QDir::Files)
                .size());
    }

    TSandBox FBox;
    TSettings FSettings;
    TFakeHost FHost;
    QStringList FPaths;
    QStringList FAttachments;
};

TEST_F(ImageRunTest, ProcessesTheWholeListAndReportsTheFailures) {
    RunOnce(RunFit);
    EXPECT_TRUE(FHost.Entries.isEmpty());
    for (const char* size : {"Large", "Medium", "Thumbnail"})
        EXPECT_EQ(Written(QLatin1String(size)), 9) << size;
    ASSERT_EQ(FHost.Progress.size(), 10);
    EXPECT_EQ(FHost.Progress.last(), qMakePair(10, 10));
    EXPECT_EQ(FHost.Report, QStringList{FPaths[2]});
    EXPECT_EQ(FHost.Events, (QStringList{"enter 10", "leave", "report"}));
    EXPECT_TRUE(FHost.Mailed.isEmpty()) << "only an e-mail run mails";
}

TEST_F(ImageRunTest, StopFinishesTheCurrentImageAndTheNextRunGoesOn) {
    FHost.Entries.removeAt(2);
    FHost.Entries.insert(2, FBox.WriteImage(QStringLiteral("img3.png"), 160, 120));
    FHost.StopAfter = 5;
    RunOnce(RunFit);
    EXPECT_EQ(FHost.Entries.size(), 5);
    EXPECT_EQ(FHost.Progress.last(), qMakePair(5, 10));
    EXPECT_EQ(Written(QStringLiteral("Thumbnail")), 5);
    EXPECT_TRUE(FHost.Report.isEmpty());

    FHost.StopAfter = -1;
    FHost.Progress.clear();
    RunOnce(RunFit);
    EXPECT_TRUE(FHost.Entries.isEmpty());
    EXPECT_EQ(FHost.Progress.last(), qMakePair(5, 5));
    EXPECT_EQ(Written(QStringLiteral("Thumbnail")), 10);
}

TEST_F(ImageRunTest, ScreenSaverRunsWriteJpegIntoTheirFolderAndRestoreTheSettings) {
    FHost.SaverFolder = FBox.Path() + QStringLiteral("/screensaver/");
    QDir().mkpath(FHost.SaverFolder);
    FSettings.OUTPUT_FORMAT = QStringLiteral("PNG");
    const QString folder = FSettings.OUTPUT_FOLDER;
    RunOnce(RunFit | RunScreenSaver);
    EXPECT_EQ(
        QDir(FHost.SaverFolder).entryList({QStringLiteral("Large_*.jpg")}, QDir::Files).size(), 9);
    EXPECT_EQ(FSettings.OUTPUT_FOLDER, folder);
    EXPECT_EQ(FSettings.OUTPUT_FORMAT, QStringLiteral("PNG"));
    EXPECT_FALSE(QFileInfo::exists(folder + QStringLiteral("Resized Images")));
}

TEST_F(ImageRunTest, EmailRunsMailWhatTheyCollected) {
    FSettings.EMAIL_DIMENSION = 1;
    FAttachments << QStringLiteral("left over from an earlier run");
    RunOnce(RunFit | RunEmail);
    EXPECT_EQ(FHost.MailSubject, QStringLiteral("Zoravel 2 Email"));
    ASSERT_EQ(FHost.Mailed.size(), 9);
    EXPECT_TRUE(FHost.Mailed.first().endsWith(QStringLiteral("/Medium/Medium_img1.jpg")));
}

TEST_F(ImageRunTest, EveryImageIsWrittenFromItsOwnFileWhileTheNextLoadsAhead) {
    // Different shapes, a progressive file and one large enough for a reduced decode, so that
    // an image loaded ahead and used for the wrong entry shows in the output sizes.
    const QList<QSize> sizes{{2600, 1300}, {300, 200},  {1200, 1600},
                             {640, 480},   {2000, 500}, {800, 800}};
    FHost.Entries.clear();
    for (int i = 0; i < sizes.size(); ++i) {
        const QString path = FBox.File(QStringLiteral("a%1.jpg").arg(i));
        QImageWriter writer(path, "jpeg");
        writer.setProgressiveScanWrite(i == 2);
        ASSERT_TRUE(writer.write(MakeImage(sizes[i].width(), sizes[i].height())));
        FHost.Entries << path;
    }
    const QString late = FBox.WriteImage(QStringLiteral("late.jpg"), 400, 100);
    // After the first image the entry being loaded ahead is taken out and another put first.
    FHost.OnEvents = [&](int processed) {
        if (processed == 1) {
            FHost.Entries.removeFirst();
            FHost.Entries.prepend(late);
        }
    };
    RunOnce(RunFit);
    EXPECT_TRUE(FHost.Report.isEmpty()) << FHost.Report.join(QLatin1Char(' ')).toStdString();

    QList<QPair<QString, QSize>> expected{{QStringLiteral("late"), QSize(400, 100)}};
    for (int i : {0, 2, 3, 4, 5})
        expected.append({QStringLiteral("a%1").arg(i), sizes[i]});
    auto fit = [](const QSize& size, int width, int height) {
        return FitToBox(size.width(), size.height(), width, height);
    };
    auto written = [&](const QString& relative) {
        return QImageReader(FSettings.OUTPUT_FOLDER + QStringLiteral("Resized Images/") + relative)
            .size();
    };
    for (const auto& [name, size] : expected) {
        const QSize large = fit(size, 600, 600);
        EXPECT_EQ(written(QStringLiteral("Large/Large_%1.jpg").arg(name)), large)
            << name.toStdString();
        EXPECT_EQ(written(QStringLiteral("Thumbnail/Thumb_%1.jpg").arg(name)),
                  fit(fit(large, 350, 325), 100, 95))
            << name.toStdString();
    }
    EXPECT_EQ(Written(QStringLiteral("Large")), 6) << "the entry taken out is not processed";
}

TEST_F(ImageRunTest, WithoutTheLibraryTheRunEndsIdleWithTheListIntact) {
    SetMagickLibraryLoaded(false);
    try {
        RunOnce(RunFit);
        ADD_FAILURE() << "a run started without the image library";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("ImageMagick library not loaded"));
    }
    SetMagickLibraryLoaded(true);
    EXPECT_EQ(FHost.Entries, FPaths);
    EXPECT_EQ(FHost.Events, (QStringList{"enter 10", "leave"}));
}

} // namespace
