#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QLocalServer;
class QLocalSocket;

// The file-list message between the shell integration and the main window: 8 bytes of zero,
// a 4-byte little-endian length, then that many bytes of UTF-8 text with every path followed
// by ">". The receiver answers with 4 bytes of zero once it has handled the message.
inline constexpr qint64 MaxFileListMessage = 64 * 1024 * 1024;

// The socket of the user's main window: in the user's runtime folder, or a per-user name in
// the temp folder where there is none.
QString FileListSocketPath();

QByteArray EncodeFileListMessage(const QStringList& paths);

// Sends the paths to the window serving the socket and waits until it has handled them.
// False when no window serves it or the connection broke.
bool SendFileList(const QStringList& paths, const QString& socketPath, int connectTimeoutMs = 3000);

// The main window's end: takes one message per connection and hands its text to the handler
// before it answers the sender.
class TFileListServer : public QObject {
    Q_OBJECT
public:
    using THandler = std::function<void(const QByteArray& text)>;

    explicit TFileListServer(THandler handler, QObject* parent = nullptr);
    ~TFileListServer() override;

    // Serves the socket unless another instance does; a file left by a crash is replaced.
    bool Listen(const QString& socketPath);
    bool IsListening() const;
    void Close();

private:
    void Accept();
    void ReadFrom(QLocalSocket* socket);

    THandler FHandler;
    QLocalServer* FServer;
};
