#pragma once

#include <QString>

#include <array>
#include <vector>

class TPictureFormats;

struct TFilterItemType {
    const char* Name;
    const char* Mode;
    const char* Description;
};

inline constexpr std::array<TFilterItemType, 9> MagickFormatTable = {{
    {"BMP", "RW", "Microsoft Windows bitmap"},
    {"GIF", "RW", "CompuServe Graphics Interchange Format"},
    {"ICO", "R", "Microsoft icon"},
    {"JPEG", "RW", "Joint Photographic Experts Group JFIF format"},
    {"JPG", "RW", "Joint Photographic Experts Group JFIF format"},
    {"PNG", "RW", "Portable Network Graphics"},
    {"TIFF", "RW", "Tagged Image File Format"},
    {"TIF", "RW", "Tagged Image File Format"},
    {"WMF", "RW", "Windows Metafile"},
}};

inline constexpr const char* ToolkitFormatsText = ".bmp;.ico;.wmf;.emf;";
inline constexpr const char* PreviewExcludedText =
    ".avi;.dpx;.epdf;.epi;.eps;.eps2;.eps3;.epsf;.epsi;.ept;.mng;.mpeg;.mpg;.m2v;.pdf;.ps;.ps2;."
    "ps3;";
inline constexpr const char* MagickFormatDescription = "Imagick Format";
inline constexpr int MaxGraphicFilterLength = 3998;

template <typename Table>
void RegisterMagickFormatTable(TPictureFormats& formats, const Table& table);

// Registers the image class for every table row the toolkit does not read itself.
void RegisterMagickFormats(TPictureFormats& formats);

// Binds the image library and registers its formats at start; releases it at the end.
class TImageModule {
public:
    explicit TImageModule(TPictureFormats& formats);
    ~TImageModule();
    TImageModule(const TImageModule&) = delete;
    TImageModule& operator=(const TImageModule&) = delete;
};
