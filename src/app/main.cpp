#include "AddFolderForm.h"
#include "FastOptionsPanel.h"
#include "FileListChannel.h"
#include "ImageMemory.h"
#include "MagickGeneral.h"
#include "Picture.h"
#include "Settings.h"
#include "SettingsStore.h"
#include "VisualSizerForm.h"
#include "ZVMainForm.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    SetUpImageMemory(argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zoravel Pro"));

    // The image library is bound before any window exists and released after the last one.
    TPictureFormats formats;
    RegisterToolkitFormats(formats);
    TImageModule imageModule(formats);
    RegisterPlatformFormats(formats);

    TSettings settings;
    TFolderTreePrompts prompts;
    TZVMainForm mainForm(settings, SettingsFilePath(), prompts,
                         QCoreApplication::applicationDirPath(), app.arguments().mid(1),
                         FileListSocketPath());
    prompts.SetParent(&mainForm);
    TVisualSizerForm sizeTool(&mainForm);
    mainForm.FastOptions()->SetSizeTool(&sizeTool);
    mainForm.show();
    return app.exec();
}
