// Runs: ProcessFiles and the window's side of the run loop.
#include "ZVMainForm.h"

#include "EntryListModel.h"
#include "FastOptionsPanel.h"
#include "ImageListView.h"
#include "ImageThread.h"
#include "ListEntry.h"
#include "MagickImage.h"
#include "OutputNaming.h"
#include "Prompts.h"
#include "ReportForm.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "ShellOpen.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

void TZVMainForm::ConnectActions() {
    using A = TActionId;
    const auto on = [this](A id, std::function<void()> handler) {
        connect(Action(id), &QAction::triggered, this,
                [this, handler = std::move(handler)] { Guarded(handler); });
    };
    on(A::AddFile, [this] { AddFileExecute(); });
    on(A::AddFolderAct, [this] { AddFolderActExecute(); });
    on(A::EditPaste, [this] { EditPasteExecute(); });
    on(A::EditSelectAll, [this] { FListView->CurrentView()->selectAll(); });
    on(A::RemoveFile, [this] { FListView->RemoveFile(); });
    on(A::ClearAll, [this] { FListView->ClearAll(); });
    on(A::ImagePreview, [this] { FListView->ImagePreview(); });
    on(A::ImageRotateLeft, [this] { FListView->RotateSelected(TRotateDirection::Left); });
    on(A::ImageRotateRight, [this] { FListView->RotateSelected(TRotateDirection::Right); });
    on(A::ProcessImages, [this] { ProcessFiles(FFastOptions->AddDecorationFlags(RunFit)); });
    on(A::EmailImages,
       [this] { ProcessFiles(FFastOptions->AddDecorationFlags(RunFit | RunEmail)); });
    on(A::PauseProcessing, [this] { PauseProcessingExecute(); });
    on(A::ShowHideOptions, [this] { ShowHideOptionsExecute(); });
    on(A::Help, [this] { HelpExecute(); });
    on(A::HelpSupport, [this] { HelpSupportExecute(); });
    on(A::HelpContactUs, [this] { HelpContactUsExecute(); });
}

std::unique_ptr<TMagickImage> TZVMainForm::LoadWatermark() {
    std::unique_ptr<TMagickImage> watermark;
    if (QFileInfo(FSettings.WATERMARK_FILE).isFile()) {
        try {
            watermark = std::make_unique<TMagickImage>();
            watermark->LoadFromFile(FSettings.WATERMARK_FILE);
            if (watermark->GetEmpty())
                watermark.reset();
        } catch (const std::exception&) {
            watermark.reset();
        }
    }
    if (!watermark)
        MessageDlg(FPrompts, QStringLiteral("Invalid watermark image."), TPromptIcon::Error, pbOk);
    return watermark;
}

void TZVMainForm::ProcessFiles(quint8 flags) {
    if (EntryCount() == 0) {
        MessageDlg(FPrompts, QStringLiteral("There are no image files loaded"),
                   TPromptIcon::Warning, pbOk);
        return;
    }
    FFastOptions->CollectOptionsPanel(FSettings);
    SaveSettings(FSettings, FIniPath);
    // The run's watermark lives as long as the run.
    std::unique_ptr<TMagickImage> watermark;
    if (flags & RunWatermark) {
        watermark = LoadWatermark();
        if (!watermark)
            return;
    }
    {
        TImageThread job(flags, FSettings, nullptr, watermark.get(), FEmailList);
        FRunning = true;
        try {
            job.Run(*this);
        } catch (...) {
            FRunning = false;
            if (FCloseAfterRun)
                close();
            throw;
        }
        FRunning = false;
        job.AfterRun(*this);
    }
    watermark.reset();
    if (EntryCount() == 0)
        FListView->ResetThumbnails();
    if (FCloseAfterRun) {
        close();
        return;
    }
    if (!(flags & (RunEmail | RunScreenSaver)) && FSettings.OPEN_AFTER_PROC && EntryCount() == 0)
        ShellOpen().Open(FSettings.OUTPUT_FOLDER + QLatin1String(ResizedImagesFolder));
}

void TZVMainForm::SelectFirstEntry() {
    FListView->SelectRow(0);
}

QString TZVMainForm::FirstEntryPath() const {
    return GetEntryPath(FListView->Items().Entry(0));
}

QString TZVMainForm::NextEntryPath() const {
    return FListView->Items().Count() > 1 ? GetEntryPath(FListView->Items().Entry(1)) : QString();
}

void TZVMainForm::DeleteFirstEntry() {
    FListView->Items().RemoveAt(0);
    // The window handles its messages once per image, and would draw the list before its
    // delayed layout: a gap where the entries were for the whole of the next image.
    FListView->CurrentView()->doItemsLayout();
}

void TZVMainForm::EnterRunningState(int entryCount) {
    FProgressBar->setMinimum(0);
    FProgressBar->setValue(0);
    FProgressBar->setMaximum(entryCount);
    ShowProgressBar();
    FToolBar->setCursor(Qt::WaitCursor);
    FListView->setCursor(Qt::WaitCursor);
    if (auto* stop = findChild<QToolButton*>(QStringLiteral("PauseProcessingButton")))
        stop->setCursor(Qt::ArrowCursor);
    SetStopProcessing(false);
}

void TZVMainForm::ShowRunProgress(int processed, int total) {
    FProgressBar->setValue(FProgressBar->value() + 1);
    ShowFileCount(processed, total);
}

void TZVMainForm::ProcessPendingEvents() {
    QCoreApplication::processEvents();
}

void TZVMainForm::LeaveRunningState() {
    FProgressBar->hide();
    FProgressBar->setValue(0);
    FToolBar->unsetCursor();
    FListView->unsetCursor();
    SetStopProcessing(true);
}

QString TZVMainForm::ScreenSaverFolder() const {
    return FProgramFolder + QStringLiteral("screensaver/");
}

void TZVMainForm::ShowReport(const QStringList& failures) {
    if (FReportPresenter) {
        FReportPresenter(failures);
        return;
    }
    TReportForm report(failures, this);
    report.exec();
}

void TZVMainForm::MailProcessedImages(const QString& subject, const QStringList& files) {
    // Sending mail is not part of the program yet; the processed files stay where they are.
    Q_UNUSED(subject);
    Q_UNUSED(files);
}
