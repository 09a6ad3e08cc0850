#include "Theme.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QScreen>
#include <QStyle>

namespace {

// Below this HSV saturation (0 to 255) a highlight reads as grey.
constexpr int GreySaturation = 48;
// Olive to green hues, in degrees.
constexpr int OliveHueFirst = 45;
constexpr int OliveHueLast = 165;

} // namespace

int ThemeFromStyle(bool xpFlag, const QString& styleName, const QColor& highlight) {
    if (!xpFlag)
        return ThemeNone;
    if (styleName.compare(QLatin1String("windows"), Qt::CaseInsensitive) == 0)
        return ThemeNone;
    const QColor hsv = highlight.toHsv();
    if (hsv.hsvSaturation() < GreySaturation)
        return ThemeSilver;
    const int hue = hsv.hsvHue();
    if (hue >= OliveHueFirst && hue <= OliveHueLast)
        return ThemeOlive;
    return ThemeBlue;
}

int CurrentTheme(bool xpFlag) {
    const QStyle* style = QApplication::style();
    return ThemeFromStyle(xpFlag, style ? style->name() : QString(),
                          QApplication::palette().color(QPalette::Active, QPalette::Highlight));
}

bool IsXPOrLaterFor(int colourDepth) {
    return colourDepth >= 24;
}

bool DisplayIsXPOrLater() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr || IsXPOrLaterFor(screen->depth());
}
