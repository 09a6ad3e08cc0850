#include "ImageListView.h"
#include "ImageRotation.h"
#include "ListSort.h"
#include "ScriptedPrompts.h"
#include "TestSupport.h"

#include <QFile>
#include <QHeaderView>
#include <QImageReader>
#include <QItemSelectionModel>
#include <QListView>
#include <QTest>
#include <QTreeView>

#include <gtest/gtest.h>

#include <utility>

using namespace ZVTest;

namespace {

TListEntry Entry(const char* path, const char* size = "1 KB") {
    TListEntry entry = SplitEntryPath(QString::fromUtf8(path));
    entry.Size = QString::fromLatin1(size);
    return entry;
}

QStringList Names(const TEntryListModel& items) {
    QStringList names;
    for (const TListEntry& entry : items.Entries())
        names.append(entry.Name);
    return names;
}

QList<int> ImageIndices(const TEntryListModel& items) {
    QList<int> indices;
    for (const TListEntry& entry : items.Entries())
        indices.append(entry.ImageIndex);
    return indices;
}

// The window's side of the list, as far as these tests need it.
struct TWindow {
    explicit TWindow(TImageListView& view)
        : View(view) {
        TListViewHooks hooks;
        hooks.Idle = [this] { return Idle; };
        hooks.SetStopProcessing = [this](bool idle) {
            Idle = idle;
            StopProcessingCalls.append(idle);
        };
        hooks.AddFiles = [this](const QStringList& paths) {
            AddedPaths.append(paths);
            if (!Idle)
                return;
            const bool thumbnails = View.ThumbnailDecision(static_cast<int>(paths.size()));
            for (const QString& path : paths)
                View.AppendEntry(path, ListIcons, thumbnails);
        };
        hooks.ShowFileCount = [this](int done, int total) { FileCounts.append({done, total}); };
        hooks.ShowDetails = [this](int row) { DetailsRows.append(row); };
        hooks.ShowPreview = [this](int row) { PreviewRows.append(row); };
        View.SetHooks(hooks);
    }
    void Add(const QStringList& paths) {
        const bool thumbnails = View.ThumbnailDecision(static_cast<int>(paths.size()));
        for (const QString& path : paths)
            View.AppendEntry(path, ListIcons, thumbnails);
    }
    void Select(const QList<int>& rows) {
        View.SelectionModel()->clearSelection();
        for (int row : rows)
            View.SelectionModel()->select(View.Items().index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    TImageListView& View;
    bool Idle = true;
    int ListIcons = ListStyleDetails;
    QList<bool> StopProcessingCalls;
    QStringList AddedPaths;
    QList<std::pair<int, int>> FileCounts;
    QList<int> DetailsRows;
    QList<int> PreviewRows;
};

class ImageListViewTest : public TMagickTest {
protected:
    TScriptedPrompts Prompts;
    TImageListView View{Prompts};
    TWindow Window{View};
    TSandBox Box;
};

TEST(ListSort, ComparesTextsSizesAndFolders) {
    struct TCase {
        TListEntry A;
        TListEntry B;
        int Column;
        int Expected;
    };
    const TCase cases[] = {
        {Entry("/p/a.jpg", "9 KB"), Entry("/p/b.jpg", "10 KB"), 2, -1},
        {Entry("/p/a.jpg", "10 KB"), Entry("/p/b.jpg", "9 KB"), 2, 1},
        {Entry("/p/a.jpg", "2 KB"), Entry("/p/b.jpg", "2 KB"), 2, 0},
        {Entry("/p/a.jpg", "x"), Entry("/p/b.jpg", "0 KB"), 2, 0},
        {Entry("/p/a.JPG"), Entry("/q/b.jpg"), 1, 0},
        {Entry("/a/x.jpg"), Entry("/B/x.jpg"), 3, -1},
        {Entry("/B/x.jpg"), Entry("/a/x.jpg"), 3, 1},
        {Entry("/p/Beach.jpg"), Entry("/p/beach.png"), 0, 0},
        {Entry("/p/beach.jpg"), Entry("/p/beach2.jpg"), 0, -1},
        {Entry("/p/zoo.jpg"), Entry("/p/\xC3\xA9t\xC3\xA9.jpg"), 0, -1}, // é by its code
        {Entry("/p/\xC3\x89t\xC3\xA9.jpg"), Entry("/p/\xC3\xA9t\xC3\xA9.jpg"), 0, -1},
        {Entry("/p/_a.jpg"), Entry("/p/za.jpg"), 0, 1}, // '_' after 'Z'
        {Entry("/p/a.jpg"), Entry("/p/b.jpg"), 4, 0},
    };
    for (const TCase& c : cases)
        EXPECT_EQ(ListViewCompare(c.A, c.B, c.Column), c.Expected)
            << c.A.Name.toStdString() << " / " << c.B.Name.toStdString() << " column " << c.Column;
    EXPECT_EQ(SizeTextKilobytes(QStringLiteral("12 KB")), 12);
    EXPECT_EQ(SizeTextKilobytes(QStringLiteral("KB")), 0);
}

TEST(ImageRotation, NamesTheRotatedCopyBesideTheFile) {
    const std::pair<const char*, const char*> cases[] = {
        {"/p/x.JPG", "/p/x_rot.JPG"},
        {"/p/x_rot.JPG", "/p/x_rot_rot.JPG"},
        {"/p/beach.day.png", "/p/beach.day_rot.png"},
        {"/a.b/noext", "/a.b/noext_rot"},
        {"/x/README.", "/x/README_rot."},
        {"/x/.hidden", "/x/_rot.hidden"},
    };
    for (const auto& [path, copy] : cases)
        EXPECT_EQ(RotatedCopyPath(QString::fromUtf8(path)), QString::fromUtf8(copy)) << path;
}

TEST_F(ImageListViewTest, ColumnClicksAlternateTheDirectionAcrossColumns) {
    const TListEntry entries[] = {Entry("/b/Beta.png", "10 KB"), Entry("/a/alpha.JPG", "9 KB"),
                                  Entry("/c/gamma.bmp", "2 KB"), Entry("/a/Delta.jpg", "11 KB")};
    for (const TListEntry& entry : entries)
        View.Items().Append(entry);
    Window.Select({0}); // Beta

    View.ListViewColumnClick(0);
    EXPECT_EQ(Names(View.Items()), (QStringList{"alpha", "Beta", "Delta", "gamma"}));
    EXPECT_EQ(View.SortState().Direction, -1);
    EXPECT_EQ(View.SelectedRows(), QList<int>{1}) << "the selection moves with its entry";

    View.ListViewColumnClick(1); // Type, now descending
    EXPECT_EQ(Names(View.Items()), (QStringList{"Beta", "alpha", "Delta", "gamma"}));
    EXPECT_EQ(View.SortState().Column, 1);
    EXPECT_EQ(View.SortState().Direction, 1);

    View.ListViewColumnClick(2); // Size, ascending: 9 KB before 10 KB
    EXPECT_EQ(Names(View.Items()), (QStringList{"gamma", "alpha", "Beta", "Delta"}));
    View.ListViewColumnClick(3); // Folder, descending
    EXPECT_EQ(Names(View.Items()).first(), QStringLiteral("gamma"));
    EXPECT_EQ(Names(View.Items()).last(), QStringLiteral("Delta"));
    EXPECT_EQ(View.SelectedRows(), QList<int>{1});
    EXPECT_EQ(View.Items().Entry(1).Name, QStringLiteral("Beta"));

    // The header of the details style sorts too.
    emit View.DetailsView()->header()->sectionClicked(2);
    EXPECT_EQ(Names(View.Items()), (QStringList{"gamma", "alpha", "Beta", "Delta"}));
    EXPECT_EQ(View.SortState().Direction, -1);
}

TEST_F(ImageListViewTest, NoSortAndNoFlipWhileBusyOrBeyondTheColumns) {
    for (const char* path : {"/p/b.png", "/p/a.png", "/p/c.png"})
        View.Items().Append(Entry(path));
    const QStringList before = Names(View.Items());
    Window.Idle = false;
    View.ListViewColumnClick(0);
    EXPECT_EQ(Names(View.Items()), before);
    EXPECT_EQ(View.SortState().Direction, 1);
    Window.Idle = true;
    for (int column : {4, -1}) {
        View.ListViewColumnClick(column);
        EXPECT_EQ(Names(View.Items()), before);
        EXPECT_EQ(View.SortState().Direction, 1);
        EXPECT_EQ(View.SortState().Column, 0);
    }
    View.ListViewColumnClick(0);
    EXPECT_EQ(Names(View.Items()), (QStringList{"a", "b", "c"}));
}

TEST_F(ImageListViewTest, SwitchingToThumbnailsWithManyEntriesAsks) {
    QStringList paths;
    for (int i = 0; i < 150; ++i)
        paths.append(i % 3 == 0 ? Box.WriteText(QStringLiteral("doc%1.txt").arg(i), "text")
                                : Box.WriteImage(QStringLiteral("img%1.png").arg(i), 8, 6));
    Window.Add(paths);
    ASSERT_EQ(View.Items().Count(), 150);
    EXPECT_TRUE(Prompts.Calls().isEmpty()) << "the details style never asks";
    const QList<int> byExtension = ImageIndices(View.Items());
    EXPECT_EQ(byExtension[0], DocumentPicture);
    EXPECT_EQ(byExtension[1], ImagePicture);

    // Yes: simple icons, the placeholders by extension.
    Prompts.AnswerMessage(pbYes);
    View.SetListStyle(ListStyleThumbnails);
    ASSERT_EQ(Prompts.Calls().size(), 1);
    const TMessageRequest& question = Prompts.Calls().first().MessageRequest;
    EXPECT_EQ(question.Text, QStringLiteral("You have more than 100 files.\n\rLoading thumbnails "
                                            "could take a while.\n\rDo you want to load simple "
                                            "icons instead?"));
    EXPECT_EQ(question.Icon, TPromptIcon::Warning);
    EXPECT_EQ(question.Buttons, pbYesNo);
    EXPECT_TRUE(View.ThumbnailStyle());
    EXPECT_EQ(ImageIndices(View.Items()), byExtension);
    EXPECT_EQ(View.Pictures().ThumbIL.Count(), 2);

    // The same style again does nothing.
    View.SetListStyle(ListStyleThumbnails);
    EXPECT_EQ(Prompts.Calls().size(), 1);

    // No: thumbnails, in the order made, placeholder 0 for the texts.
    View.SetListStyle(ListStyleDetails);
    EXPECT_EQ(ImageIndices(View.Items()), byExtension);
    Prompts.AnswerMessage(pbNo);
    View.SetListStyle(ListStyleThumbnails);
    EXPECT_EQ(Prompts.Calls().size(), 2);
    EXPECT_EQ(View.Pictures().ThumbIL.Count(), 2 + 100);
    const QList<int> indices = ImageIndices(View.Items());
    EXPECT_EQ(indices[0], DocumentPicture);
    EXPECT_EQ(indices[1], 2);
    EXPECT_EQ(indices[2], 3);
    EXPECT_EQ(indices[149], 101);
    const QImage cell = View.Items().index(1, 0).data(Qt::DecorationRole).value<QImage>();
    EXPECT_EQ(cell, View.Pictures().ThumbIL.Image(2));
    EXPECT_EQ(cell.size(), QSize(84, 84));

    // Again the thumbnail style: not even the thumbnails are made anew.
    View.SetListStyle(ListStyleThumbnails);
    EXPECT_EQ(Prompts.Calls().size(), 2);
    EXPECT_EQ(View.Pictures().ThumbIL.Count(), 2 + 100);
    EXPECT_EQ(ImageIndices(View.Items()), indices);
}

TEST_F(ImageListViewTest, FewEntriesGetThumbnailsWithoutAQuestion) {
    QStringList paths;
    for (int i = 0; i < 100; ++i)
        paths.append(Box.WriteImage(QStringLiteral("img%1.png").arg(i), 5, 5));
    Window.Add(paths);
    View.SetListStyle(ListStyleThumbnails);
    EXPECT_TRUE(Prompts.Calls().isEmpty());
    EXPECT_EQ(View.Pictures().ThumbIL.Count(), 102);
    EXPECT_EQ(View.Items().Entry(99).ImageIndex, 101);

    // Adding asks from 101 paths on, in the thumbnail style only.
    EXPECT_TRUE(View.ThumbnailDecision(100));
    Prompts.AnswerMessage(pbYes);
    EXPECT_FALSE(View.ThumbnailDecision(101));
    Prompts.AnswerMessage(pbNo);
    EXPECT_TRUE(View.ThumbnailDecision(101));
    EXPECT_EQ(Prompts.Calls().size(), 2);
    View.SetListStyle(ListStyleDetails);
    EXPECT_FALSE(View.ThumbnailDecision(101));
    EXPECT_FALSE(View.ThumbnailDecision(1));
    EXPECT_EQ(Prompts.Calls().size(), 2);
}

TEST_F(ImageListViewTest, StyleTwoShowsNoPictures) {
    Window.Add({Box.WriteImage(QStringLiteral("a.png"), 10, 10),
                Box.WriteText(QStringLiteral("b.txt"), "b")});
    EXPECT_TRUE(View.Items().index(0, 0).data(Qt::DecorationRole).isValid());
    View.SetListStyle(2);
    EXPECT_FALSE(View.ThumbnailStyle()) << "the view stays as it was";
    EXPECT_EQ(ImageIndices(View.Items()), (QList<int>{-1, -1}));
    for (int row = 0; row < 2; ++row)
        EXPECT_FALSE(View.Items().index(row, 0).data(Qt::DecorationRole).isValid());
    EXPECT_TRUE(Prompts.Calls().isEmpty());
}

TEST_F(ImageListViewTest, ATextFileNamedJpgGetsPlaceholderAndIcon) {
    const QString text = Box.WriteText(QStringLiteral("photo.jpg"), "not a picture");
    Window.ListIcons = ListStyleThumbnails;
    View.SetListStyle(ListStyleThumbnails);
    Window.Add({text});
    EXPECT_EQ(View.Items().Entry(0).ImageIndex, DocumentPicture);
    EXPECT_EQ(View.Items().index(0, 0).data(Qt::DecorationRole).value<QImage>(),
              View.Pictures().DefThumbIL.Image(DocumentPicture));
    View.SetListStyle(ListStyleDetails);
    EXPECT_EQ(View.Items().Entry(0).ImageIndex, ImagePicture);
    EXPECT_EQ(View.Items().index(0, 0).data(Qt::DecorationRole).value<QImage>(),
              View.Pictures().LVImageList.Image(ImagePicture));
}

TEST_F(ImageListViewTest, RemovesRunsOfNeighbouringSelectedEntries) {
    QStringList paths;
    for (int i = 0; i < 6; ++i)
        paths.append(Box.WriteImage(QStringLiteral("%1.png").arg(i), 12, 9));
    Window.Add(paths);
    Window.Select({0, 1, 3, 4});
    View.RemoveFile();
    EXPECT_EQ(Names(View.Items()), (QStringList{"2", "5"}));
}

TEST_F(ImageListViewTest, RemovesTheSelectedEntriesAndClearsAll) {
    View.SetListStyle(ListStyleThumbnails);
    Window.ListIcons = ListStyleThumbnails;
    QStringList paths;
    for (int i = 0; i < 5; ++i)
        paths.append(Box.WriteImage(QStringLiteral("%1.png").arg(i), 12, 9));
    Window.Add(paths);
    ASSERT_EQ(View.Pictures().ThumbIL.Count(), 7);
    Window.Select({0, 2, 4});
    EXPECT_EQ(View.SelectedCount(), 3);
    View.RemoveFile();
    EXPECT_EQ(Names(View.Items()), (QStringList{"1", "3"}));
    EXPECT_EQ(View.Items().Entry(1).ImageIndex, 5) << "the pictures stay as they were";
    EXPECT_EQ(View.Pictures().ThumbIL.Count(), 7);
    ASSERT_EQ(Window.FileCounts.size(), 1);
    EXPECT_EQ(Window.FileCounts.last(), std::make_pair(0, 2));
    EXPECT_EQ(Window.DetailsRows, QList<int>{-1}) << "nothing stays selected";

    Window.Select({1});
    View.RemoveFile();
    EXPECT_EQ(Window.DetailsRows.last(), -1);
    Window.Select({0});
    View.ClearAll();
    EXPECT_EQ(View.Items().Count(), 0);
    ASSERT_EQ(View.Pictures().ThumbIL.Count(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(View.Pictures().ThumbIL.Image(i), View.Pictures().DefThumbIL.Image(i));
    EXPECT_EQ(Window.FileCounts.last(), std::make_pair(0, 0));
    EXPECT_EQ(Window.DetailsRows.last(), -1);
}

TEST_F(ImageListViewTest, RotationWritesACopyAndReplacesTheEntry) {
    QImage marked = MakeImage(60, 40, QColor(20, 20, 200));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            marked.setPixelColor(x, y, Qt::red);
    const QString source = Box.File(QStringLiteral("x.JPG"));
    ASSERT_TRUE(marked.save(source, "JPEG", 95));
    const QString other = Box.WriteImage(QStringLiteral("other.png"), 10, 10);
    QFile sourceFile(source);
    ASSERT_TRUE(sourceFile.open(QIODevice::ReadOnly));
    const QByteArray sourceBytes = sourceFile.readAll();
    sourceFile.close();
    Window.Add({source, other});
    Window.Select({0});

    View.RotateSelected(TRotateDirection::Right);
    const QString rotated = Box.File(QStringLiteral("x_rot.JPG"));
    EXPECT_EQ(Window.AddedPaths, QStringList{rotated});
    EXPECT_EQ(Window.StopProcessingCalls, (QList<bool>{false, true}));
    EXPECT_EQ(Names(View.Items()), (QStringList{"other", "x_rot"}));
    EXPECT_EQ(View.Items().Entry(1).Type, QStringLiteral("JPG"));
    EXPECT_EQ(View.SelectedRows(), QList<int>{1});
    EXPECT_EQ(View.SelectionModel()->currentIndex().row(), 1);
    QImageReader reader(rotated);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage turned = reader.read();
    ASSERT_EQ(turned.size(), QSize(40, 60));
    // A quarter turn to the right takes the top left corner to the top right.
    EXPECT_GT(turned.pixelColor(35, 4).red(), 200);
    EXPECT_LT(turned.pixelColor(4, 4).red(), 80);
    ASSERT_TRUE(sourceFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(sourceFile.readAll(), sourceBytes) << "the source is never changed";

    View.RotateSelected(TRotateDirection::Left);
    EXPECT_EQ(Names(View.Items()), (QStringList{"other", "x_rot_rot"}));
    const QImage back(Box.File(QStringLiteral("x_rot_rot.JPG")));
    ASSERT_EQ(back.size(), QSize(60, 40));
    EXPECT_GT(back.pixelColor(4, 4).red(), 200);
    EXPECT_TRUE(QFile::exists(rotated));
}

TEST_F(ImageListViewTest, RotationKeepsTheFormatAndAThumbnail) {
    View.SetListStyle(ListStyleThumbnails);
    Window.ListIcons = ListStyleThumbnails;
    Window.Add({Box.WriteImage(QStringLiteral("p.png"), 30, 10)});
    Window.Select({0});
    View.RotateSelected(TRotateDirection::Left);
    ASSERT_EQ(Names(View.Items()), QStringList{"p_rot"});
    QImageReader reader(Box.File(QStringLiteral("p_rot.png")));
    EXPECT_EQ(reader.format(), QByteArray("png"));
    EXPECT_EQ(reader.size(), QSize(10, 30));
    EXPECT_EQ(View.Items().Entry(0).ImageIndex, 3) << "a new thumbnail behind the old one";
}

TEST_F(ImageListViewTest, RotationThatCannotWriteChangesNothing) {
    const QString folder = Box.File(QStringLiteral("locked/"));
    const QString photo = Box.WriteImage(QStringLiteral("locked/x.JPG"), 30, 20);
    const QString text = Box.WriteText(QStringLiteral("notes.jpg"), "not a picture");
    Window.Add({photo, text});
    ASSERT_TRUE(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                                  QFileDevice::ReadGroup | QFileDevice::ExeGroup));
    const QList<TListEntry> before = View.Items().Entries();
    for (int row : {0, 1}) {
        Window.Select({row});
        View.RotateSelected(TRotateDirection::Right);
        EXPECT_EQ(View.Items().Entries(), before) << row;
        EXPECT_EQ(View.SelectedRows(), QList<int>{row});
    }
    EXPECT_FALSE(QFile::exists(Box.File(QStringLiteral("locked/x_rot.JPG"))));
    EXPECT_FALSE(QFile::exists(Box.File(QStringLiteral("notes_rot.jpg"))));
    EXPECT_TRUE(Window.StopProcessingCalls.isEmpty());
    EXPECT_TRUE(Window.AddedPaths.isEmpty());
    QFile::setPermissions(folder,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

TEST_F(ImageListViewTest, RotationNeedsOneSelectedAndAnIdleWindow) {
    Window.Add({Box.WriteImage(QStringLiteral("a.png"), 8, 4),
                Box.WriteImage(QStringLiteral("b.png"), 8, 4)});
    Window.Select({0, 1});
    View.RotateSelected(TRotateDirection::Right);
    Window.Select({});
    View.RotateSelected(TRotateDirection::Right);
    Window.Select({1});
    Window.Idle = false;
    View.RotateSelected(TRotateDirection::Right);
    EXPECT_EQ(Names(View.Items()), (QStringList{"a", "b"}));
    EXPECT_FALSE(QFile::exists(Box.File(QStringLiteral("a_rot.png"))));
    EXPECT_FALSE(QFile::exists(Box.File(QStringLiteral("b_rot.png"))));
}

TEST_F(ImageListViewTest, ADoubleClickPreviewsWhileIdle) {
    Window.Add({Box.WriteImage(QStringLiteral("a.png"), 8, 4),
                Box.WriteImage(QStringLiteral("b.png"), 8, 4)});
    View.resize(600, 300);
    View.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&View));
    for (bool thumbnails : {false, true}) {
        View.SetListStyle(thumbnails ? ListStyleThumbnails : ListStyleDetails);
        QAbstractItemView* list = View.CurrentView();
        ASSERT_TRUE(list->isVisible());
        const QPoint second = list->visualRect(View.Items().index(1, 0)).center();
        Window.PreviewRows.clear();
        Window.Idle = false;
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        EXPECT_TRUE(Window.PreviewRows.isEmpty());
        Window.Idle = true;
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, second);
        EXPECT_EQ(Window.PreviewRows, QList<int>{1}) << thumbnails;
        EXPECT_EQ(View.SelectedRows(), QList<int>{1});
    }
    Window.Select({});
    View.ImagePreview();
    EXPECT_EQ(Window.PreviewRows, QList<int>{1}) << "no preview without a selection";
}

TEST_F(ImageListViewTest, DetailsShowFourColumnsAndThumbnailsTheNames) {
    Window.Add({Box.WriteImage(QStringLiteral("beach.JPG"), 8, 4)});
    QTreeView* details = View.DetailsView();
    EXPECT_EQ(details->model()->columnCount(), 4);
    const int widths[] = {180, 45, 80, 180};
    for (int column = 0; column < 4; ++column)
        EXPECT_EQ(details->columnWidth(column), widths[column]) << column;
    EXPECT_EQ(details->iconSize(), QSize(16, 16));
    EXPECT_EQ(details->selectionMode(), QAbstractItemView::ExtendedSelection);
    EXPECT_EQ(details->editTriggers(), QAbstractItemView::NoEditTriggers);
    const QAbstractItemModel& model = *details->model();
    EXPECT_EQ(model.index(0, 1).data(Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignHCenter);
    EXPECT_EQ(model.headerData(2, Qt::Horizontal, Qt::TextAlignmentRole).value<Qt::Alignment>() &
                  Qt::AlignHorizontal_Mask,
              Qt::AlignRight);
    QListView* thumbnails = View.ThumbnailView();
    EXPECT_EQ(thumbnails->viewMode(), QListView::IconMode);
    EXPECT_EQ(thumbnails->iconSize(), QSize(84, 84));
    EXPECT_EQ(thumbnails->selectionModel(), details->selectionModel());
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("beach"));
}

} // namespace
