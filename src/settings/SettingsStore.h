#pragma once

#include "Settings.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

class TIniFile;

// The section names of the INI file.
inline const QString OptionsSection = QStringLiteral("Options");
inline const QString MainFormSection = QStringLiteral("MainForm");

// The keys of the section "Options", in the order they are read and written.
const QStringList& SettingsKeyNames();

// The program's INI file: the executable's path with the extension ".ini".
QString SettingsFilePath();

// Fills every field from the file, each absent or unreadable value with its default; the
// default output folder is found anew on every load. A missing file reads as all defaults.
void LoadSettings(TSettings& settings, const QString& iniPath);
// The same from a file already read, so that one reading serves every part of the start-up.
void LoadSettings(TSettings& settings, const TIniFile& ini);

// Writes every key of the record, other sections of the file kept. Raises
// EIniFileException "Unable to write to %s" and leaves the file as it was when the
// file or its folder cannot be written.
void SaveSettings(const TSettings& settings, const QString& iniPath);

// The main window's placement, kept apart from the settings.
struct TWindowPlacement {
    enum TState : int { Normal = 0, Minimized = 1, Maximized = 2 };
    int WindowState = Normal;
    // The normal bounds; read and written only in the normal state, so a window left
    // minimized or maximized keeps its designed (or last stored) normal bounds.
    std::optional<QRect> NormalBounds;
    bool FastOptionsVisible = true;
};

// The default normal bounds: 768 x 530, centred on the screen.
QRect DefaultWindowBounds(QSize screen);

TWindowPlacement ReadWindowPlacement(const QString& iniPath, QSize screen);
TWindowPlacement ReadWindowPlacement(const TIniFile& ini, QSize screen);
// Raises EIniFileException as SaveSettings does.
void WriteWindowPlacement(const QString& iniPath, const TWindowPlacement& placement);
