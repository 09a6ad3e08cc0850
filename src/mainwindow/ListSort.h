#pragma once

#include "ListEntry.h"

#include <QList>
#include <QString>

// The sort state shared by every column: the column last sorted and the direction the next
// sort takes, which alternates from click to click whatever the column.
struct TListSortState {
    int Column = 0;
    int Direction = 1;
};

// Texts compared character by character, only a to z taken as A to Z; a prefix comes first.
// Negative, 0 or positive.
int CompareListText(const QString& a, const QString& b);

// The number in a Size text ("12 KB" gives 12); 0 when it is none.
qint64 SizeTextKilobytes(const QString& sizeText);

// Two entries by a column (0 File name, 1 Type, 2 Size, 3 Folder): negative, 0 or positive.
int ListViewCompare(const TListEntry& a, const TListEntry& b, int column);

// The entries' rows in sorted order by the column and direction (+1 ascending, -1
// descending); entries that compare equal keep their order.
QList<int> SortedRows(const QList<TListEntry>& entries, int column, int direction);
