#include "OutputNaming.h"

#include "MagickImage.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Makes the folder when missing, one level only: its parent must exist.
bool ForceFolder(const QString& folder) {
    if (QFileInfo(folder).isDir())
        return true;
    return QDir().mkdir(folder);
}

} // namespace

QString SizeFolderName(int sizeIndex) {
    switch (sizeIndex) {
    case SizeThumbnail:
        return QStringLiteral("Thumbnail");
    case SizeMedium:
        return QStringLiteral("Medium");
    case SizeLarge:
        return QStringLiteral("Large");
    default:
        return {};
    }
}

QString SizePrefix(int sizeIndex) {
    switch (sizeIndex) {
    case SizeThumbnail:
        return QStringLiteral("Thumb_");
    case SizeMedium:
        return QStringLiteral("Medium_");
    case SizeLarge:
        return QStringLiteral("Large_");
    default:
        return {};
    }
}

QString OutputFileName(const TSettings& settings, const QString& sourcePath, int sizeIndex) {
    QString name = sourcePath.mid(sourcePath.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    name += QLatin1Char('.') + settings.OUTPUT_FORMAT.toLower();
    // A hand-edited prefix must not lead the file out of its size folder.
    QString prefix = settings.PREFIX_INCLUDED ? SizePrefix(sizeIndex) : settings.CUSTOM_PREFIX;
    prefix.remove(QLatin1Char('/'));
    return prefix + name;
}

QString SaveOutputImage(TMagickImage& image, const TSettings& settings, const QString& sourcePath,
                        int sizeIndex, bool screenSaverMode, bool* written) {
    if (written)
        *written = false;
    // The output folder is a text prefix, used as typed.
    QString folder = settings.OUTPUT_FOLDER;
    if (!screenSaverMode)
        folder += QLatin1String(ResizedImagesFolder) + QLatin1Char('/');
    if (!ForceFolder(folder))
        return {};

    const QString name = OutputFileName(settings, sourcePath, sizeIndex);

    if (!screenSaverMode) {
        folder += SizeFolderName(sizeIndex) + QLatin1Char('/');
        if (!ForceFolder(folder))
            return {};
    }

    const QString result = folder + name;
    const bool saved = image.SaveToFile(result);
    if (written)
        *written = saved;
    return result;
}
