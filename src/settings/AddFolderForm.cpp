#include "AddFolderForm.h"

#include "DesktopFolder.h"
#include "FileAccess.h"

#include <QDir>
#include <QEvent>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

constexpr QSize ClientSize{268, 301};
constexpr int InnerBorder = 4;

QString WithoutSlash(QString folder) {
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/')))
        folder.chop(1);
    return folder;
}

} // namespace

QString PickerStartFolder(const QString& path) {
    if (!path.isEmpty()) {
        const QFileInfo info(path);
        if (info.isDir())
            return QDir::cleanPath(info.absoluteFilePath());
    }
    return WithoutSlash(DefaultOutputFolder());
}

QString FolderWithSlash(const QString& folder) {
    return WithTrailingSlash(WithoutSlash(folder));
}

std::optional<QString> NewFolderPath(const QString& parent, const QString& name) {
    if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
        name.contains(QLatin1Char('/')))
        return std::nullopt;
    return QDir(parent).filePath(name);
}

TAddFolderForm::TAddFolderForm(TPrompts& prompts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , FPrompts(prompts)
    , FIcons(std::make_unique<QFileIconProvider>()) {
    setObjectName(QStringLiteral("AddFolderForm"));
    setModal(true);

    FModel = new QFileSystemModel(this);
    // The desktop's folder icons, or the style's where the desktop has no icon theme.
    FModel->setIconProvider(FIcons.get());
    // The tree shows the folders as they were when it opened; a new folder is put in by hand.
    FModel->setOption(QFileSystemModel::DontWatchForChanges);
    FModel->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    FModel->setRootPath(QStringLiteral("/"));

    FFolderTree = new QTreeView(this);
    FFolderTree->setObjectName(QStringLiteral("FolderTree"));
    FFolderTree->setModel(FModel);
    for (int column = 1; column < FModel->columnCount(); ++column)
        FFolderTree->hideColumn(column);
    FFolderTree->setHeaderHidden(true);
    FFolderTree->setRootIsDecorated(false);
    FFolderTree->setIndentation(19);
    FFolderTree->setSelectionMode(QAbstractItemView::SingleSelection);
    FFolderTree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    FFolderTree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    FFolderTree->header()->setStretchLastSection(false);

    FNewFolderB = new QPushButton(QStringLiteral("&New Folder"), this);
    FNewFolderB->setObjectName(QStringLiteral("NewFolderB"));
    FNewFolderB->setAutoDefault(false);
    FOKButton = new QPushButton(QStringLiteral("OK"), this);
    FOKButton->setObjectName(QStringLiteral("OKButton"));
    FOKButton->setDefault(true);
    FCancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    FCancelButton->setObjectName(QStringLiteral("CancelButton"));
    FCancelButton->setAutoDefault(false);

    auto* strip = new QHBoxLayout;
    strip->addWidget(FNewFolderB);
    strip->addStretch();
    strip->addWidget(FOKButton);
    strip->addWidget(FCancelButton);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(InnerBorder, InnerBorder, InnerBorder, InnerBorder);
    layout->setSpacing(InnerBorder);
    layout->addWidget(FFolderTree);
    layout->addLayout(strip);

    connect(FFolderTree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &TAddFolderForm::FolderTreeChange);
    // The model reads and sorts folders in the background, moving the rows under the
    // selection; until the user takes over, the selection is brought back into sight.
    FFollowTimer = new QTimer(this);
    FFollowTimer->setSingleShot(true);
    FFollowTimer->setInterval(0);
    connect(FFollowTimer, &QTimer::timeout, this, [this] {
        FFolderTree->scrollTo(FFolderTree->currentIndex(), QAbstractItemView::PositionAtCenter);
    });
    connect(FModel, &QAbstractItemModel::rowsInserted, this, &TAddFolderForm::FollowSelection);
    connect(FModel, &QAbstractItemModel::layoutChanged, this, &TAddFolderForm::FollowSelection);
    connect(FModel, &QFileSystemModel::directoryLoaded, this, &TAddFolderForm::FollowSelection);
    for (QObject* part :
         {static_cast<QObject*>(FFolderTree), static_cast<QObject*>(FFolderTree->viewport()),
          static_cast<QObject*>(FFolderTree->verticalScrollBar()),
          static_cast<QObject*>(FFolderTree->horizontalScrollBar())})
        part->installEventFilter(this);
    connect(FNewFolderB, &QPushButton::clicked, this, &TAddFolderForm::NewFolderBClick);
    connect(FOKButton, &QPushButton::clicked, this, &QDialog::accept);
    connect(FCancelButton, &QPushButton::clicked, this, &QDialog::reject);

    setFixedSize(ClientSize);
    OpenAt(QString());
    FolderTreeChange();
}

TAddFolderForm::~TAddFolderForm() {
    // The model asks the icon provider until it goes.
    delete FModel;
}

void TAddFolderForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FFolderTree->scrollTo(FFolderTree->currentIndex());
}

bool TAddFolderForm::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
    case QEvent::KeyPress:
        // From now on the user decides what the tree shows.
        FFollowSelection = false;
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void TAddFolderForm::FollowSelection() {
    if (FFollowSelection)
        FFollowTimer->start();
}

void TAddFolderForm::OpenAt(const QString& path) {
    const QModelIndex index = FModel->index(PickerStartFolder(path));
    if (!index.isValid())
        return;
    SelectIndex(index);
    FFolderTree->expand(index);
}

void TAddFolderForm::SelectIndex(const QModelIndex& index) {
    FFollowSelection = true;
    FFolderTree->setCurrentIndex(index);
    FFolderTree->selectionModel()->select(index, QItemSelectionModel::ClearAndSelect);
    FFolderTree->scrollTo(index);
}

void TAddFolderForm::SetNewFolderOffered(bool offered) {
    FNewFolderB->setVisible(offered);
}

QString TAddFolderForm::SelectedFolder() const {
    const QModelIndexList selected = FFolderTree->selectionModel()->selectedIndexes();
    if (selected.isEmpty() || !FModel->isDir(selected.constFirst()))
        return QString();
    return FModel->filePath(selected.constFirst());
}

void TAddFolderForm::FolderTreeChange() {
    const bool folder = !SelectedFolder().isEmpty();
    FOKButton->setEnabled(folder);
    FNewFolderB->setEnabled(folder);
}

void TAddFolderForm::NewFolderBClick() {
    const QString parent = SelectedFolder();
    if (parent.isEmpty())
        return;
    const std::optional<QString> name =
        FPrompts.QueryText({QStringLiteral("New Folder"), QStringLiteral("New folder name:"),
                            QStringLiteral("New Folder")});
    if (!name)
        return;
    QModelIndex created;
    if (NewFolderPath(parent, *name))
        created = FModel->mkdir(FModel->index(parent), *name);
    if (!created.isValid()) {
        MessageDlg(FPrompts, NewFolderFailedText, TPromptIcon::Error, pbOk);
        return;
    }
    SelectIndex(created);
}

bool PickFolder(TPrompts& prompts, QString& path, const QString& caption, bool offerNewFolder,
                QWidget* parent) {
    TAddFolderForm form(prompts, parent);
    form.setWindowTitle(caption);
    // A path that is no folder opens at the desktop, where the form already stands.
    form.OpenAt(path);
    form.SetNewFolderOffered(offerNewFolder);
    form.exec();
    if (!form.Accepted() || form.SelectedFolder().isEmpty())
        return false;
    path = FolderWithSlash(form.SelectedFolder());
    return true;
}

std::optional<QString> TFolderTreePrompts::PickFolder(const TFolderRequest& request) {
    QString path = request.StartFolder;
    if (!::PickFolder(*this, path, request.Caption, request.AllowNewFolder))
        return std::nullopt;
    return path;
}
