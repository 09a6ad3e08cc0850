#include "FolderCleanup.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

QStringList Entries(const QString& folder) {
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System |
                                               QDir::NoDotAndDotDot);
    names.sort();
    return names;
}

// The screen saver folder and the scanner folder as they may be found.
void FillFolder(const TSandBox& box) {
    box.Fill({QStringLiteral("f/a.jpg"), QStringLiteral("f/b.jpeg"), QStringLiteral("f/C.JPG"),
              QStringLiteral("f/c.png"), QStringLiteral("f/zvsaver.scr"),
              QStringLiteral("f/.hidden.jpg"), QStringLiteral("f/noext"),
              QStringLiteral("f/sub.jpg/"), QStringLiteral("f/sub.jpg/inner.jpg"),
              QStringLiteral("f/locked.jpg"), QStringLiteral("f/1.bmp")});
    QFile::setPermissions(box.File(QStringLiteral("f/locked.jpg")),
                          QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
}

TEST(FolderCleanupTest, DeletesTheFilesThatMatchTheMask) {
    const struct {
        const char* Mask;
        QStringList Left;
    } cases[] = {
        {"*.jp*g", {"1.bmp", "c.png", "locked.jpg", "noext", "sub.jpg", "zvsaver.scr"}},
        {"*.*", {"locked.jpg", "sub.jpg"}},
        {"*.bmp",
         {".hidden.jpg", "C.JPG", "a.jpg", "b.jpeg", "c.png", "locked.jpg", "noext", "sub.jpg",
          "zvsaver.scr"}},
        {"?.png",
         {".hidden.jpg", "1.bmp", "C.JPG", "a.jpg", "b.jpeg", "locked.jpg", "noext", "sub.jpg",
          "zvsaver.scr"}},
        {"nothing*",
         {".hidden.jpg", "1.bmp", "C.JPG", "a.jpg", "b.jpeg", "c.png", "locked.jpg", "noext",
          "sub.jpg", "zvsaver.scr"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Mask);
        TSandBox box;
        FillFolder(box);
        DeleteFilesInFolder(box.File(QStringLiteral("f/")), QString::fromLatin1(c.Mask));
        EXPECT_EQ(Entries(box.File(QStringLiteral("f"))), c.Left);
        // A folder that matches is never entered nor removed.
        EXPECT_TRUE(QFileInfo::exists(box.File(QStringLiteral("f/sub.jpg/inner.jpg"))));
    }
}

TEST(FolderCleanupTest, AMissingFolderOrALinkIsHandledQuietly) {
    TSandBox box;
    DeleteFilesInFolder(box.File(QStringLiteral("absent/")), QStringLiteral("*.*"));
    DeleteFilesInFolder(QString(), QStringLiteral("*.*"));
    EXPECT_FALSE(QFileInfo::exists(box.File(QStringLiteral("absent"))));

    // A link goes; what it points at stays.
    box.Fill({QStringLiteral("keep/target.jpg"), QStringLiteral("f/")});
    ASSERT_TRUE(QFile::link(box.File(QStringLiteral("keep/target.jpg")),
                            box.File(QStringLiteral("f/link.jpg"))));
    DeleteFilesInFolder(box.File(QStringLiteral("f/")), QStringLiteral("*.jp*g"));
    EXPECT_TRUE(Entries(box.File(QStringLiteral("f"))).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(box.File(QStringLiteral("keep/target.jpg"))));
}

TEST(FolderCleanupTest, ClearingTheScannerFolderKeepsTheFolder) {
    TSandBox box;
    box.Fill({QStringLiteral("twain/1.bmp"), QStringLiteral("twain/2.bmp"),
              QStringLiteral("twain/3.bmp"), QStringLiteral("other.bmp")});
    EXPECT_EQ(ScannerFolder(box.Path()), box.Path() + QStringLiteral("/twain/"));
    EXPECT_EQ(ScannerFolder(box.Path() + QStringLiteral("/")),
              box.Path() + QStringLiteral("/twain/"));
    ClearScannerFolder(box.Path());
    EXPECT_TRUE(QFileInfo(box.File(QStringLiteral("twain"))).isDir());
    EXPECT_TRUE(Entries(box.File(QStringLiteral("twain"))).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(box.File(QStringLiteral("other.bmp"))));
}

} // namespace
