#pragma once
// A CDDB server on 127.0.0.1 for the tests: CDDBP on one port, HTTP/1.0 on
// another. Replies come from the test's own functions, so every reply code
// and every kind of misbehaviour can be played.
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <vector>

namespace TestCddb {

struct HttpRequest {
  QByteArray method;
  QByteArray target;  // path and query as sent
  QList<QPair<QByteArray, QByteArray>> headers;
  QByteArray body;
  QByteArray Header(const QByteArray& name) const;
};

class FakeCddbServer : public QObject {
 public:
  FakeCddbServer();

  quint16 CddbpPort() const { return cddbp_.serverPort(); }
  // host:port as the client's ServerAddr for HTTP.
  QString HttpAddress() const;

  // CDDBP: the banner sent on connection, then for each command line the
  // bytes onCommand returns (a connection closes after a reply ending in
  // the marker Close).
  QByteArray banner = "201 test CDDBP server v1.0 ready\r\n";
  std::function<QByteArray(const QString& command)> onCommand = [](const QString&) { return QByteArray(); };
  // Replaces the reply entirely: the handler writes to the socket itself.
  std::function<void(QTcpSocket*, const QString& command)> rawCommand;
  QStringList commands;
  static inline const QByteArray Close = "<close>";

  // HTTP: the body onHttp returns is sent with status 200 (or httpStatus).
  std::function<QByteArray(const HttpRequest&)> onHttp = [](const HttpRequest&) { return QByteArray(); };
  std::function<void(QTcpSocket*, const HttpRequest&)> rawHttp;
  int httpStatus = 200;
  std::vector<HttpRequest> requests;

  // Writes bytes a few at a time, one piece per interval.
  static void Trickle(QTcpSocket* socket, const QByteArray& bytes, int intervalMs);
  // Sends filler without a line end until the client goes away.
  static void Flood(QTcpSocket* socket, char filler);

 private:
  void AcceptCddbp();
  void AcceptHttp();
  void HandleHttp(QTcpSocket* socket, QByteArray& buffer);

  QTcpServer cddbp_;
  QTcpServer http_;
};

}  // namespace TestCddb
