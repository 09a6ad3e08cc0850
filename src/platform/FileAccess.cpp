#include "FileAccess.h"

#include <QFileInfo>

#include <unistd.h>

bool MayWrite(const QFileInfo& info) {
    if (!info.isWritable())
        return false;
    return !(info.ownerId() == static_cast<uint>(::geteuid()) &&
             !(info.permissions() & QFileDevice::WriteOwner));
}

QString WithTrailingSlash(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}
