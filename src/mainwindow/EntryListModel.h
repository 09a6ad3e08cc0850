#pragma once

#include "ListEntry.h"

#include <QAbstractTableModel>
#include <QList>

#include <functional>

// The image list's entries, shown by both list styles: the thumbnail style shows the first
// column with pictures, the details style all four columns.
class TEntryListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum TColumn { NameColumn, TypeColumn, SizeColumn, FolderColumn, ColumnCount };
    // The raw byte size, for sorting by size.
    static constexpr int ByteSizeRole = Qt::UserRole + 1;
    static constexpr int ImageIndexRole = Qt::UserRole + 2;

    using QAbstractTableModel::QAbstractTableModel;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int Count() const { return static_cast<int>(FEntries.size()); }
    const TListEntry& Entry(int row) const { return FEntries.at(row); }
    const QList<TListEntry>& Entries() const { return FEntries; }
    void Append(const TListEntry& entry);
    void RemoveAt(int row);
    // Removes the rows from first to last, both included.
    void RemoveRows(int first, int last);
    void Clear();
    void SetImageIndex(int row, int imageIndex);
    // Replaces the order of the entries, as a sort does.
    void SetEntries(const QList<TListEntry>& entries);
    // Redraws every picture, after the picture lists changed.
    void RefreshPictures();

    // Gives the picture of an image index in the current list style.
    void SetPictureSource(std::function<QVariant(int imageIndex)> source);

private:
    QList<TListEntry> FEntries;
    std::function<QVariant(int)> FPictureSource;
};
