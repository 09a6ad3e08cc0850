#include "ZVMainForm.h"

#include "FastOptionsPanel.h"
#include "FileAccess.h"
#include "FileListChannel.h"
#include "FolderCleanup.h"
#include "FolderFiles.h"
#include "ImageListView.h"
#include "IniFile.h"
#include "LinkLabel.h"
#include "MagickImage.h"
#include "Prompts.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "ShellOpen.h"
#include "Theme.h"
#include "WindowBounds.h"

#include "Exceptions.h"

#include <QAbstractEventDispatcher>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QPainterPath>
#include <QProgressBar>
#include <QProxyStyle>
#include <QScreen>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace {

constexpr int WindowWidth = 768;
constexpr int WindowHeight = 530;
constexpr int MinWindowWidth = 760;
constexpr int MinWindowHeight = 350;
constexpr int InnerBorder = 4;
constexpr int ToolButtonWidth = 106;
constexpr int ToolButtonHeight = 52;
constexpr int ToolSeparatorWidth = 8;
constexpr int ShowHideStripHeight = 18;
constexpr int FastOptionsHeight = 151;
constexpr int BottomPanelHeight = FastOptionsHeight + ShowHideStripHeight;
constexpr std::array<int, 3> StatusPanelWidths = {250, 150, 300};

const char* const XPIcons32 = "xpzvicons32.png";
const char* const XPIcons16 = "xpzvicons16.png";
const char* const PlainIcons32 = "zvicons32.png";
const char* const PlainIcons16 = "zvicons16.png";

// The Add menu shows the tool bar's 32-pixel icons.
class TLargeIconMenuStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if (metric == PM_SmallIconSize)
            return 32;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// A double chevron pointing up or down, in the link's colour.
QPixmap ChevronPixmap(bool up, const QColor& colour, qreal ratio) {
    const int side = 14;
    QPixmap pixmap(QSize(side, side) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(colour, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    for (const qreal y : {3.5, 8.0}) {
        QPainterPath path;
        if (up) {
            path.moveTo(3, y + 3);
            path.lineTo(7, y - 0.5);
            path.lineTo(11, y + 3);
        } else {
            path.moveTo(3, y - 0.5);
            path.lineTo(7, y + 3);
            path.lineTo(11, y - 0.5);
        }
        p.drawPath(path);
    }
    return pixmap;
}

QWidget* ToolSeparator(QWidget* parent) {
    auto* holder = new QWidget(parent);
    holder->setFixedSize(ToolSeparatorWidth, ToolButtonHeight);
    auto* line = new QFrame(holder);
    line->setFrameShape(QFrame::VLine);
    line->setFrameShadow(QFrame::Sunken);
    line->setGeometry(ToolSeparatorWidth / 2 - 1, 6, 2, ToolButtonHeight - 12);
    return holder;
}

QToolButton* ToolButton(QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    button->setIconSize(QSize(32, 32));
    button->setFixedSize(ToolButtonWidth, ToolButtonHeight);
    button->setAutoRaise(true);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

TZVMainForm::TZVMainForm(TSettings& settings, const QString& iniPath, TPrompts& prompts,
                         const QString& programFolder, const QStringList& arguments,
                         const QString& fileListSocket, QWidget* parent)
    : QMainWindow(parent)
    , FSettings(settings)
    , FIniPath(iniPath)
    , FPrompts(prompts)
    , FProgramFolder(WithTrailingSlash(programFolder))
    , FArguments(arguments) {
    setObjectName(QStringLiteral("ZVMainForm"));
    setWindowTitle(QStringLiteral("Zoravel Pro"));
    setAttribute(Qt::WA_WindowPropagation);
    setFont(QFont(QStringLiteral("Verdana"), 8));
    setMinimumSize(MinWindowWidth, MinWindowHeight);
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect designed = DefaultWindowBounds(screen ? screen->size() : QSize());
    move(designed.topLeft());
    resize(WindowWidth, WindowHeight);
    setContentsMargins(InnerBorder, 0, InnerBorder, 0);

    FShellOpen = new TShellOpen(this);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateMainPanel();
    CreateStatusBar();

    connect(QGuiApplication::clipboard(), &QClipboard::dataChanged, this,
            &TZVMainForm::ClipboardChanged);
    ClipboardChanged();
    if (auto* dispatcher = QAbstractEventDispatcher::instance())
        connect(dispatcher, &QAbstractEventDispatcher::aboutToBlock, this,
                &TZVMainForm::UpdateActions);

    if (!fileListSocket.isEmpty()) {
        FFileListServer = new TFileListServer(
            [this](const QByteArray& text) { Guarded([&] { FileListMessage(text); }); }, this);
        FFileListServer->Listen(fileListSocket);
    }
    Guarded([this] { FormCreate(); });
}

TZVMainForm::~TZVMainForm() = default;

bool TZVMainForm::FileListServing() const {
    return FFileListServer && FFileListServer->IsListening();
}

TEntryListModel* TZVMainForm::ListItems() const {
    return &FListView->Items();
}

void TZVMainForm::CreateActions() {
    for (const TActionInfo& info : ActionTable) {
        auto* action = new QAction(QString::fromLatin1(info.Caption), this);
        action->setObjectName(QString::fromLatin1(info.Name));
        action->setProperty("Category", QString::fromLatin1(info.Category));
        const QString hint = QString::fromLatin1(info.Hint);
        action->setStatusTip(hint);
        action->setToolTip(hint.isEmpty() ? QString() : GetShortHint(hint));
        action->setShortcuts(ActionShortcuts(info));
        addAction(action);
        FActions[static_cast<int>(info.Id)] = action;
    }
    ConnectActions();
}

void TZVMainForm::CreateMenus() {
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    const auto fill = [this](QMenu* menu, std::initializer_list<int> items) {
        for (const int item : items) {
            if (item < 0)
                menu->addSeparator();
            else
                menu->addAction(FActions[item]);
        }
    };
    using A = TActionId;
    const auto i = [](A id) { return static_cast<int>(id); };

    QMenu* file = bar->addMenu(QStringLiteral("File"));
    file->setObjectName(QStringLiteral("FileMenu"));
    fill(file,
         {i(A::AddFile), i(A::AddFolderAct), i(A::AddTwainFiles), -1, i(A::RemoveFile),
          i(A::ClearAll), -1, i(A::ImagePreview), i(A::ImageRotateLeft), i(A::ImageRotateRight)});
    QMenu* edit = bar->addMenu(QStringLiteral("Edit"));
    edit->setObjectName(QStringLiteral("EditMenu"));
    fill(edit,
         {i(A::EditPaste), i(A::EditSelectAll), -1, i(A::ProcessImages), i(A::EmailImages),
          i(A::ScreenSaverImages), i(A::ZVWizard), i(A::PauseProcessing), -1, i(A::Defaults)});
    QMenu* help = bar->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("HelpMenu"));
    fill(help, {i(A::Help), i(A::About), -1, i(A::HelpSupport), i(A::HelpContactUs)});

    FPopupMenu = new QMenu(this);
    FPopupMenu->setObjectName(QStringLiteral("PopupMenu"));
    fill(FPopupMenu, {i(A::RemoveFile), i(A::ImagePreview), -1, i(A::EditPaste)});

    FAddPM = new QMenu(this);
    FAddPM->setObjectName(QStringLiteral("AddPM"));
    auto* largeIcons = new TLargeIconMenuStyle;
    largeIcons->setParent(FAddPM);
    FAddPM->setStyle(largeIcons);
    fill(FAddPM, {i(A::AddFile), i(A::AddFolderAct), i(A::AddTwainFiles)});
}

void TZVMainForm::CreateToolBar() {
    FToolBar = addToolBar(QStringLiteral("ToolBar"));
    FToolBar->setObjectName(QStringLiteral("ToolBar"));
    FToolBar->setMovable(false);
    FToolBar->setFloatable(false);
    FToolBar->toggleViewAction()->setVisible(false);
    setContextMenuPolicy(Qt::NoContextMenu);

    auto* rows = new QWidget(FToolBar);
    rows->setObjectName(QStringLiteral("ToolBarRows"));
    auto* column = new QVBoxLayout(rows);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    const auto row = [&](std::initializer_list<int> items, QToolButton* first) {
        auto* line = new QHBoxLayout;
        line->setContentsMargins(0, 0, 0, 0);
        line->setSpacing(0);
        if (first)
            line->addWidget(first);
        for (const int item : items) {
            if (item < 0) {
                line->addWidget(ToolSeparator(rows));
                continue;
            }
            QToolButton* button = ToolButton(rows);
            button->setDefaultAction(FActions[item]);
            button->setObjectName(FActions[item]->objectName() + QStringLiteral("Button"));
            line->addWidget(button);
        }
        line->addStretch();
        column->addLayout(line);
    };
    using A = TActionId;
    const auto i = [](A id) { return static_cast<int>(id); };

    // "Add" shows no action of its own: a click opens the Add menu under it.
    QToolButton* add = ToolButton(rows);
    add->setObjectName(QStringLiteral("AddButton"));
    const TActionInfo& addInfo = ActionInfo(A::AddFile);
    add->setText(QStringLiteral("Add"));
    add->setToolTip(GetShortHint(QString::fromLatin1(addInfo.Hint)));
    add->setStatusTip(QString::fromLatin1(addInfo.Hint));
    add->setMenu(FAddPM);
    add->setPopupMode(QToolButton::InstantPopup);

    row({-1, i(A::RemoveFile), i(A::ClearAll), -1, i(A::Defaults), i(A::ImagePreview)}, add);
    row({i(A::ProcessImages), i(A::PauseProcessing), i(A::EmailImages), i(A::ScreenSaverImages),
         i(A::ZVWizard), -1, i(A::Help)},
        nullptr);
    FToolBar->addWidget(rows);
}

void TZVMainForm::CreateMainPanel() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("ClientArea"));
    auto* clientLayout = new QHBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);

    auto* mainPanel = new QWidget(client);
    mainPanel->setObjectName(QStringLiteral("MainPanel"));
    auto* mainLayout = new QVBoxLayout(mainPanel);
    mainLayout->setContentsMargins(0, 0, 0, 0);
    mainLayout->setSpacing(0);
    clientLayout->addWidget(mainPanel, 1);

    FListView = new TImageListView(FPrompts, mainPanel);
    FListView->setObjectName(QStringLiteral("ListView"));
    FListView->SetPopupMenu(FPopupMenu);
    TListViewHooks hooks;
    hooks.Idle = [this] { return FStopProcessing; };
    hooks.SetStopProcessing = [this](bool idle) { SetStopProcessing(idle); };
    hooks.AddFiles = [this](const QStringList& paths) { AddFiles(paths); };
    hooks.ShowFileCount = [this](int done, int total) { ShowFileCount(done, total); };
    FListView->SetHooks(std::move(hooks));
    mainLayout->addWidget(FListView, 1);

    FBottomPanel = new QWidget(mainPanel);
    FBottomPanel->setObjectName(QStringLiteral("BottomPanel"));
    FBottomPanel->setFixedHeight(BottomPanelHeight);
    auto* bottomLayout = new QVBoxLayout(FBottomPanel);
    bottomLayout->setContentsMargins(0, 0, 0, 0);
    bottomLayout->setSpacing(0);

    auto* strip = new QWidget(FBottomPanel);
    strip->setObjectName(QStringLiteral("ShowHidePanel"));
    strip->setFixedHeight(ShowHideStripHeight);
    auto* stripLayout = new QHBoxLayout(strip);
    stripLayout->setContentsMargins(2, 0, 2, 0);
    stripLayout->setSpacing(3);
    FShowHideLabel = new TLinkLabel(strip);
    FShowHideLabel->setObjectName(QStringLiteral("ShowHideLabel"));
    const QColor linkColour = palette().color(QPalette::Active, QPalette::Highlight);
    const qreal ratio = devicePixelRatioF();
    FUpImage = new QLabel(strip);
    FUpImage->setObjectName(QStringLiteral("UpImage"));
    FUpImage->setPixmap(ChevronPixmap(true, linkColour, ratio));
    FDownImage = new QLabel(strip);
    FDownImage->setObjectName(QStringLiteral("DownImage"));
    FDownImage->setPixmap(ChevronPixmap(false, linkColour, ratio));
    stripLayout->addWidget(FUpImage);
    stripLayout->addWidget(FDownImage);
    stripLayout->addWidget(FShowHideLabel);
    stripLayout->addStretch();
    connect(FShowHideLabel, &TLinkLabel::Clicked, Action(TActionId::ShowHideOptions),
            &QAction::trigger);
    bottomLayout->addWidget(strip);

    FFastOptions = new TFastOptionsPanel(FSettings, FPrompts, FBottomPanel);
    FFastOptionsPC = FFastOptions->PageControl();
    FFastOptionsPC->setFixedHeight(FastOptionsHeight);
    bottomLayout->addWidget(FFastOptions);
    mainLayout->addWidget(FBottomPanel);

    setCentralWidget(client);
    ShowHideOptionsUpdate();
}

void TZVMainForm::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    for (int i = 0; i < 3; ++i) {
        auto* panel = new QLabel(bar);
        panel->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        panel->setFixedWidth(StatusPanelWidths[i]);
        panel->setFrameShape(QFrame::StyledPanel);
        panel->setFrameShadow(QFrame::Sunken);
        bar->addWidget(panel);
        FStatusPanels[i] = panel;
    }
    FProgressBar = new QProgressBar(bar);
    FProgressBar->setObjectName(QStringLiteral("ProgressBar"));
    FProgressBar->setTextVisible(false);
    FProgressBar->hide();
}

void TZVMainForm::AssignActionIcons() {
    const auto iconAt = [this](int index) {
        QIcon icon;
        for (const TImageList* list : {&FImageList32, &FImageList16}) {
            const QImage image = list->Image(index);
            if (!image.isNull())
                icon.addPixmap(QPixmap::fromImage(image));
        }
        return icon;
    };
    for (const TActionInfo& info : ActionTable)
        FActions[static_cast<int>(info.Id)]->setIcon(info.Icon < 0 ? QIcon() : iconAt(info.Icon));
    if (auto* add = findChild<QToolButton*>(QStringLiteral("AddButton")))
        add->setIcon(iconAt(ActionInfo(TActionId::AddFile).Icon));
    setWindowIcon(iconAt(ActionInfo(TActionId::ProcessImages).Icon));
}

void TZVMainForm::Guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        ShowException(error);
    }
}

void TZVMainForm::ShowException(const std::exception& error) {
    const auto* own = dynamic_cast<const EZVError*>(&error);
    ShowApplicationError(FPrompts, own ? own->Message() : QString::fromLocal8Bit(error.what()));
}

void TZVMainForm::FormCreate() {
    FXPFlag = IsXPOrLater();
    if (FXPFlag) {
        MakeTrueColor(FImageList32);
        MakeTrueColor(FImageList16);
        LoadIconFile(FImageList32, ActionIconCount, FProgramFolder + QLatin1String(XPIcons32));
        LoadIconFile(FImageList16, ActionIconCount, FProgramFolder + QLatin1String(XPIcons16));
    } else {
        LoadIconFile(FImageList32, ActionIconCount, FProgramFolder + QLatin1String(PlainIcons32));
        LoadIconFile(FImageList16, ActionIconCount, FProgramFolder + QLatin1String(PlainIcons16));
    }
    AssignActionIcons();

    SetStopProcessing(true);

    // One reading of the file for the options and the placement.
    const TIniFile ini(FIniPath);
    LoadSettings(FSettings, ini);
    FillOptionsPanel();
    LoadWindowPlacement(ini);

    setAcceptDrops(true);
    ShowFileCount(0, EntryCount());
    FEmailList.clear();
    SetListStyle(FSettings.LIST_ICONS);
    if (FSettings.XP_BAR)
        CreateSideBar();
    AddFiles(CommandLinePaths(FArguments));
}

void TZVMainForm::FormClose() {
    ClearScannerFolder(FProgramFolder);
    // A placement that cannot be written must not keep the window open.
    Guarded([this] { SaveWindowPlacement(); });
    FEmailList.clear();
}

void TZVMainForm::closeEvent(QCloseEvent* event) {
    // A run finishes its current image first; the window closes when the run has ended.
    if (FRunning) {
        FCloseAfterRun = true;
        SetStopProcessing(true);
        event->ignore();
        return;
    }
    // An add that is still going ends at its next check.
    if (!FStopProcessing)
        SetStopProcessing(true);
    FormClose();
    if (FFileListServer)
        FFileListServer->Close();
    event->accept();
}

void TZVMainForm::LoadWindowPlacement(const TIniFile& ini) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen ? screen->size() : QSize();
    const TWindowPlacement placement = ReadWindowPlacement(ini, screenSize);
    switch (placement.WindowState) {
    case TWindowPlacement::Minimized:
        setWindowState(Qt::WindowMinimized);
        break;
    case TWindowPlacement::Maximized:
        setWindowState(Qt::WindowMaximized);
        break;
    default:
        setWindowState(Qt::WindowNoState);
        break;
    }
    if (placement.NormalBounds) {
        const QRect desktop = screen ? screen->availableVirtualGeometry() : QRect();
        const QRect bounds = FitWindowBounds(*placement.NormalBounds, desktop, minimumSize(),
                                             DefaultWindowBounds(screenSize));
        move(bounds.topLeft());
        resize(bounds.size());
    }
    if (!placement.FastOptionsVisible)
        Action(TActionId::ShowHideOptions)->trigger();
}

void TZVMainForm::SaveWindowPlacement() {
    TWindowPlacement placement;
    if (isMinimized())
        placement.WindowState = TWindowPlacement::Minimized;
    else if (isMaximized() || isFullScreen())
        placement.WindowState = TWindowPlacement::Maximized;
    else {
        placement.WindowState = TWindowPlacement::Normal;
        placement.NormalBounds = QRect(pos(), size());
    }
    placement.FastOptionsVisible = !FFastOptionsPC->isHidden();
    WriteWindowPlacement(FIniPath, placement);
}

void TZVMainForm::FillOptionsPanel() {
    FFastOptions->FillOptionsPanel(FSettings);
}

void TZVMainForm::SetListStyle(int style) {
    FListView->SetListStyle(style);
}

void TZVMainForm::CreateSideBar() {
    // The side bar control is not part of the program yet; the list keeps the full width.
}

void TZVMainForm::ApplyTheme(int theme) {
    if (!FSideBar)
        return;
    Q_UNUSED(theme);
}

bool TZVMainForm::IsXPOrLater() {
    return DisplayIsXPOrLater();
}

int TZVMainForm::DetectTheme() const {
    return CurrentTheme(FXPFlag);
}

void TZVMainForm::ThemeChanged() {
    if (FSideBar)
        ApplyTheme(DetectTheme());
}

void TZVMainForm::SetStopProcessing(bool value) {
    FStopProcessing = value;
    UpdateActions();
}

int TZVMainForm::EntryCount() const {
    return FListView->Items().Count();
}

TActionState TZVMainForm::CurrentActionState() const {
    TActionState state;
    state.Idle = FStopProcessing;
    state.EntryCount = EntryCount();
    // Runs between every two events: the rules only tell none, one and more apart.
    state.SelectedCount = FListView->SelectedCountUpTo(2);
    state.ClipboardHasFiles = FClipboardHasFiles;
    return state;
}

void TZVMainForm::UpdateActions() {
    const TActionState state = CurrentActionState();
    for (const TActionInfo& info : ActionTable) {
        QAction* action = FActions[static_cast<int>(info.Id)];
        const bool enabled = IsActionEnabled(info.Rule, state);
        if (action->isEnabled() != enabled)
            action->setEnabled(enabled);
        if (info.Id == TActionId::ShowHideOptions)
            ShowHideOptionsUpdate();
    }
}

void TZVMainForm::ShowFileCount(int done, int total) {
    FStatusPanels[1]->setText(QString::asprintf(" Files processed: %d of %d", done, total));
    FStatusPanels[1]->repaint();
}

void TZVMainForm::ShowProgressBar() {
    QStatusBar* bar = statusBar();
    if (FProgressBar->parentWidget() != bar)
        FProgressBar->setParent(bar);
    FProgressBar->setGeometry(FStatusPanels[2]->geometry());
    FProgressBar->show();
    FProgressBar->raise();
}

QString TZVMainForm::StatusPanelText(int index) const {
    if (index < 0 || index >= static_cast<int>(FStatusPanels.size()))
        return {};
    return FStatusPanels[index]->text();
}

void TZVMainForm::ApplicationEventsHint(const QString& hint) {
    FStatusPanels[0]->setText(HintPanelText(hint));
}

void TZVMainForm::ClipboardChanged() {
    FClipboardHasFiles = !LocalFiles(QGuiApplication::clipboard()->mimeData()).isEmpty();
}

bool TZVMainForm::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        ApplicationEventsHint(static_cast<QStatusTipEvent*>(event)->tip());
        return true;
    }
    return QMainWindow::event(event);
}

void TZVMainForm::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    switch (event->type()) {
    case QEvent::StyleChange:
    case QEvent::PaletteChange:
    case QEvent::ThemeChange:
        ThemeChanged();
        break;
    default:
        break;
    }
}

void TZVMainForm::PauseProcessingExecute() {
    SetStopProcessing(true);
}

void TZVMainForm::ShowHideOptionsExecute() {
    if (!FFastOptionsPC->isHidden()) {
        FFastOptionsPC->hide();
        FBottomPanel->setFixedHeight(ShowHideStripHeight);
    } else {
        FBottomPanel->setFixedHeight(BottomPanelHeight);
        FFastOptionsPC->show();
    }
    ShowHideOptionsUpdate();
}

void TZVMainForm::ShowHideOptionsUpdate() {
    const bool hidden = FFastOptionsPC->isHidden();
    const QString text = hidden ? QStringLiteral("Show options") : QStringLiteral("Hide options");
    if (FShowHideLabel->text() != text)
        FShowHideLabel->setText(text);
    FUpImage->setVisible(hidden);
    FDownImage->setVisible(!hidden);
}

void TZVMainForm::HelpExecute() {
    FShellOpen->Open(FProgramFolder + QStringLiteral("help/index.htm"));
}

void TZVMainForm::HelpSupportExecute() {
    FShellOpen->Open(QLatin1String(MakerSite) + QStringLiteral("/support.htm"));
}

void TZVMainForm::HelpContactUsExecute() {
    FShellOpen->Open(QLatin1String(MakerSite) + QStringLiteral("/contact.htm"));
}
