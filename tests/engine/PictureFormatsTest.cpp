#include "Exceptions.h"
#include "MagickGeneral.h"
#include "MagickImage.h"
#include "Picture.h"
#include "TestSupport.h"

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

class PictureFormatsTest : public TMagickTest {};

TEST_F(PictureFormatsTest, LaterRegistrationsTakePrecedence) {
    struct TCase {
        const char* Extension;
        const char* ClassName;
        const char* Description;
    };
    const TCase cases[] = {
        {"png", "TMagickImage", "Imagick Format"},
        {"tif", "TMagickImage", "Imagick Format"},
        {"TIFF", "TMagickImage", "Imagick Format"},
        {"jpg", "TJPEGImage", "JPEG Image File"},
        {"jpeg", "TJPEGImage", "JPEG Image File"},
        {"gif", "TGIFImage", "GIF Image"},
        {"bmp", "TBitmap", "Bitmaps"},
        {"ico", "TIcon", "Icons"},
        {"wmf", "TMetafile", "Metafiles"},
        {"emf", "TMetafile", "Enhanced Metafiles"},
    };
    for (const TCase& c : cases) {
        const TGraphicClass* graphicClass =
            Formats().GraphicClassFor(QString::fromLatin1(c.Extension));
        ASSERT_NE(graphicClass, nullptr) << c.Extension;
        EXPECT_EQ(graphicClass->Name, QString::fromLatin1(c.ClassName)) << c.Extension;
        EXPECT_EQ(Formats().DescriptionFor(QString::fromLatin1(c.Extension)),
                  QString::fromLatin1(c.Description))
            << c.Extension;
    }
    EXPECT_EQ(Formats().GraphicClassFor(QStringLiteral("pdf")), nullptr);
}

TEST_F(PictureFormatsTest, RegistersTheTableInOrderSkippingToolkitAndExcludedFormats) {
    TPictureFormats formats;
    std::vector<TFilterItemType> table(MagickFormatTable.begin(), MagickFormatTable.end());
    table.push_back({"PDF", "RW", "Portable Document Format"});
    table.push_back({"PNG", "RW", "again"});
    RegisterMagickFormatTable(formats, table);
    EXPECT_EQ(formats.Extensions(), (QStringList{"gif", "jpeg", "jpg", "png", "tiff", "tif"}));
}

TEST_F(PictureFormatsTest, AnOverlongFilterStopsTheRegistration) {
    TPictureFormats formats;
    for (int i = 0; i < 80; ++i)
        formats.RegisterFileFormat(QStringLiteral("x%1").arg(i), QString(40, QLatin1Char('d')),
                                   {QStringLiteral("TBitmap"), nullptr});
    ASSERT_GT(formats.GraphicFilter().length(), MaxGraphicFilterLength);
    try {
        RegisterMagickFormats(formats);
        FAIL() << "registration went on past the filter limit";
    } catch (const EInvalidGraphic& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Not all ImageMagick formats can be previewed"));
    }
    EXPECT_EQ(formats.GraphicClassFor(QStringLiteral("gif")), nullptr);
}

TEST_F(PictureFormatsTest, OpensFilesByExtensionIgnoringCase) {
    TSandBox box;
    const QString png = box.WriteImage(QStringLiteral("x.PNG"), 33, 22);
    std::unique_ptr<TGraphic> picture = Formats().LoadPicture(png);
    ASSERT_NE(picture, nullptr);
    EXPECT_NE(dynamic_cast<TMagickImage*>(picture.get()), nullptr);
    EXPECT_EQ(picture->GetWidth(), 33);

    const QString jpg = box.WriteImage(QStringLiteral("y.jpg"), 12, 10);
    picture = Formats().LoadPicture(jpg);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(dynamic_cast<TMagickImage*>(picture.get()), nullptr);
    EXPECT_EQ(picture->GetHeight(), 10);
    EXPECT_EQ(Formats().LoadPicture(box.File(QStringLiteral("z.pdf"))), nullptr);
}

} // namespace
