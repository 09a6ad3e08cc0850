#include "Picture.h"

#include <QFileInfo>

void TPictureFormats::RegisterFileFormat(const QString& extension, const QString& description,
                                         const TGraphicClass& graphicClass) {
    FFormats.append({extension.toLower(), description, graphicClass});
}

const TPictureFormats::TFormat* TPictureFormats::Find(const QString& extension) const {
    const QString ext = extension.toLower();
    for (auto it = FFormats.crbegin(); it != FFormats.crend(); ++it)
        if (it->Extension == ext)
            return &*it;
    return nullptr;
}

const TGraphicClass* TPictureFormats::GraphicClassFor(const QString& extension) const {
    const TFormat* format = Find(extension);
    return format ? &format->Class : nullptr;
}

QString TPictureFormats::DescriptionFor(const QString& extension) const {
    const TFormat* format = Find(extension);
    return format ? format->Description : QString();
}

QString TPictureFormats::GraphicFilter() const {
    QStringList masks;
    QStringList parts;
    for (const TFormat& f : FFormats) {
        const QString mask = QStringLiteral("*.") + f.Extension;
        masks.append(mask);
        parts.append(QStringLiteral("%1 (%2)|%2").arg(f.Description, mask));
    }
    if (masks.isEmpty())
        return {};
    const QString all = masks.join(QLatin1Char(';'));
    return QStringLiteral("All (%1)|%1|").arg(all) + parts.join(QLatin1Char('|'));
}

QStringList TPictureFormats::Extensions() const {
    QStringList result;
    for (const TFormat& f : FFormats)
        if (!result.contains(f.Extension))
            result.append(f.Extension);
    return result;
}

std::unique_ptr<TGraphic> TPictureFormats::LoadPicture(const QString& fileName) const {
    const TGraphicClass* graphicClass = GraphicClassFor(QFileInfo(fileName).suffix());
    if (!graphicClass)
        return nullptr;
    std::unique_ptr<TGraphic> graphic = graphicClass->Create();
    graphic->LoadFromFile(fileName);
    return graphic;
}

namespace {

TGraphicClass ToolkitClass(const QString& name) {
    return {name, [] { return std::make_unique<TToolkitGraphic>(); }};
}

} // namespace

void RegisterToolkitFormats(TPictureFormats& formats) {
    formats.RegisterFileFormat(QStringLiteral("bmp"), QStringLiteral("Bitmaps"),
                               ToolkitClass(QStringLiteral("TBitmap")));
    formats.RegisterFileFormat(QStringLiteral("ico"), QStringLiteral("Icons"),
                               ToolkitClass(QStringLiteral("TIcon")));
    formats.RegisterFileFormat(QStringLiteral("emf"), QStringLiteral("Enhanced Metafiles"),
                               ToolkitClass(QStringLiteral("TMetafile")));
    formats.RegisterFileFormat(QStringLiteral("wmf"), QStringLiteral("Metafiles"),
                               ToolkitClass(QStringLiteral("TMetafile")));
}

void RegisterPlatformFormats(TPictureFormats& formats) {
    formats.RegisterFileFormat(QStringLiteral("jpeg"), QStringLiteral("JPEG Image File"),
                               ToolkitClass(QStringLiteral("TJPEGImage")));
    formats.RegisterFileFormat(QStringLiteral("jpg"), QStringLiteral("JPEG Image File"),
                               ToolkitClass(QStringLiteral("TJPEGImage")));
    formats.RegisterFileFormat(QStringLiteral("gif"), QStringLiteral("GIF Image"),
                               ToolkitClass(QStringLiteral("TGIFImage")));
}
