#include "DesktopFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

QString WithSlash(QString folder) {
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

} // namespace

QString DefaultOutputFolder() {
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    if (!desktop.isEmpty() && QFileInfo(desktop).isDir())
        return WithSlash(desktop);
    return WithSlash(QDir::homePath());
}
