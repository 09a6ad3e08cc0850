#include "DesktopFolder.h"
#include "TestSupport.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace ZVTest;

namespace {

// Points the home and configuration folders into a sandbox for one test.
class TScopedEnvironment {
public:
    TScopedEnvironment(const char* name, const QByteArray& value)
        : FName(name)
        , FHad(qEnvironmentVariableIsSet(name))
        , FOld(qgetenv(name)) {
        qputenv(name, value);
    }
    ~TScopedEnvironment() {
        if (FHad)
            qputenv(FName, FOld);
        else
            qunsetenv(FName);
    }

private:
    const char* FName;
    bool FHad;
    QByteArray FOld;
};

TEST(DefaultOutputFolder, DesktopWhenItExistsOtherwiseHome) {
    struct TCase {
        const char* Name;
        QStringList Folders;
        QByteArray UserDirs; // user-dirs.dirs; empty for none
        const char* Expected;
    };
    const TCase cases[] = {
        {"no desktop folder", {"home/"}, {}, "home/"},
        {"desktop folder", {"home/", "home/Desktop/"}, {}, "home/Desktop/"},
        {"named desktop",
         {"home/", "home/Bureau/"},
         "XDG_DESKTOP_DIR=\"$HOME/Bureau\"\n",
         "home/Bureau/"},
        {"named desktop missing",
         {"home/", "home/Desktop/"},
         "XDG_DESKTOP_DIR=\"$HOME/Gone\"\n",
         "home/"},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Name);
        TSandBox box;
        box.Fill(c.Folders);
        box.Fill({QStringLiteral("config/")});
        if (!c.UserDirs.isEmpty())
            box.WriteText(QStringLiteral("config/user-dirs.dirs"), c.UserDirs);
        const TScopedEnvironment home("HOME", box.File(QStringLiteral("home")).toUtf8());
        const TScopedEnvironment config("XDG_CONFIG_HOME",
                                        box.File(QStringLiteral("config")).toUtf8());
        EXPECT_EQ(DefaultOutputFolder(), box.File(QString::fromUtf8(c.Expected)));
    }
}

} // namespace
