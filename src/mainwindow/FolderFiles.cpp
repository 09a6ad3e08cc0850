#include "FolderFiles.h"

#include "FileAccess.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QSet>
#include <QUrl>

namespace {

void Walk(const QString& folder, QStringList& paths, QSet<QString>& entered) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    if (canonical.isEmpty() || entered.contains(canonical))
        return;
    entered.insert(canonical);
    const QDir dir(folder);
    const QStringList names = dir.entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Unsorted);
    for (const QString& name : names) {
        const QString path = folder + name;
        const QFileInfo info(path);
        if (info.isFile())
            paths.append(path);
        else if (info.isDir())
            Walk(path + QLatin1Char('/'), paths, entered);
    }
}

} // namespace

void CollectFolderFiles(const QString& folder, QStringList& paths) {
    QSet<QString> entered;
    Walk(WithTrailingSlash(folder), paths, entered);
}

QStringList ExpandDroppedPaths(const QStringList& paths) {
    QStringList result;
    for (const QString& path : paths) {
        const QFileInfo info(path);
        if (info.isDir())
            CollectFolderFiles(path, result);
        else if (info.isFile())
            result.append(path);
    }
    return result;
}

QStringList ParseFileListText(const QByteArray& text) {
    const qsizetype zero = text.indexOf('\0');
    const QString list = QString::fromUtf8(zero < 0 ? text : text.left(zero));
    QStringList paths;
    QString current;
    for (const QChar c : list) {
        if (c == QLatin1Char('>')) {
            paths.append(current);
            current.clear();
        } else {
            current.append(c);
        }
    }
    return paths;
}

QStringList CommandLinePaths(const QStringList& arguments) {
    QStringList paths = arguments;
    if (!paths.isEmpty() && paths.first() == QLatin1String("shell"))
        paths.removeFirst();
    return paths;
}

QStringList LocalFiles(const QMimeData* data) {
    QStringList paths;
    if (data && data->hasUrls())
        for (const QUrl& url : data->urls())
            if (url.isLocalFile())
                paths.append(url.toLocalFile());
    return paths;
}
