// The CDDBP side of the client: one line-mode TCP connection. Each command
// waits, with the event loop running, until its reply is complete, the
// connection drops or NetworkTimeoutMs has passed.
#include <QEventLoop>
#include <QTcpSocket>
#include <QTimer>

#include "cddb/CddbText.h"
#include "cddb/DiscId.h"
#include "cddb/TCddb.h"

namespace Cddb {

namespace {
const QString SendFailedText = QStringLiteral("CDDB Component Internal Error: TICSSocket.SendStr failed");
const QString NotConnectedText = QStringLiteral("Not connected");
const QString NotLoggedInText = QStringLiteral("Not logged in");
constexpr qint64 SocketReadBufferBytes = 64 * 1024;
}  // namespace

bool TCddb::WaitForReply() {
  if (replyComplete_) return true;
  QEventLoop loop;
  QTimer deadline;
  deadline.setSingleShot(true);
  connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
  deadline.start(NetworkTimeoutMs);
  RunWaitLoop(loop);
  return replyComplete_;
}

// Ends the connection without a word to the server, e.g. when it stopped answering.
void TCddb::DropConnection() {
  ProtocolState = -1;
  LoggedIn = false;
  socket_->abort();
  lineBuffer_->Clear();
}

void TCddb::Connect() {
  if (ServerType != TServerType::CDDBP) return;
  DropConnection();
  bool validPort = false;
  const quint16 port = ServerPort.trimmed().toUShort(&validPort);
  if (!validPort || ServerAddr.trimmed().isEmpty()) {
    Status(NotConnectedText);
    return;
  }
  replyComplete_ = false;
  socket_->setReadBufferSize(SocketReadBufferBytes);
  socket_->connectToHost(ServerAddr.trimmed(), port);
  // The banner completes the connection.
  if (!WaitForReply() && ProtocolState != -1) DropConnection();
  if (socket_->state() != QAbstractSocket::ConnectedState) {
    DropConnection();
    Status(NotConnectedText);
  }
}

void TCddb::SocketConnected() { ProtocolState = 0; }

bool TCddb::Send(const QString& line) {
  if (socket_->state() != QAbstractSocket::ConnectedState) return false;
  const QByteArray bytes = line.toUtf8();
  return socket_->write(bytes) == bytes.size();
}

int TCddb::SendCommand(const QString& command, int newState, const QStringList& statuses) {
  const QString line = SingleLine(command) + QLatin1String("\r\n");
  replyComplete_ = false;
  if (!Send(line)) {
    Status(SendFailedText);
    return -1;
  }
  ProtocolState = newState;
  for (const QString& status : statuses) Status(status);
  DataExchange(line);
  if (WaitForReply()) return 0;
  if (cancelled_) {
    DropConnection();
    Status(QLatin1String(CancelledText));
    return -1;
  }
  // Dropped connections have been reported; a silent server is cut off.
  if (socket_->state() == QAbstractSocket::ConnectedState) {
    DropConnection();
    Status(SendFailedText);
  }
  return -1;
}

void TCddb::SocketReadyRead() {
  // readyRead is not raised again while a handler runs a nested event loop,
  // so whatever arrived meanwhile is read here too.
  while (socket_->bytesAvailable() > 0) {
    bool overlong = false;
    const QList<QByteArray> lines = lineBuffer_->Append(socket_->readAll(), overlong);
    if (overlong) Status(QLatin1String(LineTooLongText));
    for (const QByteArray& line : lines) HandleLine(DecodeReplyText(line));
  }
  if (replyComplete_ && waitLoop_ != nullptr) waitLoop_->quit();
}

void TCddb::SocketDisconnected() {
  if (ProtocolState != -1) {
    SocketReadyRead();
    if (const auto last = lineBuffer_->Flush()) HandleLine(DecodeReplyText(*last));
  }
  lineBuffer_->Clear();
  if (ProtocolState != -1) {
    if (ProtocolState == 15) replyComplete_ = true;
    ProtocolState = -1;
    LoggedIn = false;
    Status(QStringLiteral("Connection closed"));
  }
  if (waitLoop_ != nullptr) waitLoop_->quit();
}

int TCddb::Hello() {
  if (ProtocolState < 0) Connect();
  const int result =
      SendCommand(QStringLiteral("cddb hello %1 %2 %3").arg(EmailToHello(EmailUser), ClientName, ClientVersion), 1,
                  {QStringLiteral("Sending hello...")});
  if (result == 0 && LoggedIn) AskForProtocolLevel6();
  return result;
}

// A CDDBP session starts at level 1: Latin-1 entries and sites lines without
// protocol and path. Level 6 serves UTF-8 and the full sites lines; a server
// that refuses it is used at its own level.
void TCddb::AskForProtocolLevel6() {
  awaitingProtocolLevel_ = true;
  SendCommand(QStringLiteral("proto 6"), ProtocolState, {});
  awaitingProtocolLevel_ = false;
}

int TCddb::GetSites() {
  if (ProtocolState < 0) Connect();
  return SendCommand(QStringLiteral("sites"), 7, {QStringLiteral("Getting sites...")});
}

bool TCddb::RefuseUnlessLoggedIn() {
  if (ProtocolState < 0) {
    Status(NotConnectedText);
    return true;
  }
  if (!LoggedIn) {
    Status(NotLoggedInText);
    return true;
  }
  return false;
}

int TCddb::Query() {
  if (RefuseUnlessLoggedIn()) return -1;
  return SendCommand(BuildQueryCommand(cdInfo_.CDTOC), 6, {QStringLiteral("Querying CD")});
}

int TCddb::Read() {
  if (RefuseUnlessLoggedIn()) return -1;
  if (ProtocolState == 5) {
    Status(QStringLiteral("Can't perform a CDDB READ without a successful CDDB QUERY!"));
    return -1;
  }
  const int result = SendCommand(
      QStringLiteral("cddb read %1 %2").arg(cdInfo_.CDCategory.trimmed(), cdInfo_.CDDiscId.trimmed().toLower()), 11,
      {QStringLiteral("Reading CD info")});
  // Only a complete entry replaces the disc information; one that cannot be
  // read leaves the read failed.
  if (result == 0 && ProtocolState == 12 && ParseEntry() != 0) ProtocolState = 13;
  return result;
}

int TCddb::Quit() {
  if (ProtocolState < 0) {
    Status(NotConnectedText);
    return -1;
  }
  const int result =
      SendCommand(QStringLiteral("quit"), 15, {QStringLiteral("Quitting"), QStringLiteral("Closing connection")});
  DropConnection();
  return result;
}

}  // namespace Cddb
