#include "ListSort.h"

#include <algorithm>
#include <numeric>

namespace {

char16_t UpperAsciiOnly(char16_t c) {
    return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - u'a' + u'A') : c;
}

int Sign(qint64 value) {
    return (value > 0) - (value < 0);
}

} // namespace

int CompareListText(const QString& a, const QString& b) {
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = UpperAsciiOnly(a[i].unicode());
        const char16_t y = UpperAsciiOnly(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    return Sign(a.size() - b.size());
}

qint64 SizeTextKilobytes(const QString& sizeText) {
    if (sizeText.size() < 3)
        return 0;
    bool ok = false;
    const qint64 kilobytes = sizeText.left(sizeText.size() - 3).toLongLong(&ok);
    return ok ? kilobytes : 0;
}

int ListViewCompare(const TListEntry& a, const TListEntry& b, int column) {
    switch (column) {
    case 0:
        return CompareListText(a.Name, b.Name);
    case 1:
        return CompareListText(a.Type, b.Type);
    case 2:
        return Sign(SizeTextKilobytes(a.Size) - SizeTextKilobytes(b.Size));
    case 3:
        return CompareListText(a.Folder, b.Folder);
    default:
        return 0;
    }
}

QList<int> SortedRows(const QList<TListEntry>& entries, int column, int direction) {
    QList<int> rows(entries.size());
    std::iota(rows.begin(), rows.end(), 0);
    std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
        return ListViewCompare(entries[a], entries[b], column) * direction < 0;
    });
    return rows;
}
