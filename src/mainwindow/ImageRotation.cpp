#include "ImageRotation.h"

#include "FileAccess.h"
#include "MagickImage.h"

#include <QFileInfo>

namespace {

bool FolderWritable(const QString& folder) {
    const QFileInfo info(folder.isEmpty() ? QStringLiteral(".") : folder);
    return info.isDir() && MayWrite(info);
}

} // namespace

QString RotatedCopyPath(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype split = dot > slash ? dot : path.size();
    return path.left(split) + QStringLiteral("_rot") + path.mid(split);
}

bool RotateImageFile(const QString& path, TRotateDirection direction, QString& rotatedPath) {
    try {
        const QString copy = RotatedCopyPath(path);
        if (!FolderWritable(QFileInfo(copy).path()))
            return false;
        TMagickImage image;
        image.LoadFromFile(path);
        if (image.GetEmpty() || image.GetWidth() <= 0 || image.GetHeight() <= 0)
            return false;
        image.Rotate(direction == TRotateDirection::Left ? -90.0 : 90.0);
        if (image.GetEmpty())
            return false;
        // The copy's extension names its format, whatever the source was read as.
        const QString suffix = QFileInfo(copy).suffix();
        if (!suffix.isEmpty())
            image.SetFormat(suffix);
        if (!image.SaveToFile(copy))
            return false;
        rotatedPath = copy;
        return true;
    } catch (...) {
        return false;
    }
}
