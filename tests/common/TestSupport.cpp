#include "TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <limits>

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

TPictureFormats& TMagickTest::Formats() {
    return *SuiteFormats;
}

TSandBox::TSandBox() {
    EXPECT_TRUE(FDir.isValid());
}

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

QByteArray ReadAll(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
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

QImage MakePhoto(int width, int height, quint32 seed) {
    QImage image(width, height, QImage::Format_RGB32);
    QRandomGenerator random(seed);
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int noise = static_cast<int>(random.bounded(24u)) - 12;
            const int r = 60 + 120 * x / width + noise;
            const int g = 90 + 100 * y / height + ((x / 7 + y / 5) % 9) * 3 + noise;
            const int b = 160 - 80 * (x + y) / (width + height) + noise;
            line[x] = qRgb(std::clamp(r, 0, 255), std::clamp(g, 0, 255), std::clamp(b, 0, 255));
        }
    }
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    for (int i = 0; i < 40; ++i) {
        painter.setBrush(QColor::fromHsv(static_cast<int>(random.bounded(360u)), 160, 200, 180));
        painter.setPen(QPen(Qt::black, 1 + width / 800));
        const int r = static_cast<int>(random.bounded(static_cast<quint32>(width / 6))) + 4;
        painter.drawEllipse(QPoint(static_cast<int>(random.bounded(static_cast<quint32>(width))),
                                   static_cast<int>(random.bounded(static_cast<quint32>(height)))),
                            r, r);
    }
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
