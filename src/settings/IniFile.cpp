#include "IniFile.h"

#include "FileAccess.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <limits>

namespace {

bool SameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// A value is one line: a line break inside it would end it early and could plant keys of
// its own in the file.
QString OneLine(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value;
}

} // namespace

std::optional<int> ParseIniInteger(const QString& text) {
    const QString s = text.trimmed();
    qsizetype i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-'))) {
        negative = s[i] == QLatin1Char('-');
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == QLatin1Char('$')) {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == QLatin1Char('0') &&
               (s[i + 1] == QLatin1Char('x') || s[i + 1] == QLatin1Char('X'))) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return std::nullopt;
    // Hexadecimal spans the full 32 bits ("$FFFFFFFF" is -1); decimal must fit as it is.
    const qint64 limit = base == 16 ? qint64(std::numeric_limits<quint32>::max())
                                    : qint64(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    qint64 magnitude = 0;
    for (; i < s.size(); ++i) {
        const char16_t c = s[i].unicode();
        int digit = 0;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (base == 16 && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (base == 16 && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        magnitude = magnitude * base + digit;
        if (magnitude > limit)
            return std::nullopt;
    }
    const qint64 value = negative ? -magnitude : magnitude;
    return static_cast<int>(static_cast<quint32>(value));
}

TIniFile::TIniFile(const QString& fileName)
    : FFileName(fileName) {
    QFile file(fileName);
    if (!file.exists())
        return;
    if (!file.open(QIODevice::ReadOnly)) {
        FUnreadable = true;
        return;
    }
    QByteArray content = file.readAll();
    if (content.startsWith("\xEF\xBB\xBF"))
        content.remove(0, 3);
    if (content.contains("\r\n"))
        FLineBreak = "\r\n";
    FLines = QString::fromUtf8(content).split(QLatin1Char('\n'));
    for (QString& line : FLines)
        if (line.endsWith(QLatin1Char('\r')))
            line.chop(1);
    if (!FLines.isEmpty() && FLines.last().isEmpty())
        FLines.removeLast();
}

TIniFile::TLine TIniFile::ParseLine(const QString& text) {
    TLine line;
    const QString s = text.trimmed();
    if (s.isEmpty() || s.startsWith(QLatin1Char(';')) || s.startsWith(QLatin1Char('#')))
        return line;
    if (s.startsWith(QLatin1Char('['))) {
        const qsizetype close = s.indexOf(QLatin1Char(']'));
        line.IsSection = true;
        line.Section = s.mid(1, close < 0 ? -1 : close - 1).trimmed();
        return line;
    }
    const qsizetype equals = s.indexOf(QLatin1Char('='));
    if (equals <= 0)
        return line;
    line.Key = s.left(equals).trimmed();
    line.Value = s.mid(equals + 1).trimmed();
    line.IsKey = !line.Key.isEmpty();
    return line;
}

qsizetype TIniFile::FindSection(const QString& section) const {
    for (qsizetype i = 0; i < FLines.size(); ++i) {
        const TLine line = ParseLine(FLines[i]);
        if (line.IsSection && SameName(line.Section, section))
            return i;
    }
    return -1;
}

qsizetype TIniFile::SectionEnd(qsizetype sectionLine) const {
    qsizetype i = sectionLine + 1;
    while (i < FLines.size() && !ParseLine(FLines[i]).IsSection)
        ++i;
    return i;
}

qsizetype TIniFile::FindKey(const QString& section, const QString& key) const {
    const qsizetype start = FindSection(section);
    if (start < 0)
        return -1;
    const qsizetype end = SectionEnd(start);
    for (qsizetype i = start + 1; i < end; ++i) {
        const TLine line = ParseLine(FLines[i]);
        if (line.IsKey && SameName(line.Key, key))
            return i;
    }
    return -1;
}

bool TIniFile::SectionExists(const QString& section) const {
    return FindSection(section) >= 0;
}

bool TIniFile::ValueExists(const QString& section, const QString& key) const {
    return FindKey(section, key) >= 0;
}

QStringList TIniFile::ReadSection(const QString& section) const {
    QStringList keys;
    const qsizetype start = FindSection(section);
    if (start < 0)
        return keys;
    const qsizetype end = SectionEnd(start);
    for (qsizetype i = start + 1; i < end; ++i) {
        const TLine line = ParseLine(FLines[i]);
        if (line.IsKey && !keys.contains(line.Key, Qt::CaseInsensitive))
            keys << line.Key;
    }
    return keys;
}

QString TIniFile::ReadString(const QString& section, const QString& key, const QString& def) const {
    const qsizetype i = FindKey(section, key);
    if (i < 0)
        return def;
    return ParseLine(FLines[i]).Value.left(MaxStringLength);
}

int TIniFile::ReadInteger(const QString& section, const QString& key, int def) const {
    return ParseIniInteger(ReadString(section, key, QString())).value_or(def);
}

bool TIniFile::ReadBool(const QString& section, const QString& key, bool def) const {
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
    const QString text = key + QLatin1Char('=') + OneLine(value);
    const qsizetype existing = FindKey(section, key);
    if (existing >= 0) {
        // The key keeps the spelling the file gave it.
        FLines[existing] = ParseLine(FLines[existing]).Key + QLatin1Char('=') + OneLine(value);
        return;
    }
    const qsizetype start = FindSection(section);
    if (start < 0) {
        if (!FLines.isEmpty() && !FLines.last().trimmed().isEmpty())
            FLines << QString();
        FLines << QLatin1Char('[') + section + QLatin1Char(']') << text;
        return;
    }
    // After the section's last non-blank line, so blank lines before the next section stay.
    qsizetype at = SectionEnd(start);
    while (at > start + 1 && FLines[at - 1].trimmed().isEmpty())
        --at;
    FLines.insert(at, text);
}

void TIniFile::WriteInteger(const QString& section, const QString& key, int value) {
    WriteString(section, key, QString::number(value));
}

void TIniFile::WriteBool(const QString& section, const QString& key, bool value) {
    WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TIniFile::UpdateFile() const {
    const QString message = QStringLiteral("Unable to write to %1").arg(FFileName);
    const QFileInfo target(FFileName);
    if (FUnreadable || (target.exists() && !MayWrite(target)) ||
        !MayWrite(QFileInfo(target.absolutePath())))
        throw EIniFileException(message);

    QByteArray content;
    for (const QString& line : FLines)
        content += line.toUtf8() + FLineBreak;

    QSaveFile file(FFileName);
    if (!file.open(QIODevice::WriteOnly) || file.write(content) != content.size() || !file.commit())
        throw EIniFileException(message);
}
