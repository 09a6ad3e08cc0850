#include "DesktopFolder.h"

#include "FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString DefaultOutputFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return WithTrailingSlash(desktop);
    return WithTrailingSlash(QDir::homePath());
}
