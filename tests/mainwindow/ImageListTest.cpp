#include "ActionTable.h"
#include "Exceptions.h"
#include "ImageList.h"
#include "TestSupport.h"

#include <QPainter>

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

// A strip of square icons, each filled with its own colour and a soft-edged disc.
QImage MakeStrip(int side, int count) {
    QImage strip(side * count, side, QImage::Format_ARGB32);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (int i = 0; i < count; ++i) {
        p.fillRect(i * side, 0, side / 2, side, QColor::fromHsv(i * 20, 200, 200));
        p.setBrush(QColor(0, 0, 0, 100));
        p.setPen(Qt::NoPen);
        p.drawEllipse(i * side + side / 2, 0, side / 2, side / 2);
    }
    return strip;
}

QString ResourceFile(const char* name) {
    return QStringLiteral(ZV_RESOURCES_DIR "/") + QString::fromLatin1(name);
}

TEST(ImageListTest, LoadsEachIconOfTheStripSizedToTheCell) {
    TSandBox box;
    const QImage strip = MakeStrip(32, 17);
    ASSERT_TRUE(strip.save(box.File(QStringLiteral("icons.png"))));
    TImageList list32(32, 32);
    MakeTrueColor(list32);
    LoadIconFile(list32, 17, box.File(QStringLiteral("icons.png")));
    ASSERT_EQ(list32.Count(), 17);
    for (int i = 0; i < 17; ++i)
        EXPECT_EQ(list32.Image(i), strip.copy(i * 32, 0, 32, 32)) << i;

    TImageList list16(16, 16);
    LoadIconFile(list16, 17, box.File(QStringLiteral("icons.png")));
    ASSERT_EQ(list16.Count(), 17);
    EXPECT_EQ(list16.Image(3).size(), QSize(16, 16));
    EXPECT_EQ(QColor(list16.Image(3).pixel(2, 8)).hue(), QColor::fromHsv(60, 200, 200).hue());
}

TEST(ImageListTest, MissingIconsAreSkippedQuietly) {
    TSandBox box;
    ASSERT_TRUE(MakeStrip(32, 5).save(box.File(QStringLiteral("short.png"))));
    box.WriteText(QStringLiteral("broken.png"), "not a picture");
    const struct {
        const char* File;
        int Count;
    } cases[] = {{"short.png", 5}, {"broken.png", 0}, {"absent.png", 0}};
    for (const auto& c : cases) {
        TImageList list(32, 32);
        LoadIconFile(list, 17, box.File(QString::fromLatin1(c.File)));
        EXPECT_EQ(list.Count(), c.Count) << c.File;
        EXPECT_TRUE(list.Image(c.Count).isNull());
    }
}

TEST(ImageListTest, OnlyATrueColourListKeepsSoftEdges) {
    TSandBox box;
    ASSERT_TRUE(MakeStrip(32, 2).save(box.File(QStringLiteral("icons.png"))));
    TImageList plain(32, 32);
    LoadIconFile(plain, 2, box.File(QStringLiteral("icons.png")));
    TImageList trueColour(32, 32);
    MakeTrueColor(trueColour);
    LoadIconFile(trueColour, 2, box.File(QStringLiteral("icons.png")));
    EXPECT_FALSE(plain.TrueColor());
    EXPECT_TRUE(trueColour.TrueColor());
    // The disc's pixels are 100 of 255 opaque: a plain list drops them.
    const QPoint disc(24, 8);
    EXPECT_EQ(qAlpha(trueColour.Image(0).pixel(disc)), 100);
    EXPECT_EQ(qAlpha(plain.Image(0).pixel(disc)), 0);
    EXPECT_EQ(qAlpha(plain.Image(0).pixel(4, 4)), 255);
}

TEST(ImageListTest, MakingTrueColourKeepsThePictures) {
    TImageList list(16, 16);
    list.Add(MakeImage(16, 16, Qt::red));
    list.Add(MakeImage(16, 16, Qt::blue));
    const QImage first = list.Image(0);
    MakeTrueColor(list);
    EXPECT_TRUE(list.TrueColor());
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Image(0), first);

    TImageList empty(0, 16);
    try {
        MakeTrueColor(empty);
        ADD_FAILURE() << "no error";
    } catch (const EZVError& error) {
        EXPECT_EQ(error.Message(), QStringLiteral("Invalid ImageList"));
    }
}

// The icon files that lie beside the program.
TEST(ImageListTest, TheProgramsIconFilesHoldSeventeenDistinctIcons) {
    const struct {
        const char* File;
        int Side;
        bool SoftEdges;
    } files[] = {{"xpzvicons32.png", 32, true},
                 {"xpzvicons16.png", 16, true},
                 {"zvicons32.png", 32, false},
                 {"zvicons16.png", 16, false}};
    for (const auto& f : files) {
        SCOPED_TRACE(f.File);
        const QImage strip(ResourceFile(f.File));
        ASSERT_EQ(strip.size(), QSize(f.Side * ActionIconCount, f.Side));
        TImageList list(f.Side, f.Side);
        MakeTrueColor(list);
        LoadIconFile(list, ActionIconCount, ResourceFile(f.File));
        ASSERT_EQ(list.Count(), ActionIconCount);
        bool partial = false;
        for (int i = 0; i < ActionIconCount; ++i) {
            const QImage icon = list.Image(i);
            int drawn = 0;
            for (int y = 0; y < f.Side; ++y)
                for (int x = 0; x < f.Side; ++x) {
                    const int alpha = qAlpha(icon.pixel(x, y));
                    drawn += alpha >= 128;
                    partial = partial || (alpha > 0 && alpha < 255);
                }
            // Every icon draws something, and no two are alike.
            EXPECT_GE(drawn, f.Side * f.Side / 16) << i;
            for (int j = 0; j < i; ++j)
                EXPECT_NE(icon, list.Image(j)) << i << " " << j;
        }
        EXPECT_EQ(partial, f.SoftEdges);
    }
}

} // namespace
