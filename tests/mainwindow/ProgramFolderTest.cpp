#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace {

QByteArray Content(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the program expects beside it after a build.
TEST(ProgramFolderTest, IconFilesHelpAndScannerFolderLieBesideTheProgram) {
    const QDir program(QStringLiteral(ZV_PROGRAM_DIR));
    const QDir resources(QStringLiteral(ZV_RESOURCES_DIR));
    for (const char* name :
         {"xpzvicons32.png", "xpzvicons16.png", "zvicons32.png", "zvicons16.png"}) {
        const QByteArray copied = Content(program.filePath(QLatin1String(name)));
        EXPECT_FALSE(copied.isEmpty()) << name;
        EXPECT_EQ(copied, Content(resources.filePath(QLatin1String(name)))) << name;
    }
    const QString help =
        QString::fromUtf8(Content(program.filePath(QStringLiteral("help/index.htm"))));
    EXPECT_TRUE(help.contains(QStringLiteral("<title>Zoravel Pro Help</title>")));
    // The help names every command of the tool bar.
    for (const char* command :
         {"Add file", "Add folder", "Remove", "Clear all", "Options", "Preview", "Process", "Stop",
          "Process &amp; Email", "Screen Saver", "Wizard"})
        EXPECT_TRUE(help.contains(QLatin1String(command))) << command;
    EXPECT_TRUE(QFileInfo(program.filePath(QStringLiteral("twain"))).isDir());
}

} // namespace
