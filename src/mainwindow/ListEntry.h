#pragma once

#include <QString>

// One entry of the image list: the cells the list shows, and nothing else. The full path is
// always rebuilt from them.
struct TListEntry {
    QString Name;     // file name without its extension
    QString Type;     // extension without the dot, as the path spells it
    QString Size;     // "%d KB"
    QString Folder;   // up to and including the last "/"
    QString ByteSize; // length in bytes, never shown
    int ImageIndex = 0;

    bool operator==(const TListEntry&) const = default;
};

// Folder, Name and Type of a path; Size and ByteSize stay empty.
TListEntry SplitEntryPath(const QString& path);
// A new entry for the path with the file's sizes; "0 KB" and "0" when it cannot be opened.
TListEntry MakeListEntry(const QString& path);
// Folder + Name + "." + Type; without a Type the dot only when the file's name ends in it.
QString GetEntryPath(const TListEntry& entry);

// Bytes as whole kilobytes, halves to even: 512 -> "0 KB", 1536 -> "2 KB", 2560 -> "2 KB".
QString SizeText(qint64 bytes);

// ".bmp", ".jpg", ".jpeg", ".png", ".gif", ".tif" or ".tiff", in any case.
bool IsImageExtension(const QString& extension);
