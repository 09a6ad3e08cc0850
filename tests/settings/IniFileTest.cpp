#include "IniFile.h"
#include "TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>
#include <limits>

using namespace ZVTest;

namespace {

TEST(ParseIniInteger, AcceptsDecimalAndHexadecimalWithSign) {
    struct TCase {
        const char* Text;
        std::optional<int> Expected;
    };
    const TCase cases[] = {
        {"80", 80},
        {"0x50", 80},
        {"0X50", 80},
        {"$50", 80},
        {"$ff", 255},
        {"-5", -5},
        {"+7", 7},
        {"-$10", -16},
        {"-0x10", -16},
        {"  12  ", 12},
        {"007", 7},
        {"2147483647", std::numeric_limits<int>::max()},
        {"-2147483648", std::numeric_limits<int>::min()},
        {"$FFFFFFFF", -1},
        {"", std::nullopt},
        {"letters", std::nullopt},
        {"12abc", std::nullopt},
        {"1 2", std::nullopt},
        {"1.5", std::nullopt},
        {"0x", std::nullopt},
        {"$", std::nullopt},
        {"-", std::nullopt},
        {"x50", std::nullopt},
        {"2147483648", std::nullopt},
        {"0x100000000", std::nullopt},
        {"99999999999999999999", std::nullopt},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Text);
        EXPECT_EQ(ParseIniInteger(QString::fromUtf8(c.Text)), c.Expected);
    }
}

TEST(IniFile, ReadsAFileEditedByHand) {
    TSandBox box;
    const QString path = box.WriteText(QStringLiteral("hand.ini"), "\xEF\xBB\xBF; made by hand\r\n"
                                                                   "[Other]\r\n"
                                                                   "JPG_QUALITY=5\r\n"
                                                                   "\r\n"
                                                                   "  [ options ]  \r\n"
                                                                   "# a comment = not a key\r\n"
                                                                   "jpg_quality =  0x50  \r\n"
                                                                   "OUTPUT_FORMAT\t=\tPNG\r\n"
                                                                   "CUSTOM_PREFIX=\r\n"
                                                                   "ANNOTATION_TEXT=a = b\r\n"
                                                                   "no equals sign here\r\n"
                                                                   "JPG_QUALITY=99\r\n");
    const TIniFile ini(path);
    struct TCase {
        const char* Section;
        const char* Key;
        const char* Expected;
    };
    const TCase cases[] = {
        {"Options", "JPG_QUALITY", "0x50"},      {"OPTIONS", "Jpg_Quality", "0x50"},
        {"Options", "OUTPUT_FORMAT", "PNG"},     {"Options", "CUSTOM_PREFIX", ""},
        {"Options", "ANNOTATION_TEXT", "a = b"}, {"Other", "JPG_QUALITY", "5"},
        {"Options", "# a comment", "missing"},   {"Options", "no equals sign here", "missing"},
        {"Missing", "JPG_QUALITY", "missing"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(std::string(c.Section) + "/" + c.Key);
        EXPECT_EQ(ini.ReadString(QString::fromUtf8(c.Section), QString::fromUtf8(c.Key),
                                 QStringLiteral("missing")),
                  QString::fromUtf8(c.Expected));
    }
    EXPECT_EQ(ini.ReadInteger(QStringLiteral("Options"), QStringLiteral("JPG_QUALITY"), 70), 80);
    EXPECT_EQ(ini.ReadSection(QStringLiteral("Options")),
              (QStringList{QStringLiteral("jpg_quality"), QStringLiteral("OUTPUT_FORMAT"),
                           QStringLiteral("CUSTOM_PREFIX"), QStringLiteral("ANNOTATION_TEXT")}));
    EXPECT_TRUE(ini.SectionExists(QStringLiteral("other")));
    EXPECT_FALSE(ini.ValueExists(QStringLiteral("Other"), QStringLiteral("OUTPUT_FORMAT")));
}

TEST(IniFile, SaveChangesOnlyWhatWasWritten) {
    TSandBox box;
    const QString path = box.WriteText(QStringLiteral("keep.ini"), "; top comment\r\n"
                                                                   "[Options]\r\n"
                                                                   "B = 2\r\n"
                                                                   "; between\r\n"
                                                                   "a=1\r\n"
                                                                   "\r\n"
                                                                   "[MainForm]\r\n"
                                                                   "Left=3\r\n");
    TIniFile ini(path);
    ini.WriteInteger(QStringLiteral("options"), QStringLiteral("A"), 10);
    ini.WriteString(QStringLiteral("Options"), QStringLiteral("C"), QStringLiteral("new"));
    ini.WriteBool(QStringLiteral("Extra"), QStringLiteral("On"), true);
    ini.UpdateFile();
    EXPECT_EQ(ReadAll(path), QByteArray("; top comment\r\n"
                                        "[Options]\r\n"
                                        "B = 2\r\n"
                                        "; between\r\n"
                                        "a=10\r\n"
                                        "C=new\r\n"
                                        "\r\n"
                                        "[MainForm]\r\n"
                                        "Left=3\r\n"
                                        "\r\n"
                                        "[Extra]\r\n"
                                        "On=1\r\n"));
}

TEST(IniFile, NewFileIsCreatedByTheFirstWrite) {
    TSandBox box;
    const QString path = box.File(QStringLiteral("fresh.ini"));
    TIniFile ini(path);
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Options")));
    ini.WriteString(QStringLiteral("Options"), QStringLiteral("K"), QStringLiteral("v"));
    ini.WriteBool(QStringLiteral("Options"), QStringLiteral("F"), false);
    ini.UpdateFile();
    EXPECT_EQ(ReadAll(path), QByteArray("[Options]\nK=v\nF=0\n"));
}

TEST(IniFile, ValuesStayOnOneLineAndLongStringsAreCut) {
    TSandBox box;
    const QString path = box.File(QStringLiteral("values.ini"));
    const QString longText(3000, QLatin1Char('x'));
    {
        TIniFile ini(path);
        ini.WriteString(QStringLiteral("Options"), QStringLiteral("TEXT"),
                        QStringLiteral("one\n[Evil]\r\nOUTPUT_FOLDER=/etc/"));
        ini.WriteString(QStringLiteral("Options"), QStringLiteral("LONG"), longText);
        ini.WriteString(QStringLiteral("Options"), QStringLiteral("UNICODE"),
                        QStringLiteral("Straße ✓"));
        ini.UpdateFile();
    }
    const TIniFile ini(path);
    EXPECT_FALSE(ini.SectionExists(QStringLiteral("Evil")));
    EXPECT_EQ(
        ini.ReadSection(QStringLiteral("Options")),
        (QStringList{QStringLiteral("TEXT"), QStringLiteral("LONG"), QStringLiteral("UNICODE")}));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Options"), QStringLiteral("TEXT"), QString()),
              QStringLiteral("one [Evil]  OUTPUT_FOLDER=/etc/"));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Options"), QStringLiteral("LONG"), QString()),
              longText.left(TIniFile::MaxStringLength));
    EXPECT_EQ(ini.ReadString(QStringLiteral("Options"), QStringLiteral("UNICODE"), QString()),
              QStringLiteral("Straße ✓"));
}

TEST(IniFile, RefusedWriteRaisesAndKeepsTheOldFile) {
    const QByteArray old = "[Options]\nJPG_QUALITY=40\n";
    const auto readOnlyFolder = QFileDevice::ReadOwner | QFileDevice::ExeOwner;
    struct TCase {
        const char* Name;
        std::function<QString(const TSandBox&)> Prepare; // gives the INI path
    };
    const TCase cases[] = {
        {"read-only file",
         [&](const TSandBox& box) {
             const QString path = box.WriteText(QStringLiteral("zv.ini"), old);
             EXPECT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner));
             return path;
         }},
        {"read-only folder",
         [&](const TSandBox& box) {
             const QString path = box.WriteText(QStringLiteral("ro/zv.ini"), old);
             EXPECT_TRUE(QFile::setPermissions(box.File(QStringLiteral("ro")), readOnlyFolder));
             return path;
         }},
        {"missing folder",
         [](const TSandBox& box) { return box.File(QStringLiteral("missing/zv.ini")); }},
        {"folder in the way",
         [](const TSandBox& box) {
             box.Fill({QStringLiteral("zv.ini/")});
             return box.File(QStringLiteral("zv.ini"));
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSandBox box;
        const QString path = c.Prepare(box);
        const QString folder = QFileInfo(path).absolutePath();
        const QStringList before = QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);

        TIniFile ini(path);
        ini.WriteInteger(QStringLiteral("Options"), QStringLiteral("JPG_QUALITY"), 90);
        try {
            ini.UpdateFile();
            ADD_FAILURE() << "no error raised";
        } catch (const EIniFileException& e) {
            EXPECT_EQ(e.Message(), QStringLiteral("Unable to write to ") + path);
        }
        // Nothing left behind: no temporary file, the old file as it was.
        EXPECT_EQ(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), before);
        if (QFileInfo(path).isFile()) {
            EXPECT_EQ(ReadAll(path), old);
        }
        if (QFileInfo(folder).isDir())
            QFile::setPermissions(folder, readOnlyFolder | QFileDevice::WriteOwner);
    }
}

TEST(IniFile, SaveKeepsTheFilePermissions) {
    TSandBox box;
    const QString path = box.WriteText(QStringLiteral("private.ini"), "[Options]\nA=1\n");
    const auto permissions = QFileDevice::ReadOwner | QFileDevice::WriteOwner;
    ASSERT_TRUE(QFile::setPermissions(path, permissions));
    TIniFile ini(path);
    ini.WriteInteger(QStringLiteral("Options"), QStringLiteral("A"), 2);
    ini.UpdateFile();
    EXPECT_EQ(QFile::permissions(path) &
                  ~(QFileDevice::ReadUser | QFileDevice::WriteUser | QFileDevice::ExeUser),
              permissions);
    EXPECT_EQ(ReadAll(path), QByteArray("[Options]\nA=2\n"));
}

} // namespace
