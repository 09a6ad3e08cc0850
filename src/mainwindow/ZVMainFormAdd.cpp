// Adding images to the list: AddFiles and every way that leads to it.
#include "ZVMainForm.h"

#include "FastOptionsRules.h"
#include "FolderFiles.h"
#include "ImageListView.h"
#include "Prompts.h"
#include "Settings.h"
#include "WaitCursor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMimeData>
#include <QProgressBar>
#include <QUrl>

void TZVMainForm::AddFiles(const QStringList& paths) {
    // The question comes before the busy check, as it always did.
    const bool thumbnails = FListView->ThumbnailDecision(static_cast<int>(paths.size()));
    if (!FStopProcessing)
        return;
    SetStopProcessing(false);
    FProgressBar->setMaximum(static_cast<int>(paths.size()));
    FProgressBar->setValue(0);
    ShowProgressBar();
    const int count = static_cast<int>(paths.size());
    for (int i = 0; i < count && !FStopProcessing; ++i) {
        FListView->AppendEntry(paths.at(i), FSettings.LIST_ICONS, thumbnails);
        if (i % 5 == 0 || i == count - 1) {
            FProgressBar->setValue(i);
            // The only point at which the user can stop the loop.
            if (i % 200 == 0)
                QCoreApplication::processEvents();
        }
    }
    ShowFileCount(0, EntryCount());
    FProgressBar->setValue(0);
    FProgressBar->hide();
    SetStopProcessing(true);
}

void TZVMainForm::AddDroppedFiles(const QStringList& paths) {
    TWaitCursor wait;
    AddFiles(ExpandDroppedPaths(paths));
}

void TZVMainForm::FileListMessage(const QByteArray& text) {
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    AddFiles(ExpandDroppedPaths(ParseFileListText(text)));
    // A message that comes while the wizard is open only adds its files.
    if (!FWizardOpen)
        Action(TActionId::ZVWizard)->trigger();
}

void TZVMainForm::AddFileExecute() {
    TOpenFileRequest request;
    request.Filter = PictureDialogFilter;
    request.Multiple = true;
    const QStringList files = FPrompts.OpenFiles(request);
    if (files.isEmpty())
        return;
    TWaitCursor wait;
    AddFiles(files);
}

void TZVMainForm::AddFolderActExecute() {
    const std::optional<QString> folder =
        FPrompts.PickFolder({QStringLiteral("Add Folder"), QString(), false});
    if (!folder)
        return;
    TWaitCursor wait;
    QStringList paths;
    CollectFolderFiles(*folder, paths);
    AddFiles(paths);
}

void TZVMainForm::EditPasteExecute() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const QStringList paths = LocalFiles(clipboard->mimeData());
    AddDroppedFiles(paths);
    clipboard->clear();
}

void TZVMainForm::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void TZVMainForm::dropEvent(QDropEvent* event) {
    const QStringList paths = LocalFiles(event->mimeData());
    if (paths.isEmpty())
        return;
    event->acceptProposedAction();
    Guarded([&] { AddDroppedFiles(paths); });
}
