#include "TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>

namespace ZVTest {

namespace {
std::unique_ptr<TPictureFormats> SuiteFormats;
std::unique_ptr<TImageModule> SuiteModule;
} // namespace

void TMagickTest::SetUpTestSuite() {
    SuiteFormats = std::make_unique<TPictureFormats>();
    RegisterToolkitFormats(*SuiteFormats);
    SuiteModule = std::make_unique<TImageModule>(*SuiteFormats);
    RegisterPlatformFormats(*SuiteFormats);
}

void TMagickTest::TearDownTestSuite() {
    SuiteModule.reset();
    SuiteFormats.reset();
}

TPictureFormats& TMagickTest::Formats() { return *SuiteFormats; }

TSandBox::TSandBox() { EXPECT_TRUE(FDir.isValid()); }

void TSandBox::Fill(const QStringList& relativePaths) const {
    for (const QString& relative : relativePaths) {
        const QString path = File(relative);
        if (relative.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(path);
            continue;
        }
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    }
}

QString TSandBox::WriteImage(const QString& relative, int width, int height,
                             const QColor& colour) const {
    const QString path = File(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    EXPECT_TRUE(MakeImage(width, height, colour).save(path)) << path.toStdString();
    return path;
}

QString TSandBox::WriteText(const QString& relative, const QByteArray& content) const {
    const QString path = File(relative);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
    return path;
}

QImage MakeImage(int width, int height, const QColor& colour) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, colour);
    gradient.setColorAt(1, colour.darker(150));
    painter.fillRect(image.rect(), gradient);
    return image;
}

QRect ChangedArea(const QImage& a, const QImage& b) {
    QRect area;
    if (a.size() != b.size())
        return QRect(QPoint(0, 0), a.size().expandedTo(b.size()));
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    for (int r = 0; r < x.height(); ++r)
        for (int c = 0; c < x.width(); ++c)
            if (x.pixel(c, r) != y.pixel(c, r))
                area |= QRect(c, r, 1, 1);
    return area;
}

QString TestFontFile(const QString& fileName) {
    return QString::fromLocal8Bit(qgetenv("ZV_TEST_FONT_DIR")) + QLatin1Char('/') + fileName;
}

} // namespace ZVTest
