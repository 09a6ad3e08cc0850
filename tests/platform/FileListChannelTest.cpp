#include "FileListChannel.h"
#include "TestSupport.h"

#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include <cstring>

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

using namespace ZVTest;

namespace {

class FileListChannelTest : public ::testing::Test {
protected:
    QString SocketPath() const { return FBox.File(QStringLiteral("TZVMainForm")); }
    TSandBox FBox;
};

TEST_F(FileListChannelTest, EncodesTheWireFormat) {
    const QByteArray message =
        EncodeFileListMessage({QStringLiteral("/a.jpg"), QStringLiteral("/b c")});
    ASSERT_EQ(message.size(), 12 + 12);
    EXPECT_EQ(message.left(8), QByteArray(8, '\0'));
    EXPECT_EQ(qFromLittleEndian<quint32>(message.constData() + 8), 12u);
    EXPECT_EQ(message.mid(12), QByteArray("/a.jpg>/b c>"));
}

TEST_F(FileListChannelTest, AnotherProcessWaitsUntilTheMessageIsHandled) {
    QByteArray received;
    QProcess client;
    bool clientWaited = false;
    TFileListServer server([&](const QByteArray& text) {
        received = text;
        clientWaited = client.state() == QProcess::Running;
    });
    ASSERT_TRUE(server.Listen(SocketPath()));
    QSignalSpy finished(&client, &QProcess::finished);
    client.start(QStringLiteral(ZV_SEND_FILE_LIST),
                 {SocketPath(), QStringLiteral("/p/a.jpg"), QStringLiteral("/p/Fotos ü")});
    ASSERT_TRUE(finished.wait(20000));
    EXPECT_EQ(client.exitCode(), 0) << client.readAllStandardError().toStdString();
    EXPECT_EQ(received, QStringLiteral("/p/a.jpg>/p/Fotos ü>").toUtf8());
    EXPECT_TRUE(clientWaited) << "the sender returned before the handler ran";
}

TEST_F(FileListChannelTest, ASecondInstanceDoesNotServeAndAStaleFileIsReplaced) {
    // A socket file left behind by a crash: bound, never listened on, never removed.
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = QFile::encodeName(SocketPath());
    std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    ::close(fd);
    ASSERT_TRUE(QFileInfo::exists(SocketPath()));

    TFileListServer first([](const QByteArray&) {});
    EXPECT_TRUE(first.Listen(SocketPath()));
    TFileListServer second([](const QByteArray&) {});
    EXPECT_FALSE(second.Listen(SocketPath())) << "a live window already serves";
    EXPECT_TRUE(first.IsListening());
}

TEST_F(FileListChannelTest, BrokenMessagesAreDroppedWithoutEffect) {
    int handled = 0;
    TFileListServer server([&](const QByteArray&) { ++handled; });
    ASSERT_TRUE(server.Listen(SocketPath()));

    QLocalSocket early;
    early.connectToServer(SocketPath());
    ASSERT_TRUE(early.waitForConnected(3000));
    QByteArray header(12, '\0');
    qToLittleEndian<quint32>(100, header.data() + 8);
    early.write(header + "/only/part");
    early.waitForBytesWritten(3000);
    early.disconnectFromServer();

    QLocalSocket huge;
    huge.connectToServer(SocketPath());
    ASSERT_TRUE(huge.waitForConnected(3000));
    qToLittleEndian<quint32>(static_cast<quint32>(MaxFileListMessage + 1), header.data() + 8);
    huge.write(header);
    huge.waitForBytesWritten(3000);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return huge.state() == QLocalSocket::UnconnectedState; }, 5000))
        << "an oversized message is cut off";

    // A good message afterwards still gets through.
    QLocalSocket good;
    good.connectToServer(SocketPath());
    ASSERT_TRUE(good.waitForConnected(3000));
    good.write(EncodeFileListMessage({QStringLiteral("/x")}));
    EXPECT_TRUE(QTest::qWaitFor([&] { return good.bytesAvailable() == 4; }, 5000));
    EXPECT_EQ(handled, 1);
}

} // namespace
