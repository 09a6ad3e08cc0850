#include "FontLookup.h"
#include "MagickImage.h"
#include "TestSupport.h"

#include <QFileInfo>

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

struct TFaceCase {
    const char* Family;
    bool Bold;
    bool Italic;
    const char* File;
};

const TFaceCase InstalledFaces[] = {
    {"DejaVu Sans", false, false, "DejaVuSans.ttf"},
    {"DejaVu Sans", true, false, "DejaVuSans-Bold.ttf"},
    {"DejaVu Sans Mono", true, false, "DejaVuSansMono-Bold.ttf"},
    {"DejaVu Serif", false, false, "DejaVuSerif.ttf"},
    {"Liberation Sans", true, true, "LiberationSans-BoldItalic.ttf"},
    {"Liberation Sans", false, true, "LiberationSans-Italic.ttf"},
    {"Liberation Serif", true, false, "LiberationSerif-Bold.ttf"},
    {"Liberation Serif", false, true, "LiberationSerif-Italic.ttf"},
    {"Liberation Mono", false, false, "LiberationMono-Regular.ttf"},
};

TEST(FontLookup, InstalledFacesMapToTheirFilesAndBack) {
    int size = 9;
    for (const TFaceCase& c : InstalledFaces) {
        SCOPED_TRACE(c.File);
        const TFontChoice choice{QString::fromUtf8(c.Family), c.Bold, c.Italic, ++size,
                                 TColor(0x0000FF + size)};
        TSettings settings;
        FontToSettings(choice, settings);
        EXPECT_EQ(settings.ANNOTATION_FONT_NAME, TestFontFile(QString::fromUtf8(c.File)));
        EXPECT_EQ(settings.ANNOTATION_FONT_SIZE, size);
        EXPECT_EQ(settings.ANNOTATION_FONT_COLOR, choice.Colour);
        EXPECT_EQ(SettingsToFont(settings), choice);
    }
}

TEST(FontLookup, StoredFileGivesItsFaceOrVerdana) {
    struct TCase {
        QString Stored;
        TFontChoice Expected;
    };
    const TCase cases[] = {
        {QStringLiteral("/elsewhere/LIBERATIONSERIF-BOLDITALIC.TTF"),
         {QStringLiteral("Liberation Serif"), true, true, 22, 255}},
        {TestFontFile(QStringLiteral("DejaVuSansMono.ttf")),
         {QStringLiteral("DejaVu Sans Mono"), false, false, 22, 255}},
        {QStringLiteral("/usr/share/fonts/truetype/arial.ttf"),
         {QStringLiteral("Verdana"), false, false, 22, 255}},
        {QString(), {QStringLiteral("Verdana"), false, false, 22, 255}},
        {TestFontFile(QString()), {QStringLiteral("Verdana"), false, false, 22, 255}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Stored.toStdString());
        TSettings settings;
        settings.ANNOTATION_FONT_NAME = c.Stored;
        settings.ANNOTATION_FONT_SIZE = 22;
        settings.ANNOTATION_FONT_COLOR = 255;
        EXPECT_EQ(SettingsToFont(settings), c.Expected);
    }
}

TEST(FontLookup, FaceNotInstalledStoresAFontFileNeverAFolder) {
    const QString faces[] = {QStringLiteral("No Such Face"), QString(), QStringLiteral("Verdana")};
    for (const QString& face : faces) {
        SCOPED_TRACE(face.toStdString());
        TSettings settings;
        FontToSettings({face, true, false, 12, 0}, settings);
        EXPECT_TRUE(QFileInfo(settings.ANNOTATION_FONT_NAME).isFile())
            << settings.ANNOTATION_FONT_NAME.toStdString();
        const TFontChoice back = SettingsToFont(settings);
        EXPECT_NE(back.Family, QStringLiteral("Verdana"));
        EXPECT_TRUE(back.Bold);
    }
    // The fixed font set stands DejaVu Sans in for Verdana.
    TSettings settings;
    FontToSettings({QStringLiteral("Verdana"), false, false, 12, 0}, settings);
    EXPECT_EQ(settings.ANNOTATION_FONT_NAME, TestFontFile(QStringLiteral("DejaVuSans.ttf")));
}

TEST(FontLookup, ToolkitFontRoundTrip) {
    const TFontChoice choice{QStringLiteral("Liberation Serif"), true, true, 18, 0x00FF00};
    const QFont font = ToQFont(choice);
    EXPECT_EQ(font.family(), choice.Family);
    EXPECT_EQ(font.pointSize(), 18);
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_EQ(FontChoiceOf(font, choice.Colour), choice);

    QFont pixels(QStringLiteral("DejaVu Sans"));
    pixels.setPixelSize(30);
    EXPECT_EQ(FontChoiceOf(pixels, 0).PointSize, TFontChoice().PointSize);
}

class FontLookupDrawing : public TMagickTest {};

// The stored path is what the image library draws with.
TEST_F(FontLookupDrawing, StoredFileDrawsText) {
    TSettings settings;
    FontToSettings({QStringLiteral("Liberation Sans"), true, false, 20, 0x0000FF}, settings);
    TMagickImage image;
    image.Assign(MakeImage(160, 60, Qt::white));
    TBitmap before;
    image.AssignTo(before);
    image.Annotate(QStringLiteral("Zoravel"), QPoint(5, 5), 1, settings.ANNOTATION_FONT_COLOR,
                   settings.ANNOTATION_FONT_SIZE, settings.ANNOTATION_FONT_NAME);
    TBitmap after;
    image.AssignTo(after);
    const QRect changed = ChangedArea(before, after);
    EXPECT_FALSE(changed.isEmpty());
    EXPECT_TRUE(QRect(0, 0, 160, 60).contains(changed));
}

} // namespace
