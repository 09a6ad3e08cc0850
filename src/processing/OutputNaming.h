#pragma once

#include "Settings.h"

#include <QString>

class TMagickImage;

// The folder under the output folder that holds one sub-folder per size.
inline constexpr const char* ResizedImagesFolder = "Resized Images";

// The sub-folder and the fixed file-name prefix of each size index.
QString SizeFolderName(int sizeIndex);
QString SizePrefix(int sizeIndex);

// The output file name for a source: the prefix of the size (or the custom one) plus the
// source's name with the output format's extension.
QString OutputFileName(const TSettings& settings, const QString& sourcePath, int sizeIndex);

// Writes the image under the output folder of its size and returns the path it was written
// to; an empty text when a folder could not be made (nothing is written then). The path is
// returned even when the image library writes nothing; `written` tells whether a file was.
QString SaveOutputImage(TMagickImage& image, const TSettings& settings, const QString& sourcePath,
                        int sizeIndex, bool screenSaverMode, bool* written = nullptr);
