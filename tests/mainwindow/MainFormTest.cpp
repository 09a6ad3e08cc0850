#include "ExpectedActions.h"
#include "FontConfig.h"
#include "IniFile.h"
#include "LinkLabel.h"
#include "ListEntry.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "ShellOpen.h"
#include "TestSupport.h"
#include "ImageListView.h"
#include "ZVMainForm.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QEnterEvent>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QSignalSpy>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace ZVTest;

namespace {

const char* const IconFiles[] = {"xpzvicons32.png", "xpzvicons16.png", "zvicons32.png",
                                 "zvicons16.png"};

QStringList EnabledActions(const TZVMainForm& form) {
    QStringList names;
    for (const QAction* action : form.ActionList())
        if (action->isEnabled())
            names << action->objectName();
    names.sort();
    return names;
}

// Runs a real event loop, which goes idle between its events, until the condition holds or
// five seconds have passed. (Processing events in a busy loop never lets it go idle.)
bool RunLoopUntil(const std::function<bool()>& condition) {
    if (condition())
        return true;
    QEventLoop loop;
    QElapsedTimer clock;
    clock.start();
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (condition() || clock.elapsed() > 5000)
            loop.quit();
    });
    poll.start();
    loop.exec();
    return condition();
}

QStringList Sorted(const QSet<QString>& set) {
    QStringList names(set.begin(), set.end());
    names.sort();
    return names;
}

// The lines of one section of an INI file, as written.
QStringList SectionLines(const QString& path, const QString& section) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList lines;
    bool inside = false;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'))) {
        const QString trimmed = line.trimmed();
        if (trimmed.startsWith(QLatin1Char('[')))
            inside = trimmed.compare(QLatin1Char('[') + section + QLatin1Char(']'),
                                     Qt::CaseInsensitive) == 0;
        else if (inside && !trimmed.isEmpty())
            lines << trimmed;
    }
    return lines;
}

class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        // The program folder: the icon files and an empty scanner folder.
        for (const char* name : IconFiles)
            ASSERT_TRUE(QFile::copy(QStringLiteral(ZV_RESOURCES_DIR "/") + QLatin1String(name),
                                    FBox.File(QLatin1String(name))));
        FBox.Fill({QStringLiteral("twain/")});
    }

    QString Program() const { return FBox.Path() + QLatin1Char('/'); }
    QString Ini() const { return FBox.File(QStringLiteral("Zoravel.ini")); }

    std::unique_ptr<TZVMainForm> MakeForm(const QString& iniPath = {}) {
        return std::make_unique<TZVMainForm>(FSettings, iniPath.isEmpty() ? Ini() : iniPath,
                                             FPrompts, Program());
    }

    static void AddEntries(TZVMainForm& form, int count) {
        for (int i = 0; i < count; ++i)
            form.ListItems()->Append(
                SplitEntryPath(QStringLiteral("/pictures/photo%1.jpg").arg(i)));
    }

    static void Select(TZVMainForm& form, int count) {
        QItemSelectionModel* selection = form.ListView()->SelectionModel();
        selection->clearSelection();
        for (int i = 0; i < count; ++i)
            selection->select(form.ListItems()->index(i, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }

    void WritePlacement(int state, const QRect& bounds, bool optionsVisible = true) {
        TIniFile ini(Ini());
        ini.WriteInteger(MainFormSection, QStringLiteral("WindowState"), state);
        ini.WriteInteger(MainFormSection, QStringLiteral("Left"), bounds.left());
        ini.WriteInteger(MainFormSection, QStringLiteral("Top"), bounds.top());
        ini.WriteInteger(MainFormSection, QStringLiteral("Width"), bounds.width());
        ini.WriteInteger(MainFormSection, QStringLiteral("Height"), bounds.height());
        ini.WriteBool(MainFormSection, QStringLiteral("FastOptionsVisible"), optionsVisible);
        ini.UpdateFile();
    }

    int ReadPlacementKey(const char* key, int def = -12345) const {
        return TIniFile(Ini()).ReadInteger(MainFormSection, QLatin1String(key), def);
    }

    static QSize Screen() { return QGuiApplication::primaryScreen()->size(); }

    TSandBox FBox;
    TSettings FSettings;
    TScriptedPrompts FPrompts;
};

TEST_F(MainFormTest, TheWindowIsLaidOutAsDesigned) {
    auto form = MakeForm();
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Zoravel Pro"));
    EXPECT_EQ(form->minimumSize(), QSize(760, 350));
    EXPECT_EQ(form->size(), QSize(768, 530));
    EXPECT_EQ(form->pos(), DefaultWindowBounds(Screen()).topLeft());
    EXPECT_EQ(form->font().family(), QStringLiteral("Verdana"));
    EXPECT_EQ(form->font().pointSizeF(), 8.0);
    // Where Verdana is absent the window shows fontconfig's choice for it.
    const auto matched = FindInstalledFont(MatchFontFile(QStringLiteral("Verdana"), false, false));
    ASSERT_TRUE(matched.has_value());
    EXPECT_EQ(QFontInfo(form->font()).family(), matched->Family);

    // Tool bar: two rows of 106 x 52 buttons with captions under 32-pixel icons.
    const QStringList rowOne = {QStringLiteral("AddButton"), QStringLiteral("RemoveFileButton"),
                                QStringLiteral("ClearAllButton"), QStringLiteral("DefaultsButton"),
                                QStringLiteral("ImagePreviewButton")};
    const QStringList rowTwo = {
        QStringLiteral("ProcessImagesButton"), QStringLiteral("PauseProcessingButton"),
        QStringLiteral("EmailImagesButton"),   QStringLiteral("ScreenSaverImagesButton"),
        QStringLiteral("ZVWizardButton"),      QStringLiteral("HelpButton")};
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    int lastX = -1;
    int rowY = -1;
    for (const QStringList& row : {rowOne, rowTwo}) {
        lastX = -1;
        for (const QString& name : row) {
            SCOPED_TRACE(name.toStdString());
            auto* button = form->findChild<QToolButton*>(name);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->size(), QSize(106, 52));
            EXPECT_EQ(button->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
            EXPECT_EQ(button->iconSize(), QSize(32, 32));
            EXPECT_TRUE(button->autoRaise());
            EXPECT_GT(button->x(), lastX);
            lastX = button->x();
            if (name == row.first()) {
                EXPECT_GT(button->y(), rowY);
                rowY = button->y();
            } else {
                EXPECT_EQ(button->y(), rowY);
            }
        }
    }
    // Separators of 8 pixels: Add | Remove, Clear all | Options, Wizard | Help.
    const auto gap = [&](const char* left, const char* right) {
        return form->findChild<QToolButton*>(QLatin1String(right))->x() -
               form->findChild<QToolButton*>(QLatin1String(left))->geometry().right() - 1;
    };
    EXPECT_EQ(gap("AddButton", "RemoveFileButton"), 8);
    EXPECT_EQ(gap("RemoveFileButton", "ClearAllButton"), 0);
    EXPECT_EQ(gap("ClearAllButton", "DefaultsButton"), 8);
    EXPECT_EQ(gap("ZVWizardButton", "HelpButton"), 8);

    auto* add = form->findChild<QToolButton*>(QStringLiteral("AddButton"));
    EXPECT_EQ(add->text(), QStringLiteral("Add"));
    EXPECT_EQ(add->toolTip(), QStringLiteral("Add file(s) to the list "));
    EXPECT_EQ(add->menu(), form->AddPM());
    EXPECT_EQ(add->popupMode(), QToolButton::InstantPopup);

    // The bottom panel: the 18-pixel link strip over the 151-pixel options panel.
    EXPECT_EQ(form->BottomPanel()->height(), 169);
    EXPECT_EQ(form->FastOptionsPC()->height(), 151);
    EXPECT_GT(form->BottomPanel()->y(), form->ListView()->geometry().bottom());

    // Status bar: three panels of 250, 150 and 300 pixels.
    const int widths[] = {250, 150, 300};
    for (int i = 0; i < 3; ++i) {
        auto* panel =
            form->statusBar()->findChild<QWidget*>(QStringLiteral("StatusPanel%1").arg(i));
        ASSERT_NE(panel, nullptr);
        EXPECT_EQ(panel->width(), widths[i]);
    }
    EXPECT_EQ(form->StatusPanelText(1), QStringLiteral(" Files processed: 0 of 0"));
}

TEST_F(MainFormTest, ActionsCarryTheirCaptionsShortcutsAndIcons) {
    auto form = MakeForm();
    ASSERT_TRUE(form->XPFlag());
    const QImage strip32(QStringLiteral(ZV_RESOURCES_DIR "/xpzvicons32.png"));
    const QImage strip16(QStringLiteral(ZV_RESOURCES_DIR "/xpzvicons16.png"));
    ASSERT_EQ(static_cast<std::size_t>(form->ActionList().size()), ExpectedActions().size());
    for (std::size_t i = 0; i < ExpectedActions().size(); ++i) {
        const TExpectedAction& expected = ExpectedActions()[i];
        const QAction* action = form->ActionList()[i];
        SCOPED_TRACE(expected.Name);
        EXPECT_EQ(action->objectName(), QLatin1String(expected.Name));
        EXPECT_EQ(action->property("Category").toString(), QLatin1String(expected.Category));
        EXPECT_EQ(action->text(), QLatin1String(expected.Caption));
        EXPECT_EQ(action->statusTip(), QLatin1String(expected.Hint));
        EXPECT_EQ(action->shortcuts(), expected.Shortcuts);
        if (expected.Icon < 0) {
            EXPECT_TRUE(action->icon().isNull());
            continue;
        }
        ASSERT_FALSE(action->icon().isNull());
        const QImage big =
            action->icon().pixmap(32, 32).toImage().convertToFormat(QImage::Format_ARGB32);
        const QImage small =
            action->icon().pixmap(16, 16).toImage().convertToFormat(QImage::Format_ARGB32);
        EXPECT_EQ(
            big,
            strip32.copy(expected.Icon * 32, 0, 32, 32).convertToFormat(QImage::Format_ARGB32));
        EXPECT_EQ(
            small,
            strip16.copy(expected.Icon * 16, 0, 16, 16).convertToFormat(QImage::Format_ARGB32));
    }
    EXPECT_EQ(form->Action(TActionId::EmailImages)->iconText(), QStringLiteral("Process & Email"));
}

TEST_F(MainFormTest, WithoutIconFilesTheActionsShowNoIcons) {
    for (const char* name : IconFiles)
        ASSERT_TRUE(QFile::remove(FBox.File(QLatin1String(name))));
    auto form = MakeForm();
    EXPECT_EQ(form->ImageList32().Count(), 0);
    EXPECT_EQ(form->ImageList16().Count(), 0);
    for (const QAction* action : form->ActionList())
        EXPECT_TRUE(action->icon().isNull()) << action->objectName().toStdString();
    EXPECT_TRUE(FPrompts.Calls().isEmpty());
}

TEST_F(MainFormTest, MenusHoldTheirActionsInOrder) {
    auto form = MakeForm();
    const auto names = [](const QMenu* menu) {
        QStringList list;
        for (const QAction* action : menu->actions())
            list << (action->isSeparator() ? QStringLiteral("-") : action->objectName());
        return list;
    };
    QStringList titles;
    for (const QAction* top : form->menuBar()->actions())
        titles << top->text();
    EXPECT_EQ(titles, QStringList({"File", "Edit", "Help"}));
    const QList<QAction*> tops = form->menuBar()->actions();
    EXPECT_EQ(names(tops[0]->menu()), QStringList({"AddFile", "AddFolderAct", "AddTwainFiles", "-",
                                                   "RemoveFile", "ClearAll", "-", "ImagePreview",
                                                   "ImageRotateLeft", "ImageRotateRight"}));
    EXPECT_EQ(names(tops[1]->menu()),
              QStringList({"EditPaste", "EditSelectAll", "-", "ProcessImages", "EmailImages",
                           "ScreenSaverImages", "ZVWizard", "PauseProcessing", "-", "Defaults"}));
    EXPECT_EQ(names(tops[2]->menu()),
              QStringList({"Help", "About", "-", "HelpSupport", "HelpContactUs"}));
    EXPECT_EQ(names(form->PopupMenu()),
              QStringList({"RemoveFile", "ImagePreview", "-", "EditPaste"}));
    EXPECT_EQ(names(form->AddPM()), QStringList({"AddFile", "AddFolderAct", "AddTwainFiles"}));
    // The Add menu shows the large icons, the list's menu the small ones.
    EXPECT_EQ(form->AddPM()->style()->pixelMetric(QStyle::PM_SmallIconSize), 32);
    EXPECT_EQ(form->PopupMenu()->style()->pixelMetric(QStyle::PM_SmallIconSize), 16);
}

TEST_F(MainFormTest, RulesAreEvaluatedWhenTheEventLoopGoesIdle) {
    auto form = MakeForm();
    for (const TExpectedRule& rule : ExpectedRules()) {
        SCOPED_TRACE(rule.Situation);
        form->SetStopProcessing(rule.State.Idle);
        form->ListItems()->Clear();
        AddEntries(*form, rule.State.EntryCount);
        Select(*form, rule.State.SelectedCount);
        if (rule.State.ClipboardHasFiles) {
            auto* data = new QMimeData;
            data->setUrls({QUrl::fromLocalFile(FBox.File(QStringLiteral("a.jpg")))});
            QGuiApplication::clipboard()->setMimeData(data);
        } else {
            QGuiApplication::clipboard()->setText(QStringLiteral("no files here"));
        }
        // The entries, the selection and the clipboard are looked at once the loop idles.
        EXPECT_TRUE(RunLoopUntil([&] { return EnabledActions(*form) == Sorted(rule.Enabled); }))
            << EnabledActions(*form).join(QLatin1Char(' ')).toStdString();
    }
}

TEST_F(MainFormTest, ASelectionIsSeenOnlyWhenTheLoopIdles) {
    auto form = MakeForm();
    AddEntries(*form, 2);
    QAction* rotate = form->Action(TActionId::ImageRotateLeft);
    EXPECT_FALSE(rotate->isEnabled());
    Select(*form, 1);
    // Nothing has been handled since the selection changed.
    EXPECT_FALSE(rotate->isEnabled());
    EXPECT_TRUE(RunLoopUntil([&] { return rotate->isEnabled(); }));
}

TEST_F(MainFormTest, BusyFlagRefreshesEveryActionAtOnce) {
    auto form = MakeForm();
    AddEntries(*form, 2);
    Select(*form, 1);
    ASSERT_TRUE(
        RunLoopUntil([&] { return form->Action(TActionId::ImageRotateLeft)->isEnabled(); }));
    EXPECT_TRUE(form->StopProcessing());

    // No event is handled between the call and the check.
    form->SetStopProcessing(false);
    EXPECT_FALSE(form->StopProcessing());
    EXPECT_EQ(EnabledActions(*form),
              QStringList({"HelpContactUs", "HelpSupport", "PauseProcessing", "ShowHideOptions"}));
    EXPECT_FALSE(form->property("StopProcessing").toBool());

    // Stop ends the busy state, and the actions come back with it.
    form->Action(TActionId::PauseProcessing)->trigger();
    EXPECT_TRUE(form->StopProcessing());
    EXPECT_TRUE(form->Action(TActionId::ImageRotateLeft)->isEnabled());
    EXPECT_TRUE(form->Action(TActionId::ClearAll)->isEnabled());
    EXPECT_FALSE(form->Action(TActionId::PauseProcessing)->isEnabled());
    EXPECT_FALSE(form->Action(TActionId::EditSelectAll)->isEnabled());
}

TEST_F(MainFormTest, HintsShowInTheFirstStatusPanel) {
    auto form = MakeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    auto* process = form->findChild<QToolButton*>(QStringLiteral("ProcessImagesButton"));
    ASSERT_NE(process, nullptr);
    EXPECT_EQ(process->toolTip(), QStringLiteral("Process files from the list"));

    // The mouse enters a tool button.
    QEnterEvent enter(QPointF(5, 5), process->mapToGlobal(QPointF(5, 5)),
                      process->mapToGlobal(QPointF(5, 5)));
    QApplication::sendEvent(process, &enter);
    EXPECT_EQ(form->StatusPanelText(0), QStringLiteral(" Process files from the list"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(process, &leave);
    EXPECT_EQ(form->StatusPanelText(0), QStringLiteral(" "));

    // A menu item is hovered.
    form->Action(TActionId::EmailImages)->showStatusText(form.get());
    EXPECT_EQ(form->StatusPanelText(0), QStringLiteral(" Process and email files from the list"));

    // A hint with a short and a long part shows the long one.
    QStatusTipEvent tip(QStringLiteral("Short|The long part"));
    QApplication::sendEvent(form->ListView()->CurrentView()->viewport(), &tip);
    EXPECT_EQ(form->StatusPanelText(0), QStringLiteral(" The long part"));
    // Nothing else of the status bar is overwritten by a hint.
    EXPECT_EQ(form->StatusPanelText(1), QStringLiteral(" Files processed: 0 of 0"));
    EXPECT_TRUE(form->statusBar()->currentMessage().isEmpty());
}

TEST_F(MainFormTest, FileCountAndProgressBarUseTheirPanels) {
    auto form = MakeForm();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->ShowFileCount(3, 17);
    EXPECT_EQ(form->StatusPanelText(1), QStringLiteral(" Files processed: 3 of 17"));
    form->ShowProgressBar();
    QProgressBar* bar = form->ProgressBar();
    EXPECT_EQ(bar->parentWidget(), form->statusBar());
    EXPECT_TRUE(bar->isVisible());
    const QWidget* third = form->statusBar()->findChild<QWidget*>(QStringLiteral("StatusPanel2"));
    EXPECT_EQ(bar->geometry(), third->geometry());
    EXPECT_EQ(bar->geometry().width(), 300);
}

TEST_F(MainFormTest, ShowHideLinkTogglesTheOptionsPanelAndIsRemembered) {
    {
        auto form = MakeForm();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        TLinkLabel* link = form->ShowHideLabel();
        auto* up = form->findChild<QWidget*>(QStringLiteral("UpImage"));
        auto* down = form->findChild<QWidget*>(QStringLiteral("DownImage"));
        EXPECT_EQ(link->text(), QStringLiteral("Hide options"));
        EXPECT_TRUE(down->isVisible());
        EXPECT_FALSE(up->isVisible());
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);

        // Hovering underlines the link and lightens it.
        const QColor plain = link->palette().color(QPalette::WindowText);
        QEnterEvent enter(QPointF(2, 2), link->mapToGlobal(QPointF(2, 2)),
                          link->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(link, &enter);
        EXPECT_TRUE(link->font().underline());
        EXPECT_NE(link->palette().color(QPalette::WindowText), plain);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(link, &leave);
        EXPECT_FALSE(link->font().underline());
        EXPECT_EQ(link->palette().color(QPalette::WindowText), plain);

        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_TRUE(form->FastOptionsPC()->isHidden());
        EXPECT_EQ(form->BottomPanel()->maximumHeight(), 18);
        EXPECT_EQ(link->text(), QStringLiteral("Show options"));
        EXPECT_TRUE(up->isVisible());
        EXPECT_FALSE(down->isVisible());
        EXPECT_TRUE(RunLoopUntil([&] { return form->BottomPanel()->height() == 18; }));

        QTest::mouseClick(link, Qt::LeftButton);
        EXPECT_FALSE(form->FastOptionsPC()->isHidden());
        EXPECT_EQ(link->text(), QStringLiteral("Hide options"));
        EXPECT_TRUE(RunLoopUntil([&] { return form->BottomPanel()->height() == 169; }));

        // Hidden when the window closes: stored so.
        QTest::mouseClick(link, Qt::LeftButton);
        form->close();
    }
    EXPECT_EQ(ReadPlacementKey("FastOptionsVisible"), 0);
    {
        auto form = MakeForm();
        EXPECT_TRUE(form->FastOptionsPC()->isHidden());
        EXPECT_EQ(form->ShowHideLabel()->text(), QStringLiteral("Show options"));
        EXPECT_EQ(form->BottomPanel()->maximumHeight(), 18);
        // The show/hide link works while busy, too.
        form->SetStopProcessing(false);
        EXPECT_TRUE(form->Action(TActionId::ShowHideOptions)->isEnabled());
        form->Action(TActionId::ShowHideOptions)->trigger();
        EXPECT_FALSE(form->FastOptionsPC()->isHidden());
        form->close();
    }
    EXPECT_EQ(ReadPlacementKey("FastOptionsVisible"), 1);
}

TEST_F(MainFormTest, NormalPlacementIsRestoredAndStored) {
    const QRect stored(12, 20, 770, 420);
    WritePlacement(0, stored);
    auto form = MakeForm();
    EXPECT_EQ(form->windowState(), Qt::WindowNoState);
    EXPECT_EQ(form->pos(), stored.topLeft());
    EXPECT_EQ(form->size(), stored.size());

    form->move(30, 40);
    form->resize(780, 400);
    form->close();
    EXPECT_EQ(ReadPlacementKey("WindowState"), 0);
    EXPECT_EQ(ReadPlacementKey("Left"), 30);
    EXPECT_EQ(ReadPlacementKey("Top"), 40);
    EXPECT_EQ(ReadPlacementKey("Width"), 780);
    EXPECT_EQ(ReadPlacementKey("Height"), 400);
}

TEST_F(MainFormTest, MaximizedPlacementKeepsTheStoredBounds) {
    WritePlacement(2, QRect(1, 2, 900, 700));
    auto form = MakeForm();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    // The stored bounds are not applied: the designed ones stand.
    EXPECT_EQ(form->size(), QSize(768, 530));
    EXPECT_EQ(form->pos(), DefaultWindowBounds(Screen()).topLeft());
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_TRUE(form->isMaximized());
    form->close();
    // Closed maximized: the state is written, the bounds are left as they were.
    EXPECT_EQ(ReadPlacementKey("WindowState"), 2);
    EXPECT_EQ(ReadPlacementKey("Left"), 1);
    EXPECT_EQ(ReadPlacementKey("Top"), 2);
    EXPECT_EQ(ReadPlacementKey("Width"), 900);
    EXPECT_EQ(ReadPlacementKey("Height"), 700);
}

TEST_F(MainFormTest, BoundsOffTheDesktopFallBackToTheCentre) {
    WritePlacement(0, QRect(9000, 9000, 770, 420));
    auto form = MakeForm();
    EXPECT_EQ(form->pos(), DefaultWindowBounds(Screen()).topLeft());
    EXPECT_EQ(form->size(), QSize(768, 530));
}

TEST_F(MainFormTest, ClosingEmptiesTheScannerFolderAndWritesOnlyThePlacement) {
    FSettings.JPG_QUALITY = 55;
    FSettings.OUTPUT_FORMAT = QStringLiteral("PNG");
    SaveSettings(FSettings, Ini());
    const QStringList optionsBefore = SectionLines(Ini(), OptionsSection);
    ASSERT_FALSE(optionsBefore.isEmpty());
    FBox.Fill({QStringLiteral("twain/1.bmp"), QStringLiteral("twain/2.bmp"),
               QStringLiteral("twain/3.bmp")});

    auto form = MakeForm();
    EXPECT_EQ(FSettings.JPG_QUALITY, 55);
    // Edits since the last save are not written at close.
    FSettings.JPG_QUALITY = 95;
    FSettings.OUTPUT_FORMAT = QStringLiteral("GIF");
    form->EmailList() << QStringLiteral("/out/Large_a.jpg");
    // A run still going is told to stop.
    form->SetStopProcessing(false);
    form->close();

    EXPECT_TRUE(form->StopProcessing());
    EXPECT_TRUE(QDir(FBox.File(QStringLiteral("twain")))
                    .entryList(QDir::Files | QDir::NoDotAndDotDot)
                    .isEmpty());
    EXPECT_TRUE(QFileInfo(FBox.File(QStringLiteral("twain"))).isDir());
    EXPECT_EQ(SectionLines(Ini(), OptionsSection), optionsBefore);
    EXPECT_EQ(SectionLines(Ini(), MainFormSection),
              QStringList({"WindowState=0", "Left=" + QString::number(form->x()),
                           "Top=" + QString::number(form->y()), "Width=768", "Height=530",
                           "FastOptionsVisible=1"}));
    EXPECT_TRUE(form->EmailList().isEmpty());
    EXPECT_TRUE(FPrompts.Calls().isEmpty());
}

TEST_F(MainFormTest, APlacementThatCannotBeWrittenDoesNotKeepTheWindowOpen) {
    // A file where the settings' folder should be: nothing can be written there.
    FBox.WriteText(QStringLiteral("blocked"), "a file, not a folder");
    const QString ini = FBox.File(QStringLiteral("blocked/Zoravel.ini"));
    FBox.Fill({QStringLiteral("twain/1.bmp")});
    auto form = MakeForm(ini);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    FPrompts.AnswerMessage(pbOk);
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(form->isVisible());
    ASSERT_EQ(FPrompts.Calls().size(), 1);
    const TMessageRequest& shown = FPrompts.Calls()[0].MessageRequest;
    EXPECT_EQ(shown.Text, QStringLiteral("Unable to write to %1.").arg(ini));
    EXPECT_EQ(shown.Icon, TPromptIcon::Error);
    EXPECT_FALSE(QFileInfo::exists(FBox.File(QStringLiteral("twain/1.bmp"))));
}

// An xdg-open on PATH that notes what it was asked to open.
class TFakeOpener {
public:
    explicit TFakeOpener(const TSandBox& box)
        : FBox(box)
        , FOldPath(qgetenv("PATH")) {
        const QString script =
            box.WriteText(QStringLiteral("bin/xdg-open"),
                          QStringLiteral("#!/bin/sh\nprintf '%s' \"$1\" > \"%1\"\n")
                              .arg(box.File(QStringLiteral("opened.txt")))
                              .toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", box.File(QStringLiteral("bin")).toLocal8Bit() + ":" + FOldPath);
    }
    ~TFakeOpener() { qputenv("PATH", FOldPath); }

    QString Opened() const {
        QFile file(FBox.File(QStringLiteral("opened.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

private:
    const TSandBox& FBox;
    QByteArray FOldPath;
};

TEST_F(MainFormTest, HelpSupportAndContactOpenTheirPages) {
    TSandBox tools;
    TFakeOpener opener(tools);
    auto form = MakeForm();
    const struct {
        TActionId Action;
        QString Target;
    } cases[] = {
        {TActionId::Help, Program() + QStringLiteral("help/index.htm")},
        {TActionId::HelpSupport, QLatin1String(MakerSite) + QStringLiteral("/support.htm")},
        {TActionId::HelpContactUs, QLatin1String(MakerSite) + QStringLiteral("/contact.htm")},
    };
    for (const auto& c : cases) {
        QSignalSpy finished(&form->ShellOpen(), &TShellOpen::Finished);
        form->Action(c.Action)->trigger();
        ASSERT_TRUE(finished.count() == 1 || finished.wait(10000));
        EXPECT_EQ(finished[0][1].toInt(), 0);
        EXPECT_EQ(opener.Opened(), c.Target);
    }
    // While busy Help waits; the web pages do not.
    form->SetStopProcessing(false);
    EXPECT_FALSE(form->Action(TActionId::Help)->isEnabled());
    EXPECT_TRUE(form->Action(TActionId::HelpSupport)->isEnabled());
}

} // namespace
