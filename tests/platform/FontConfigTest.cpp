#include "FontConfig.h"
#include "TestSupport.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

QStringList TestFontFiles() {
    return QDir(TestFontFile(QString())).entryList({QStringLiteral("*.ttf")}, QDir::Files);
}

TEST(FontConfig, EveryInstalledFileMapsToItsFaceAndBack) {
    const QStringList files = TestFontFiles();
    ASSERT_EQ(files.size(), 18);
    for (const QString& name : files) {
        SCOPED_TRACE(name.toStdString());
        const QString path = TestFontFile(name);
        const std::optional<TFontFile> font = FindInstalledFont(path);
        ASSERT_TRUE(font.has_value());
        EXPECT_EQ(font->Path, path);
        EXPECT_TRUE(font->Family.startsWith(QStringLiteral("DejaVu")) ||
                    font->Family.startsWith(QStringLiteral("Liberation")));
        EXPECT_EQ(font->Bold, name.contains(QStringLiteral("Bold")));
        EXPECT_EQ(font->Italic, name.contains(QStringLiteral("Italic")));
        EXPECT_EQ(MatchFontFile(font->Family, font->Bold, font->Italic), path);
    }
}

TEST(FontConfig, FileIsFoundByNameWhateverItsFolderAndCase) {
    struct TCase {
        const char* Path;
        const char* Found; // empty: not an installed font
    };
    const TCase cases[] = {
        {"/elsewhere/LIBERATIONSERIF-BOLDITALIC.TTF", "LiberationSerif-BoldItalic.ttf"},
        {"dejavusans.ttf", "DejaVuSans.ttf"},
        {"/usr/share/fonts/truetype/unknown.ttf", ""},
        {"", ""},
        {"/", ""},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Path);
        const std::optional<TFontFile> font = FindInstalledFont(QString::fromUtf8(c.Path));
        if (*c.Found == 0) {
            EXPECT_FALSE(font.has_value());
            continue;
        }
        ASSERT_TRUE(font.has_value());
        EXPECT_EQ(font->Path, TestFontFile(QString::fromUtf8(c.Found)));
    }
    EXPECT_FALSE(FindInstalledFont(TestFontFile(QString())).has_value());
}

TEST(FontConfig, FaceNotInstalledGivesAFileOfTheStyle) {
    for (int style = 0; style < 4; ++style) {
        SCOPED_TRACE(style);
        const bool bold = style & 1;
        const bool italic = style & 2;
        const QString path = MatchFontFile(QStringLiteral("No Such Face"), bold, italic);
        EXPECT_TRUE(QFileInfo(path).isFile()) << path.toStdString();
        const std::optional<TFontFile> font = FindInstalledFont(path);
        ASSERT_TRUE(font.has_value());
        EXPECT_EQ(font->Bold, bold);
        EXPECT_EQ(font->Italic, italic);
    }
}

} // namespace
