#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Appends every file below the folder to the list, depth first: a subfolder's files stand
// where the subfolder was met. Hidden files count. No folder is entered twice, so a link
// back into the walk does not loop.
void CollectFolderFiles(const QString& folder, QStringList& paths);

// The paths of a dropped or pasted list: folders walked, files kept, the rest skipped.
QStringList ExpandDroppedPaths(const QStringList& paths);

// The paths of a file-list message: each path ends with ">"; text after the last ">" is
// dropped, and a zero byte ends the text.
QStringList ParseFileListText(const QByteArray& text);
// The command line's paths: every argument but a first one that is exactly "shell".
QStringList CommandLinePaths(const QStringList& arguments);

class QMimeData;
// The local files among dragged or copied data; none for other data.
QStringList LocalFiles(const QMimeData* data);
