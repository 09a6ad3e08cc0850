#include "FontLookup.h"

#include "FontConfig.h"

void FontToSettings(const TFontChoice& font, TSettings& settings) {
    QString file = MatchFontFile(font.Family, font.Bold, font.Italic);
    if (file.isEmpty())
        file = MatchFontFile(FallbackFontFamily, false, false);
    settings.ANNOTATION_FONT_NAME = file;
    settings.ANNOTATION_FONT_SIZE = font.PointSize;
    settings.ANNOTATION_FONT_COLOR = font.Colour;
}

TFontChoice SettingsToFont(const TSettings& settings) {
    TFontChoice font;
    font.Colour = settings.ANNOTATION_FONT_COLOR;
    font.PointSize = settings.ANNOTATION_FONT_SIZE;
    font.Family = FallbackFontFamily;
    if (const std::optional<TFontFile> installed =
            FindInstalledFont(settings.ANNOTATION_FONT_NAME)) {
        font.Family = installed->Family;
        font.Bold = installed->Bold;
        font.Italic = installed->Italic;
    }
    return font;
}

QFont ToQFont(const TFontChoice& font) {
    QFont result(font.Family);
    if (font.PointSize > 0)
        result.setPointSize(font.PointSize);
    result.setBold(font.Bold);
    result.setItalic(font.Italic);
    return result;
}

TFontChoice FontChoiceOf(const QFont& font, TColor colour) {
    TFontChoice choice;
    choice.Family = font.family();
    choice.Bold = font.bold();
    choice.Italic = font.italic();
    // A font sized in pixels has no point size; keep the usual one then.
    if (font.pointSize() > 0)
        choice.PointSize = font.pointSize();
    choice.Colour = colour;
    return choice;
}
