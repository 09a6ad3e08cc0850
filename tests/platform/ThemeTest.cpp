#include "Theme.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

namespace {

TEST(ThemeTest, HighlightColourPicksTheSideBarTheme) {
    const struct {
        bool XP;
        const char* Style;
        QColor Highlight;
        int Theme;
    } cases[] = {
        {true, "Fusion", QColor(48, 140, 198), ThemeBlue},    // Fusion's own blue
        {true, "Fusion", QColor(61, 174, 233), ThemeBlue},    // Breeze blue
        {true, "Fusion", QColor(160, 160, 164), ThemeSilver}, // grey
        {true, "Fusion", QColor(120, 124, 130), ThemeSilver}, // slate grey, little colour
        {true, "Fusion", QColor(138, 154, 58), ThemeOlive},   // olive
        {true, "Fusion", QColor(48, 160, 48), ThemeOlive},    // green
        {true, "Fusion", QColor(200, 40, 40), ThemeBlue},     // red: any other colour
        {true, "Fusion", QColor(130, 60, 190), ThemeBlue},    // purple
        {true, "Windows", QColor(48, 140, 198), ThemeNone},   // the plain style has none
        {true, "windows", QColor(160, 160, 164), ThemeNone},
        {false, "Fusion", QColor(48, 140, 198), ThemeNone}, // no true colour
    };
    for (const auto& c : cases)
        EXPECT_EQ(ThemeFromStyle(c.XP, QString::fromLatin1(c.Style), c.Highlight), c.Theme)
            << c.Style << " " << c.Highlight.name().toStdString();
}

TEST(ThemeTest, TrueColourNeedsTwentyFourBits) {
    const struct {
        int Depth;
        bool XP;
    } cases[] = {{1, false}, {8, false}, {16, false}, {24, true}, {32, true}};
    for (const auto& c : cases)
        EXPECT_EQ(IsXPOrLaterFor(c.Depth), c.XP) << c.Depth;
}

TEST(ThemeTest, TheRunningStyleAndPaletteDecide) {
    const QString before = QApplication::style()->name();
    const QPalette palette = QApplication::palette();

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    EXPECT_EQ(CurrentTheme(true), ThemeNone);

    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QPalette grey = QApplication::palette();
    grey.setColor(QPalette::Highlight, QColor(150, 150, 150));
    QApplication::setPalette(grey);
    EXPECT_EQ(CurrentTheme(true), ThemeSilver);
    EXPECT_EQ(CurrentTheme(false), ThemeNone);

    QApplication::setStyle(QStyleFactory::create(before));
    QApplication::setPalette(palette);
}

} // namespace
