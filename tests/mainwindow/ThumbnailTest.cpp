#include "ListEntry.h"
#include "ListPictures.h"
#include "TestSupport.h"
#include "Thumbnail.h"

#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <ostream>

using namespace ZVTest;

void PrintTo(const QRect& r, std::ostream* out) {
    *out << "(" << r.x() << ", " << r.y() << ", " << r.width() << " x " << r.height() << ")";
}

namespace {

const QSize Cell(ThumbnailCellSize, ThumbnailCellSize);

// The bounding box of the pixels inside the frame that are not white.
QRect PictureArea(const QImage& cell) {
    QRect area;
    for (int y = 1; y < cell.height() - 1; ++y)
        for (int x = 1; x < cell.width() - 1; ++x)
            if ((cell.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF)
                area |= QRect(x, y, 1, 1);
    return area;
}

bool FramedInSilver(const QImage& cell) {
    for (int i = 0; i < cell.width(); ++i)
        for (const QPoint p : {QPoint(i, 0), QPoint(i, cell.height() - 1), QPoint(0, i),
                               QPoint(cell.width() - 1, i)})
            if ((cell.pixel(p) & 0xFFFFFF) != (ThumbnailFrameColour & 0xFFFFFF))
                return false;
    return true;
}

TEST(ThumbnailRect, FitsAndCentresWithRoundedSides) {
    struct TCase {
        QSize Picture;
        QRect Drawn;
    };
    const TCase cases[] = {
        {{400, 200}, {0, 21, 84, 42}},    {{200, 400}, {21, 0, 42, 84}},
        {{300, 300}, {0, 0, 84, 84}},     {{1, 1}, {0, 0, 84, 84}},
        {{3, 2}, {0, 14, 84, 56}},        {{168, 1}, {0, 41, 84, 1}}, // 0.5 rounds up
        {{169, 1}, {0, 42, 84, 0}},       {{1000, 1}, {0, 42, 84, 0}},
        {{1, 1000}, {42, 0, 0, 84}},      {{1601, 1203}, {0, 10, 84, 63}},
        {{20000, 19999}, {0, 0, 84, 84}},
    };
    for (const TCase& c : cases) {
        const QRect drawn = ThumbnailRect(c.Picture, Cell);
        EXPECT_EQ(drawn, c.Drawn) << c.Picture.width() << " x " << c.Picture.height();
    }
    EXPECT_TRUE(ThumbnailRect({0, 10}, Cell).isNull());
}

class ThumbnailTest : public TMagickTest {};

TEST_F(ThumbnailTest, DrawsThePictureFittedOnWhiteInASilverFrame) {
    TSandBox box;
    struct TCase {
        const char* File;
        QSize Size;
        QRect Inside; // the drawn rectangle less the frame's ring
    };
    const TCase cases[] = {
        {"wide.png", {400, 200}, {1, 21, 82, 42}},
        {"tall.png", {200, 400}, {21, 1, 42, 82}},
        {"square.bmp", {300, 300}, {1, 1, 82, 82}},
        {"small.png", {30, 20}, {1, 14, 82, 56}},
    };
    TImageList list(ThumbnailCellSize, ThumbnailCellSize);
    int expectedIndex = 0;
    for (const TCase& c : cases) {
        const QString path = box.WriteImage(QString::fromLatin1(c.File), c.Size.width(),
                                            c.Size.height(), QColor(200, 40, 40));
        const int index = MakeThumbnail(path, list, -7);
        ASSERT_EQ(index, expectedIndex++) << c.File;
        const QImage cell = list.Image(index);
        ASSERT_EQ(cell.size(), Cell);
        EXPECT_EQ(PictureArea(cell), c.Inside) << c.File;
        EXPECT_TRUE(FramedInSilver(cell)) << c.File;
        const QColor middle = cell.pixelColor(42, 42);
        EXPECT_GT(middle.red(), 100) << c.File;
        EXPECT_LT(middle.green(), 80) << c.File;
    }
}

TEST_F(ThumbnailTest, AHairlineImageLeavesTheCellWhite) {
    TSandBox box;
    const QString path = box.WriteImage(QStringLiteral("line.png"), 1000, 1, Qt::black);
    TImageList list(ThumbnailCellSize, ThumbnailCellSize);
    const int index = MakeThumbnail(path, list, -1);
    ASSERT_EQ(index, 0);
    const QImage cell = list.Image(index);
    EXPECT_TRUE(PictureArea(cell).isNull());
    EXPECT_TRUE(FramedInSilver(cell));
}

TEST_F(ThumbnailTest, FilesWithoutAPictureGiveTheFailureIndex) {
    TSandBox box;
    const QString text = box.WriteText(QStringLiteral("photo.jpg"), "no picture here\n");
    const QString empty = box.WriteText(QStringLiteral("empty.png"), QByteArray());
    TImageList list(ThumbnailCellSize, ThumbnailCellSize);
    for (const QString& path : {text, empty, box.File(QStringLiteral("missing.jpg")), box.Path()})
        EXPECT_EQ(MakeThumbnail(path, list, 5), 5) << path.toStdString();
    EXPECT_EQ(list.Count(), 0);
}

TEST_F(ThumbnailTest, ReducedJpegDecodingGivesTheSamePicture) {
    TSandBox box;
    const QSize sizes[] = {{1600, 1200}, {1203, 1601}, {2400, 500}, {700, 170}};
    for (const QSize& size : sizes) {
        const QString path =
            box.File(QStringLiteral("photo%1x%2.jpg").arg(size.width()).arg(size.height()));
        ASSERT_TRUE(MakePhoto(size.width(), size.height(), 7).save(path, "JPEG", 90));
        const QImage whole = RenderThumbnail(path, Cell, TThumbnailDecode::Full);
        const QImage reduced = RenderThumbnail(path, Cell, TThumbnailDecode::Reduced);
        ASSERT_FALSE(whole.isNull());
        ASSERT_FALSE(reduced.isNull());
        const QRect drawn = ThumbnailRect(size, Cell);
        EXPECT_EQ(PictureArea(reduced), PictureArea(whole)) << size.width();
        EXPECT_EQ(PictureArea(whole), drawn & QRect(1, 1, 82, 82)) << size.width();
        EXPECT_GE(Psnr(whole, reduced), 30.0) << size.width() << " x " << size.height();
    }
}

TEST_F(ThumbnailTest, JpegsBeyondTheLibraryLimitsStillGetThumbnails) {
    // Wider than the library lets it decode whole: only a reduced decode reads it.
    TSandBox box;
    const QString path = box.File(QStringLiteral("panorama.jpg"));
    QImage panorama(16800, 900, QImage::Format_RGB888);
    panorama.fill(QColor(30, 90, 160));
    ASSERT_TRUE(panorama.save(path, "JPEG", 80));
    EXPECT_TRUE(RenderThumbnail(path, Cell, TThumbnailDecode::Full).isNull());
    const QImage reduced = RenderThumbnail(path, Cell, TThumbnailDecode::Reduced);
    ASSERT_FALSE(reduced.isNull());
    EXPECT_EQ(PictureArea(reduced), QRect(1, 39, 82, 5)); // 900 * 84 / 16800 = 4.5 -> 5
}

TEST_F(ThumbnailTest, PicturesByStyleExtensionAndContent) {
    TSandBox box;
    TListPictures pictures;
    ASSERT_EQ(pictures.LVImageList.Count(), 2);
    ASSERT_EQ(pictures.DefThumbIL.Count(), 2);
    ASSERT_EQ(pictures.ThumbIL.Count(), 2);
    EXPECT_EQ(pictures.LVImageList.Image(0).size(), QSize(16, 16));
    EXPECT_EQ(pictures.DefThumbIL.Image(1).size(), Cell);
    EXPECT_NE(pictures.DefThumbIL.Image(0), pictures.DefThumbIL.Image(1));
    EXPECT_NE(pictures.LVImageList.Image(0), pictures.LVImageList.Image(1));
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(pictures.ThumbIL.Image(i), pictures.DefThumbIL.Image(i));

    const TListEntry textAsJpg =
        MakeListEntry(box.WriteText(QStringLiteral("photo.jpg"), "not a picture"));
    const TListEntry notes = MakeListEntry(box.WriteText(QStringLiteral("notes.txt"), "x"));
    const TListEntry image = MakeListEntry(box.WriteImage(QStringLiteral("real.PNG"), 40, 30));
    struct TCase {
        const TListEntry* Entry;
        int Style;
        bool Make;
        int Fallback;
        int Expected;
    };
    const TCase cases[] = {
        {&textAsJpg, ListStyleThumbnails, true, 1, DocumentPicture},
        {&textAsJpg, ListStyleDetails, true, 0, ImagePicture},
        {&notes, ListStyleDetails, false, 1, DocumentPicture},
        {&image, ListStyleDetails, true, 0, ImagePicture},
        {&image, ListStyleThumbnails, false, 1, 1},
        {&notes, ListStyleThumbnails, false, 0, 0},
        {&image, 2, true, 1, -1},
        {&image, -1, false, 0, -1},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(pictures.GetEntryImageIndex(*c.Entry, c.Style, c.Make, c.Fallback), c.Expected)
            << c.Entry->Name.toStdString() << " style " << c.Style;
    EXPECT_EQ(pictures.ThumbIL.Count(), 2) << "no thumbnail was made so far";

    // Thumbnails follow the placeholders, in the order made.
    EXPECT_EQ(pictures.GetEntryImageIndex(image, ListStyleThumbnails, true, 0), 2);
    EXPECT_EQ(pictures.GetEntryImageIndex(image, ListStyleThumbnails, true, 0), 3);
    EXPECT_EQ(pictures.GetEntryImageIndex(textAsJpg, ListStyleThumbnails, true, 1), 0);
    EXPECT_EQ(pictures.ThumbIL.Count(), 4);
    pictures.ResetThumbnails();
    EXPECT_EQ(pictures.ThumbIL.Count(), 2);
    EXPECT_EQ(pictures.ThumbIL.Image(1), pictures.DefThumbIL.Image(1));
}

} // namespace
