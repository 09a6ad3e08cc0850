#include "FolderCleanup.h"

#include "FileAccess.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

QRegularExpression MaskExpression(const QString& mask) {
    if (mask == QLatin1String("*.*") || mask == QLatin1String("*"))
        return QRegularExpression(QStringLiteral("^.*$"));
    QString pattern;
    for (const QChar c : mask) {
        if (c == QLatin1Char('*'))
            pattern += QLatin1String(".*");
        else if (c == QLatin1Char('?'))
            pattern += QLatin1Char('.');
        else
            pattern += QRegularExpression::escape(QString(c));
    }
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern),
                              QRegularExpression::CaseInsensitiveOption |
                                  QRegularExpression::DotMatchesEverythingOption);
}

} // namespace

void DeleteFilesInFolder(const QString& folder, const QString& mask) {
    const QDir dir(folder);
    if (folder.isEmpty() || !dir.exists())
        return;
    const QRegularExpression expression = MaskExpression(mask);
    const QFileInfoList entries = dir.entryInfoList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::NoSort);
    for (const QFileInfo& entry : entries) {
        if (!expression.match(entry.fileName()).hasMatch())
            continue;
        if (entry.isSymLink()) {
            QFile::remove(entry.absoluteFilePath());
            continue;
        }
        // A file its owner made read-only is left as the user wanted it.
        if (entry.isDir() || !entry.permission(QFile::WriteOwner))
            continue;
        QFile::remove(entry.absoluteFilePath());
    }
}

QString ScannerFolder(const QString& programFolder) {
    return WithTrailingSlash(programFolder) + QStringLiteral("twain/");
}

void ClearScannerFolder(const QString& programFolder) {
    DeleteFilesInFolder(ScannerFolder(programFolder), QStringLiteral("*.*"));
}
