#include "AddFolderForm.h"
#include "ScriptedPrompts.h"
#include "DesktopFolder.h"
#include "TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QTreeView>

#include <gtest/gtest.h>

#include <functional>
#include <vector>

using namespace ZVTest;

namespace {

struct TControls {
    explicit TControls(QWidget* form)
        : Tree(form->findChild<QTreeView*>(QStringLiteral("FolderTree")))
        , NewFolderB(form->findChild<QPushButton*>(QStringLiteral("NewFolderB")))
        , OKButton(form->findChild<QPushButton*>(QStringLiteral("OKButton")))
        , CancelButton(form->findChild<QPushButton*>(QStringLiteral("CancelButton"))) {}
    QTreeView* Tree;
    QPushButton* NewFolderB;
    QPushButton* OKButton;
    QPushButton* CancelButton;
};

// Runs a modal pick and acts on the chooser while it is shown.
template <class TPick>
bool WhileShown(TPick pick, const std::function<void(TAddFolderForm&)>& inside) {
    bool ran = false;
    QTimer::singleShot(0, [&] {
        ran = true;
        auto* form = qobject_cast<TAddFolderForm*>(QApplication::activeModalWidget());
        if (!form) {
            ADD_FAILURE() << "no folder chooser shown";
            return;
        }
        inside(*form);
        if (form->isVisible()) {
            ADD_FAILURE() << "the chooser was left open";
            form->reject();
        }
    });
    const bool result = pick();
    EXPECT_TRUE(ran);
    return result;
}

QString Desktop() {
    QString desktop = DefaultOutputFolder();
    desktop.chop(1);
    return desktop;
}

TEST(AddFolderForm, StartFolderRules) {
    TSandBox box;
    box.Fill({QStringLiteral("photos/"), QStringLiteral("notes.txt")});
    const QString photos = box.File(QStringLiteral("photos"));
    const struct {
        QString Given;
        QString Start;
    } cases[] = {
        {photos, photos},
        {photos + QStringLiteral("/"), photos},
        {photos + QStringLiteral("/../photos/"), photos},
        {box.File(QStringLiteral("notes.txt")), Desktop()},
        {box.File(QStringLiteral("missing")), Desktop()},
        {QString(), Desktop()},
        {QStringLiteral("/"), QStringLiteral("/")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Given.toStdString());
        EXPECT_EQ(PickerStartFolder(c.Given), c.Start);
    }
    EXPECT_EQ(FolderWithSlash(photos), photos + QStringLiteral("/"));
    EXPECT_EQ(FolderWithSlash(photos + QStringLiteral("/")), photos + QStringLiteral("/"));
    EXPECT_EQ(FolderWithSlash(QStringLiteral("/")), QStringLiteral("/"));
}

TEST(AddFolderForm, NewFolderNameRules) {
    EXPECT_EQ(NewFolderPath(QStringLiteral("/tmp/a"), QStringLiteral("New Folder")),
              QStringLiteral("/tmp/a/New Folder"));
    EXPECT_EQ(NewFolderPath(QStringLiteral("/"), QStringLiteral("x")), QStringLiteral("/x"));
    for (const char* refused : {"", ".", "..", "a/b", "/abs"}) {
        SCOPED_TRACE(refused);
        EXPECT_FALSE(NewFolderPath(QStringLiteral("/tmp/a"), QString::fromUtf8(refused)));
    }
}

TEST(AddFolderForm, OpensAtTheDesktopSelectedAndExpanded) {
    TScriptedPrompts prompts;
    TAddFolderForm form(prompts);
    const TControls controls(&form);
    EXPECT_EQ(form.size(), QSize(268, 301));
    EXPECT_EQ(form.SelectedFolder(), Desktop());
    EXPECT_TRUE(controls.Tree->isExpanded(controls.Tree->currentIndex()));
    EXPECT_TRUE(controls.OKButton->isEnabled());
    EXPECT_TRUE(controls.OKButton->isDefault());
    EXPECT_EQ(controls.NewFolderB->text(), QStringLiteral("&New Folder"));
    EXPECT_EQ(controls.Tree->indentation(), 19);

    // OK and New Folder follow the selection.
    controls.Tree->selectionModel()->clearSelection();
    EXPECT_TRUE(form.SelectedFolder().isEmpty());
    EXPECT_FALSE(controls.OKButton->isEnabled());
    EXPECT_FALSE(controls.NewFolderB->isEnabled());
    form.OpenAt(QStringLiteral("/"));
    EXPECT_EQ(form.SelectedFolder(), QStringLiteral("/"));
    EXPECT_TRUE(controls.OKButton->isEnabled());
    EXPECT_TRUE(controls.NewFolderB->isEnabled());
}

// The tree reads folders in the background; the start folder is in sight once it has.
TEST(AddFolderForm, StartFolderIsInSightOnceTheTreeHasLoaded) {
    TSandBox box;
    box.Fill({QStringLiteral("deep/down/below/here/"), QStringLiteral("deep/down/other/"),
              QStringLiteral("deep/side/")});
    const QString start = box.File(QStringLiteral("deep/down/below/here"));
    TScriptedPrompts prompts;
    TAddFolderForm form(prompts);
    const TControls controls(&form);
    QSignalSpy loaded(controls.Tree->model(), SIGNAL(directoryLoaded(QString)));
    form.OpenAt(start);
    form.show();
    const auto inSight = [&] {
        const QRect row = controls.Tree->visualRect(controls.Tree->currentIndex());
        return controls.Tree->viewport()->rect().contains(row.center());
    };
    const QString parent = box.File(QStringLiteral("deep/down/below"));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            for (const QList<QVariant>& signal : loaded)
                if (signal.at(0).toString() == parent)
                    return true;
            return false;
        },
        10000));
    EXPECT_TRUE(QTest::qWaitFor(inSight, 10000));
    EXPECT_EQ(form.SelectedFolder(), start);
    EXPECT_TRUE(controls.Tree->isExpanded(controls.Tree->currentIndex().parent()));
    form.hide();
}

// Both the plain call and the program's prompts return the start folder with a "/" when the
// chooser is confirmed at once; New Folder is shown only where it is offered.
TEST(AddFolderForm, ConfirmingTheStartFolderReturnsItWithSlash) {
    TSandBox box;
    box.Fill({QStringLiteral("out/")});
    const QString start = box.File(QStringLiteral("out"));
    TScriptedPrompts prompts;
    TFolderTreePrompts program;
    struct TCase {
        const char* Name;
        bool Offered;
        std::function<bool(QString&)> Pick;
    };
    const TCase cases[] = {
        {"PickFolder with New Folder", true,
         [&](QString& path) {
             return PickFolder(prompts, path, QStringLiteral("Select Output Folder"), true);
         }},
        {"PickFolder without New Folder", false,
         [&](QString& path) {
             return PickFolder(prompts, path, QStringLiteral("Select Output Folder"), false);
         }},
        {"program prompts", true,
         [&](QString& path) {
             const std::optional<QString> chosen =
                 program.PickFolder({QStringLiteral("Select Output Folder"), path, true});
             if (chosen)
                 path = *chosen;
             return chosen.has_value();
         }},
    };
    for (const TCase& c : cases) {
        for (const QString& given : {start, start + QStringLiteral("/")}) {
            SCOPED_TRACE(std::string(c.Name) + " " + given.toStdString());
            QString path = given;
            const bool confirmed = WhileShown(
                [&] { return c.Pick(path); },
                [&](TAddFolderForm& form) {
                    const TControls controls(&form);
                    EXPECT_EQ(form.windowTitle(), QStringLiteral("Select Output Folder"));
                    EXPECT_EQ(form.SelectedFolder(), start);
                    EXPECT_EQ(!controls.NewFolderB->isHidden(), c.Offered);
                    controls.OKButton->click();
                });
            EXPECT_TRUE(confirmed);
            EXPECT_EQ(path, start + QStringLiteral("/"));
        }
    }
}

TEST(AddFolderForm, CancelLeavesTheCallersPath) {
    TSandBox box;
    box.Fill({QStringLiteral("out/"), QStringLiteral("other/")});
    TScriptedPrompts prompts;
    const QString starts[] = {box.File(QStringLiteral("out/")), QString(),
                              box.File(QStringLiteral("gone/"))};
    for (const QString& start : starts) {
        SCOPED_TRACE(start.toStdString());
        QString path = start;
        const bool confirmed = WhileShown(
            [&] { return PickFolder(prompts, path, QStringLiteral("Add Folder"), false); },
            [&](TAddFolderForm& form) {
                // A folder missing or not given leaves the tree at the desktop.
                EXPECT_EQ(form.SelectedFolder(), PickerStartFolder(start));
                form.OpenAt(box.File(QStringLiteral("other")));
                TControls(&form).CancelButton->click();
            });
        EXPECT_FALSE(confirmed);
        EXPECT_EQ(path, start);
    }
}

TEST(AddFolderForm, SecondNewFolderOfTheSameNameFails) {
    TSandBox box;
    box.Fill({QStringLiteral("base/")});
    const QString base = box.File(QStringLiteral("base"));
    TScriptedPrompts prompts;
    TAddFolderForm form(prompts);
    const TControls controls(&form);
    form.OpenAt(base);

    prompts.AnswerText(QStringLiteral("New Folder"));
    controls.NewFolderB->click();
    const std::vector<TPromptCall> queries = prompts.CallsOf(TPromptCall::QueryText);
    ASSERT_EQ(queries.size(), 1u);
    EXPECT_EQ(queries[0].Query.Caption, QStringLiteral("New Folder"));
    EXPECT_EQ(queries[0].Query.Prompt, QStringLiteral("New folder name:"));
    EXPECT_EQ(queries[0].Query.Value, QStringLiteral("New Folder"));
    const QString created = base + QStringLiteral("/New Folder");
    EXPECT_TRUE(QFileInfo(created).isDir());
    EXPECT_EQ(form.SelectedFolder(), created);
    EXPECT_TRUE(prompts.CallsOf(TPromptCall::Message).empty());

    form.OpenAt(base);
    prompts.AnswerText(QStringLiteral("New Folder"));
    prompts.AnswerMessage(pbOk);
    controls.NewFolderB->click();
    const std::vector<TPromptCall> messages = prompts.CallsOf(TPromptCall::Message);
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].MessageRequest.Text, QStringLiteral("Could not create new folder."));
    EXPECT_EQ(messages[0].MessageRequest.Icon, TPromptIcon::Error);
    EXPECT_EQ(messages[0].MessageRequest.Buttons, pbOk);
    EXPECT_EQ(form.SelectedFolder(), base);
    EXPECT_EQ(QDir(base).entryList(QDir::Dirs | QDir::NoDotAndDotDot),
              QStringList{QStringLiteral("New Folder")});
}

TEST(AddFolderForm, NewFolderCancelledOrRefusedCreatesNothing) {
    TSandBox box;
    box.Fill({QStringLiteral("base/")});
    const QString base = box.File(QStringLiteral("base"));
    TScriptedPrompts prompts;
    TAddFolderForm form(prompts);
    form.OpenAt(base);

    prompts.AnswerText(std::nullopt);
    form.NewFolderBClick();
    EXPECT_TRUE(prompts.CallsOf(TPromptCall::Message).empty());
    EXPECT_EQ(form.SelectedFolder(), base);

    int failures = 0;
    for (const char* name : {"", "a/b", ".."}) {
        SCOPED_TRACE(name);
        prompts.AnswerText(QString::fromUtf8(name));
        prompts.AnswerMessage(pbOk);
        form.NewFolderBClick();
        const std::vector<TPromptCall> messages = prompts.CallsOf(TPromptCall::Message);
        ASSERT_EQ(messages.size(), size_t(++failures));
        EXPECT_EQ(messages.back().MessageRequest.Text, NewFolderFailedText);
        EXPECT_EQ(form.SelectedFolder(), base);
    }
    EXPECT_TRUE(QDir(base).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
}

} // namespace
