#pragma once

class QFileInfo;

// Write permission as the user sees it: a file or folder marked read-only counts as such even
// for a user whom the system would let write anyway (root, or the owner of the folder).
bool MayWrite(const QFileInfo& info);
