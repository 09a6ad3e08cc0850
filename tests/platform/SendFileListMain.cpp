// Sends its arguments as one file-list message: send_file_list SOCKET PATH...
#include "FileListChannel.h"

#include <QCoreApplication>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QStringList arguments = app.arguments().mid(1);
    if (arguments.isEmpty())
        return 2;
    const QString socket = arguments.takeFirst();
    return SendFileList(arguments, socket) ? 0 : 1;
}
