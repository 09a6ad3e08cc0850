#pragma once

#include <QString>

#include <optional>

// An installed font file and the face it holds.
struct TFontFile {
    QString Path;
    QString Family;
    bool Bold = false;
    bool Italic = false;
};

// The full path of the font file that fontconfig picks for a face and style: the face's own
// file when it is installed, otherwise fontconfig's closest match. Empty only when no font
// at all is installed.
QString MatchFontFile(const QString& family, bool bold, bool italic);

// The installed font of a file: the one at exactly this path, otherwise the first whose file
// name matches the path's file name without regard to case (a font stored on another
// machine, or in another folder). Nothing when no installed font has that file name.
std::optional<TFontFile> FindInstalledFont(const QString& path);
