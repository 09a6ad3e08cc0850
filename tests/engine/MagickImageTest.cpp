#include "Exceptions.h"
#include "MagickImage.h"
#include "TestSupport.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>

#include <magick/MagickCore.h>

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

class MagickImageTest : public TMagickTest {
protected:
    TSandBox FBox;
};

// The format a file really holds, told by its first bytes.
QByteArray ReaderFormat(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray head = file.read(8);
    if (head.startsWith("\xFF\xD8"))
        return "jpeg";
    if (head.startsWith("\x89PNG"))
        return "png";
    if (head.startsWith("BM"))
        return "bmp";
    if (head.startsWith("GIF8"))
        return "gif";
    if (head.startsWith(QByteArray("II*\0", 4)) || head.startsWith(QByteArray("MM\0*", 4)))
        return "tiff";
    return {};
}

// Two frames of 2 x 2 pixels, built byte by byte: Qt cannot write an animated GIF.
QByteArray TwoFrameGif() {
    const QByteArray header = QByteArray::fromHex("474946383961020002008000000000ffffff");
    const QByteArray frame =
        QByteArray::fromHex("21f90400000000002c00000000020002000002028451003b").chopped(1);
    return header + frame + frame + QByteArray::fromHex("3b");
}

TEST_F(MagickImageTest, LoadsAndSavesEveryOutputFormat) {
    struct TCase {
        const char* Extension;
        const char* Format;
        QByteArray Expected;
    };
    const TCase cases[] = {{"jpg", "jpg", "jpeg"},
                           {"png", ".png", "png"},
                           {"bmp", "BMP", "bmp"},
                           {"gif", "gif", "gif"},
                           {"tif", "TIFF", "tiff"}};
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Extension);
        const QString source = FBox.WriteImage(QStringLiteral("in.png"), 64, 48);
        TMagickImage image;
        image.LoadFromFile(source);
        ASSERT_EQ(image.GetWidth(), 64);
        ASSERT_EQ(image.GetHeight(), 48);
        image.SetFormat(QString::fromLatin1(c.Format));
        const QString target = FBox.File(QStringLiteral("out.") + QLatin1String(c.Extension));
        EXPECT_TRUE(image.SaveToFile(target));
        EXPECT_EQ(ReaderFormat(target), c.Expected);
        TMagickImage back;
        back.LoadFromFile(target);
        EXPECT_EQ(back.GetWidth(), 64);
        EXPECT_EQ(back.GetHeight(), 48);
    }
}

TEST_F(MagickImageTest, FilesThatAreNotImagesLeaveTheObjectEmpty) {
    for (const QString& path : {FBox.WriteText(QStringLiteral("notes.jpg"), "just some text\n"),
                                FBox.File(QStringLiteral("missing.png"))}) {
        TMagickImage image;
        EXPECT_NO_THROW(image.LoadFromFile(path));
        EXPECT_TRUE(image.GetEmpty());
        EXPECT_EQ(image.GetWidth(), 0);
        EXPECT_EQ(image.GetHeight(), 0);
        EXPECT_FALSE(image.SaveToFile(FBox.File(QStringLiteral("never.png"))));
        EXPECT_FALSE(QFile::exists(FBox.File(QStringLiteral("never.png"))));
    }
}

TEST_F(MagickImageTest, EmptyObjectBehavesAsEmptyEverywhere) {
    TMagickImage image;
    EXPECT_TRUE(image.GetEmpty());
    EXPECT_EQ(image.ImageCount(), 0);
    EXPECT_EQ(image.GetImage(0), nullptr);
    TBitmap bitmap(5, 5, BitmapFormat);
    image.AssignTo(bitmap);
    EXPECT_EQ(bitmap.width(), 0);
    EXPECT_EQ(bitmap.height(), 0);
    image.Resize(10, 10, TMagickImage::FilterMethod, TMagickImage::LanczosFilter, 1.0);
    image.Border(3, 0, 0);
    image.Blur(1, 1);
    EXPECT_TRUE(image.GetEmpty());
    EXPECT_THROW(image.SetWidth(3), EAbstractError);
}

TEST_F(MagickImageTest, MultiFrameFilesKeepFramesUntilAFirstFrameRebuild) {
    QFile gif(FBox.File(QStringLiteral("anim.gif")));
    ASSERT_TRUE(gif.open(QIODevice::WriteOnly));
    gif.write(TwoFrameGif());
    gif.close();

    TMagickImage image;
    image.LoadFromFile(gif.fileName());
    ASSERT_EQ(image.ImageCount(), 2);
    EXPECT_NE(image.GetImage(1), nullptr);
    EXPECT_EQ(image.GetImage(2), nullptr);
    EXPECT_EQ(image.GetImage(-1), nullptr);

    TMagickImage copy;
    copy.Assign(image);
    EXPECT_EQ(copy.ImageCount(), 2) << "a copy keeps every frame";

    image.Blur(0.5, 0.5);
    EXPECT_EQ(image.ImageCount(), 2) << "blur replaces only the first frame";
    image.Resize(4, 4, TMagickImage::SampleMethod, 0, 1.0);
    EXPECT_EQ(image.ImageCount(), 1);
    EXPECT_EQ(image.GetWidth(), 4);
    EXPECT_EQ(copy.ImageCount(), 2) << "the copy is independent of its source";
}

TEST_F(MagickImageTest, ResizeBorderAndRotateGiveTheExpectedGeometry) {
    const QString source = FBox.WriteImage(QStringLiteral("p.png"), 100, 80, QColor(0, 200, 0));
    struct TCase {
        const char* Name;
        std::function<void(TMagickImage&)> Apply;
        QSize Expected;
    };
    const TCase cases[] = {
        {"filtered resize",
         [](TMagickImage& i) { i.Resize(50, 40, 2, TMagickImage::LanczosFilter, 1.0); },
         {50, 40}},
        {"sampled resize", [](TMagickImage& i) { i.Resize(37, 11, 3, 0, 1.0); }, {37, 11}},
        {"scaled resize", [](TMagickImage& i) { i.Resize(20, 16, 4, 0, 1.0); }, {20, 16}},
        {"magnify", [](TMagickImage& i) { i.Resize(1, 1, 0, 0, 1.0); }, {200, 160}},
        {"border", [](TMagickImage& i) { i.Border(5, 0x0000FF, 0); }, {110, 90}},
        {"frame", [](TMagickImage& i) { i.Border(4, 0x0000FF, 1); }, {108, 88}},
        {"rotate", [](TMagickImage& i) { i.Rotate(90.0); }, {80, 100}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TMagickImage image;
        image.LoadFromFile(source);
        c.Apply(image);
        EXPECT_EQ(QSize(image.GetWidth(), image.GetHeight()), c.Expected);
        EXPECT_EQ(image.ImageCount(), 1);
    }
}

TEST_F(MagickImageTest, BorderUsesTheGivenColourAroundTheUnchangedPicture) {
    TMagickImage image;
    image.Assign(MakeImage(100, 80, QColor(0, 200, 0)));
    image.Border(5, 0x0000FF, 0); // red
    TBitmap bitmap;
    image.AssignTo(bitmap);
    ASSERT_EQ(bitmap.size(), QSize(110, 90));
    EXPECT_EQ(bitmap.format(), BitmapFormat);
    EXPECT_EQ(bitmap.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(bitmap.pixelColor(109, 89), QColor(255, 0, 0));
    EXPECT_EQ(bitmap.pixelColor(4, 45), QColor(255, 0, 0));
    EXPECT_EQ(bitmap.pixelColor(5, 5), QColor(0, 200, 0));
}

TEST_F(MagickImageTest, CompositeDrawsTheOverlayOnlyWhereItIsPlaced) {
    TMagickImage image;
    image.Assign(MakeImage(60, 40, Qt::white));
    TBitmap before;
    image.AssignTo(before);

    TMagickImage empty;
    EXPECT_FALSE(image.Composite(empty, QPoint(5, 5), 1));
    TBitmap unchanged;
    image.AssignTo(unchanged);
    EXPECT_EQ(unchanged, before);

    TMagickImage overlay;
    QImage red(10, 6, QImage::Format_RGB32);
    red.fill(Qt::red);
    overlay.Assign(red);
    EXPECT_TRUE(image.Composite(overlay, QPoint(7, 9), 1));
    TBitmap after;
    image.AssignTo(after);
    EXPECT_EQ(ChangedArea(before, after), QRect(7, 9, 10, 6));
    EXPECT_EQ(after.pixelColor(8, 10), QColor(Qt::red));
}

TEST_F(MagickImageTest, AnnotateDrawsTheWholeTextLiterally) {
    const QString font = TestFontFile(QStringLiteral("DejaVuSans.ttf"));
    auto drawn = [&](const QString& text) {
        TMagickImage image;
        image.Assign(MakeImage(400, 60, Qt::white));
        TBitmap before;
        image.AssignTo(before);
        image.Annotate(text, QPoint(10, 10), 1, 0x000000, 20, font);
        TBitmap after;
        image.AssignTo(after);
        return ChangedArea(before, after);
    };
    const QRect plain = drawn(QStringLiteral("Bob"));
    ASSERT_FALSE(plain.isEmpty()) << "annotate must change pixels";
    EXPECT_GE(plain.left(), 10);
    EXPECT_GE(plain.top(), 10);
    const QRect quoted = drawn(QStringLiteral("Bob's photos"));
    EXPECT_GT(quoted.width(), plain.width() * 3) << "the text after the quote was not drawn";
    const QRect tricky = drawn(QStringLiteral("a\\b 100% ' fill 'red"));
    EXPECT_GT(tricky.width(), plain.width() * 3);
}

TEST_F(MagickImageTest, QualityReachesTheJpegWriterAndClearRestoresDefaults) {
    const QString source = FBox.WriteImage(QStringLiteral("q.png"), 64, 64);
    TMagickImage image;
    image.LoadFromFile(source);
    image.SetFormat(QStringLiteral("JPG"));
    image.SetQuality(70);
    EXPECT_EQ(image.Format(), QStringLiteral("JPG"));
    const QString target = FBox.File(QStringLiteral("q.jpg"));
    ASSERT_TRUE(image.SaveToFile(target));
    TMagickImage back;
    back.LoadFromFile(target);
    ASSERT_FALSE(back.GetEmpty());
    EXPECT_EQ(back.GetImage(0)->quality, 70u);

    image.Clear();
    EXPECT_TRUE(image.GetEmpty());
    EXPECT_EQ(image.Quality(), 0) << "the library's default quality";
    EXPECT_EQ(image.Format(), QString());
}

TEST_F(MagickImageTest, SetFormatNormalisesNames) {
    for (const char* name : {"jpg", "JPG", ".jpg"}) {
        TMagickImage image;
        image.SetFormat(QString::fromLatin1(name));
        EXPECT_EQ(image.Format(), QStringLiteral("JPG")) << name;
    }
}

TEST_F(MagickImageTest, OutputNamesAreTakenLiterally) {
    const QString source = FBox.WriteImage(QStringLiteral("s.png"), 20, 10);
    TMagickImage image;
    image.LoadFromFile(source);
    for (const QString& name : {QStringLiteral("photo[1].png"), QStringLiteral("50%d off.png"),
                                QStringLiteral("gif:trick.png")}) {
        EXPECT_TRUE(image.SaveToFile(FBox.File(name))) << name.toStdString();
        EXPECT_EQ(ReaderFormat(FBox.File(name)), QByteArray("png")) << name.toStdString();
    }
    EXPECT_EQ(QDir(FBox.Path()).entryList(QDir::Files).size(), 4);
}

TEST_F(MagickImageTest, StreamsDecodeFromThePositionAndRefuseEmptyStreams) {
    QBuffer empty;
    empty.open(QIODevice::ReadWrite);
    TMagickImage image;
    try {
        image.LoadFromStream(empty);
        FAIL() << "an empty stream was accepted";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Stream size must be defined."));
    }

    QByteArray bytes("junk");
    QBuffer png(&bytes);
    png.open(QIODevice::ReadWrite);
    png.seek(4);
    MakeImage(30, 20).save(&png, "PNG");
    png.seek(4);
    image.LoadFromStream(png);
    EXPECT_EQ(image.GetWidth(), 30);
    EXPECT_EQ(png.pos(), 4) << "a memory stream is read in place";

    QBuffer out;
    out.open(QIODevice::ReadWrite);
    image.SetFormat(QStringLiteral("BMP"));
    image.SaveToStream(out);
    EXPECT_TRUE(out.data().startsWith("BM"));
}

TEST_F(MagickImageTest, BitmapRoundTripKeepsPixelsAndChannelOrder) {
    QImage source = MakeImage(16, 8, Qt::white);
    source.setPixelColor(0, 0, QColor(255, 0, 0));
    source.setPixelColor(15, 7, QColor(0, 0, 255));
    TMagickImage image;
    image.Assign(source);
    TBitmap bitmap;
    image.AssignTo(bitmap);
    ASSERT_EQ(bitmap.size(), QSize(16, 8));
    EXPECT_EQ(bitmap.pixelColor(0, 0), QColor(255, 0, 0));
    EXPECT_EQ(bitmap.pixelColor(15, 7), QColor(0, 0, 255));

    QImage canvas(32, 16, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    {
        QPainter painter(&canvas);
        image.Draw(painter, canvas.rect());
    }
    EXPECT_EQ(canvas.pixelColor(0, 0), QColor(255, 0, 0));
}

TEST_F(MagickImageTest, PingTellsTheSizeAndAHintDecodesJpegReduced) {
    const QString jpeg = FBox.WriteImage(QStringLiteral("big.jpg"), 800, 600);
    TMagickImage image;
    EXPECT_EQ(image.PingSize(jpeg), QSize(800, 600));
    EXPECT_FALSE(image.PingSize(FBox.WriteText(QStringLiteral("t.jpg"), "text")).isValid());
    EXPECT_TRUE(image.GetEmpty()) << "ping loads nothing";

    image.SetDecodeSizeHint(QSize(200, 150));
    image.LoadFromFile(jpeg);
    EXPECT_GE(image.GetWidth(), 200);
    EXPECT_GE(image.GetHeight(), 150);
    EXPECT_LT(image.GetWidth(), 800);

    image.Clear();
    image.LoadFromFile(jpeg);
    EXPECT_EQ(image.GetWidth(), 800) << "Clear forgets the hint";
}

TEST_F(MagickImageTest, CopyIsExactNotARecompressedJpeg) {
    const QString source = FBox.WriteImage(QStringLiteral("c.jpg"), 120, 90, QColor(200, 30, 90));
    TMagickImage image;
    image.LoadFromFile(source);
    TMagickImage copy;
    copy.Assign(image);
    TBitmap a;
    TBitmap b;
    image.AssignTo(a);
    copy.AssignTo(b);
    EXPECT_EQ(a, b);
}

} // namespace
