#include "EntryListModel.h"
#include "FolderFiles.h"
#include "ListEntry.h"
#include "TestSupport.h"

#include <QFile>

#include <gtest/gtest.h>

#include <unistd.h>

using namespace ZVTest;

namespace {

TEST(ListEntry, SplitsPathsIntoFolderNameAndType) {
    struct TCase {
        const char* Path;
        const char* Folder;
        const char* Name;
        const char* Type;
        const char* Rebuilt;
    };
    const TCase cases[] = {
        {"/photos/beach.day.JPG", "/photos/", "beach.day", "JPG", "/photos/beach.day.JPG"},
        {"/x/.hidden", "/x/", "", "hidden", "/x/.hidden"},
        {"/x/README", "/x/", "README", "", "/x/README"},
        {"/a.b/noext", "/a.b/", "noext", "", "/a.b/noext"},
        {"relative.png", "", "relative", "png", "relative.png"},
    };
    for (const TCase& c : cases) {
        const TListEntry entry = SplitEntryPath(QString::fromUtf8(c.Path));
        EXPECT_EQ(entry.Folder, QString::fromUtf8(c.Folder)) << c.Path;
        EXPECT_EQ(entry.Name, QString::fromUtf8(c.Name)) << c.Path;
        EXPECT_EQ(entry.Type, QString::fromUtf8(c.Type)) << c.Path;
        EXPECT_EQ(GetEntryPath(entry), QString::fromUtf8(c.Rebuilt)) << c.Path;
    }
}

TEST(ListEntry, PathsWithoutExtensionLeadBackToTheirFile) {
    TSandBox box;
    const QString bare = box.WriteText(QStringLiteral("scan"), "x");
    const QString dotted = box.WriteText(QStringLiteral("odd."), "x");
    EXPECT_EQ(GetEntryPath(MakeListEntry(bare)), bare);
    EXPECT_EQ(GetEntryPath(MakeListEntry(dotted)), dotted);
}

TEST(ListEntry, SizesRoundToWholeKilobytesHalvesToEven) {
    const std::pair<qint64, const char*> cases[] = {
        {0, "0 KB"},    {511, "0 KB"},        {512, "0 KB"},
        {513, "1 KB"},  {1536, "2 KB"},       {2560, "2 KB"},
        {3584, "4 KB"}, {10 * 1024, "10 KB"}, {9 * 1024 + 600, "10 KB"}};
    for (const auto& [bytes, text] : cases)
        EXPECT_EQ(SizeText(bytes), QString::fromLatin1(text)) << bytes;
}

TEST(ListEntry, KnowsTheImageExtensions) {
    for (const char* yes : {".bmp", ".JPG", ".jpeg", ".Png", ".gif", ".tif", ".TIFF"})
        EXPECT_TRUE(IsImageExtension(QString::fromLatin1(yes))) << yes;
    for (const char* no : {"jpg", ".pdf", ".", "", ".jpgx", ".webp"})
        EXPECT_FALSE(IsImageExtension(QString::fromLatin1(no))) << no;
}

TEST(ListEntry, FilesThatCannotBeOpenedGetZeroSizes) {
    TSandBox box;
    const QString real = box.WriteText(QStringLiteral("a.jpg"), QByteArray(1536, 'x'));
    const QString locked = box.WriteText(QStringLiteral("locked.jpg"), QByteArray(4096, 'x'));
    QFile::setPermissions(locked, QFileDevice::Permissions());
    box.Fill({QStringLiteral("folder.jpg/")});

    TListEntry entry = MakeListEntry(real);
    EXPECT_EQ(entry.Size, QStringLiteral("2 KB"));
    EXPECT_EQ(entry.ByteSize, QStringLiteral("1536"));
    for (const QString& path :
         {box.File(QStringLiteral("gone.jpg")), box.File(QStringLiteral("folder.jpg"))}) {
        entry = MakeListEntry(path);
        EXPECT_EQ(entry.Size, QStringLiteral("0 KB")) << path.toStdString();
        EXPECT_EQ(entry.ByteSize, QStringLiteral("0"));
        EXPECT_EQ(entry.Folder, box.Path() + QLatin1Char('/'));
    }
    if (geteuid() != 0) { // root reads any file
        entry = MakeListEntry(locked);
        EXPECT_EQ(entry.Size, QStringLiteral("0 KB"));
    }
}

TEST(FolderFiles, WalksEveryDepthWithHiddenFilesAndNoLoops) {
    TSandBox box;
    box.Fill({QStringLiteral("top/a.jpg"), QStringLiteral("top/.hidden.png"),
              QStringLiteral("top/sub/b.jpg"), QStringLiteral("top/sub/deeper/c.txt"),
              QStringLiteral("top/empty/")});
    ASSERT_TRUE(
        QFile::link(box.File(QStringLiteral("top")), box.File(QStringLiteral("top/sub/loop"))));
    QStringList paths;
    CollectFolderFiles(box.File(QStringLiteral("top")), paths);
    const QString top = box.File(QStringLiteral("top/"));
    QStringList expected{top + QStringLiteral("a.jpg"), top + QStringLiteral(".hidden.png"),
                         top + QStringLiteral("sub/b.jpg"),
                         top + QStringLiteral("sub/deeper/c.txt")};
    EXPECT_EQ(QSet<QString>(paths.begin(), paths.end()),
              QSet<QString>(expected.begin(), expected.end()));
    EXPECT_EQ(paths.size(), 4) << "the link back to the top is not walked again";
    // Depth first: the sub folder's files stand together.
    const qsizetype b = paths.indexOf(top + QStringLiteral("sub/b.jpg"));
    const qsizetype c = paths.indexOf(top + QStringLiteral("sub/deeper/c.txt"));
    EXPECT_EQ(std::abs(b - c), 1);

    paths.clear();
    CollectFolderFiles(box.File(QStringLiteral("top/empty")), paths);
    EXPECT_TRUE(paths.isEmpty());
}

TEST(FolderFiles, ExpandsDropsAndReadsFileListMessages) {
    TSandBox box;
    box.Fill({QStringLiteral("a.jpg"), QStringLiteral("Pictures/x.png"),
              QStringLiteral("Pictures/y/z.gif")});
    const QString a = box.File(QStringLiteral("a.jpg"));
    const QString pictures = box.File(QStringLiteral("Pictures"));
    const QString b = box.File(QStringLiteral("b"));
    const QByteArray text = (a + QLatin1Char('>') + pictures + QLatin1Char('>') + b).toUtf8();
    const QStringList parsed = ParseFileListText(text);
    EXPECT_EQ(parsed, (QStringList{a, pictures})) << "the unterminated last path is dropped";
    const QStringList added =
        ExpandDroppedPaths(parsed + QStringList{box.File(QStringLiteral("missing.jpg"))});
    ASSERT_EQ(added.size(), 3);
    EXPECT_EQ(added.first(), a);
    EXPECT_TRUE(added.contains(pictures + QStringLiteral("/y/z.gif")));

    EXPECT_EQ(ParseFileListText(QByteArray("/a>/b>\0/c>", 10)), (QStringList{"/a", "/b"}));
    EXPECT_TRUE(ParseFileListText(QByteArray()).isEmpty());
}

TEST(FolderFiles, CommandLineSkipsOnlyALeadingShell) {
    EXPECT_EQ(CommandLinePaths({"shell", "/a.jpg"}), QStringList{"/a.jpg"});
    EXPECT_EQ(CommandLinePaths({"/a.jpg", "shell"}), (QStringList{"/a.jpg", "shell"}));
    EXPECT_EQ(CommandLinePaths({"Shell", "/a.jpg"}), (QStringList{"Shell", "/a.jpg"}));
    EXPECT_TRUE(CommandLinePaths({"shell"}).isEmpty());
}

TEST(EntryListModel, ShowsTheCellsInFourColumns) {
    TEntryListModel model;
    model.Append(SplitEntryPath(QStringLiteral("/p/beach.JPG")));
    TListEntry second = SplitEntryPath(QStringLiteral("/q/x.png"));
    second.Size = QStringLiteral("3 KB");
    second.ByteSize = QStringLiteral("3000");
    model.Append(second);
    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(model.columnCount(), 4);
    EXPECT_EQ(model.headerData(0, Qt::Horizontal, Qt::DisplayRole).toString(),
              QStringLiteral("File name"));
    EXPECT_EQ(model.index(1, TEntryListModel::SizeColumn).data().toString(),
              QStringLiteral("3 KB"));
    EXPECT_EQ(model.index(1, 0).data(TEntryListModel::ByteSizeRole).toLongLong(), 3000);
    EXPECT_EQ(model.index(0, TEntryListModel::FolderColumn).data().toString(),
              QStringLiteral("/p/"));
    model.SetPictureSource([](int index) { return QVariant(index * 10 + 1); });
    model.SetImageIndex(1, 4);
    EXPECT_EQ(model.index(1, 0).data(Qt::DecorationRole).toInt(), 41);
    model.RemoveAt(0);
    EXPECT_EQ(model.Entry(0).Name, QStringLiteral("x"));
    model.Clear();
    EXPECT_EQ(model.rowCount(), 0);
}

} // namespace
