// Runs of the real main window over real image files: Process, Stop, the report, the output
// folder, and what stops a run before it starts.
#include "FastOptionsPanel.h"
#include "ImageListView.h"
#include "ImageThread.h"
#include "IniFile.h"
#include "MagickImage.h"
#include "MainFormHarness.h"
#include "OutputNaming.h"
#include "ReportForm.h"
#include "ShellOpen.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QImageReader>
#include <QLabel>
#include <QProcess>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

#include <functional>

using namespace ZVTest;

namespace {

constexpr int PhotoWidth = 640;
constexpr int PhotoHeight = 480;

// Calls `handler` once a widget of type T is shown, from the event loop that shows it.
template <typename T> class TOnShow : public QObject {
public:
    explicit TOnShow(std::function<void(T*)> handler)
        : FHandler(std::move(handler)) {
        qApp->installEventFilter(this);
    }
    ~TOnShow() override { qApp->removeEventFilter(this); }
    int Count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show)
            if (auto* widget = qobject_cast<T*>(watched)) {
                ++Count;
                QTimer::singleShot(0, widget, [this, widget] { FHandler(widget); });
            }
        return false;
    }

private:
    std::function<void(T*)> FHandler;
};

void NoReportExpected(const QStringList& failures) {
    ADD_FAILURE() << "unexpected report: " << failures.join(QLatin1Char(' ')).toStdString();
}

class MainFormRunTest : public TMainFormHarness {
protected:
    // Ten photographs; the ones named in `unreadable` (counting from 1) are no pictures at all.
    QStringList WritePhotos(int count, const QList<int>& unreadable = {}) {
        QStringList paths;
        for (int i = 1; i <= count; ++i) {
            const QString relative = QStringLiteral("photos/photo%1.jpg").arg(i, 2, 10, QChar('0'));
            if (unreadable.contains(i)) {
                paths << FBox.WriteText(relative, "this is not a picture\n");
                continue;
            }
            const QString path = FBox.File(relative);
            QDir().mkpath(QFileInfo(path).absolutePath());
            EXPECT_TRUE(MakePhoto(PhotoWidth, PhotoHeight, static_cast<quint32>(i)).save(path));
            paths << path;
        }
        return paths;
    }

    QString OutputOf(const QString& source, int sizeIndex) const {
        return Output() + QStringLiteral("Resized Images/") + SizeFolderName(sizeIndex) +
               QLatin1Char('/') + OutputFileName(FSettings, source, sizeIndex);
    }

    // Every file below the output folder.
    QStringList OutputFiles() const {
        QStringList files;
        QDirIterator it(Output(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            files << it.next();
        files.sort();
        return files;
    }

    // The size an output of a photo has: without decorations each size is fitted from the
    // one made before it, Large first.
    QSize FittedSize(int sizeIndex) const {
        QSize from(PhotoWidth, PhotoHeight);
        for (int index : {SizeLarge, SizeMedium, SizeThumbnail}) {
            if (!SizeEnabled(FSettings, index))
                continue;
            const QSize box = SizeBox(FSettings, index);
            from = FitToBox(from.width(), from.height(), box.width(), box.height());
            if (index == sizeIndex)
                break;
        }
        return from;
    }

    // The outputs of every enabled size for each source, each a whole picture of its fitted
    // size.
    void ExpectOutputs(const QStringList& sources) const {
        for (const QString& source : sources)
            for (int sizeIndex : {SizeThumbnail, SizeMedium, SizeLarge}) {
                const QString output = OutputOf(source, sizeIndex);
                SCOPED_TRACE(output.toStdString());
                if (!SizeEnabled(FSettings, sizeIndex)) {
                    EXPECT_FALSE(QFileInfo::exists(output));
                    continue;
                }
                QImageReader reader(output);
                EXPECT_EQ(reader.format(), QByteArray("jpeg"));
                EXPECT_EQ(reader.size(), FittedSize(sizeIndex));
                EXPECT_FALSE(reader.read().isNull());
            }
    }

    static bool OpenerAsked(TZVMainForm& form) {
        return !form.ShellOpen().findChildren<QProcess*>().isEmpty();
    }
};

TEST_F(MainFormRunTest, TenImagesWithTheThirdUnreadable) {
    const QStringList photos = WritePhotos(10, {3});
    TFakeOpener opener(FBox);
    WriteStartSettings();
    auto form = MakeForm(photos);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    ASSERT_EQ(form->EntryCount(), 10);

    // What the window shows each time it handles its messages during the run. The list is
    // drawn as it is laid out at that time: a layout still pending would show it with gaps.
    QAbstractItemView* view = form->ListView()->CurrentView();
    const auto listDrawn = [view] { return view->viewport()->grab().toImage(); };
    const auto drawnAsLaidOut = [&] {
        const QImage drawn = listDrawn();
        view->visualRect(form->ListItems()->index(0, 0)); // lays out what is pending
        return drawn == listDrawn();
    };
    QStringList seen;
    QObject::connect(form->ProgressBar(), &QProgressBar::valueChanged, form.get(), [&](int value) {
        if (value > 0)
            QTimer::singleShot(0, form.get(), [&] {
                seen << QStringLiteral("%1|%2|%3|%4|%5")
                            .arg(form->StatusPanelText(1))
                            .arg(form->EntryCount())
                            .arg(int(form->StopProcessing()))
                            .arg(int(form->Action(TActionId::PauseProcessing)->isEnabled()))
                            .arg(int(drawnAsLaidOut()));
            });
    });
    QStringList reported;
    bool openedBeforeReport = false;
    form->SetReportPresenter([&](const QStringList& failures) {
        reported = failures;
        openedBeforeReport = OpenerAsked(*form);
        // The window is idle again when the report shows.
        EXPECT_TRUE(form->StopProcessing());
    });
    QSignalSpy opened(&form->ShellOpen(), &TShellOpen::Finished);
    form->Action(TActionId::ProcessImages)->trigger();

    QStringList expectedSeen;
    for (int i = 1; i <= 10; ++i)
        expectedSeen << QStringLiteral(" Files processed: %1 of 10|%2|0|1|1").arg(i).arg(10 - i);
    EXPECT_EQ(seen, expectedSeen);
    EXPECT_EQ(form->StatusPanelText(1), QStringLiteral(" Files processed: 10 of 10"));
    EXPECT_EQ(form->EntryCount(), 0);
    EXPECT_EQ(reported, QStringList{photos[2]});
    EXPECT_FALSE(openedBeforeReport);
    EXPECT_TRUE(form->StopProcessing());
    EXPECT_FALSE(form->ProgressBar()->isVisible());
    EXPECT_FALSE(form->ListView()->testAttribute(Qt::WA_SetCursor));

    QStringList good = photos;
    good.removeAt(2);
    ExpectOutputs(good);
    EXPECT_EQ(OutputFiles().size(), 9 * 3);

    ASSERT_TRUE(opened.count() == 1 || opened.wait(10000));
    EXPECT_EQ(opener.Opened(), QStringList{Output() + QStringLiteral("Resized Images")});
    EXPECT_TRUE(FPrompts.Calls().isEmpty());
}

TEST_F(MainFormRunTest, TheReportDialogListsTheFailuresBeforeTheFolderOpens) {
    const QStringList photos = WritePhotos(4, {2, 4});
    TFakeOpener opener(FBox);
    WriteStartSettings([](TSettings& s) { s.PROCESS_MEDIUM = false; });
    auto form = MakeForm(photos);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));

    QString label;
    QString text;
    QString caption;
    bool openedWhileShown = true;
    TOnShow<TReportForm> report([&](TReportForm* shown) {
        label = shown->StatusLabel()->text();
        text = shown->NotProcessedRE()->toPlainText();
        caption = shown->windowTitle();
        openedWhileShown = OpenerAsked(*form);
        QTest::mouseClick(shown->OKButton(), Qt::LeftButton);
    });
    QSignalSpy opened(&form->ShellOpen(), &TShellOpen::Finished);
    form->Action(TActionId::ProcessImages)->trigger();

    EXPECT_EQ(report.Count, 1);
    EXPECT_EQ(caption, QStringLiteral("Warning report"));
    EXPECT_EQ(label, QStringLiteral("The following files were not resized (2) :"));
    EXPECT_EQ(text, photos[1] + QLatin1Char('\n') + photos[3]);
    EXPECT_FALSE(openedWhileShown);
    ExpectOutputs({photos[0], photos[2]});
    ASSERT_TRUE(opened.count() == 1 || opened.wait(10000));
    EXPECT_EQ(opener.Opened(), QStringList{Output() + QStringLiteral("Resized Images")});
}

TEST_F(MainFormRunTest, TheReportFormShowsItsCountAndPaths) {
    const struct {
        QStringList Failures;
        QString Label;
    } cases[] = {
        {{"/photos/third.jpg"}, "The following files were not resized (1) :"},
        {{"/a/x.jpg", "/b/y z.png", "/c/none"}, "The following files were not resized (3) :"},
    };
    for (const auto& c : cases) {
        TReportForm report(c.Failures);
        EXPECT_EQ(report.windowTitle(), QStringLiteral("Warning report"));
        EXPECT_EQ(report.StatusLabel()->text(), c.Label);
        EXPECT_EQ(report.NotProcessedRE()->toPlainText().split(QLatin1Char('\n')), c.Failures);
        EXPECT_TRUE(report.NotProcessedRE()->isReadOnly());
        EXPECT_EQ(report.NotProcessedRE()->lineWrapMode(), QTextEdit::NoWrap);
        EXPECT_EQ(report.OKButton()->text(), QStringLiteral("OK"));
        EXPECT_TRUE(report.OKButton()->isDefault());
        report.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&report));
        // Escape, the cancel key, closes it as OK does.
        QTest::keyClick(&report, Qt::Key_Escape);
        EXPECT_FALSE(report.isVisible());
        report.show();
        QTest::mouseClick(report.OKButton(), Qt::LeftButton);
        EXPECT_FALSE(report.isVisible());
        EXPECT_EQ(report.result(), QDialog::Accepted);
    }
}

TEST_F(MainFormRunTest, StopAfterTheFifthImageAndProcessTheRestLater) {
    const QStringList photos = WritePhotos(10);
    TFakeOpener opener(FBox);
    WriteStartSettings([](TSettings& s) { s.PROCESS_THUMB = false; });
    auto form = MakeForm(photos);
    form->SetReportPresenter(NoReportExpected);
    QAction* stop = form->Action(TActionId::PauseProcessing);
    // Stop is given while the fifth image is processed: it is seen once that image is done.
    bool stopGiven = false;
    QObject::connect(form->ProgressBar(), &QProgressBar::valueChanged, form.get(), [&](int value) {
        if (value == 5 && !stopGiven) {
            stopGiven = true;
            QTimer::singleShot(0, stop, &QAction::trigger);
        }
    });
    QSignalSpy opened(&form->ShellOpen(), &TShellOpen::Finished);
    form->Action(TActionId::ProcessImages)->trigger();

    EXPECT_EQ(EntryPaths(*form), photos.mid(5));
    EXPECT_EQ(form->StatusPanelText(1), QStringLiteral(" Files processed: 5 of 10"));
    EXPECT_TRUE(form->StopProcessing());
    EXPECT_FALSE(OpenerAsked(*form));
    ExpectOutputs(photos.mid(0, 5));
    EXPECT_EQ(OutputFiles().size(), 5 * 2);

    // Process goes on with the five that are left.
    form->Action(TActionId::ProcessImages)->trigger();
    EXPECT_EQ(form->EntryCount(), 0);
    EXPECT_EQ(form->StatusPanelText(1), QStringLiteral(" Files processed: 5 of 5"));
    ExpectOutputs(photos);
    EXPECT_EQ(OutputFiles().size(), 10 * 2);
    ASSERT_TRUE(opened.count() == 1 || opened.wait(10000));
    EXPECT_EQ(opener.Opened(), QStringList{Output() + QStringLiteral("Resized Images")});
    EXPECT_TRUE(FPrompts.Calls().isEmpty());
}

TEST_F(MainFormRunTest, AnEmptyListIsRefusedWithoutSavingTheSettings) {
    const struct {
        const char* Situation;
        std::optional<QByteArray> Ini;
    } cases[] = {
        {"no settings file yet", std::nullopt},
        {"a settings file of one key", QByteArray("[Options]\r\nJPG_QUALITY=55\r\n")},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Situation);
        QFile::remove(Ini());
        if (c.Ini)
            FBox.WriteText(QStringLiteral("program/Zoravel.ini"), *c.Ini);
        TScriptedPrompts prompts;
        auto form = MakeForm(prompts);
        form->FastOptions()->findChild<QSpinBox*>(QStringLiteral("JPGQualitySE"))->setValue(33);
        prompts.AnswerMessage(pbOk);
        form->Action(TActionId::ProcessImages)->trigger();

        ASSERT_EQ(prompts.Calls().size(), 1);
        const TMessageRequest& shown = prompts.Calls()[0].MessageRequest;
        EXPECT_EQ(shown.Text, QStringLiteral("There are no image files loaded"));
        EXPECT_EQ(shown.Icon, TPromptIcon::Warning);
        EXPECT_EQ(shown.Buttons, pbOk);
        EXPECT_EQ(QFileInfo::exists(Ini()), c.Ini.has_value());
        if (c.Ini) {
            EXPECT_EQ(FileBytes(Ini()), *c.Ini);
        }
        EXPECT_TRUE(form->StopProcessing());
    }
}

TEST_F(MainFormRunTest, AWatermarkThatCannotBeLoadedStopsTheRunBeforeItStarts) {
    const QStringList photos = WritePhotos(3);
    const QString notAPicture = FBox.WriteText(QStringLiteral("mark.png"), "no picture");
    const struct {
        const char* Situation;
        QString File;
    } cases[] = {
        {"a missing file", FBox.File(QStringLiteral("missing.png"))},
        {"a file that is no picture", notAPicture},
        {"a folder", FBox.File(QStringLiteral("photos"))},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Situation);
        WriteStartSettings([&](TSettings& s) {
            s.WATERMARK_ACTIVE = true;
            s.WATERMARK_FILE = c.File;
        });
        TScriptedPrompts prompts;
        auto form = MakeForm(prompts, photos);
        // The settings are saved before the watermark is looked at.
        form->FastOptions()->findChild<QSpinBox*>(QStringLiteral("JPGQualitySE"))->setValue(33);
        prompts.AnswerMessage(pbOk);
        form->Action(TActionId::ProcessImages)->trigger();

        ASSERT_EQ(prompts.Calls().size(), 1);
        const TMessageRequest& shown = prompts.Calls()[0].MessageRequest;
        EXPECT_EQ(shown.Text, QStringLiteral("Invalid watermark image."));
        EXPECT_EQ(shown.Icon, TPromptIcon::Error);
        EXPECT_EQ(shown.Buttons, pbOk);
        EXPECT_EQ(EntryPaths(*form), photos);
        EXPECT_TRUE(OutputFiles().isEmpty());
        EXPECT_TRUE(form->StopProcessing());
        EXPECT_EQ(form->StatusPanelText(1), QStringLiteral(" Files processed: 0 of 3"));
        EXPECT_EQ(TIniFile(Ini()).ReadInteger(OptionsSection, QStringLiteral("JPG_QUALITY"), 0),
                  33);
    }
}

TEST_F(MainFormRunTest, WithoutTheImageLibraryTheWindowIsIdleAgainWithItsList) {
    const QStringList photos = WritePhotos(3);
    WriteStartSettings();
    auto form = MakeForm(photos);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    FPrompts.AnswerMessage(pbOk);
    SetMagickLibraryLoaded(false);
    form->Action(TActionId::ProcessImages)->trigger();
    SetMagickLibraryLoaded(true);

    ASSERT_EQ(FPrompts.Calls().size(), 1);
    const TMessageRequest& shown = FPrompts.Calls()[0].MessageRequest;
    EXPECT_EQ(shown.Text, QStringLiteral("ImageMagick library not loaded."));
    EXPECT_EQ(shown.Icon, TPromptIcon::Error);
    EXPECT_EQ(EntryPaths(*form), photos);
    EXPECT_TRUE(form->StopProcessing());
    EXPECT_FALSE(form->ProgressBar()->isVisible());
    EXPECT_FALSE(form->ListView()->testAttribute(Qt::WA_SetCursor));
    EXPECT_FALSE(form->findChild<QToolBar*>()->testAttribute(Qt::WA_SetCursor));
    EXPECT_TRUE(form->Action(TActionId::ProcessImages)->isEnabled());
    EXPECT_FALSE(form->Action(TActionId::PauseProcessing)->isEnabled());
    EXPECT_TRUE(OutputFiles().isEmpty());

    // With the library back the same list runs.
    TFakeOpener opener(FBox);
    form->SetReportPresenter(NoReportExpected);
    form->Action(TActionId::ProcessImages)->trigger();
    EXPECT_EQ(form->EntryCount(), 0);
    ExpectOutputs(photos);
}

TEST_F(MainFormRunTest, ClosingDuringARunStopsAfterTheCurrentImageThenCloses) {
    const QStringList photos = WritePhotos(10);
    TFakeOpener opener(FBox);
    WriteStartSettings([](TSettings& s) { s.JPG_QUALITY = 81; });
    auto form = MakeForm(photos);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    form->FastOptions()->findChild<QSpinBox*>(QStringLiteral("JPGQualitySE"))->setValue(64);
    form->SetReportPresenter(NoReportExpected);
    bool refused = false;
    QObject::connect(form->ProgressBar(), &QProgressBar::valueChanged, form.get(), [&](int value) {
        if (value == 3)
            QTimer::singleShot(0, form.get(), [&] {
                refused = !form->close();
                // The run goes on to the end of this image; the window is still there.
                EXPECT_TRUE(form->isVisible());
            });
    });
    form->Action(TActionId::ProcessImages)->trigger();

    EXPECT_TRUE(refused) << "the window closed under the running job";
    EXPECT_FALSE(form->isVisible());
    EXPECT_EQ(EntryPaths(*form), photos.mid(3));
    ExpectOutputs(photos.mid(0, 3));
    // Only whole outputs: no temporary file is left beside them.
    EXPECT_EQ(OutputFiles().size(), 3 * 3);
    EXPECT_FALSE(OpenerAsked(*form));

    // The settings file holds the run's settings and the placement written at close.
    TSettings stored;
    LoadSettings(stored, Ini());
    EXPECT_EQ(stored, FSettings);
    EXPECT_EQ(stored.JPG_QUALITY, 64);
    EXPECT_EQ(TIniFile(Ini()).ReadInteger(MainFormSection, QStringLiteral("WindowState"), -1), 0);
    EXPECT_TRUE(FPrompts.Calls().isEmpty());
}

TEST_F(MainFormRunTest, AScreenSaverRunWritesJpegIntoItsFolderAndPutsTheSettingsBack) {
    const QStringList photos = WritePhotos(3);
    TFakeOpener opener(FBox);
    WriteStartSettings([](TSettings& s) { s.OUTPUT_FORMAT = QStringLiteral("PNG"); });
    auto form = MakeForm(photos);
    form->SetReportPresenter(NoReportExpected);
    form->ProcessFiles(RunFit | RunScreenSaver);

    EXPECT_EQ(form->EntryCount(), 0);
    EXPECT_EQ(FSettings.OUTPUT_FOLDER, Output());
    EXPECT_EQ(FSettings.OUTPUT_FORMAT, QStringLiteral("PNG"));
    QStringList written =
        QDir(Program() + QStringLiteral("screensaver")).entryList(QDir::Files, QDir::Name);
    EXPECT_EQ(written,
              QStringList({"Large_photo01.jpg", "Large_photo02.jpg", "Large_photo03.jpg"}));
    for (const QString& name : written) {
        QImageReader reader(Program() + QStringLiteral("screensaver/") + name);
        EXPECT_EQ(reader.format(), QByteArray("jpeg"));
        EXPECT_EQ(reader.size(),
                  FitToBox(PhotoWidth, PhotoHeight, FSettings.LARGE_WIDTH, FSettings.LARGE_HEIGHT));
    }
    EXPECT_TRUE(OutputFiles().isEmpty());
    EXPECT_FALSE(OpenerAsked(*form));
    // The file keeps the user's choice, not the run's.
    TSettings stored;
    LoadSettings(stored, Ini());
    EXPECT_EQ(stored.OUTPUT_FORMAT, QStringLiteral("PNG"));
    EXPECT_EQ(stored.OUTPUT_FOLDER, Output());
}

} // namespace
