#pragma once

#include "EntryListModel.h"
#include "ImageRotation.h"
#include "ListPictures.h"
#include "ListSort.h"

#include <QList>
#include <QWidget>

#include <functional>

class QAbstractItemView;
class QItemSelectionModel;
class QListView;
class QMenu;
class QStackedLayout;
class QTreeView;
class TPrompts;

// What the list needs of the main window. An unset hook does nothing; without Idle the
// window counts as idle.
struct TListViewHooks {
    // StopProcessing: true while idle.
    std::function<bool()> Idle;
    std::function<void(bool idle)> SetStopProcessing;
    std::function<void(const QStringList& paths)> AddFiles;
    std::function<void(int done, int total)> ShowFileCount;
    // The selected entry's row, or -1 for none.
    std::function<void(int row)> ShowDetails;
    std::function<void(int row)> ShowPreview;
};

// The image list in both styles over one list of entries and one selection: thumbnails
// (large icons with the name below) and details (icon, File name, Type, Size, Folder).
class TImageListView : public QWidget {
    Q_OBJECT
public:
    explicit TImageListView(TPrompts& prompts, QWidget* parent = nullptr);
    ~TImageListView() override;

    TEntryListModel& Items() { return FItems; }
    const TEntryListModel& Items() const { return FItems; }
    TListPictures& Pictures() { return FPictures; }
    QListView* ThumbnailView() const { return FThumbnailView; }
    QTreeView* DetailsView() const { return FDetailsView; }
    // The view of the current style.
    QAbstractItemView* CurrentView() const;
    QItemSelectionModel* SelectionModel() const { return FSelection; }
    bool ThumbnailStyle() const { return FThumbnailStyle; }

    void SetHooks(TListViewHooks hooks) { FHooks = std::move(hooks); }
    // The menu the list shows on a right click.
    void SetPopupMenu(QMenu* menu) { FPopupMenu = menu; }

    // Applies a LIST_ICONS value: switches the view and gives every entry its picture anew.
    // The style already shown does nothing.
    void SetListStyle(int style);
    void ResetThumbnails();
    int GetEntryImageIndex(const TListEntry& entry, int style, bool makeThumbnail,
                           int fallbackIndex);
    // Whether entries added now get thumbnails: never outside the thumbnail style, and for
    // more than 100 paths only when the user declines the simple icons.
    bool ThumbnailDecision(int pathCount);
    // Appends the entry of one path, its picture chosen for the LIST_ICONS value; returns
    // its row.
    int AppendEntry(const QString& path, int style, bool makeThumbnail);

    // Selected rows in ascending order.
    QList<int> SelectedRows() const;
    int SelectedCount() const { return static_cast<int>(SelectedRows().size()); }
    // The selected rows counted up to `limit` at most, without listing them all.
    int SelectedCountUpTo(int limit) const;
    // The first selected row, or -1.
    int SelectedRow() const;
    // Selects only this row, makes it current and scrolls to it.
    void SelectRow(int row);

    const TListSortState& SortState() const { return FSort; }
    // A click on a column header: sorts by it in the shared direction, then flips the
    // direction. Nothing while busy or for a column beyond Folder.
    void ListViewColumnClick(int column);
    void RemoveFile();
    void ClearAll();
    // Opens the preview for the selected entry; nothing while busy or without a selection.
    void ImagePreview();
    // Replaces the one selected entry by its rotated copy at the end of the list. Nothing while
    // busy, without exactly one selected, or when the copy cannot be made.
    void RotateSelected(TRotateDirection direction);

private:
    bool Idle() const { return !FHooks.Idle || FHooks.Idle(); }
    void SetStopProcessing(bool idle);
    void ShowView(bool thumbnails);
    void ShowDetails();
    void ContextPopup(QAbstractItemView* view, const QPoint& position);

    TPrompts& FPrompts;
    TListViewHooks FHooks;
    TEntryListModel FItems;
    TListPictures FPictures;
    TListSortState FSort;
    bool FThumbnailStyle = false;
    QMenu* FPopupMenu = nullptr;

    QStackedLayout* FStack = nullptr;
    QListView* FThumbnailView = nullptr;
    QTreeView* FDetailsView = nullptr;
    QItemSelectionModel* FSelection = nullptr;
};
