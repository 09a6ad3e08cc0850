#include "MagickGeneral.h"

#include "Exceptions.h"
#include "ImageMagickAPI.h"
#include "MagickImage.h"
#include "Picture.h"

template <typename Table>
void RegisterMagickFormatTable(TPictureFormats& formats, const Table& table) {
    QString registered;
    const QString toolkit = QString::fromLatin1(ToolkitFormatsText);
    const QString excluded = QString::fromLatin1(PreviewExcludedText);
    for (const TFilterItemType& row : table) {
        const QString name = QString::fromLatin1(row.Name).toLower();
        const QString item = QLatin1Char('.') + name + QLatin1Char(';');
        if (toolkit.contains(item) || excluded.contains(item) || registered.contains(item))
            continue;
        if (formats.GraphicFilter().length() > MaxGraphicFilterLength)
            throw EInvalidGraphic(QStringLiteral("Not all ImageMagick formats can be previewed"));
        formats.RegisterFileFormat(
            name, QString::fromLatin1(MagickFormatDescription),
            {QStringLiteral("TMagickImage"), [] { return std::make_unique<TMagickImage>(); }});
        registered += item;
    }
}

template void RegisterMagickFormatTable(TPictureFormats&, const decltype(MagickFormatTable)&);
template void RegisterMagickFormatTable(TPictureFormats&, const std::vector<TFilterItemType>&);

void RegisterMagickFormats(TPictureFormats& formats) {
    RegisterMagickFormatTable(formats, MagickFormatTable);
}

TImageModule::TImageModule(TPictureFormats& formats) {
    ImageMagickAPI::ModuleStart();
    SetMagickLibraryLoaded(ImageMagickAPI::LoadMagickLibrary(QString()));
    RegisterMagickFormats(formats);
}

TImageModule::~TImageModule() {
    ImageMagickAPI::UnloadMagickLibrary();
    SetMagickLibraryLoaded(false);
    ImageMagickAPI::ModuleEnd();
}
