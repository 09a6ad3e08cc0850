#pragma once

#include <QString>
#include <QStringList>

// What a run needs of the window that holds the image list. The main window implements it;
// tests drive a run through a plain implementation.
class TRunHost {
public:
    virtual ~TRunHost() = default;

    virtual int EntryCount() const = 0;
    virtual void SelectFirstEntry() = 0;
    virtual QString FirstEntryPath() const = 0;
    // The path of the entry after the first, loaded ahead while the first is processed.
    virtual QString NextEntryPath() const = 0;
    virtual void DeleteFirstEntry() = 0;

    // Progress bar from 0 to the entry count, busy cursors, the busy flag set.
    virtual void EnterRunningState(int entryCount) = 0;
    // After each image: the progress bar advanced and " Files processed: %d of %d" shown.
    virtual void ShowRunProgress(int processed, int total) = 0;
    // Lets the window handle pending input; a Stop given now takes effect before the next image.
    virtual void ProcessPendingEvents() = 0;
    // True once Stop was given (or the window is closing).
    virtual bool StopRequested() const = 0;
    virtual void LeaveRunningState() = 0;

    // The folder a screen saver run writes into, with a trailing "/".
    virtual QString ScreenSaverFolder() const = 0;
    // Shows the failed paths and returns when the report is closed.
    virtual void ShowReport(const QStringList& failures) = 0;
    virtual void MailProcessedImages(const QString& subject, const QStringList& files) = 0;
};
