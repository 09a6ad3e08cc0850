#pragma once

#include "Exceptions.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Raised when an INI file or its folder cannot be written.
class EIniFileException : public EZVError {
public:
    using EZVError::EZVError;
};

// An integer as the INI file holds it: decimal, or hexadecimal after "$", "0x" or "0X", each
// with an optional sign. Anything else (empty, letters, out of range) is no integer.
std::optional<int> ParseIniInteger(const QString& text);

// A file in Windows INI syntax, held as its lines so that whatever a save does not touch
// (other sections, comments, key order, blank lines) is written back as it was found.
// Section and key names match without regard to case.
class TIniFile {
public:
    // Reads the file when it exists; a missing or unreadable file reads as empty.
    explicit TIniFile(const QString& fileName);

    bool SectionExists(const QString& section) const;
    bool ValueExists(const QString& section, const QString& key) const;
    // The key names of a section, in file order.
    QStringList ReadSection(const QString& section) const;

    QString ReadString(const QString& section, const QString& key, const QString& def) const;
    int ReadInteger(const QString& section, const QString& key, int def) const;
    bool ReadBool(const QString& section, const QString& key, bool def) const;

    // Changes the held lines only; UpdateFile writes them.
    void WriteString(const QString& section, const QString& key, const QString& value);
    void WriteInteger(const QString& section, const QString& key, int value);
    void WriteBool(const QString& section, const QString& key, bool value);

    // Writes the file whole: a temporary file beside it, then a rename, so a refused write
    // leaves the old file as it was. Raises EIniFileException "Unable to write to %s".
    void UpdateFile() const;

    // Strings longer than this are cut when read back.
    static constexpr int MaxStringLength = 2047;

private:
    struct TLine {
        QString Section; // the name when the line opens a section
        QString Key;     // the name when the line holds a key
        QString Value;
        bool IsSection = false;
        bool IsKey = false;
    };
    static TLine ParseLine(const QString& text);
    // Index of the section's opening line, or -1.
    qsizetype FindSection(const QString& section) const;
    // Index of the key's line within the section, or -1.
    qsizetype FindKey(const QString& section, const QString& key) const;
    // One past the section's last line.
    qsizetype SectionEnd(qsizetype sectionLine) const;

    QString FFileName;
    QStringList FLines;
    QByteArray FLineBreak = "\n";
    // An existing file that could not be read is never overwritten with what little is known.
    bool FUnreadable = false;
};
