#include "EntryListModel.h"

#include <algorithm>

int TEntryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : Count();
}

int TEntryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant TEntryListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= Count())
        return {};
    const TListEntry& entry = FEntries.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        switch (index.column()) {
        case NameColumn:
            return entry.Name;
        case TypeColumn:
            return entry.Type;
        case SizeColumn:
            return entry.Size;
        case FolderColumn:
            return entry.Folder;
        default:
            return {};
        }
    case Qt::ToolTipRole:
        return GetEntryPath(entry);
    case Qt::DecorationRole:
        if (index.column() == NameColumn && FPictureSource)
            return FPictureSource(entry.ImageIndex);
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == SizeColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        if (index.column() == TypeColumn)
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        return {};
    case ByteSizeRole:
        return entry.ByteSize.toLongLong();
    case ImageIndexRole:
        return entry.ImageIndex;
    default:
        return {};
    }
}

QVariant TEntryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole) {
        if (section == TypeColumn)
            return QVariant::fromValue(Qt::AlignHCenter | Qt::AlignVCenter);
        if (section == SizeColumn)
            return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole)
        return {};
    switch (section) {
    case NameColumn:
        return QStringLiteral("File name");
    case TypeColumn:
        return QStringLiteral("Type");
    case SizeColumn:
        return QStringLiteral("Size");
    case FolderColumn:
        return QStringLiteral("Folder");
    default:
        return {};
    }
}

void TEntryListModel::Append(const TListEntry& entry) {
    beginInsertRows({}, Count(), Count());
    FEntries.append(entry);
    endInsertRows();
}

void TEntryListModel::RemoveAt(int row) {
    if (row < 0 || row >= Count())
        return;
    beginRemoveRows({}, row, row);
    FEntries.removeAt(row);
    endRemoveRows();
}

void TEntryListModel::RemoveRows(int first, int last) {
    first = std::max(first, 0);
    last = std::min(last, Count() - 1);
    if (first > last)
        return;
    beginRemoveRows({}, first, last);
    FEntries.remove(first, last - first + 1);
    endRemoveRows();
}

void TEntryListModel::Clear() {
    beginResetModel();
    FEntries.clear();
    endResetModel();
}

void TEntryListModel::SetImageIndex(int row, int imageIndex) {
    if (row < 0 || row >= Count())
        return;
    FEntries[row].ImageIndex = imageIndex;
    const QModelIndex cell = index(row, NameColumn);
    emit dataChanged(cell, cell, {Qt::DecorationRole, ImageIndexRole});
}

void TEntryListModel::SetEntries(const QList<TListEntry>& entries) {
    emit layoutAboutToBeChanged();
    FEntries = entries;
    emit layoutChanged();
}

void TEntryListModel::RefreshPictures() {
    if (Count() > 0)
        emit dataChanged(index(0, NameColumn), index(Count() - 1, NameColumn),
                         {Qt::DecorationRole});
}

void TEntryListModel::SetPictureSource(std::function<QVariant(int)> source) {
    FPictureSource = std::move(source);
    RefreshPictures();
}
