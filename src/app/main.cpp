#include "MagickGeneral.h"
#include "Picture.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Zoravel Pro"));

    TPictureFormats formats;
    RegisterToolkitFormats(formats);
    TImageModule imageModule(formats);
    RegisterPlatformFormats(formats);

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zoravel Pro"));
    window.resize(768, 530);
    window.show();
    return app.exec();
}
