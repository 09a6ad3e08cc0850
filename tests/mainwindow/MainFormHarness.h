#pragma once

// The real main window in a temporary program folder, for tests that drive it end to end.
#include "ListEntry.h"
#include "ScriptedPrompts.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "TestSupport.h"
#include "ZVMainForm.h"

#include <QFile>
#include <QStringList>

#include <functional>
#include <memory>
#include <ostream>

// Texts in failure messages as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace ZVTest {

// The full paths of the list's entries, top to bottom.
inline QStringList EntryPaths(const TZVMainForm& form) {
    QStringList paths;
    for (const TListEntry& entry : form.ListItems()->Entries())
        paths << GetEntryPath(entry);
    return paths;
}

inline QByteArray FileBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An xdg-open on PATH that notes every target it was asked to open, one per line.
class TFakeOpener {
public:
    explicit TFakeOpener(const TSandBox& box)
        : FLog(box.File(QStringLiteral("opened.txt")))
        , FOldPath(qgetenv("PATH")) {
        const QString script = box.WriteText(
            QStringLiteral("bin/xdg-open"),
            QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$1\" >> \"%1\"\n").arg(FLog).toUtf8());
        QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", box.File(QStringLiteral("bin")).toLocal8Bit() + ":" + FOldPath);
    }
    ~TFakeOpener() { qputenv("PATH", FOldPath); }
    TFakeOpener(const TFakeOpener&) = delete;
    TFakeOpener& operator=(const TFakeOpener&) = delete;

    QStringList Opened() const {
        QStringList lines = QString::fromUtf8(FileBytes(FLog)).split(QLatin1Char('\n'));
        lines.removeAll(QString());
        return lines;
    }

private:
    QString FLog;
    QByteArray FOldPath;
};

class TMainFormHarness : public TMagickTest {
protected:
    void SetUp() override { FBox.Fill({QStringLiteral("program/twain/"), QStringLiteral("out/")}); }

    QString Program() const { return FBox.File(QStringLiteral("program/")); }
    QString Ini() const { return FBox.File(QStringLiteral("program/Zoravel.ini")); }
    QString Output() const { return FBox.File(QStringLiteral("out/")); }

    // Writes the settings file the window reads when it is created: the defaults with the
    // output in the sand box, changed by `edit`.
    void WriteStartSettings(const std::function<void(TSettings&)>& edit = {}) {
        TSettings settings;
        settings.OUTPUT_FOLDER = Output();
        if (edit)
            edit(settings);
        SaveSettings(settings, Ini());
    }

    std::unique_ptr<TZVMainForm> MakeForm(TPrompts& prompts, const QStringList& arguments = {},
                                          const QString& socket = {}) {
        return std::make_unique<TZVMainForm>(FSettings, Ini(), prompts, Program(), arguments,
                                             socket);
    }
    std::unique_ptr<TZVMainForm> MakeForm(const QStringList& arguments = {},
                                          const QString& socket = {}) {
        return MakeForm(FPrompts, arguments, socket);
    }

    TSandBox FBox;
    TSettings FSettings;
    TScriptedPrompts FPrompts;
};

} // namespace ZVTest
