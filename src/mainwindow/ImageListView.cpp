#include "ImageListView.h"

#include "WaitCursor.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QListView>
#include <QMenu>
#include <QStackedLayout>
#include <QTreeView>

#include <algorithm>

namespace {

// Rows as a selection of whole rows, neighbouring rows in one range.
QItemSelection RowSelection(const QAbstractItemModel& model, QList<int> rows) {
    std::sort(rows.begin(), rows.end());
    QItemSelection selection;
    const int lastColumn = model.columnCount() - 1;
    for (qsizetype i = 0; i < rows.size();) {
        qsizetype j = i;
        while (j + 1 < rows.size() && rows[j + 1] == rows[j] + 1)
            ++j;
        selection.select(model.index(rows[i], 0), model.index(rows[j], lastColumn));
        i = j + 1;
    }
    return selection;
}

void SetUpView(QAbstractItemView* view) {
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    view->setContextMenuPolicy(Qt::CustomContextMenu);
    // The selection stays as visible when the list loses the focus.
    QPalette palette = view->palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText})
        palette.setColor(QPalette::Inactive, role, palette.color(QPalette::Active, role));
    view->setPalette(palette);
}

} // namespace

TImageListView::TImageListView(TPrompts& prompts, QWidget* parent)
    : QWidget(parent)
    , FPrompts(prompts) {
    FItems.SetPictureSource([this](int imageIndex) -> QVariant {
        const TImageList& list = FThumbnailStyle ? FPictures.ThumbIL : FPictures.LVImageList;
        const QImage picture = list.Image(imageIndex);
        return picture.isNull() ? QVariant() : QVariant(picture);
    });
    FSelection = new QItemSelectionModel(&FItems, this);

    FThumbnailView = new QListView(this);
    FThumbnailView->setObjectName(QStringLiteral("ThumbnailView"));
    FThumbnailView->setViewMode(QListView::IconMode);
    FThumbnailView->setIconSize(QSize(ThumbnailCellSize, ThumbnailCellSize));
    FThumbnailView->setMovement(QListView::Static);
    FThumbnailView->setResizeMode(QListView::Adjust);
    FThumbnailView->setFlow(QListView::LeftToRight);
    FThumbnailView->setWrapping(true);
    FThumbnailView->setUniformItemSizes(true);
    FThumbnailView->setWordWrap(true);
    FThumbnailView->setTextElideMode(Qt::ElideRight);
    // Room for the cell and two lines of its name.
    FThumbnailView->setGridSize(
        QSize(ThumbnailCellSize + 24, ThumbnailCellSize + 2 * fontMetrics().height() + 12));
    FThumbnailView->setModel(&FItems);
    FThumbnailView->setSelectionModel(FSelection);
    SetUpView(FThumbnailView);

    FDetailsView = new QTreeView(this);
    FDetailsView->setObjectName(QStringLiteral("DetailsView"));
    FDetailsView->setRootIsDecorated(false);
    FDetailsView->setItemsExpandable(false);
    FDetailsView->setUniformRowHeights(true);
    FDetailsView->setAllColumnsShowFocus(true);
    FDetailsView->setSortingEnabled(false);
    FDetailsView->setIconSize(QSize(ListIconSize, ListIconSize));
    FDetailsView->setModel(&FItems);
    FDetailsView->setSelectionModel(FSelection);
    SetUpView(FDetailsView);
    QHeaderView* header = FDetailsView->header();
    header->setSectionsClickable(true);
    header->setSectionsMovable(false);
    header->setStretchLastSection(false);
    const int widths[TEntryListModel::ColumnCount] = {180, 45, 80, 180};
    for (int column = 0; column < TEntryListModel::ColumnCount; ++column)
        FDetailsView->setColumnWidth(column, widths[column]);
    connect(header, &QHeaderView::sectionClicked, this, &TImageListView::ListViewColumnClick);

    for (QAbstractItemView* view : {static_cast<QAbstractItemView*>(FThumbnailView),
                                    static_cast<QAbstractItemView*>(FDetailsView)}) {
        connect(view, &QAbstractItemView::doubleClicked, this, [this] { ImagePreview(); });
        connect(view, &QWidget::customContextMenuRequested, this,
                [this, view](const QPoint& position) { ContextPopup(view, position); });
    }

    FStack = new QStackedLayout(this);
    FStack->setContentsMargins(0, 0, 0, 0);
    FStack->addWidget(FDetailsView);
    FStack->addWidget(FThumbnailView);
    // The details style until a style is applied.
    ShowView(false);
}

TImageListView::~TImageListView() {
    // The views go before the entries they show.
    delete FThumbnailView;
    delete FDetailsView;
    delete FSelection;
}

QAbstractItemView* TImageListView::CurrentView() const {
    return FThumbnailStyle ? static_cast<QAbstractItemView*>(FThumbnailView)
                           : static_cast<QAbstractItemView*>(FDetailsView);
}

void TImageListView::ShowView(bool thumbnails) {
    const bool hadFocus = CurrentView()->hasFocus();
    FThumbnailStyle = thumbnails;
    FStack->setCurrentWidget(CurrentView());
    if (hadFocus)
        CurrentView()->setFocus();
    FItems.RefreshPictures();
}

void TImageListView::SetListStyle(int style) {
    if ((!FThumbnailStyle && style == ListStyleDetails) ||
        (FThumbnailStyle && style == ListStyleThumbnails))
        return;
    ResetThumbnails();
    bool makeThumbnails = false;
    if (style == ListStyleThumbnails) {
        ShowView(true);
        makeThumbnails = ThumbnailsWanted(FPrompts, FItems.Count());
    } else if (style == ListStyleDetails) {
        ShowView(false);
    }
    TWaitCursor wait;
    for (int row = 0; row < FItems.Count(); ++row) {
        const TListEntry& entry = FItems.Entry(row);
        FItems.SetImageIndex(row,
                             GetEntryImageIndex(entry, style, makeThumbnails, entry.ImageIndex));
    }
}

void TImageListView::ResetThumbnails() {
    FPictures.ResetThumbnails();
    FItems.RefreshPictures();
}

int TImageListView::GetEntryImageIndex(const TListEntry& entry, int style, bool makeThumbnail,
                                       int fallbackIndex) {
    return FPictures.GetEntryImageIndex(entry, style, makeThumbnail, fallbackIndex);
}

bool TImageListView::ThumbnailDecision(int pathCount) {
    return FThumbnailStyle && ThumbnailsWanted(FPrompts, pathCount);
}

int TImageListView::AppendEntry(const QString& path, int style, bool makeThumbnail) {
    TListEntry entry = MakeListEntry(path);
    entry.ImageIndex = GetEntryImageIndex(entry, style, makeThumbnail, ExtensionPicture(entry));
    FItems.Append(entry);
    return FItems.Count() - 1;
}

QList<int> TImageListView::SelectedRows() const {
    QList<int> rows;
    for (const QItemSelectionRange& range : FSelection->selection())
        for (int row = range.top(); row <= range.bottom(); ++row)
            rows.append(row);
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

int TImageListView::SelectedCountUpTo(int limit) const {
    QList<int> seen;
    for (const QItemSelectionRange& range : FSelection->selection())
        for (int row = range.top(); row <= range.bottom() && seen.size() < limit; ++row)
            if (!seen.contains(row))
                seen.append(row);
    return static_cast<int>(seen.size());
}

int TImageListView::SelectedRow() const {
    const QList<int> rows = SelectedRows();
    return rows.isEmpty() ? -1 : rows.first();
}

void TImageListView::SelectRow(int row) {
    if (row < 0 || row >= FItems.Count())
        return;
    const QModelIndex index = FItems.index(row, 0);
    FSelection->setCurrentIndex(index,
                                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    CurrentView()->scrollTo(index);
}

void TImageListView::ListViewColumnClick(int column) {
    if (!Idle() || column < 0 || column >= TEntryListModel::ColumnCount)
        return;
    FSort.Column = column;
    const QList<int> order = SortedRows(FItems.Entries(), FSort.Column, FSort.Direction);
    // The selection and the current entry move with their entries.
    QList<int> newRowOf(order.size());
    QList<TListEntry> sorted;
    sorted.reserve(order.size());
    for (int i = 0; i < order.size(); ++i) {
        newRowOf[order[i]] = i;
        sorted.append(FItems.Entry(order[i]));
    }
    QList<int> selected = SelectedRows();
    const int current = FSelection->currentIndex().row();
    FItems.SetEntries(sorted);
    for (int& row : selected)
        row = newRowOf[row];
    FSelection->select(RowSelection(FItems, selected), QItemSelectionModel::ClearAndSelect);
    if (current >= 0)
        FSelection->setCurrentIndex(FItems.index(newRowOf[current], 0),
                                    QItemSelectionModel::NoUpdate);
    FSort.Direction = -FSort.Direction;
}

void TImageListView::RemoveFile() {
    {
        TWaitCursor wait;
        // Whole runs of neighbouring rows at a time, from the bottom up.
        const QList<int> rows = SelectedRows();
        for (qsizetype last = rows.size() - 1; last >= 0;) {
            qsizetype first = last;
            while (first > 0 && rows[first - 1] == rows[first] - 1)
                --first;
            FItems.RemoveRows(rows[first], rows[last]);
            last = first - 1;
        }
    }
    // The thumbnails of removed entries stay in their cells, shown by none.
    if (FHooks.ShowFileCount)
        FHooks.ShowFileCount(0, FItems.Count());
    ShowDetails();
}

void TImageListView::ClearAll() {
    FItems.Clear();
    ResetThumbnails();
    if (FHooks.ShowFileCount)
        FHooks.ShowFileCount(0, 0);
    if (FHooks.ShowDetails)
        FHooks.ShowDetails(-1);
}

void TImageListView::ImagePreview() {
    const int row = SelectedRow();
    if (!Idle() || row < 0)
        return;
    if (FHooks.ShowPreview)
        FHooks.ShowPreview(row);
}

void TImageListView::RotateSelected(TRotateDirection direction) {
    const QList<int> rows = SelectedRows();
    if (!Idle() || rows.size() != 1)
        return;
    QString rotated;
    if (!RotateImageFile(GetEntryPath(FItems.Entry(rows.first())), direction, rotated))
        return;
    // Busy while the entry goes, so the window does not follow the selection it loses.
    SetStopProcessing(false);
    FItems.RemoveAt(rows.first());
    SetStopProcessing(true);
    if (FHooks.AddFiles)
        FHooks.AddFiles({rotated});
    SelectRow(FItems.Count() - 1);
}

void TImageListView::SetStopProcessing(bool idle) {
    if (FHooks.SetStopProcessing)
        FHooks.SetStopProcessing(idle);
}

void TImageListView::ShowDetails() {
    if (FHooks.ShowDetails)
        FHooks.ShowDetails(SelectedRow());
}

void TImageListView::ContextPopup(QAbstractItemView* view, const QPoint& position) {
    if (FPopupMenu)
        FPopupMenu->popup(view->viewport()->mapToGlobal(position));
}
