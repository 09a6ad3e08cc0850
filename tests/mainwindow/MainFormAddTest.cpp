// Adding images to the real main window: the actions, drops, paste, the command line and the
// file-list message from another process.
#include "FileListChannel.h"
#include "ImageListView.h"
#include "ListPictures.h"
#include "MainFormHarness.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLocalSocket>
#include <QMimeData>
#include <QProcess>
#include <QProgressBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cstring>
#include <optional>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace ZVTest;

namespace {

QList<QUrl> FileUrls(const QStringList& paths) {
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    return urls;
}

// The widget a drop at `position` of the window reaches: the first one from the widget under
// the point outwards that takes drops.
QWidget* DropTargetAt(QWidget* window, const QPoint& position) {
    QWidget* widget = window->childAt(position);
    if (!widget)
        widget = window;
    while (widget && !widget->isWindow() && !widget->acceptDrops())
        widget = widget->parentWidget();
    return widget && widget->acceptDrops() ? widget : nullptr;
}

// Drags the URLs onto the middle of the list and lets them go. False when nobody took the
// drag.
bool DropOnList(TZVMainForm& form, const QMimeData& data) {
    QWidget* list = form.ListView()->CurrentView()->viewport();
    const QPoint inWindow = list->mapTo(&form, list->rect().center());
    QWidget* target = DropTargetAt(&form, inWindow);
    if (!target)
        return false;
    const QPoint local = target->mapFrom(&form, inWindow);
    QDragEnterEvent enter(local, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    if (!enter.isAccepted())
        return false;
    QDropEvent drop(QPointF(local), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return drop.isAccepted();
}

// Sends one file-list message of raw text and returns the answer (empty when none came).
QByteArray SendRawMessage(const QString& socketPath, const QByteArray& text) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(3000))
        return {};
    QByteArray header(12, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(text.size()), header.data() + 8);
    socket.write(header + text);
    const bool answered = QTest::qWaitFor(
        [&] {
            return socket.bytesAvailable() >= 4 || socket.state() == QLocalSocket::UnconnectedState;
        },
        10000);
    return answered ? socket.read(4) : QByteArray();
}

// A socket file as a crash leaves it: bound, never listened on, never removed.
bool LeaveStaleSocket(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray name = QFile::encodeName(path);
    std::memcpy(address.sun_path, name.constData(), static_cast<size_t>(name.size()));
    const bool bound = ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
    ::close(fd);
    return bound && QFileInfo::exists(path);
}

class MainFormAddTest : public TMainFormHarness {
protected:
    // A folder tree with hidden files and two links that lead back into the walk.
    QString MakeTree() {
        FBox.WriteText(QStringLiteral("tree/a.jpg"), QByteArray(1536, 'a'));
        FBox.WriteText(QStringLiteral("tree/.hidden"), QByteArray(512, 'h'));
        FBox.WriteImage(QStringLiteral("tree/sub/b.png"), 40, 30);
        FBox.WriteText(QStringLiteral("tree/sub/.secret/c.txt"), "c");
        FBox.Fill({QStringLiteral("tree/empty/")});
        EXPECT_TRUE(QFile::link(FBox.File(QStringLiteral("tree")),
                                FBox.File(QStringLiteral("tree/sub/back"))));
        EXPECT_TRUE(QFile::link(QStringLiteral("."), FBox.File(QStringLiteral("tree/sub/here"))));
        return FBox.File(QStringLiteral("tree"));
    }
    QStringList TreeFiles() const {
        return {FBox.File(QStringLiteral("tree/a.jpg")), FBox.File(QStringLiteral("tree/.hidden")),
                FBox.File(QStringLiteral("tree/sub/b.png")),
                FBox.File(QStringLiteral("tree/sub/.secret/c.txt"))};
    }
    QString SocketPath() const { return FBox.File(QStringLiteral("TZVMainForm")); }
};

TEST_F(MainFormAddTest, ManyPathsInTheThumbnailStyleAskForSimpleIcons) {
    QStringList pictures;
    for (int i = 0; i < 101; ++i)
        pictures << FBox.WriteImage(QStringLiteral("many/%1.png").arg(i), 12, 9);
    const struct {
        const char* Situation;
        int Style;
        int Count;
        std::optional<TPromptButton> Answer;
        bool Thumbnails;
    } cases[] = {
        {"101 paths, simple icons chosen", ListStyleThumbnails, 101, pbYes, false},
        {"101 paths, thumbnails chosen", ListStyleThumbnails, 101, pbNo, true},
        {"100 paths are not asked about", ListStyleThumbnails, 100, std::nullopt, true},
        {"the details style never asks", ListStyleDetails, 101, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Situation);
        WriteStartSettings([&](TSettings& s) { s.LIST_ICONS = static_cast<quint8>(c.Style); });
        TScriptedPrompts prompts;
        auto form = MakeForm(prompts);
        if (c.Answer)
            prompts.AnswerMessage(*c.Answer);
        form->AddFiles(pictures.mid(0, c.Count));

        ASSERT_EQ(prompts.Calls().size(), c.Answer ? 1 : 0);
        if (c.Answer) {
            const TMessageRequest& asked = prompts.Calls()[0].MessageRequest;
            EXPECT_EQ(asked.Text, QStringLiteral("You have more than 100 files.\n\r"
                                                 "Loading thumbnails could take a while.\n\r"
                                                 "Do you want to load simple icons instead?"));
            EXPECT_EQ(asked.Icon, TPromptIcon::Warning);
            EXPECT_EQ(asked.Buttons, pbYesNo);
        }
        EXPECT_EQ(EntryPaths(*form), pictures.mid(0, c.Count));
        // A thumbnail stands behind the two placeholders; otherwise the picture by type.
        const TListPictures& pictureLists = form->ListView()->Pictures();
        EXPECT_EQ(pictureLists.ThumbIL.Count(), 2 + (c.Thumbnails ? c.Count : 0));
        for (int row = 0; row < c.Count; ++row) {
            const int index = form->ListItems()->Entry(row).ImageIndex;
            EXPECT_EQ(index, c.Thumbnails ? 2 + row : ImagePicture) << "row " << row;
        }
        EXPECT_EQ(form->StatusPanelText(1),
                  QStringLiteral(" Files processed: 0 of %1").arg(c.Count));
        EXPECT_TRUE(form->StopProcessing());
        EXPECT_FALSE(form->ProgressBar()->isVisible());
    }
}

TEST_F(MainFormAddTest, NothingIsAddedWhileTheWindowIsBusy) {
    const QStringList files = {FBox.WriteImage(QStringLiteral("a.png"), 10, 10),
                               FBox.WriteImage(QStringLiteral("b.png"), 10, 10)};
    QStringList many;
    for (int i = 0; i < 101; ++i)
        many << FBox.File(QStringLiteral("gone%1.jpg").arg(i));
    auto form = MakeForm({files.first()});
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->SetStopProcessing(false);

    form->AddFiles(files);
    // The question still comes first and is asked in vain.
    FPrompts.AnswerMessage(pbNo);
    form->AddFiles(many);
    QMimeData dropped;
    dropped.setUrls(FileUrls(files));
    DropOnList(*form, dropped);

    EXPECT_EQ(EntryPaths(*form), QStringList{files.first()});
    EXPECT_EQ(FPrompts.Calls().size(), 1);
    // A refused add leaves the busy state to its owner.
    EXPECT_FALSE(form->StopProcessing());
    EXPECT_TRUE(form->Action(TActionId::PauseProcessing)->isEnabled());
}

TEST_F(MainFormAddTest, ADroppedFolderAddsEveryFileBelowItOnceHiddenOnesIncluded) {
    const QString tree = MakeTree();
    const QString single = FBox.WriteImage(QStringLiteral("other/f.bmp"), 8, 8);
    for (const int style : {ListStyleThumbnails, ListStyleDetails}) {
        SCOPED_TRACE(style);
        WriteStartSettings([&](TSettings& s) { s.LIST_ICONS = static_cast<quint8>(style); });
        auto form = MakeForm();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

        // Text without files is not taken.
        QMimeData text;
        text.setText(QStringLiteral("just words"));
        EXPECT_FALSE(DropOnList(*form, text));

        QMimeData files;
        files.setUrls(FileUrls({tree, single, FBox.File(QStringLiteral("other/none.jpg"))}));
        ASSERT_TRUE(DropOnList(*form, files));

        const QStringList paths = EntryPaths(*form);
        ASSERT_EQ(paths.size(), 5) << paths.join(QLatin1Char('\n')).toStdString();
        // Every file of the tree once, in the order the file system gives, then the single
        // file.
        QStringList fromTree = paths.mid(0, 4);
        fromTree.sort();
        QStringList expected = TreeFiles();
        expected.sort();
        EXPECT_EQ(fromTree, expected);
        EXPECT_EQ(paths.last(), single);
        // Depth first: the subfolder's files stand together.
        const auto row = [&](const char* relative) {
            return paths.indexOf(FBox.File(QLatin1String(relative)));
        };
        EXPECT_EQ(std::abs(row("tree/sub/b.png") - row("tree/sub/.secret/c.txt")), 1);

        const TListEntry& hidden = form->ListItems()->Entry(row("tree/.hidden"));
        EXPECT_EQ(hidden.Name, QString());
        EXPECT_EQ(hidden.Type, QStringLiteral("hidden"));
        EXPECT_EQ(hidden.Size, QStringLiteral("0 KB"));
        EXPECT_EQ(hidden.ByteSize, QStringLiteral("512"));
        EXPECT_EQ(form->ListItems()->Entry(row("tree/a.jpg")).Size, QStringLiteral("2 KB"));
        EXPECT_EQ(form->StatusPanelText(1), QStringLiteral(" Files processed: 0 of 5"));
        EXPECT_TRUE(form->StopProcessing());
    }
    EXPECT_TRUE(FPrompts.Calls().isEmpty());
}

TEST_F(MainFormAddTest, PasteAddsTheClipboardsFilesAndEmptiesIt) {
    const QString tree = MakeTree();
    const QString single = FBox.WriteImage(QStringLiteral("other/f.bmp"), 8, 8);
    auto form = MakeForm();
    QAction* paste = form->Action(TActionId::EditPaste);

    auto* data = new QMimeData;
    data->setUrls(FileUrls({single, FBox.File(QStringLiteral("missing.png")), tree}));
    QGuiApplication::clipboard()->setMimeData(data);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            form->UpdateActions();
            return paste->isEnabled();
        },
        5000));
    paste->trigger();

    const QStringList paths = EntryPaths(*form);
    ASSERT_EQ(paths.size(), 5) << paths.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(paths.first(), single);
    QStringList fromTree = paths.mid(1);
    fromTree.sort();
    QStringList expected = TreeFiles();
    expected.sort();
    EXPECT_EQ(fromTree, expected);

    const QMimeData* left = QGuiApplication::clipboard()->mimeData();
    EXPECT_TRUE(!left || left->formats().isEmpty());
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            form->UpdateActions();
            return !paste->isEnabled();
        },
        5000));
}

TEST_F(MainFormAddTest, TheCommandLineAddsItsArgumentsAsTheyAre) {
    const QString a = FBox.WriteText(QStringLiteral("pics/a.jpg"), QByteArray(1536, 'a'));
    const QString small = FBox.WriteText(QStringLiteral("pics/small.bmp"), QByteArray(512, 's'));
    const QString large = FBox.WriteText(QStringLiteral("pics/large.png"), QByteArray(2560, 'l'));
    const QString folder = FBox.File(QStringLiteral("pics"));
    const QString gone = FBox.File(QStringLiteral("pics/gone.jpg"));
    const struct {
        const char* Situation;
        QStringList Arguments;
        QStringList Entries;
        QStringList Sizes;
    } cases[] = {
        {"a leading shell is skipped", {"shell", a}, {a}, {"2 KB"}},
        {"a later shell is a path", {a, "shell"}, {a, "shell"}, {"2 KB", "0 KB"}},
        {"the comparison is exact", {"Shell", a}, {"Shell", a}, {"0 KB", "2 KB"}},
        {"halves go to even", {small, a, large}, {small, a, large}, {"0 KB", "2 KB", "2 KB"}},
        {"a folder is one entry", {folder}, {folder}, {"0 KB"}},
        {"a vanished file and the next", {gone, a}, {gone, a}, {"0 KB", "2 KB"}},
        {"the same file twice", {a, a}, {a, a}, {"2 KB", "2 KB"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Situation);
        auto form = MakeForm(c.Arguments);
        EXPECT_EQ(EntryPaths(*form), c.Entries);
        QStringList sizes;
        for (const TListEntry& entry : form->ListItems()->Entries())
            sizes << entry.Size;
        EXPECT_EQ(sizes, c.Sizes);
        EXPECT_EQ(form->StatusPanelText(1),
                  QStringLiteral(" Files processed: 0 of %1").arg(c.Entries.size()));
        EXPECT_TRUE(form->StopProcessing());
    }
    EXPECT_TRUE(FPrompts.Calls().isEmpty());
}

TEST_F(MainFormAddTest, AddFileAndAddFolderAddWhatTheDialogsReturn) {
    const QString a = FBox.WriteImage(QStringLiteral("pics/a.png"), 10, 10);
    const QString b = FBox.WriteImage(QStringLiteral("pics/b.png"), 10, 10);
    const QString tree = MakeTree();
    auto form = MakeForm();

    FPrompts.AnswerFiles({b, a});
    form->Action(TActionId::AddFile)->trigger();
    FPrompts.AnswerFiles({});
    form->Action(TActionId::AddFile)->trigger();
    EXPECT_EQ(EntryPaths(*form), QStringList({b, a}));

    FPrompts.AnswerFolder(tree + QLatin1Char('/'));
    form->Action(TActionId::AddFolderAct)->trigger();
    FPrompts.AnswerFolder(std::nullopt);
    form->Action(TActionId::AddFolderAct)->trigger();
    QStringList fromTree = EntryPaths(*form).mid(2);
    fromTree.sort();
    QStringList expected = TreeFiles();
    expected.sort();
    EXPECT_EQ(fromTree, expected);

    ASSERT_EQ(FPrompts.Calls().size(), 4);
    const TOpenFileRequest& open = FPrompts.Calls()[0].OpenRequest;
    EXPECT_EQ(open.Filter,
              QStringLiteral("All Supported File Types|*.jpg;*.jpeg;*.bmp;*.gif;*.png;*.tif;*.tiff;"
                             "|JPG|*.jpg;*.jpeg|BMP|*.bmp|GIF|*.gif|PNG|*.png|TIFF|*.tif;*.tiff"));
    EXPECT_TRUE(open.Multiple);
    const TFolderRequest& folder = FPrompts.Calls()[2].FolderRequest;
    EXPECT_EQ(folder.Caption, QStringLiteral("Add Folder"));
    EXPECT_TRUE(folder.StartFolder.isEmpty());
    EXPECT_FALSE(folder.AllowNewFolder);
}

TEST_F(MainFormAddTest, StopDuringALongAddEndsAtTheNextMultipleOf200) {
    QStringList paths;
    for (int i = 0; i < 450; ++i)
        paths << FBox.File(QStringLiteral("long/%1.jpg").arg(i));
    WriteStartSettings([](TSettings& s) { s.LIST_ICONS = ListStyleDetails; });
    const struct {
        int StopGivenAt; // the progress position at which Stop is given; -1 before the add
        int Entries;
    } cases[] = {{-1, 1}, {5, 201}, {200, 201}, {395, 401}, {445, 450}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.StopGivenAt);
        auto form = MakeForm();
        QAction* stop = form->Action(TActionId::PauseProcessing);
        const auto giveStop = [stop] { QTimer::singleShot(0, stop, &QAction::trigger); };
        if (c.StopGivenAt < 0)
            giveStop();
        QObject::connect(form->ProgressBar(), &QProgressBar::valueChanged, form.get(),
                         [&](int value) {
                             if (value == c.StopGivenAt)
                                 giveStop();
                         });
        form->AddFiles(paths);

        EXPECT_EQ(EntryPaths(*form), paths.mid(0, c.Entries));
        EXPECT_TRUE(form->StopProcessing());
        EXPECT_FALSE(form->ProgressBar()->isVisible());
        EXPECT_FALSE(stop->isEnabled());
        EXPECT_TRUE(form->Action(TActionId::AddFile)->isEnabled());
        EXPECT_EQ(form->StatusPanelText(1),
                  QStringLiteral(" Files processed: 0 of %1").arg(c.Entries));
        // A Stop given after the last pause finds the add over and changes nothing.
        QCoreApplication::processEvents();
        EXPECT_TRUE(form->StopProcessing());
        EXPECT_EQ(form->EntryCount(), c.Entries);
    }
}

TEST_F(MainFormAddTest, AMessageFromAnotherProcessIsHandledBeforeItsSenderGoesOn) {
    const QString a = FBox.WriteImage(QStringLiteral("pics/a.png"), 10, 10);
    const QString tree = MakeTree();
    auto form = MakeForm({}, SocketPath());
    ASSERT_TRUE(form->FileListServing());
    form->showMinimized();
    ASSERT_TRUE(form->isMinimized());

    QProcess client;
    int wizards = 0;
    bool senderWaited = false;
    int entriesAtWizard = -1;
    QObject::connect(form->Action(TActionId::ZVWizard), &QAction::triggered, form.get(), [&] {
        ++wizards;
        senderWaited = client.state() == QProcess::Running;
        entriesAtWizard = form->EntryCount();
    });
    QSignalSpy finished(&client, &QProcess::finished);
    client.start(QStringLiteral(ZV_SEND_FILE_LIST),
                 {SocketPath(), a, tree, FBox.File(QStringLiteral("nothing.jpg"))});
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(client.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(client.exitCode(), 0);

    const QStringList paths = EntryPaths(*form);
    ASSERT_EQ(paths.size(), 5) << paths.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(paths.first(), a);
    EXPECT_EQ(wizards, 1);
    EXPECT_TRUE(senderWaited) << "the sender went on before the window had handled the message";
    EXPECT_EQ(entriesAtWizard, 5);
    EXPECT_FALSE(form->isMinimized());
    EXPECT_TRUE(FPrompts.Calls().isEmpty());

    // The window serves until it closes.
    form->close();
    EXPECT_FALSE(form->FileListServing());
    EXPECT_FALSE(SendFileList({a}, SocketPath(), 500));
}

TEST_F(MainFormAddTest, MessageTextsAddTheirFinishedPathsOnly) {
    const QString a = FBox.WriteImage(QStringLiteral("pics/a.png"), 10, 10);
    const QString b = FBox.WriteImage(QStringLiteral("pics/b.png"), 10, 10);
    const QString tree = MakeTree();
    const struct {
        const char* Situation;
        QByteArray Text;
        int Entries; // a first, then the tree's files
        int Wizards;
    } cases[] = {
        {"a file, a folder, an unterminated path", (a + ">" + tree + ">" + b).toUtf8(), 5, 1},
        {"a zero byte ends the text", (a + ">").toUtf8() + '\0' + (b + ">").toUtf8(), 1, 1},
        {"nothing that exists", (FBox.File("none.jpg") + ">").toUtf8(), 0, 0},
        {"an empty text", QByteArray(), 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Situation);
        auto form = MakeForm({}, SocketPath());
        ASSERT_TRUE(form->FileListServing());
        int wizards = 0;
        QObject::connect(form->Action(TActionId::ZVWizard), &QAction::triggered, form.get(),
                         [&] { ++wizards; });
        EXPECT_EQ(SendRawMessage(SocketPath(), c.Text), QByteArray(4, '\0'));
        const QStringList paths = EntryPaths(*form);
        ASSERT_EQ(paths.size(), c.Entries) << paths.join(QLatin1Char('\n')).toStdString();
        if (c.Entries > 0) {
            EXPECT_EQ(paths.first(), a);
        }
        EXPECT_FALSE(paths.contains(b));
        EXPECT_EQ(wizards, c.Wizards);
        form->close();
    }
}

TEST_F(MainFormAddTest, AStaleSocketFileIsReplacedAndASecondWindowStaysSilent) {
    ASSERT_TRUE(LeaveStaleSocket(SocketPath()));
    const QString a = FBox.WriteImage(QStringLiteral("a.png"), 10, 10);
    auto first = MakeForm({}, SocketPath());
    EXPECT_TRUE(first->FileListServing());
    auto second = MakeForm({}, SocketPath());
    EXPECT_FALSE(second->FileListServing()) << "a live window already serves";

    QProcess client;
    QSignalSpy finished(&client, &QProcess::finished);
    client.start(QStringLiteral(ZV_SEND_FILE_LIST), {SocketPath(), a});
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(client.exitCode(), 0);
    EXPECT_EQ(EntryPaths(*first), QStringList{a});
    EXPECT_EQ(second->EntryCount(), 0);
}

TEST_F(MainFormAddTest, AMessageDuringALongAddIsAnsweredAndAddsNothing) {
    const QString a = FBox.WriteImage(QStringLiteral("a.png"), 10, 10);
    QStringList paths;
    for (int i = 0; i < 450; ++i)
        paths << FBox.File(QStringLiteral("long/%1.jpg").arg(i));
    WriteStartSettings([](TSettings& s) { s.LIST_ICONS = ListStyleDetails; });
    auto form = MakeForm({}, SocketPath());
    ASSERT_TRUE(form->FileListServing());
    int wizards = 0;
    QObject::connect(form->Action(TActionId::ZVWizard), &QAction::triggered, form.get(),
                     [&] { ++wizards; });

    // The sender connects before the add and is heard at the add's pauses.
    QLocalSocket sender;
    sender.connectToServer(SocketPath());
    ASSERT_TRUE(sender.waitForConnected(3000));
    sender.write(EncodeFileListMessage({a}));
    ASSERT_TRUE(sender.waitForBytesWritten(3000));
    form->AddFiles(paths);

    EXPECT_EQ(EntryPaths(*form), paths);
    EXPECT_EQ(wizards, 0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return sender.bytesAvailable() >= 4; }, 5000));
    EXPECT_EQ(sender.read(4), QByteArray(4, '\0'));
}

} // namespace
