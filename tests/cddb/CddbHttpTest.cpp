#include <QElapsedTimer>
#include <QUrlQuery>

#include <gtest/gtest.h>

#include "CddbTestSupport.h"
#include "FakeCddbServer.h"

namespace {

using TestCddb::FakeCddbServer;
using TestCddb::HttpRequest;

class Http : public ::testing::Test, public TestCddb::RecordedClient {
 protected:
  void SetUp() override {
    cddb.ServerType = Cddb::TServerType::HTTP;
    cddb.ServerAddr = server.HttpAddress();
    cddb.ServerPort = "80";
    server.onHttp = [this](const HttpRequest&) { return reply; };
  }

  // The decoded query parameters of the last request.
  QUrlQuery LastQuery() const {
    const QByteArray target = server.requests.back().target;
    return QUrlQuery(QString::fromLatin1(target.mid(target.indexOf('?') + 1)).replace('+', ' '));
  }

  FakeCddbServer server;
  QByteArray reply;
};

TEST_F(Http, QueryAsksWithTheCommandHelloAndLevel6) {
  reply = "211 Found inexact matches, list follows\nrock 12025903 A / B\r\njazz 12025903 C / D\r.\n";
  int calls = 0;
  cddb.OnMatch = [&calls](Cddb::TCddb*, const Cddb::TMatchArray& matches, int&) {
    ++calls;
    EXPECT_EQ(matches[1], "jazz 12025903 C / D");
  };
  ASSERT_EQ(cddb.HttpQuery(), 0);
  const QByteArray target = server.requests.back().target;
  EXPECT_EQ(target.toStdString(),
            "/~cddb/cddb.cgi?cmd=cddb+query+12025903+3+150+16887+32300+603"
            "&hello=someone+example.org+tivrel+1.1&proto=6");
  EXPECT_EQ(server.requests.back().method, "GET");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(cddb.ProtocolState, 4);
  EXPECT_EQ(cddb.GetCDInfo().CDCategory, "rock ");
  EXPECT_EQ(statuses.first(), "Querying CD");
  EXPECT_EQ(exchanged.first(), "http://" + server.HttpAddress() + QString::fromLatin1(target) + "\r\n");
  EXPECT_TRUE(exchanged.contains("jazz 12025903 C / D"));
}

TEST_F(Http, ReadDecodesUtf8AndParsesTheEntry) {
  reply = QString::fromUtf8(
              "210 rock 12025903 CD database entry follows\n"
              "# xmcd\n#\n# Track frame offsets:\n#\t150\n#\t16887\n#\t32300\n#\n# Disc length: 603 seconds\n"
              "#\n# Revision: 7\n#\nDISCID=12025903\nDTITLE=Группа / Альбом\nDYEAR=1990\n"
              "TTITLE0=Один\nTTITLE1=Два\nTTITLE2=Три\nEXTD=\nPLAYORDER=\n.\n")
              .toUtf8();
  cddb.GetCDInfo().CDCategory = "rock ";
  cddb.GetCDInfo().CDDiscId = "12025903";
  ASSERT_EQ(cddb.HttpRead(), 0);
  EXPECT_TRUE(server.requests.back().target.startsWith("/~cddb/cddb.cgi?cmd=cddb+read+rock+12025903&hello="));
  EXPECT_EQ(cddb.ProtocolState, 12);
  const Cddb::TCDInfo& info = cddb.GetCDInfo();
  EXPECT_EQ(info.CDArtist, QString::fromUtf8("Группа"));
  EXPECT_EQ(info.CDTitle, QString::fromUtf8("Альбом"));
  EXPECT_EQ(info.CDTrackTitles[2], QString::fromUtf8("Три"));
  EXPECT_EQ(info.CDRevision, 7);
  EXPECT_EQ(info.CDCategory, "rock ");
}

TEST_F(Http, FailedReadKeepsTheDiscInformation) {
  cddb.GetCDInfo().CDArtist = "Known";
  cddb.GetCDInfo().CDCategory = "rock";
  reply = "401 rock 12025903 No such CD entry in database.\n";
  ASSERT_EQ(cddb.HttpRead(), 0);
  EXPECT_EQ(cddb.ProtocolState, 13);
  EXPECT_EQ(statuses.last(), "Specified CDDB entry not found");
  EXPECT_EQ(cddb.GetCDInfo().CDArtist, "Known");
}

TEST_F(Http, SitesListTheServers) {
  reply = "210 OK, site information follows\n"
          "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random gnudb server\n.\n";
  ASSERT_EQ(cddb.HttpGetSites(), 0);
  EXPECT_TRUE(server.requests.back().target.startsWith("/~cddb/cddb.cgi?cmd=sites&hello="));
  EXPECT_EQ(cddb.Sites[0].SiteHost, "gnudb.gnudb.org");
  EXPECT_EQ(cddb.ProtocolState, 8);
  EXPECT_EQ(statuses.first(), "Getting sites");
}

TEST_F(Http, SubmissionPostsTheEntryWithItsHeaders) {
  cddb.EntryLines[0] = "# xmcd";
  cddb.EntryLines[1] = "DISCID=12025903";
  cddb.EntryLines[2] = "DTITLE=A / B";
  cddb.EntryLines[3] = "   ";
  cddb.EntryLines[4] = "TTITLE0=never sent";
  cddb.GetCDInfo().CDCategory = " rock ";
  cddb.SubmissionType = Cddb::TSubmissionType::SUBMIT;
  cddb.SetNoteToUser(QString(80, 'n'));
  reply = "200 OK, submission has been sent.\n";
  ASSERT_EQ(cddb.HttpSubmit(), 0);
  const HttpRequest& request = server.requests.back();
  EXPECT_EQ(request.method, "POST");
  EXPECT_EQ(request.target, "/~cddb/submit.cgi");
  EXPECT_EQ(request.body, "# xmcd\r\nDISCID=12025903\r\nDTITLE=A / B\r\n");
  EXPECT_EQ(request.Header("Category"), "rock");
  EXPECT_EQ(request.Header("Discid"), "12025903");
  EXPECT_EQ(request.Header("User-Email"), "someone@example.org");
  EXPECT_EQ(request.Header("Submit-Mode"), "submit");
  EXPECT_EQ(request.Header("X-Cddbd-Note"), QByteArray(70, 'n'));
  EXPECT_EQ(request.Header("Charset"), "UTF-8");
  EXPECT_EQ(cddb.ProtocolState, 14);
  EXPECT_EQ(statuses.first(), "Submitting CD info");
  EXPECT_EQ(statuses.last(), "OK, submission has been sent.");

  cddb.SubmissionType = Cddb::TSubmissionType::TEST;
  cddb.EmailUser = "evil@example.org\r\nX-Injected: yes";
  for (const auto& [answer, text] : {std::pair<QByteArray, QString>{"500 Missing", "Missing required header information."},
                                     {"501 Invalid", "Invalid header information."}}) {
    reply = answer;
    statuses.clear();
    ASSERT_EQ(cddb.HttpSubmit(), 0);
    EXPECT_EQ(statuses.first(), "Test-submitting CD info");
    EXPECT_EQ(statuses.last(), text);
    EXPECT_EQ(server.requests.back().Header("Submit-Mode"), "test");
    EXPECT_TRUE(server.requests.back().Header("X-Injected").isEmpty());
  }
}

TEST_F(Http, OperationsNeedAnHttpServer) {
  cddb.ServerType = Cddb::TServerType::CDDBP;
  EXPECT_EQ(cddb.HttpQuery(), -1);
  EXPECT_EQ(cddb.HttpRead(), -1);
  EXPECT_EQ(cddb.HttpGetSites(), -1);
  EXPECT_EQ(cddb.HttpSubmit(), -1);
  EXPECT_EQ(statuses, QStringList(4, "Selected server not an HTTP server"));
  EXPECT_TRUE(server.requests.empty());
}

class HostileHttp : public Http {
 protected:
  void SetUp() override {
    Http::SetUp();
    cddb.NetworkTimeoutMs = 400;
    clock.start();
  }
  QElapsedTimer clock;
};

TEST_F(HostileHttp, ErrorStatusFailsTheRequest) {
  server.httpStatus = 404;
  EXPECT_EQ(cddb.HttpQuery(), -1);
  EXPECT_EQ(statuses.last(), "CDDB Component Internal Error: THttpCli.Get failed");
  EXPECT_EQ(cddb.HttpSubmit(), -1);
  EXPECT_EQ(statuses.last(), "CDDB Component Internal Error: THttpCli.Post failed");
}

TEST_F(HostileHttp, HugeBodyIsDropped) {
  server.rawHttp = [](QTcpSocket* socket, const HttpRequest&) {
    socket->write("HTTP/1.0 200 OK\r\n\r\n211 Found inexact matches\n");
    FakeCddbServer::Flood(socket, 'x');
  };
  EXPECT_EQ(cddb.HttpQuery(), -1);
  EXPECT_TRUE(statuses.contains("Reply too large, dropped"));
  EXPECT_EQ(statuses.last(), "CDDB Component Internal Error: THttpCli.Get failed");
  EXPECT_LT(clock.elapsed(), 3000);
}

TEST_F(HostileHttp, SilentOrTricklingServerTimesOut) {
  server.rawHttp = [](QTcpSocket*, const HttpRequest&) {};
  EXPECT_EQ(cddb.HttpGetSites(), -1);
  EXPECT_EQ(statuses.last(), "CDDB Component Internal Error: THttpCli.Get failed");
  server.rawHttp = [](QTcpSocket* socket, const HttpRequest&) {
    FakeCddbServer::Trickle(socket, "HTTP/1.0 200 OK\r\n\r\n200 OK, submission has been sent.\n", 100);
  };
  EXPECT_EQ(cddb.HttpSubmit(), -1);
  EXPECT_EQ(statuses.last(), "CDDB Component Internal Error: THttpCli.Post failed");
  EXPECT_LT(clock.elapsed(), 3000);
}

TEST_F(HostileHttp, OverlongLineIsDroppedTheRestRead) {
  reply = "211 Found inexact matches\n" + QByteArray(10000, 'z') + "\nrock 12025903 A / B\n.\n";
  ASSERT_EQ(cddb.HttpQuery(), 0);
  EXPECT_TRUE(statuses.contains("Reply line too long, dropped"));
  EXPECT_EQ(cddb.Matches[0], "rock 12025903 A / B");
  EXPECT_TRUE(cddb.Matches[1].isEmpty());
}

}  // namespace
