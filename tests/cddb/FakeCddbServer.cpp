#include "FakeCddbServer.h"

#include <QTimer>

#include <memory>

namespace TestCddb {

QByteArray HttpRequest::Header(const QByteArray& name) const {
  for (const auto& header : headers) {
    if (header.first.compare(name, Qt::CaseInsensitive) == 0) return header.second;
  }
  return {};
}

FakeCddbServer::FakeCddbServer() {
  cddbp_.listen(QHostAddress::LocalHost, 0);
  http_.listen(QHostAddress::LocalHost, 0);
  connect(&cddbp_, &QTcpServer::newConnection, this, &FakeCddbServer::AcceptCddbp);
  connect(&http_, &QTcpServer::newConnection, this, &FakeCddbServer::AcceptHttp);
}

QString FakeCddbServer::HttpAddress() const { return QStringLiteral("127.0.0.1:%1").arg(http_.serverPort()); }

void FakeCddbServer::AcceptCddbp() {
  while (QTcpSocket* socket = cddbp_.nextPendingConnection()) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    socket->write(banner);
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
      while (socket->canReadLine()) {
        const QString command = QString::fromUtf8(socket->readLine()).trimmed();
        commands.append(command);
        if (rawCommand) {
          rawCommand(socket, command);
          continue;
        }
        QByteArray reply = onCommand(command);
        const bool close = reply.endsWith(Close);
        if (close) reply.chop(Close.size());
        socket->write(reply);
        if (close) socket->disconnectFromHost();
      }
    });
  }
}

void FakeCddbServer::AcceptHttp() {
  while (QTcpSocket* socket = http_.nextPendingConnection()) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto buffer = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, socket, [this, socket, buffer] {
      *buffer += socket->readAll();
      HandleHttp(socket, *buffer);
    });
  }
}

void FakeCddbServer::HandleHttp(QTcpSocket* socket, QByteArray& buffer) {
  const qsizetype headerEnd = buffer.indexOf("\r\n\r\n");
  if (headerEnd < 0) return;
  HttpRequest request;
  const QList<QByteArray> lines = buffer.left(headerEnd).split('\n');
  const QList<QByteArray> requestLine = lines.value(0).trimmed().split(' ');
  request.method = requestLine.value(0);
  request.target = requestLine.value(1);
  for (qsizetype i = 1; i < lines.size(); ++i) {
    const qsizetype colon = lines[i].indexOf(':');
    if (colon > 0) request.headers.append({lines[i].left(colon).trimmed(), lines[i].mid(colon + 1).trimmed()});
  }
  const qsizetype length = request.Header("Content-Length").toLongLong();
  if (buffer.size() < headerEnd + 4 + length) return;
  request.body = buffer.mid(headerEnd + 4, length);
  buffer.clear();
  requests.push_back(request);
  if (rawHttp) {
    rawHttp(socket, request);
    return;
  }
  const QByteArray body = onHttp(request);
  socket->write("HTTP/1.0 " + QByteArray::number(httpStatus) + " Reply\r\nContent-Type: text/plain; charset=UTF-8\r\n" +
                "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
  socket->disconnectFromHost();
}

void FakeCddbServer::Trickle(QTcpSocket* socket, const QByteArray& bytes, int intervalMs) {
  auto* timer = new QTimer(socket);
  auto sent = std::make_shared<qsizetype>(0);
  connect(timer, &QTimer::timeout, socket, [socket, bytes, sent, timer] {
    if (*sent >= bytes.size()) {
      timer->stop();
      return;
    }
    socket->write(bytes.mid(*sent, 2));
    *sent += 2;
  });
  timer->start(intervalMs);
}

void FakeCddbServer::Flood(QTcpSocket* socket, char filler) {
  auto* timer = new QTimer(socket);
  const QByteArray chunk(64 * 1024, filler);
  connect(timer, &QTimer::timeout, socket, [socket, chunk] {
    if (socket->bytesToWrite() < 4 * chunk.size()) socket->write(chunk);
  });
  timer->start(1);
}

}  // namespace TestCddb
