#pragma once

#include <QColor>
#include <QString>

// Theme numbers of the side bar's dress.
enum TThemeNumber : int { ThemeBlue = 0, ThemeOlive = 1, ThemeSilver = 2, ThemeNone = 3 };

// The theme that the running style and palette call for: the plain "Windows" style (or no
// true-colour display) has none; otherwise the highlight colour decides: grey gives silver,
// an olive or green hue olive, anything else blue.
int ThemeFromStyle(bool xpFlag, const QString& styleName, const QColor& highlight);

// The same for the running application's style and palette.
int CurrentTheme(bool xpFlag);

// True-colour icons with alpha need a display of at least 24 bits.
bool IsXPOrLaterFor(int colourDepth);

// The same for the primary screen (true when there is none: the offscreen platform draws in
// 32 bits).
bool DisplayIsXPOrLater();
