#include "SettingsStore.h"

#include "IniFile.h"
#include "DesktopFolder.h"

#include <QCoreApplication>

#include <variant>
#include <vector>

namespace {

using TField = std::variant<int TSettings::*, bool TSettings::*, QString TSettings::*,
                            TColor TSettings::*, quint8 TSettings::*>;

struct TKey {
    QString Name;
    TField Field;
};

#define ZV_KEY(name)                                                                               \
    TKey {                                                                                         \
        QStringLiteral(#name), &TSettings::name                                                    \
    }

const std::vector<TKey>& KeyTable() {
    static const std::vector<TKey> keys = {
        ZV_KEY(JPG_QUALITY),
        ZV_KEY(THUMB_WIDTH),
        ZV_KEY(THUMB_HEIGHT),
        ZV_KEY(MEDIUM_WIDTH),
        ZV_KEY(MEDIUM_HEIGHT),
        ZV_KEY(LARGE_WIDTH),
        ZV_KEY(LARGE_HEIGHT),
        ZV_KEY(PROCESS_THUMB),
        ZV_KEY(PROCESS_MEDIUM),
        ZV_KEY(PROCESS_LARGE),
        ZV_KEY(RQ_HIGH),
        ZV_KEY(PREFIX_INCLUDED),
        ZV_KEY(EMAIL_DIMENSION),
        ZV_KEY(OUTPUT_FOLDER),
        ZV_KEY(BORDER_USE),
        ZV_KEY(BORDER_COLOR),
        ZV_KEY(BORDER_WIDTH),
        ZV_KEY(OUTPUT_FORMAT),
        ZV_KEY(LIST_ICONS),
        ZV_KEY(SHOW_PREVIEW),
        ZV_KEY(OPEN_AFTER_PROC),
        ZV_KEY(MAX_SIZE),
        ZV_KEY(CONN_SPEED),
        ZV_KEY(PICTURE_TASK),
        ZV_KEY(XP_BAR),
        ZV_KEY(CUSTOM_PREFIX),
        ZV_KEY(WATERMARK_ACTIVE),
        ZV_KEY(WATERMARK_FILE),
        ZV_KEY(WATERMARK_X),
        ZV_KEY(WATERMARK_Y),
        ZV_KEY(WATERMARK_OPERATOR),
        ZV_KEY(ANNOTATION_FONT_NAME),
        ZV_KEY(ANNOTATION_FONT_SIZE),
        ZV_KEY(ANNOTATION_FONT_COLOR),
        ZV_KEY(ANNOTATION_X),
        ZV_KEY(ANNOTATION_Y),
        ZV_KEY(ANNOTATION_TEXT),
        ZV_KEY(ANNOTATION_ACTIVE),
        ZV_KEY(ANNOTATION_GRAVITY),
    };
    return keys;
}

#undef ZV_KEY

template <class... Ts> struct TOverloaded : Ts... { using Ts::operator()...; };

void ReadKey(const TIniFile& ini, const TKey& key, const TSettings& defaults, TSettings& settings) {
    std::visit(TOverloaded{
                   [&](int TSettings::*f) {
                       settings.*f = ini.ReadInteger(OptionsSection, key.Name, defaults.*f);
                   },
                   [&](bool TSettings::*f) {
                       settings.*f = ini.ReadBool(OptionsSection, key.Name, defaults.*f);
                   },
                   [&](QString TSettings::*f) {
                       settings.*f = ini.ReadString(OptionsSection, key.Name, defaults.*f);
                   },
                   // Colours are held as the integer the file stores, bit for bit.
                   [&](TColor TSettings::*f) {
                       settings.*f = static_cast<TColor>(ini.ReadInteger(
                           OptionsSection, key.Name, static_cast<int>(defaults.*f)));
                   },
                   [&](quint8 TSettings::*f) {
                       settings.*f = static_cast<quint8>(
                           ini.ReadInteger(OptionsSection, key.Name, defaults.*f));
                   },
               },
               key.Field);
}

void WriteKey(TIniFile& ini, const TKey& key, const TSettings& settings) {
    std::visit(
        TOverloaded{
            [&](int TSettings::*f) { ini.WriteInteger(OptionsSection, key.Name, settings.*f); },
            [&](bool TSettings::*f) { ini.WriteBool(OptionsSection, key.Name, settings.*f); },
            [&](QString TSettings::*f) { ini.WriteString(OptionsSection, key.Name, settings.*f); },
            [&](TColor TSettings::*f) {
                ini.WriteInteger(OptionsSection, key.Name, static_cast<int>(settings.*f));
            },
            [&](quint8 TSettings::*f) { ini.WriteInteger(OptionsSection, key.Name, settings.*f); },
        },
        key.Field);
}

const QString WindowStateKey = QStringLiteral("WindowState");
const QString LeftKey = QStringLiteral("Left");
const QString TopKey = QStringLiteral("Top");
const QString WidthKey = QStringLiteral("Width");
const QString HeightKey = QStringLiteral("Height");
const QString FastOptionsVisibleKey = QStringLiteral("FastOptionsVisible");

constexpr int DefaultWindowWidth = 768;
constexpr int DefaultWindowHeight = 530;

} // namespace

const QStringList& SettingsKeyNames() {
    static const QStringList names = [] {
        QStringList list;
        for (const TKey& key : KeyTable())
            list << key.Name;
        return list;
    }();
    return names;
}

QString SettingsFilePath() {
    const QString exe = QCoreApplication::applicationFilePath();
    const qsizetype slash = exe.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = exe.lastIndexOf(QLatin1Char('.'));
    return (dot > slash ? exe.left(dot) : exe) + QStringLiteral(".ini");
}

void LoadSettings(TSettings& settings, const QString& iniPath) {
    LoadSettings(settings, TIniFile(iniPath));
}

void LoadSettings(TSettings& settings, const TIniFile& ini) {
    TSettings defaults;
    defaults.OUTPUT_FOLDER = DefaultOutputFolder();
    for (const TKey& key : KeyTable())
        ReadKey(ini, key, defaults, settings);
}

void SaveSettings(const TSettings& settings, const QString& iniPath) {
    TIniFile ini(iniPath);
    for (const TKey& key : KeyTable())
        WriteKey(ini, key, settings);
    ini.UpdateFile();
}

QRect DefaultWindowBounds(QSize screen) {
    // Division truncates toward zero, also for a screen smaller than the window.
    return QRect((screen.width() - DefaultWindowWidth) / 2,
                 (screen.height() - DefaultWindowHeight) / 2, DefaultWindowWidth,
                 DefaultWindowHeight);
}

TWindowPlacement ReadWindowPlacement(const QString& iniPath, QSize screen) {
    return ReadWindowPlacement(TIniFile(iniPath), screen);
}

TWindowPlacement ReadWindowPlacement(const TIniFile& ini, QSize screen) {
    TWindowPlacement placement;
    placement.WindowState =
        ini.ReadInteger(MainFormSection, WindowStateKey, TWindowPlacement::Normal);
    if (placement.WindowState < TWindowPlacement::Normal ||
        placement.WindowState > TWindowPlacement::Maximized)
        placement.WindowState = TWindowPlacement::Normal;
    if (placement.WindowState == TWindowPlacement::Normal) {
        const QRect def = DefaultWindowBounds(screen);
        placement.NormalBounds = QRect(ini.ReadInteger(MainFormSection, LeftKey, def.left()),
                                       ini.ReadInteger(MainFormSection, TopKey, def.top()),
                                       ini.ReadInteger(MainFormSection, WidthKey, def.width()),
                                       ini.ReadInteger(MainFormSection, HeightKey, def.height()));
    }
    placement.FastOptionsVisible = ini.ReadBool(MainFormSection, FastOptionsVisibleKey, true);
    return placement;
}

void WriteWindowPlacement(const QString& iniPath, const TWindowPlacement& placement) {
    TIniFile ini(iniPath);
    ini.WriteInteger(MainFormSection, WindowStateKey, placement.WindowState);
    if (placement.WindowState == TWindowPlacement::Normal && placement.NormalBounds) {
        const QRect& bounds = *placement.NormalBounds;
        ini.WriteInteger(MainFormSection, LeftKey, bounds.left());
        ini.WriteInteger(MainFormSection, TopKey, bounds.top());
        ini.WriteInteger(MainFormSection, WidthKey, bounds.width());
        ini.WriteInteger(MainFormSection, HeightKey, bounds.height());
    }
    ini.WriteBool(MainFormSection, FastOptionsVisibleKey, placement.FastOptionsVisible);
    ini.UpdateFile();
}
