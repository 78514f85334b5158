// CDDB server replies, over HTTP and CDDBP, from a server on 127.0.0.1 that
// answers every request with the input.
#include <QCoreApplication>

#include "FuzzInput.h"
#include "cddb/FakeCddbServer.h"
#include "cddb/TCddb.h"

namespace {

TestCddb::FakeCddbServer* server = nullptr;  // lives until the process ends
QByteArray reply;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Fuzz::StartHeadlessApplication();
  server = new TestCddb::FakeCddbServer;
  server->onHttp = [](const TestCddb::HttpRequest&) { return reply; };
  server->onCommand = [](const QString&) { return reply + TestCddb::FakeCddbServer::Close; };
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  reply = Fuzz::Bytes(data, size);
  Cddb::TCddb http;
  http.ServerType = Cddb::TServerType::HTTP;
  http.ServerAddr = server->HttpAddress();
  http.NetworkTimeoutMs = 1000;
  http.HttpQuery();
  http.HttpRead();
  http.ParseEntry();
  http.HttpGetSites();

  Cddb::TCddb cddbp;
  cddbp.ServerAddr = QStringLiteral("127.0.0.1");
  cddbp.ServerPort = QString::number(server->CddbpPort());
  cddbp.NetworkTimeoutMs = 1000;
  server->banner = reply.left(reply.indexOf('\n') + 1);
  cddbp.Connect();
  cddbp.Hello();
  cddbp.Query();
  cddbp.Read();
  return 0;
}
