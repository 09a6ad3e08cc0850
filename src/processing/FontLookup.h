#pragma once

#include "Settings.h"

#include <QFont>
#include <QString>

// The annotation font as the user chooses it: face, style, size and colour.
struct TFontChoice {
    QString Family;
    bool Bold = false;
    bool Italic = false;
    int PointSize = 15;
    TColor Colour = 0;

    bool operator==(const TFontChoice&) const = default;
};

// The face shown when the stored font file is not an installed font.
inline const QString FallbackFontFamily = QStringLiteral("Verdana");

// Stores the full path of the installed font file for the face and style (fontconfig's
// closest match when the face is not installed), the size and the colour.
void FontToSettings(const TFontChoice& font, TSettings& settings);

// The face and style of the stored font file, with the stored size and colour; the face
// "Verdana" without style when the file is not an installed font.
TFontChoice SettingsToFont(const TSettings& settings);

// Between the choice and the toolkit's font, for the font dialog.
QFont ToQFont(const TFontChoice& font);
TFontChoice FontChoiceOf(const QFont& font, TColor colour);
