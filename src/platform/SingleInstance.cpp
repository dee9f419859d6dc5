#include "platform/SingleInstance.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDir>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>
#include <QtEndian>
#include <array>

namespace halvena {
namespace {

// A message on the wire: the message number and its two parameters, little-endian.
constexpr qint64 kMessageSize = 12;
constexpr int kConnectTimeoutMs = 1000;
constexpr int kWriteTimeoutMs = 1000;
// A connection that has not sent a whole message by then is dropped.
constexpr int kReadTimeoutMs = 2000;
constexpr int kLockTimeoutMs = 5000;

// The user id of the process at the other end of a connected local socket, or -1.
long PeerUid(qintptr descriptor) {
  ucred credentials{};
  socklen_t length = sizeof credentials;
  if (descriptor < 0 || getsockopt(static_cast<int>(descriptor), SOL_SOCKET, SO_PEERCRED,
                                   &credentials, &length) != 0) {
    return -1;
  }
  return static_cast<long>(credentials.uid);
}

bool SameUser(const QLocalSocket& socket) {
  return PeerUid(socket.socketDescriptor()) == static_cast<long>(getuid());
}

}  // namespace

QString InstanceChannel(const QString& className) {
  QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  if (folder.isEmpty()) folder = QDir::tempPath();
  return folder + QLatin1Char('/') + className + QLatin1Char('-') +
         QString::number(static_cast<qulonglong>(getuid()));
}

TSingleInstance::TSingleInstance(QString channel) : FChannel(std::move(channel)) {}

TSingleInstance::~TSingleInstance() = default;

bool TSingleInstance::PostToRunningCopy(quint32 message) {
  QLocalSocket socket;
  socket.connectToServer(FChannel, QIODevice::WriteOnly);
  if (!socket.waitForConnected(kConnectTimeoutMs) || !SameUser(socket)) return false;
  std::array<uchar, kMessageSize> bytes{};
  qToLittleEndian<quint32>(message, bytes.data());
  socket.write(reinterpret_cast<const char*>(bytes.data()), kMessageSize);
  const bool sent = socket.waitForBytesWritten(kWriteTimeoutMs) || socket.bytesToWrite() == 0;
  socket.disconnectFromServer();
  return sent;
}

TInstanceRole TSingleInstance::ClaimOrHandOver(quint32 message) {
  QLockFile lock(FChannel + QStringLiteral(".lock"));
  // Without the lock (an unwritable folder, a copy stuck while holding it) the start goes on
  // unguarded rather than not at all.
  const bool locked = lock.tryLock(kLockTimeoutMs);
  TInstanceRole role = TInstanceRole::Alone;
  if (PostToRunningCopy(message)) {
    role = TInstanceRole::HandedOver;
  } else if (Listen()) {
    role = TInstanceRole::RunningCopy;
  }
  if (locked) lock.unlock();
  return role;
}

bool TSingleInstance::Listen() {
  // Nobody answered on the channel, so a socket file there is left over from a copy that
  // crashed; listening fails while it exists.
  QLocalServer::removeServer(FChannel);
  FServer = std::make_unique<QLocalServer>();
  FServer->setSocketOptions(QLocalServer::UserAccessOption);
  if (!FServer->listen(FChannel)) {
    FServer.reset();
    return false;
  }
  QObject::connect(FServer.get(), &QLocalServer::newConnection, FServer.get(),
                   [this] { Accept(); });
  return true;
}

void TSingleInstance::Accept() {
  while (QLocalSocket* socket = FServer->nextPendingConnection()) {
    QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    if (!SameUser(*socket)) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] { Read(socket); });
    QTimer::singleShot(kReadTimeoutMs, socket, [socket] { socket->abort(); });
    if (socket->bytesAvailable() > 0) Read(socket);
  }
}

void TSingleInstance::Read(QLocalSocket* socket) {
  if (socket->bytesAvailable() < kMessageSize) return;
  std::array<char, kMessageSize> bytes{};
  if (socket->read(bytes.data(), kMessageSize) != kMessageSize) return;
  // One message per connection; whatever else the sender wrote is ignored.
  socket->abort();
  Deliver(qFromLittleEndian<quint32>(bytes.data()));
}

void TSingleInstance::Deliver(quint32 message) {
  if (FOnMessage) {
    FOnMessage(message);
  } else {
    FWaiting.push_back(message);
  }
}

void TSingleInstance::SetOnMessage(std::function<void(quint32 Message)> handler) {
  FOnMessage = std::move(handler);
  if (!FOnMessage || FWaiting.empty() || FServer == nullptr) return;
  QTimer::singleShot(0, FServer.get(), [this] {
    while (!FWaiting.empty() && FOnMessage) {
      const quint32 message = FWaiting.front();
      FWaiting.pop_front();
      FOnMessage(message);
    }
  });
}

}  // namespace halvena
