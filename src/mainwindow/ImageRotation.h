#pragma once

#include <QString>

enum class TRotateDirection { Left, Right };

// The rotated copy beside a file: Folder + Name + "_rot" + extension, the extension with its
// dot and case ("/p/x.JPG" gives "/p/x_rot.JPG").
QString RotatedCopyPath(const QString& path);

// Writes the file turned a quarter (left -90, right +90 degrees) to its rotated copy, over an
// existing one, in the format its extension names. The source is never changed. False when the
// file cannot be read, turned or written (a read-only folder too); rotatedPath is then unset.
bool RotateImageFile(const QString& path, TRotateDirection direction, QString& rotatedPath);
