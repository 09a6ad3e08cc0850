#include "ListEntry.h"

#include <QFile>
#include <QFileInfo>

TListEntry SplitEntryPath(const QString& path) {
    TListEntry entry;
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    entry.Folder = path.left(slash + 1);
    const QString fileName = path.mid(slash + 1);
    const qsizetype dot = fileName.lastIndexOf(QLatin1Char('.'));
    if (dot < 0) {
        entry.Name = fileName;
    } else {
        entry.Name = fileName.left(dot);
        entry.Type = fileName.mid(dot + 1);
    }
    return entry;
}

TListEntry MakeListEntry(const QString& path) {
    TListEntry entry = SplitEntryPath(path);
    QFile file(path);
    // A folder opens on this system, but has no length to show.
    if (!QFileInfo(path).isDir() && file.open(QIODevice::ReadOnly)) {
        entry.Size = SizeText(file.size());
        entry.ByteSize = QString::number(file.size());
    } else {
        entry.Size = SizeText(0);
        entry.ByteSize = QStringLiteral("0");
    }
    return entry;
}

QString GetEntryPath(const TListEntry& entry) {
    const QString path = entry.Folder + entry.Name + QLatin1Char('.') + entry.Type;
    // A name without extension gets a bare "." appended, which names another file here:
    // keep the dot only when a file really ends in it.
    if (entry.Type.isEmpty() && !QFileInfo::exists(path))
        return entry.Folder + entry.Name;
    return path;
}

QString SizeText(qint64 bytes) {
    qint64 kilobytes = bytes / 1024;
    const qint64 rest = bytes % 1024;
    if (rest > 512 || (rest == 512 && kilobytes % 2 == 1))
        ++kilobytes;
    return QString::number(kilobytes) + QStringLiteral(" KB");
}

bool IsImageExtension(const QString& extension) {
    static const QStringList extensions = {QStringLiteral(".bmp"),  QStringLiteral(".jpg"),
                                           QStringLiteral(".jpeg"), QStringLiteral(".png"),
                                           QStringLiteral(".gif"),  QStringLiteral(".tif"),
                                           QStringLiteral(".tiff")};
    return extensions.contains(extension.toLower());
}
