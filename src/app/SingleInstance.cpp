#include "SingleInstance.h"

#include <QCryptographicHash>
#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

#include <unistd.h>

namespace {

const QString kMessageTag = QStringLiteral("solvane-songs/1");
constexpr char kReceived = '1';
constexpr int kConnectMs = 2000;
constexpr int kAnswerMs = 10000;
constexpr int kLockWaitMs = 10000;
// Far more than any list of paths; a peer that sends more is cut off.
constexpr qint64 kMaxMessageBytes = 16 << 20;

QByteArray EncodeSongs(const HandedOverSongs& songs) {
  QByteArray bytes;
  QDataStream out(&bytes, QIODevice::WriteOnly);
  out << kMessageTag << songs.enqueue << songs.files;
  return bytes;
}

// A running player that takes the connection answers once it has the songs.
SingleInstance::Role HandOver(const QString& socketPath, const HandedOverSongs& songs,
                              bool& connected) {
  QLocalSocket socket;
  socket.connectToServer(socketPath);
  connected = socket.waitForConnected(kConnectMs);
  if (!connected) return SingleInstance::Role::Running;
  socket.write(EncodeSongs(songs));
  QByteArray answer;
  while (answer.isEmpty() && socket.state() == QLocalSocket::ConnectedState) {
    if (!socket.waitForReadyRead(kAnswerMs)) break;
    answer = socket.read(1);
  }
  return answer == QByteArray(1, kReceived) ? SingleInstance::Role::HandedOver
                                             : SingleInstance::Role::Unanswered;
}

}  // namespace

QString InstanceSocketPath(const QString& configFolder) {
  QString folder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::tempPath();
  const QByteArray hash =
      QCryptographicHash::hash(QDir::cleanPath(configFolder).toUtf8(), QCryptographicHash::Sha1);
  return QStringLiteral("%1/solvane-%2-%3.socket")
      .arg(QDir::cleanPath(folder))
      .arg(::getuid())
      .arg(QString::fromLatin1(hash.toHex().left(16)));
}

SingleInstance::SingleInstance(QString socketPath, QObject* parent)
    : QObject(parent), socketPath_(std::move(socketPath)) {
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::Accept);
}

SingleInstance::Role SingleInstance::Claim(const HandedOverSongs& songs) {
  // Held only while deciding: the second of two simultaneous starts waits
  // here and then finds the first one listening.
  QLockFile lock(socketPath_ + ".lock");
  const bool locked = lock.tryLock(kLockWaitMs);
  bool connected = false;
  const Role role = HandOver(socketPath_, songs, connected);
  if (connected) return role;
  // Nobody answers at the socket: it is absent or left by a crashed player.
  if (locked) QLocalServer::removeServer(socketPath_);
  server_.listen(socketPath_);
  return Role::Running;
}

void SingleInstance::SetHandler(std::function<void(const HandedOverSongs&)> handler) {
  handler_ = std::move(handler);
  auto waiting = std::move(waiting_);
  waiting_.clear();
  for (const HandedOverSongs& songs : waiting) Deliver(songs);
}

void SingleInstance::Deliver(const HandedOverSongs& songs) {
  if (handler_) {
    handler_(songs);
  } else {
    waiting_.push_back(songs);
  }
}

void SingleInstance::Accept() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->bytesAvailable() > kMaxMessageBytes) {
        socket->abort();
        return;
      }
      QDataStream in(socket);
      in.startTransaction();
      QString tag;
      HandedOverSongs songs;
      in >> tag >> songs.enqueue >> songs.files;
      if (!in.commitTransaction() && in.status() == QDataStream::ReadPastEnd) return;  // more to come
      if (in.status() != QDataStream::Ok || tag != kMessageTag) {
        socket->abort();
        return;
      }
      socket->write(QByteArray(1, kReceived));
      socket->flush();
      Deliver(songs);
    });
  }
}
