#include "FontConfig.h"

#include <QFileInfo>

#include <fontconfig/fontconfig.h>

#include <memory>
#include <tuple>

namespace {

struct TPatternDeleter {
    void operator()(FcPattern* pattern) const { FcPatternDestroy(pattern); }
};
struct TObjectSetDeleter {
    void operator()(FcObjectSet* set) const { FcObjectSetDestroy(set); }
};
struct TFontSetDeleter {
    void operator()(FcFontSet* set) const { FcFontSetDestroy(set); }
};
using TPattern = std::unique_ptr<FcPattern, TPatternDeleter>;
using TObjectSet = std::unique_ptr<FcObjectSet, TObjectSetDeleter>;
using TFontSet = std::unique_ptr<FcFontSet, TFontSetDeleter>;

bool Initialised() {
    return FcInit() == FcTrue;
}

QString StringOf(FcPattern* pattern, const char* object) {
    FcChar8* value = nullptr;
    if (FcPatternGetString(pattern, object, 0, &value) != FcResultMatch || !value)
        return {};
    return QString::fromUtf8(reinterpret_cast<const char*>(value));
}

TFontFile FontFileOf(FcPattern* pattern) {
    TFontFile font;
    font.Path = StringOf(pattern, FC_FILE);
    font.Family = StringOf(pattern, FC_FAMILY);
    int weight = FC_WEIGHT_REGULAR;
    FcPatternGetInteger(pattern, FC_WEIGHT, 0, &weight);
    int slant = FC_SLANT_ROMAN;
    FcPatternGetInteger(pattern, FC_SLANT, 0, &slant);
    font.Bold = weight >= FC_WEIGHT_BOLD;
    font.Italic = slant != FC_SLANT_ROMAN;
    return font;
}

} // namespace

QString MatchFontFile(const QString& family, bool bold, bool italic) {
    if (!Initialised())
        return {};
    TPattern pattern(FcPatternCreate());
    if (!pattern)
        return {};
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern.get(), FC_FAMILY,
                       reinterpret_cast<const FcChar8*>(name.constData()));
    FcPatternAddInteger(pattern.get(), FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    // Only outline fonts: the image library draws with the file, at any size.
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern);
    FcDefaultSubstitute(pattern.get());
    FcResult result = FcResultNoMatch;
    TPattern match(FcFontMatch(nullptr, pattern.get(), &result));
    if (!match)
        return {};
    const QString path = StringOf(match.get(), FC_FILE);
    // A file name is all the image library can use.
    return QFileInfo(path).isFile() ? path : QString();
}

std::optional<TFontFile> FindInstalledFont(const QString& path) {
    const QString fileName = QFileInfo(path).fileName();
    if (fileName.isEmpty() || !Initialised())
        return std::nullopt;
    TPattern all(FcPatternCreate());
    TObjectSet objects(
        FcObjectSetBuild(FC_FILE, FC_INDEX, FC_FAMILY, FC_WEIGHT, FC_SLANT, nullptr));
    if (!all || !objects)
        return std::nullopt;
    TFontSet fonts(FcFontList(nullptr, all.get(), objects.get()));
    if (!fonts)
        return std::nullopt;
    // fontconfig lists in no fixed order: the exact path wins, then the first path in sort
    // order, and within a collection file its first face.
    FcPattern* best = nullptr;
    std::tuple<bool, QString, int> bestKey;
    for (int i = 0; i < fonts->nfont; ++i) {
        FcPattern* font = fonts->fonts[i];
        const QString file = StringOf(font, FC_FILE);
        if (QFileInfo(file).fileName().compare(fileName, Qt::CaseInsensitive) != 0)
            continue;
        int index = 0;
        FcPatternGetInteger(font, FC_INDEX, 0, &index);
        const std::tuple<bool, QString, int> key{file != path, file, index};
        if (!best || key < bestKey) {
            best = font;
            bestKey = key;
        }
    }
    if (!best)
        return std::nullopt;
    return FontFileOf(best);
}
