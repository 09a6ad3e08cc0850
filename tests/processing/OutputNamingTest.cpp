#include "MagickImage.h"
#include "OutputNaming.h"
#include "Settings.h"
#include "TestSupport.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

class OutputNamingTest : public TMagickTest {
protected:
    // Every file below the sandbox, relative to it, sorted.
    QStringList FilesWritten() const {
        QStringList files;
        QDirIterator it(FBox.Path(), QDir::Files, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << QDir(FBox.Path()).relativeFilePath(it.next());
        files.sort();
        return files;
    }

    void LoadSource(TMagickImage& image, const QString& relative, int width, int height,
                    const QColor& colour = QColor(40, 120, 200)) {
        image.LoadFromFile(FBox.WriteImage(relative, width, height, colour));
        ASSERT_FALSE(image.GetEmpty());
    }

    TSandBox FBox;
};

TEST(OutputFileName, PrefixAndExtension) {
    struct TCase {
        const char* Source;
        bool PrefixIncluded;
        const char* CustomPrefix;
        const char* Format;
        int Size;
        const char* Expected;
    };
    const TCase cases[] = {
        {"/photos/Beach.JPEG", true, "", "JPG", SizeLarge, "Large_Beach.jpg"},
        {"/photos/Beach.JPEG", true, "web-", "JPG", SizeMedium, "Medium_Beach.jpg"},
        {"/photos/Beach.JPEG", true, "", "JPG", SizeThumbnail, "Thumb_Beach.jpg"},
        {"/photos/Beach.JPEG", false, "web-", "JPG", SizeLarge, "web-Beach.jpg"},
        {"/photos/Beach.JPEG", false, "", "JPG", SizeThumbnail, "Beach.jpg"},
        {"/photos/Beach.JPEG", true, "", "PNG", SizeLarge, "Large_Beach.png"},
        {"/photos/scan", true, "", "GIF", SizeLarge, "Large_scan.gif"},
        {"/photos/my.holiday.tif", true, "", "BMP", SizeLarge, "Large_my.holiday.bmp"},
        {"/pho.tos/noext", false, "x", "JPG", SizeLarge, "xnoext.jpg"},
        {"/photos/Beach.jpg", false, "../../up-", "JPG", SizeLarge, "....up-Beach.jpg"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Source);
        TSettings settings;
        settings.PREFIX_INCLUDED = c.PrefixIncluded;
        settings.CUSTOM_PREFIX = QString::fromUtf8(c.CustomPrefix);
        settings.OUTPUT_FORMAT = QString::fromUtf8(c.Format);
        EXPECT_EQ(OutputFileName(settings, QString::fromUtf8(c.Source), c.Size),
                  QString::fromUtf8(c.Expected));
    }
}

TEST_F(OutputNamingTest, WritesEachSizeIntoItsFolder) {
    struct TCase {
        bool PrefixIncluded;
        const char* CustomPrefix;
        int Size;
        const char* Expected;
    };
    const TCase cases[] = {
        {true, "", SizeLarge, "Out/Resized Images/Large/Large_Beach.jpg"},
        {true, "", SizeMedium, "Out/Resized Images/Medium/Medium_Beach.jpg"},
        {true, "", SizeThumbnail, "Out/Resized Images/Thumbnail/Thumb_Beach.jpg"},
        {false, "web-", SizeLarge, "Out/Resized Images/Large/web-Beach.jpg"},
        {false, "", SizeLarge, "Out/Resized Images/Large/Beach.jpg"},
    };
    TMagickImage image;
    LoadSource(image, QStringLiteral("Photos/Beach.JPEG"), 64, 48);
    image.SetFormat(QStringLiteral("JPG"));
    FBox.Fill({QStringLiteral("Out/")});
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Expected);
        TSettings settings;
        settings.OUTPUT_FOLDER = FBox.Path() + QStringLiteral("/Out/");
        settings.PREFIX_INCLUDED = c.PrefixIncluded;
        settings.CUSTOM_PREFIX = QString::fromUtf8(c.CustomPrefix);
        const QString result = SaveOutputImage(
            image, settings, FBox.File(QStringLiteral("Photos/Beach.JPEG")), c.Size, false);
        EXPECT_EQ(result, FBox.File(QString::fromUtf8(c.Expected)));
        const QImage written(result);
        EXPECT_EQ(written.size(), QSize(64, 48));
    }
    EXPECT_EQ(FilesWritten(),
              (QStringList{QStringLiteral("Out/Resized Images/Large/Beach.jpg"),
                           QStringLiteral("Out/Resized Images/Large/Large_Beach.jpg"),
                           QStringLiteral("Out/Resized Images/Large/web-Beach.jpg"),
                           QStringLiteral("Out/Resized Images/Medium/Medium_Beach.jpg"),
                           QStringLiteral("Out/Resized Images/Thumbnail/Thumb_Beach.jpg"),
                           QStringLiteral("Photos/Beach.JPEG")}));
}

TEST_F(OutputNamingTest, FolderWithoutTrailingSlashIsUsedAsTyped) {
    TMagickImage image;
    LoadSource(image, QStringLiteral("a.png"), 20, 10);
    TSettings settings;
    settings.OUTPUT_FOLDER = FBox.File(QStringLiteral("Out"));
    const QString result =
        SaveOutputImage(image, settings, FBox.File(QStringLiteral("a.png")), SizeLarge, false);
    EXPECT_EQ(result, FBox.File(QStringLiteral("OutResized Images/Large/Large_a.jpg")));
    EXPECT_TRUE(QFileInfo(result).isFile());
}

TEST_F(OutputNamingTest, FolderThatCannotBeMadeWritesNothing) {
    TMagickImage image;
    LoadSource(image, QStringLiteral("a.png"), 20, 10);
    // A file where a folder should be: the system refuses to make the folder.
    FBox.Fill(
        {QStringLiteral("Blocked/Resized Images"), QStringLiteral("Half/Resized Images/Large")});
    struct TCase {
        const char* Folder;
        int Size;
    };
    const TCase cases[] = {{"New/Deeper/", SizeLarge},
                           {"New/Deeper/", SizeThumbnail},
                           {"Missing/", SizeMedium},
                           {"Blocked/", SizeLarge},
                           {"Half/", SizeLarge}};
    const QStringList before = FilesWritten();
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Folder);
        TSettings settings;
        settings.OUTPUT_FOLDER = FBox.Path() + QLatin1Char('/') + QString::fromUtf8(c.Folder);
        EXPECT_EQ(
            SaveOutputImage(image, settings, FBox.File(QStringLiteral("a.png")), c.Size, false),
            QString());
    }
    EXPECT_EQ(FilesWritten(), before);
    EXPECT_FALSE(QFileInfo::exists(FBox.File(QStringLiteral("New"))));
    EXPECT_FALSE(QFileInfo::exists(FBox.File(QStringLiteral("Missing"))));
}

TEST_F(OutputNamingTest, ScreenSaverModeWritesIntoTheFolderItself) {
    TMagickImage image;
    LoadSource(image, QStringLiteral("Photos/Beach.JPEG"), 30, 20);
    FBox.Fill({QStringLiteral("screensaver/")});
    TSettings settings;
    settings.OUTPUT_FOLDER = FBox.File(QStringLiteral("screensaver/"));
    const QString result = SaveOutputImage(
        image, settings, FBox.File(QStringLiteral("Photos/Beach.JPEG")), SizeLarge, true);
    EXPECT_EQ(result, FBox.File(QStringLiteral("screensaver/Large_Beach.jpg")));
    EXPECT_EQ(FilesWritten(), (QStringList{QStringLiteral("Photos/Beach.JPEG"),
                                           QStringLiteral("screensaver/Large_Beach.jpg")}));
}

TEST_F(OutputNamingTest, SameNamesMeetInOneFileAndTheLaterWins) {
    TSettings settings;
    settings.OUTPUT_FOLDER = FBox.Path() + QLatin1Char('/');
    TMagickImage first;
    LoadSource(first, QStringLiteral("one/a.png"), 40, 30, Qt::red);
    // Qt writes no GIF: the image library makes the second source.
    TMagickImage second;
    LoadSource(second, QStringLiteral("two/a.png"), 24, 16, Qt::blue);
    second.SetFormat(QStringLiteral("GIF"));
    ASSERT_TRUE(second.SaveToFile(FBox.File(QStringLiteral("two/a.gif"))));
    second.LoadFromFile(FBox.File(QStringLiteral("two/a.gif")));
    ASSERT_EQ(second.Format(), QStringLiteral("GIF"));
    second.SetFormat(QStringLiteral("JPG"));
    const QString a =
        SaveOutputImage(first, settings, FBox.File(QStringLiteral("one/a.png")), SizeLarge, false);
    const QString b =
        SaveOutputImage(second, settings, FBox.File(QStringLiteral("two/a.gif")), SizeLarge, false);
    EXPECT_EQ(a, FBox.File(QStringLiteral("Resized Images/Large/Large_a.jpg")));
    EXPECT_EQ(b, a);
    EXPECT_EQ(QImage(b).size(), QSize(24, 16));
}

TEST_F(OutputNamingTest, PathIsReturnedWhenTheLibraryWritesNothing) {
    TMagickImage empty;
    TSettings settings;
    settings.OUTPUT_FOLDER = FBox.Path() + QLatin1Char('/');
    const QString result =
        SaveOutputImage(empty, settings, QStringLiteral("/x/b.png"), SizeMedium, false);
    EXPECT_EQ(result, FBox.File(QStringLiteral("Resized Images/Medium/Medium_b.jpg")));
    EXPECT_FALSE(QFileInfo::exists(result));
    EXPECT_TRUE(QFileInfo(FBox.File(QStringLiteral("Resized Images/Medium"))).isDir());
}

} // namespace
