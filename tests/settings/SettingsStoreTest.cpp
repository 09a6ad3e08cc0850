#include "IniFile.h"
#include "OptionLists.h"
#include "SettingsStore.h"
#include "DesktopFolder.h"
#include "TestSupport.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

TSettings Defaults() {
    TSettings settings;
    settings.OUTPUT_FOLDER = DefaultOutputFolder();
    return settings;
}

// A record in which every field differs from its default.
TSettings Changed() {
    TSettings s;
    s.JPG_QUALITY = 85;
    s.THUMB_WIDTH = 120;
    s.THUMB_HEIGHT = 90;
    s.MEDIUM_WIDTH = 400;
    s.MEDIUM_HEIGHT = 300;
    s.LARGE_WIDTH = 1024;
    s.LARGE_HEIGHT = 768;
    s.PROCESS_THUMB = false;
    s.PROCESS_MEDIUM = false;
    s.PROCESS_LARGE = false;
    s.RQ_HIGH = true;
    s.PREFIX_INCLUDED = false;
    s.EMAIL_DIMENSION = 0;
    s.OUTPUT_FOLDER = QStringLiteral("/srv/photos/Ausgabe für Web/");
    s.BORDER_USE = true;
    s.BORDER_COLOR = 0x00FF8000;
    s.BORDER_WIDTH = 7;
    s.OUTPUT_FORMAT = QStringLiteral("PNG");
    s.LIST_ICONS = 1;
    s.SHOW_PREVIEW = false;
    s.OPEN_AFTER_PROC = false;
    s.MAX_SIZE = 1200;
    s.CONN_SPEED = 1000000;
    s.PICTURE_TASK = false;
    s.XP_BAR = false;
    s.CUSTOM_PREFIX = QStringLiteral("web-");
    s.WATERMARK_ACTIVE = true;
    s.WATERMARK_FILE = QStringLiteral("/home/u/mark=1.png");
    s.WATERMARK_X = 20;
    s.WATERMARK_Y = 30;
    s.WATERMARK_OPERATOR = 31;
    s.ANNOTATION_FONT_NAME = QStringLiteral("/usr/share/fonts/x/DejaVuSans-Bold.ttf");
    s.ANNOTATION_FONT_SIZE = 22;
    s.ANNOTATION_FONT_COLOR = 255;
    s.ANNOTATION_X = 40;
    s.ANNOTATION_Y = 50;
    s.ANNOTATION_TEXT = QStringLiteral("© 2024 ; not a comment");
    s.ANNOTATION_ACTIVE = true;
    s.ANNOTATION_GRAVITY = 9;
    return s;
}

const QStringList ExpectedKeys = {
    "JPG_QUALITY",
    "THUMB_WIDTH",
    "THUMB_HEIGHT",
    "MEDIUM_WIDTH",
    "MEDIUM_HEIGHT",
    "LARGE_WIDTH",
    "LARGE_HEIGHT",
    "PROCESS_THUMB",
    "PROCESS_MEDIUM",
    "PROCESS_LARGE",
    "RQ_HIGH",
    "PREFIX_INCLUDED",
    "EMAIL_DIMENSION",
    "OUTPUT_FOLDER",
    "BORDER_USE",
    "BORDER_COLOR",
    "BORDER_WIDTH",
    "OUTPUT_FORMAT",
    "LIST_ICONS",
    "SHOW_PREVIEW",
    "OPEN_AFTER_PROC",
    "MAX_SIZE",
    "CONN_SPEED",
    "PICTURE_TASK",
    "XP_BAR",
    "CUSTOM_PREFIX",
    "WATERMARK_ACTIVE",
    "WATERMARK_FILE",
    "WATERMARK_X",
    "WATERMARK_Y",
    "WATERMARK_OPERATOR",
    "ANNOTATION_FONT_NAME",
    "ANNOTATION_FONT_SIZE",
    "ANNOTATION_FONT_COLOR",
    "ANNOTATION_X",
    "ANNOTATION_Y",
    "ANNOTATION_TEXT",
    "ANNOTATION_ACTIVE",
    "ANNOTATION_GRAVITY",
};

const QStringList BooleanKeys = {
    "PROCESS_THUMB",   "PROCESS_MEDIUM", "PROCESS_LARGE",    "RQ_HIGH",
    "PREFIX_INCLUDED", "BORDER_USE",     "SHOW_PREVIEW",     "OPEN_AFTER_PROC",
    "PICTURE_TASK",    "XP_BAR",         "WATERMARK_ACTIVE", "ANNOTATION_ACTIVE",
};

TEST(SettingsStore, NoFileGivesExactlyTheDefaults) {
    TSandBox box;
    TSettings settings = Changed();
    LoadSettings(settings, box.File(QStringLiteral("none.ini")));
    EXPECT_EQ(settings, Defaults());
    EXPECT_TRUE(settings.OUTPUT_FOLDER.endsWith(QLatin1Char('/')));
    EXPECT_TRUE(QFileInfo(settings.OUTPUT_FOLDER).isDir());
    EXPECT_FALSE(QFileInfo::exists(box.File(QStringLiteral("none.ini"))));
}

TEST(SettingsStore, FreshFileHoldsEveryKeyInOrder) {
    TSandBox box;
    const QString path = box.File(QStringLiteral("fresh.ini"));
    ASSERT_EQ(SettingsKeyNames(), ExpectedKeys);
    SaveSettings(Defaults(), path);

    const QList<QByteArray> lines = ReadAll(path).split('\n');
    ASSERT_EQ(lines.size(), ExpectedKeys.size() + 2); // the section line and a final break
    EXPECT_EQ(lines.first(), QByteArray("[Options]"));
    EXPECT_EQ(lines.last(), QByteArray());
    for (qsizetype i = 0; i < ExpectedKeys.size(); ++i) {
        const QByteArray line = lines[i + 1];
        SCOPED_TRACE(line.toStdString());
        const qsizetype equals = line.indexOf('=');
        EXPECT_EQ(QString::fromUtf8(line.left(equals)), ExpectedKeys[i]);
        if (BooleanKeys.contains(ExpectedKeys[i])) {
            EXPECT_TRUE(line.mid(equals + 1) == "1" || line.mid(equals + 1) == "0");
        }
    }
    EXPECT_EQ(lines[1], QByteArray("JPG_QUALITY=70"));
    EXPECT_EQ(lines[8], QByteArray("PROCESS_THUMB=1"));
    EXPECT_EQ(lines[11], QByteArray("RQ_HIGH=0"));
    EXPECT_EQ(lines[14], "OUTPUT_FOLDER=" + DefaultOutputFolder().toUtf8());
    EXPECT_EQ(lines[18], QByteArray("OUTPUT_FORMAT=JPG"));

    TSettings back = Changed();
    LoadSettings(back, path);
    EXPECT_EQ(back, Defaults());
}

TEST(SettingsStore, EveryFieldSurvivesASaveAndLoad) {
    TSandBox box;
    const QString path = box.File(QStringLiteral("all.ini"));
    SaveSettings(Changed(), path);
    TSettings back;
    LoadSettings(back, path);
    EXPECT_EQ(back, Changed());
}

TEST(SettingsStore, IncludeFlagsAreStoredIndependently) {
    TSandBox box;
    const QString path = box.File(QStringLiteral("flags.ini"));
    for (int bits = 0; bits < 8; ++bits) {
        SCOPED_TRACE(bits);
        TSettings settings = Defaults();
        settings.PROCESS_THUMB = bits & 1;
        settings.PROCESS_MEDIUM = bits & 2;
        settings.PROCESS_LARGE = bits & 4;
        SaveSettings(settings, path);
        TSettings back;
        LoadSettings(back, path);
        EXPECT_EQ(back.PROCESS_THUMB, settings.PROCESS_THUMB);
        EXPECT_EQ(back.PROCESS_MEDIUM, settings.PROCESS_MEDIUM);
        EXPECT_EQ(back.PROCESS_LARGE, settings.PROCESS_LARGE);
    }
}

TEST(SettingsStore, ValuesAreDecodedAsWritten) {
    struct TCase {
        const char* Line;
        std::function<bool(const TSettings&)> Holds;
    };
    const TCase cases[] = {
        {"JPG_QUALITY=0x50", [](const TSettings& s) { return s.JPG_QUALITY == 80; }},
        {"JPG_QUALITY=letters", [](const TSettings& s) { return s.JPG_QUALITY == 70; }},
        {"JPG_QUALITY=", [](const TSettings& s) { return s.JPG_QUALITY == 70; }},
        {"JPG_QUALITY=$5A", [](const TSettings& s) { return s.JPG_QUALITY == 90; }},
        {"JPG_QUALITY=250", [](const TSettings& s) { return s.JPG_QUALITY == 250; }},
        {"CONN_SPEED=-1", [](const TSettings& s) { return s.CONN_SPEED == -1; }},
        {"PROCESS_THUMB=0", [](const TSettings& s) { return !s.PROCESS_THUMB; }},
        {"PROCESS_THUMB=2", [](const TSettings& s) { return s.PROCESS_THUMB; }},
        {"RQ_HIGH=-1", [](const TSettings& s) { return s.RQ_HIGH; }},
        {"PROCESS_THUMB=yes", [](const TSettings& s) { return s.PROCESS_THUMB; }},
        {"RQ_HIGH=true", [](const TSettings& s) { return !s.RQ_HIGH; }},
        {"BORDER_COLOR=255", [](const TSettings& s) { return s.BORDER_COLOR == 0x0000FF; }},
        {"BORDER_COLOR=0xFF0000", [](const TSettings& s) { return s.BORDER_COLOR == 0xFF0000; }},
        {"LIST_ICONS=1", [](const TSettings& s) { return s.LIST_ICONS == 1; }},
        {"OUTPUT_FORMAT=", [](const TSettings& s) { return s.OUTPUT_FORMAT.isEmpty(); }},
        {"CUSTOM_PREFIX= web- ", [](const TSettings& s) { return s.CUSTOM_PREFIX == "web-"; }},
        {"OUTPUT_FOLDER=/data/out/",
         [](const TSettings& s) { return s.OUTPUT_FOLDER == "/data/out/"; }},
        {"Unknown=1", [](const TSettings& s) { return s == Defaults(); }},
    };
    TSandBox box;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Line);
        const QString path =
            box.WriteText(QStringLiteral("decode.ini"), QByteArray("[Options]\n") + c.Line + "\n");
        TSettings settings = Changed();
        LoadSettings(settings, path);
        EXPECT_TRUE(c.Holds(settings));
    }
}

TEST(SettingsStore, HandEditedFileReadsAndKeepsItsOtherParts) {
    TSandBox box;
    const QString path = box.WriteText(QStringLiteral("hand.ini"), "; my settings\r\n"
                                                                   "[Recent]\r\n"
                                                                   "File1=/tmp/a.jpg\r\n"
                                                                   "\r\n"
                                                                   "[Options]\r\n"
                                                                   "OUTPUT_FORMAT = GIF\r\n"
                                                                   "jpg_quality = 0x50\r\n"
                                                                   "; sizes follow\r\n"
                                                                   "PROCESS_MEDIUM=0\r\n"
                                                                   "\r\n"
                                                                   "[MainForm]\r\n"
                                                                   "WindowState=2\r\n");
    TSettings settings;
    LoadSettings(settings, path);
    TSettings expected = Defaults();
    expected.OUTPUT_FORMAT = QStringLiteral("GIF");
    expected.JPG_QUALITY = 80;
    expected.PROCESS_MEDIUM = false;
    EXPECT_EQ(settings, expected);

    SaveSettings(settings, path);
    const QByteArray saved = ReadAll(path);
    EXPECT_TRUE(saved.startsWith("; my settings\r\n"
                                 "[Recent]\r\n"
                                 "File1=/tmp/a.jpg\r\n"
                                 "\r\n"
                                 "[Options]\r\n"
                                 "OUTPUT_FORMAT=GIF\r\n"
                                 "jpg_quality=80\r\n"
                                 "; sizes follow\r\n"
                                 "PROCESS_MEDIUM=0\r\n"
                                 "THUMB_WIDTH=100\r\n"))
        << saved.toStdString();
    EXPECT_TRUE(saved.endsWith("ANNOTATION_GRAVITY=1\r\n"
                               "\r\n"
                               "[MainForm]\r\n"
                               "WindowState=2\r\n"))
        << saved.toStdString();
    EXPECT_EQ(saved.count("\r\n"), saved.count('\n'));
    TSettings back;
    LoadSettings(back, path);
    EXPECT_EQ(back, expected);
    EXPECT_EQ(TIniFile(path).ReadSection(OptionsSection).size(), ExpectedKeys.size());
}

TEST(SettingsStore, RefusedSaveRaisesAndKeepsTheOldFile) {
    TSandBox box;
    const QString path = box.File(QStringLiteral("locked.ini"));
    SaveSettings(Defaults(), path);
    const QByteArray before = ReadAll(path);
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
    try {
        SaveSettings(Changed(), path);
        ADD_FAILURE() << "no error raised";
    } catch (const EIniFileException& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Unable to write to ") + path);
    }
    EXPECT_EQ(ReadAll(path), before);
}

TEST(SettingsStore, ProgramFileIsBesideTheExecutable) {
    EXPECT_EQ(SettingsFilePath(),
              QCoreApplication::applicationDirPath() + QLatin1Char('/') +
                  QFileInfo(QCoreApplication::applicationFilePath()).fileName() +
                  QStringLiteral(".ini"));
}

TEST(WindowPlacement, ReadsStateFirstAndBoundsOnlyWhenNormal) {
    struct TCase {
        const char* Name;
        QByteArray File;
        int State;
        std::optional<QRect> Bounds;
        bool FastOptions;
    };
    const QSize screen(1920, 1080);
    const TCase cases[] = {
        {"no section", "[Options]\nJPG_QUALITY=1\n", 0, QRect(576, 275, 768, 530), true},
        {"normal", "[MainForm]\nWindowState=0\nLeft=10\nTop=20\nWidth=900\nHeight=700\n", 0,
         QRect(10, 20, 900, 700), true},
        {"some bounds", "[MainForm]\nLeft=-5\nHeight=x\nFastOptionsVisible=0\n", 0,
         QRect(-5, 275, 768, 530), false},
        {"maximized", "[MainForm]\nWindowState=2\nLeft=10\nTop=20\nWidth=900\nHeight=700\n", 2,
         std::nullopt, true},
        {"minimized", "[MainForm]\nWindowState=1\nLeft=10\nFastOptionsVisible=1\n", 1, std::nullopt,
         true},
        {"unknown state", "[MainForm]\nWindowState=7\nLeft=10\n", 0, QRect(10, 275, 768, 530),
         true},
    };
    TSandBox box;
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const QString path = box.WriteText(QStringLiteral("place.ini"), c.File);
        const TWindowPlacement placement = ReadWindowPlacement(path, screen);
        EXPECT_EQ(placement.WindowState, c.State);
        EXPECT_EQ(placement.NormalBounds, c.Bounds);
        EXPECT_EQ(placement.FastOptionsVisible, c.FastOptions);
    }
}

TEST(WindowPlacement, DefaultBoundsAreCentredWithTruncatingDivision) {
    EXPECT_EQ(DefaultWindowBounds(QSize(1024, 768)), QRect(128, 119, 768, 530));
    EXPECT_EQ(DefaultWindowBounds(QSize(767, 529)), QRect(0, 0, 768, 530));
    EXPECT_EQ(DefaultWindowBounds(QSize(765, 527)), QRect(-1, -1, 768, 530));
}

TEST(WindowPlacement, MaximizedCloseLeavesTheStoredBoundsAlone) {
    TSandBox box;
    const QString path = box.File(QStringLiteral("zv.ini"));
    SaveSettings(Defaults(), path);
    TWindowPlacement normal;
    normal.NormalBounds = QRect(30, 40, 800, 600);
    normal.FastOptionsVisible = false;
    WriteWindowPlacement(path, normal);
    const QByteArray afterNormal = ReadAll(path);
    EXPECT_TRUE(afterNormal.endsWith("\n[MainForm]\nWindowState=0\nLeft=30\nTop=40\nWidth=800\n"
                                     "Height=600\nFastOptionsVisible=0\n"))
        << afterNormal.toStdString();

    // Closed maximized, with other bounds on screen: only the state and the panel change.
    TWindowPlacement maximized;
    maximized.WindowState = TWindowPlacement::Maximized;
    maximized.NormalBounds = QRect(0, 0, 1920, 1080);
    WriteWindowPlacement(path, maximized);
    QByteArray expected = afterNormal;
    expected.replace("WindowState=0", "WindowState=2");
    expected.replace("FastOptionsVisible=0", "FastOptionsVisible=1");
    EXPECT_EQ(ReadAll(path), expected);

    const TWindowPlacement restarted = ReadWindowPlacement(path, QSize(1920, 1080));
    EXPECT_EQ(restarted.WindowState, TWindowPlacement::Maximized);
    EXPECT_FALSE(restarted.NormalBounds.has_value());
    EXPECT_TRUE(restarted.FastOptionsVisible);

    TSettings settings;
    LoadSettings(settings, path);
    EXPECT_EQ(settings, Defaults());
}

TEST(OptionLists, ItemTextsByIndex) {
    ASSERT_EQ(ComposeOperatorNames().size(), 32);
    ASSERT_EQ(GravityNames().size(), 11);
    const std::pair<int, const char*> operators[] = {
        {0, "Undefined"},    {1, "Over"}, {8, "Add"},     {13, "Copy"},
        {17, "CopyOpacity"}, {23, "No"},  {31, "Overlay"}};
    for (const auto& [index, name] : operators)
        EXPECT_EQ(ComposeOperatorNames()[index], QString::fromUtf8(name));
    const std::pair<int, const char*> gravities[] = {
        {0, "Forget"}, {1, "NorthWest"}, {5, "Center"}, {7, "SouthWest,"}, {10, "Static"}};
    for (const auto& [index, name] : gravities)
        EXPECT_EQ(GravityNames()[index], QString::fromUtf8(name));
}

} // namespace
