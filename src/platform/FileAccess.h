#pragma once

#include <QString>

class QFileInfo;

// Write permission as the user sees it: a file or folder marked read-only counts as such even
// for a user whom the system would let write anyway (root, or the owner of the folder).
bool MayWrite(const QFileInfo& info);

// The folder with a "/" added unless it ends with one already; an empty folder gives "/".
QString WithTrailingSlash(const QString& folder);
