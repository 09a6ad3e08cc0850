#include "MagickGeneral.h"
#include "Picture.h"
#include "Prompts.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "ZVMainForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zoravel Pro"));

    TPictureFormats formats;
    RegisterToolkitFormats(formats);
    TImageModule imageModule(formats);
    RegisterPlatformFormats(formats);

    TSettings settings;
    TQtPrompts prompts;
    TZVMainForm mainForm(settings, SettingsFilePath(), prompts,
                         QCoreApplication::applicationDirPath());
    prompts.SetParent(&mainForm);
    mainForm.show();
    return app.exec();
}
