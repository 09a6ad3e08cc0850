#pragma once

#include "MagickGeneral.h"
#include "Measures.h"
#include "Picture.h"

#include <QColor>
#include <QDir>
#include <QImage>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace ZVTest {

// Binds the image library once for every test of a suite that derives from it.
class TMagickTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    static TPictureFormats& Formats();
};

// A temporary folder that can be filled from a list of relative paths.
class TSandBox {
public:
    TSandBox();
    QString Path() const { return FDir.path(); }
    QString File(const QString& relative) const { return FDir.filePath(relative); }
    // Paths ending in "/" become folders, the rest empty files (parents made as needed).
    void Fill(const QStringList& relativePaths) const;
    // Writes a solid image of the given size; the extension picks the format.
    QString WriteImage(const QString& relative, int width, int height,
                       const QColor& colour = QColor(40, 120, 200)) const;
    QString WriteText(const QString& relative, const QByteArray& content) const;

private:
    QTemporaryDir FDir;
};

// The whole content of a file; a file that cannot be opened fails the test and reads as empty.
QByteArray ReadAll(const QString& path);

// A solid-colour image with a small gradient so that encoders have something to keep.
QImage MakeImage(int width, int height, const QColor& colour = QColor(40, 120, 200));

// The bounding box of pixels that differ between two images of the same size.
QRect ChangedArea(const QImage& a, const QImage& b);

// A picture with the detail of a photograph: gradients, shapes, fine texture and noise.
QImage MakePhoto(int width, int height, quint32 seed = 1);

// The font folder of the fixed test font set.
QString TestFontFile(const QString& fileName);

} // namespace ZVTest
