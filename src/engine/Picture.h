#pragma once

#include "Graphic.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

// A picture class: what the picture framework creates for an extension.
struct TGraphicClass {
    QString Name;
    std::function<std::unique_ptr<TGraphic>()> Create;
};

// The picture framework: extension -> picture class. A later registration of an extension
// takes precedence over an earlier one; lookups ignore case.
class TPictureFormats {
public:
    void RegisterFileFormat(const QString& extension, const QString& description,
                            const TGraphicClass& graphicClass);

    // The class registered last for the extension, or none.
    const TGraphicClass* GraphicClassFor(const QString& extension) const;
    QString DescriptionFor(const QString& extension) const;
    // The combined file-dialog filter over every registered extension.
    QString GraphicFilter() const;
    QStringList Extensions() const;

    // Creates the picture for the file's extension and loads the file; none when the
    // extension is unknown. Errors of the picture class pass through.
    std::unique_ptr<TGraphic> LoadPicture(const QString& fileName) const;

private:
    struct TFormat {
        QString Extension;
        QString Description;
        TGraphicClass Class;
    };
    // The format registered last for the extension, or none.
    const TFormat* Find(const QString& extension) const;

    QList<TFormat> FFormats;
};

// The toolkit's own readers, registered before anything else.
void RegisterToolkitFormats(TPictureFormats& formats);
// The toolkit's JPEG and GIF classes, registered later in start-up than the image library.
void RegisterPlatformFormats(TPictureFormats& formats);
