#pragma once

#include "ActionTable.h"
#include "EntryListModel.h"
#include "ImageList.h"
#include "RunHost.h"

#include <QMainWindow>
#include <QStringList>

#include <array>
#include <exception>
#include <functional>
#include <memory>

struct TSettings;
class TPrompts;
class TShellOpen;
class TLinkLabel;
class TFastOptionsPanel;
class TFileListServer;
class TImageListView;
class TIniFile;
class TMagickImage;
class QAction;
class QLabel;
class QMenu;
class QProgressBar;
class QTabWidget;
class QToolBar;

// The host of the maker's support and contact pages.
inline constexpr const char* MakerSite = "https://www.zoravel.com";

// The program's main window: the image list, the action list with its menus and tool bar,
// the status bar and the fast options panel below the list.
class TZVMainForm : public QMainWindow, public TRunHost {
    Q_OBJECT
    Q_PROPERTY(bool StopProcessing READ StopProcessing WRITE SetStopProcessing)

public:
    // The settings record is the application's; iniPath is its file; programFolder (ending
    // with "/") holds the icon files, the help and the scanner folder.
    // arguments: the command line after the program's name; its paths are added at creation.
    // fileListSocket: where the window takes file-list messages; empty for none.
    TZVMainForm(TSettings& settings, const QString& iniPath, TPrompts& prompts,
                const QString& programFolder, const QStringList& arguments = {},
                const QString& fileListSocket = {}, QWidget* parent = nullptr);
    ~TZVMainForm() override;

    // True while idle; false while entries are added or a run goes.
    bool StopProcessing() const { return FStopProcessing; }
    // Stores the flag and re-evaluates every action's rule at once, in list order.
    void SetStopProcessing(bool value);

    void ShowFileCount(int done, int total);
    // Lays the progress bar over the status bar's third panel and shows it.
    void ShowProgressBar();

    // The system draws true-colour icons with alpha.
    static bool IsXPOrLater();
    // The side bar's theme number for the running style (3 without true colour).
    int DetectTheme() const;
    // Dresses the side bar for the theme; nothing while there is no side bar.
    void ApplyTheme(int theme);
    // Builds the side bar at the left edge.
    void CreateSideBar();

    // Evaluates every action's rule in list order (also when the event loop goes idle).
    void UpdateActions();
    TActionState CurrentActionState() const;

    QAction* Action(TActionId id) const { return FActions[static_cast<int>(id)]; }
    const std::array<QAction*, ActionCount>& ActionList() const { return FActions; }

    TSettings& Settings() { return FSettings; }
    const QString& IniPath() const { return FIniPath; }
    const QString& ProgramFolder() const { return FProgramFolder; }
    TPrompts& Prompts() { return FPrompts; }
    TShellOpen& ShellOpen() { return *FShellOpen; }
    TImageList& ImageList32() { return FImageList32; }
    TImageList& ImageList16() { return FImageList16; }
    bool XPFlag() const { return FXPFlag; }
    QStringList& EmailList() { return FEmailList; }

    TImageListView* ListView() const { return FListView; }
    TEntryListModel* ListItems() const;
    int EntryCount() const override;
    TFastOptionsPanel* FastOptions() const { return FFastOptions; }

    // Turns paths into entries at the end of the list (nothing while busy).
    void AddFiles(const QStringList& paths);
    // Handles the text of one file-list message: adds its files, then opens the wizard.
    void FileListMessage(const QByteArray& text);
    // Adds the files of dropped or pasted paths, folders walked.
    void AddDroppedFiles(const QStringList& paths);
    // One whole run over the list with the given run flags.
    void ProcessFiles(quint8 flags);
    // Replaces the report dialog, for tests.
    void SetReportPresenter(std::function<void(const QStringList&)> presenter) {
        FReportPresenter = std::move(presenter);
    }
    bool FileListServing() const;

    QString StatusPanelText(int index) const;
    QProgressBar* ProgressBar() const { return FProgressBar; }
    QWidget* BottomPanel() const { return FBottomPanel; }
    QTabWidget* FastOptionsPC() const { return FFastOptionsPC; }
    TLinkLabel* ShowHideLabel() const { return FShowHideLabel; }
    QMenu* AddPM() const { return FAddPM; }
    QMenu* PopupMenu() const { return FPopupMenu; }

    // Shows an error that no handler caught in the application's error box.
    void ShowException(const std::exception& error);

    // The run's view of the window.
    void SelectFirstEntry() override;
    QString FirstEntryPath() const override;
    QString NextEntryPath() const override;
    void DeleteFirstEntry() override;
    void EnterRunningState(int entryCount) override;
    void ShowRunProgress(int processed, int total) override;
    void ProcessPendingEvents() override;
    bool StopRequested() const override { return FStopProcessing; }
    void LeaveRunningState() override;
    QString ScreenSaverFolder() const override;
    void ShowReport(const QStringList& failures) override;
    void MailProcessedImages(const QString& subject, const QStringList& files) override;

protected:
    bool event(QEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateMainPanel();
    void CreateStatusBar();
    void AssignActionIcons();
    // Runs a handler; an error it raises reaches the user in the error box.
    void Guarded(const std::function<void()>& handler);

    void FormCreate();
    void FormClose();
    void LoadWindowPlacement(const TIniFile& ini);
    void SaveWindowPlacement();
    void FillOptionsPanel();
    void SetListStyle(int style);

    void ApplicationEventsHint(const QString& hint);
    void ClipboardChanged();
    void ThemeChanged();

    void ConnectActions();
    // The run's watermark, or none after telling the user it is invalid.
    std::unique_ptr<TMagickImage> LoadWatermark();
    void AddFileExecute();
    void AddFolderActExecute();
    void EditPasteExecute();
    void PauseProcessingExecute();
    void ShowHideOptionsExecute();
    void ShowHideOptionsUpdate();
    void HelpExecute();
    void HelpSupportExecute();
    void HelpContactUsExecute();

    TSettings& FSettings;
    QString FIniPath;
    TPrompts& FPrompts;
    QString FProgramFolder;

    bool FStopProcessing = true;
    bool FXPFlag = false;
    bool FClipboardHasFiles = false;
    QStringList FEmailList;
    QStringList FArguments;
    // The watermark of a run that composites one.
    std::function<void(const QStringList&)> FReportPresenter;
    TFileListServer* FFileListServer = nullptr;
    bool FWizardOpen = false;
    bool FRunning = false;
    bool FCloseAfterRun = false;
    // The side bar once it has been built.
    QWidget* FSideBar = nullptr;

    TImageList FImageList32{32, 32};
    TImageList FImageList16{16, 16};
    std::array<QAction*, ActionCount> FActions{};
    TShellOpen* FShellOpen = nullptr;

    QToolBar* FToolBar = nullptr;
    QMenu* FAddPM = nullptr;
    QMenu* FPopupMenu = nullptr;
    TImageListView* FListView = nullptr;
    TFastOptionsPanel* FFastOptions = nullptr;
    QWidget* FBottomPanel = nullptr;
    QLabel* FUpImage = nullptr;
    QLabel* FDownImage = nullptr;
    TLinkLabel* FShowHideLabel = nullptr;
    QTabWidget* FFastOptionsPC = nullptr;
    std::array<QLabel*, 3> FStatusPanels{};
    QProgressBar* FProgressBar = nullptr;
};
