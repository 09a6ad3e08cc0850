#include "FileListChannel.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QPointer>
#include <QStandardPaths>
#include <QtEndian>

#include <unistd.h>

namespace {

constexpr int HeaderSize = 12;

} // namespace

QString FileListSocketPath() {
    const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir())
        return runtime + QStringLiteral("/TZVMainForm");
    return QDir::tempPath() + QStringLiteral("/TZVMainForm-%1").arg(getuid());
}

QByteArray EncodeFileListMessage(const QStringList& paths) {
    QByteArray text;
    for (const QString& path : paths)
        text += path.toUtf8() + '>';
    QByteArray message(HeaderSize, '\0');
    qToLittleEndian<quint32>(static_cast<quint32>(text.size()), message.data() + 8);
    return message + text;
}

bool SendFileList(const QStringList& paths, const QString& socketPath, int connectTimeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(socketPath);
    if (!socket.waitForConnected(connectTimeoutMs))
        return false;
    const QByteArray message = EncodeFileListMessage(paths);
    socket.write(message);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(-1))
            return false;
    // The window answers only after its handler, which may keep a wizard open for long.
    QByteArray answer;
    while (answer.size() < 4) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(-1))
            return false;
        answer += socket.read(4 - answer.size());
    }
    return qFromLittleEndian<quint32>(answer.constData()) == 0;
}

TFileListServer::TFileListServer(THandler handler, QObject* parent)
    : QObject(parent)
    , FHandler(std::move(handler))
    , FServer(new QLocalServer(this)) {
    FServer->setSocketOptions(QLocalServer::UserAccessOption);
    connect(FServer, &QLocalServer::newConnection, this, &TFileListServer::Accept);
}

TFileListServer::~TFileListServer() {
    Close();
}

bool TFileListServer::Listen(const QString& socketPath) {
    {
        QLocalSocket probe;
        probe.connectToServer(socketPath);
        if (probe.waitForConnected(1000)) {
            probe.abort();
            return false; // another window serves already
        }
    }
    // A refused connection means a file left behind by a crash.
    QLocalServer::removeServer(socketPath);
    return FServer->listen(socketPath);
}

bool TFileListServer::IsListening() const {
    return FServer->isListening();
}

void TFileListServer::Close() {
    if (FServer->isListening())
        FServer->close();
}

void TFileListServer::Accept() {
    while (QLocalSocket* socket = FServer->nextPendingConnection()) {
        socket->setParent(this);
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadFrom(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0)
            ReadFrom(socket);
    }
}

void TFileListServer::ReadFrom(QLocalSocket* socket) {
    if (socket->property("handled").toBool())
        return;
    if (socket->bytesAvailable() < HeaderSize)
        return;
    const QByteArray header = socket->peek(HeaderSize);
    const qint64 length = qFromLittleEndian<quint32>(header.constData() + 8);
    if (length > MaxFileListMessage) {
        socket->abort();
        return;
    }
    if (socket->bytesAvailable() < HeaderSize + length)
        return;
    socket->setProperty("handled", true);
    socket->read(HeaderSize);
    const QByteArray text = socket->read(length);
    const QPointer<QLocalSocket> guard(socket);
    if (FHandler)
        FHandler(text);
    // The handler may have run a nested event loop in which the sender went away.
    if (guard && socket->state() == QLocalSocket::ConnectedState) {
        QByteArray answer(4, '\0');
        socket->write(answer);
        socket->flush();
        socket->disconnectFromServer();
    }
}
