#include <QElapsedTimer>

#include <gtest/gtest.h>

#include "CddbTestSupport.h"
#include "FakeCddbServer.h"

namespace {

using TestCddb::FakeCddbServer;

const QByteArray EntryReply =
    "210 jazz 0a0b1c09 CD database entry follows (until terminating `.')\r\n"
    "# xmcd\r\n"
    "#\r\n"
    "# Track frame offsets:\r\n"
    "#\t150\r\n#\t16887\r\n#\t32300\r\n"
    "#\r\n# Disc length: 603 seconds\r\n#\r\n# Revision: 3\r\n#\r\n"
    "DISCID=12025903\r\n"
    "DTITLE=The Artist / The Album\r\n"
    "DYEAR=2001\r\n"
    "TTITLE0=Part of a \r\n"
    "TTITLE0=long title\r\n"
    "TTITLE1=Second\r\n"
    "TTITLE2=Third\r\n"
    "EXTD=\r\nPLAYORDER=\r\n"
    ".\r\n";

class Cddbp : public ::testing::Test, public TestCddb::RecordedClient {
 protected:
  void SetUp() override {
    cddb.ServerAddr = "127.0.0.1";
    cddb.ServerPort = QString::number(server.CddbpPort());
    server.onCommand = [this](const QString& command) { return Reply(command); };
  }

  virtual QByteArray Reply(const QString& command) {
    if (command.startsWith("cddb hello")) return "200 Hello and welcome someone@example.org\r\n";
    if (command == "proto 6") return "201 OK, CDDB protocol level now: 6\r\n";
    if (command.startsWith("cddb query")) return queryReply;
    if (command.startsWith("cddb read")) return readReply;
    if (command == "sites") return sitesReply;
    if (command == "quit") return "230 test Closing connection.  Goodbye.\r\n" + FakeCddbServer::Close;
    return "500 Unrecognized command.\r\n";
  }

  void LogIn() {
    ASSERT_EQ(cddb.Hello(), 0);
    ASSERT_TRUE(cddb.LoggedIn);
  }

  FakeCddbServer server;
  QByteArray queryReply = "202 No match for disc ID 12025903.\r\n";
  QByteArray readReply = EntryReply;
  QByteArray sitesReply;
};

TEST_F(Cddbp, HandshakeSendsTheHelloOfTheEmailAddress) {
  cddb.Connect();
  EXPECT_EQ(cddb.ProtocolState, 0);
  EXPECT_FALSE(cddb.LoggedIn);
  EXPECT_EQ(statuses.last(), "OK, read only");

  EXPECT_EQ(cddb.Hello(), 0);
  // Once logged in, the client asks for the level that serves UTF-8.
  EXPECT_EQ(server.commands, (QStringList{"cddb hello someone example.org tivrel 1.1", "proto 6"}));
  EXPECT_TRUE(exchanged.contains("cddb hello someone example.org tivrel 1.1\r\n"));
  EXPECT_TRUE(exchanged.contains("201 OK, CDDB protocol level now: 6"));
  EXPECT_EQ(cddb.ProtocolState, 2);
  EXPECT_TRUE(cddb.LoggedIn);
  EXPECT_TRUE(statuses.contains("Sending hello..."));
  EXPECT_EQ(statuses.last(), "Handshake successful");

  // Hello connects by itself; an address without "@" leaves the user part empty.
  Cddb::TCddb& other = cddb;
  other.Quit();
  other.EmailUser = "nobody";
  EXPECT_EQ(other.Hello(), 0);
  EXPECT_EQ(server.commands.value(server.commands.size() - 2), "cddb hello  tivrel 1.1");
}

TEST_F(Cddbp, BannerRefusalsCloseTheSession) {
  const std::pair<QByteArray, QString> refusals[] = {
      {"432 No connections allowed: permission denied.\r\n", "No connections allowed: permission denied"},
      {"433 No connections allowed: 10 users allowed, 10 currently active.\r\n",
       "No connections allowed: X users allowed, Y currently active"},
      {"434 No connections allowed: system load too high.\r\n", "No connections allowed: system load too high"}};
  for (const auto& [banner, text] : refusals) {
    server.banner = banner;
    statuses.clear();
    cddb.Connect();
    EXPECT_EQ(cddb.ProtocolState, -1);
    EXPECT_FALSE(cddb.LoggedIn);
    EXPECT_EQ(statuses.value(0), text);
  }
  server.banner = "200 test server ready, posting allowed\r\n";
  cddb.Connect();
  EXPECT_EQ(statuses.last(), "OK, read/write allowed");
}

TEST_F(Cddbp, HelloRefusalsAndUnknownReplies) {
  std::function<QByteArray(const QString&)> hello;
  server.onCommand = [&hello](const QString& command) { return hello(command); };
  hello = [](const QString&) { return QByteArray("402 Already shook hands.\r\n"); };
  EXPECT_EQ(cddb.Hello(), 0);
  EXPECT_TRUE(cddb.LoggedIn);
  EXPECT_EQ(statuses.last(), "Already shook hands");

  cddb.Quit();
  hello = [](const QString&) { return QByteArray("431 Handshake not successful, closing connection.\r\n"); };
  EXPECT_EQ(cddb.Hello(), 0);
  EXPECT_EQ(cddb.ProtocolState, -1);
  EXPECT_FALSE(cddb.LoggedIn);
  EXPECT_EQ(statuses.last(), "Handshake not successful, closing connection");

  hello = [](const QString&) { return QByteArray("230 Goodbye.\r\n"); };
  EXPECT_EQ(cddb.Hello(), 0);
  EXPECT_EQ(statuses.last(), "Command OK, connection will close");
  EXPECT_EQ(cddb.ProtocolState, -1);
}

TEST_F(Cddbp, CommandsNeedAConnectionAndAHandshake) {
  EXPECT_EQ(cddb.Query(), -1);
  EXPECT_EQ(cddb.Read(), -1);
  EXPECT_EQ(cddb.Quit(), -1);
  EXPECT_EQ(statuses, (QStringList{"Not connected", "Not connected", "Not connected"}));
  cddb.Connect();
  statuses.clear();
  EXPECT_EQ(cddb.Query(), -1);
  EXPECT_EQ(cddb.Read(), -1);
  EXPECT_EQ(statuses, (QStringList{"Not logged in", "Not logged in"}));
  EXPECT_TRUE(server.commands.isEmpty());
}

TEST_F(Cddbp, ExactMatchTakesTheCategoryAndTheIdOfTheDisc) {
  queryReply = "200 rock 99999999 Some Artist / Some Title\r\n";
  int calls = 0;
  cddb.OnMatch = [&calls](Cddb::TCddb*, const Cddb::TMatchArray& matches, int& rightOne) {
    ++calls;
    EXPECT_EQ(matches[0], "rock 99999999 Some Artist / Some Title");
    EXPECT_EQ(rightOne, 0);
  };
  LogIn();
  EXPECT_EQ(cddb.Query(), 0);
  EXPECT_EQ(server.commands.last(), "cddb query 12025903 3 150 16887 32300 603");
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(cddb.ProtocolState, 3);
  EXPECT_TRUE(statuses.contains("Querying CD"));
  EXPECT_TRUE(statuses.contains("Found exact match"));
  EXPECT_EQ(cddb.GetCDInfo().CDCategory, "rock");
  EXPECT_EQ(cddb.GetCDInfo().CDDiscId, "12025903");
}

TEST_F(Cddbp, MatchListChoiceLeadsToARead) {
  queryReply =
      "211 Found inexact matches, list follows (until terminating `.')\r\n"
      "rock 12025903 First / Match\r\n"
      "jazz 0a0b1c09 Second / Match\r\n"
      ".\r\n";
  int calls = 0;
  cddb.OnMatch = [&calls](Cddb::TCddb*, const Cddb::TMatchArray& matches, int& rightOne) {
    ++calls;
    EXPECT_EQ(matches[0], "rock 12025903 First / Match");
    EXPECT_EQ(matches[1], "jazz 0a0b1c09 Second / Match");
    EXPECT_TRUE(matches[2].isEmpty());
    rightOne = 1;
  };
  LogIn();
  ASSERT_EQ(cddb.Query(), 0);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(cddb.ProtocolState, 4);
  EXPECT_EQ(cddb.GetCDInfo().CDCategory, "jazz ");
  EXPECT_EQ(cddb.GetCDInfo().CDDiscId, "0a0b1c09");
  EXPECT_TRUE(statuses.contains("Found inexact matches"));
  EXPECT_TRUE(statuses.contains("Received matches"));

  ASSERT_EQ(cddb.Read(), 0);
  EXPECT_EQ(server.commands.last(), "cddb read jazz 0a0b1c09");
  EXPECT_EQ(cddb.ProtocolState, 12);
  EXPECT_TRUE(statuses.contains("OK, CDDB database entry follows"));
  EXPECT_TRUE(statuses.contains("Entry read"));
  EXPECT_EQ(cddb.EntryLines[0], "# xmcd");
  // The entry is parsed into the disc information; a title continued after
  // a blank keeps its blank.
  const Cddb::TCDInfo& info = cddb.GetCDInfo();
  EXPECT_EQ(info.CDArtist, "The Artist");
  EXPECT_EQ(info.CDTitle, "The Album");
  EXPECT_EQ(info.CDTrackTitles[0], "Part of a long title");
  EXPECT_EQ(info.CDCategory, "jazz ");
}

TEST_F(Cddbp, DecliningTheListForbidsTheRead) {
  queryReply = "210 Found exact matches, list follows\r\nrock 12025903 A / B\r\n.\r\n";
  cddb.OnMatch = [](Cddb::TCddb*, const Cddb::TMatchArray&, int& rightOne) { rightOne = -1; };
  LogIn();
  ASSERT_EQ(cddb.Query(), 0);
  EXPECT_EQ(cddb.ProtocolState, 5);
  EXPECT_EQ(cddb.Read(), -1);
  EXPECT_EQ(statuses.last(), "Can't perform a CDDB READ without a successful CDDB QUERY!");
  cddb.ServerType = Cddb::TServerType::HTTP;
  EXPECT_EQ(cddb.HttpRead(), -1);
  EXPECT_EQ(statuses.last(), "Can't perform a CDDB READ without a successful CDDB QUERY!");

  // Choosing a line the list does not have is no choice either.
  cddb.ServerType = Cddb::TServerType::CDDBP;
  cddb.OnMatch = [](Cddb::TCddb*, const Cddb::TMatchArray&, int& rightOne) { rightOne = 57; };
  ASSERT_EQ(cddb.Query(), 0);
  EXPECT_EQ(cddb.ProtocolState, 5);
}

TEST_F(Cddbp, QueryFailures) {
  const std::tuple<QByteArray, int, QString, bool> cases[] = {
      {"202 No match for disc ID 12025903.\r\n", 5, "No match found", true},
      {"403 Database entry is corrupt.\r\n", 5, "Database entry is corrupt", true},
      {"409 No handshake.\r\n", 5, "No handshake", false},
      {"500 Command syntax error.\r\n", 6, "Command syntax error, command unknown, command unimplemented", true}};
  for (const auto& [reply, state, text, loggedIn] : cases) {
    queryReply = reply;
    if (!cddb.LoggedIn) LogIn();
    statuses.clear();
    EXPECT_EQ(cddb.Query(), 0) << reply.constData();
    EXPECT_EQ(cddb.ProtocolState, state) << reply.constData();
    EXPECT_EQ(statuses.last(), text);
    EXPECT_EQ(cddb.LoggedIn, loggedIn);
  }
}

TEST_F(Cddbp, ReadFailures) {
  const std::pair<QByteArray, QString> cases[] = {
      {"401 jazz 0a0b1c09 No such CD entry in database.\r\n", "Specified CDDB entry not found"},
      {"402 Server error.\r\n", "Server error"},
      {"403 Database entry is corrupt.\r\n", "Database entry is corrupt"},
      {"409 No handshake.\r\n", "No handshake"},
      // 211 is no read reply; its remainder of 11 adds nothing.
      {"211 Something else\r\n", "Command OK"}};
  for (const auto& [reply, text] : cases) {
    readReply = reply;
    if (!cddb.LoggedIn) LogIn();
    cddb.GetCDInfo().CDCategory = "jazz";
    cddb.GetCDInfo().CDDiscId = "0a0b1c09";
    statuses.clear();
    EXPECT_EQ(cddb.Read(), 0);
    EXPECT_EQ(cddb.ProtocolState, 13) << reply.constData();
    EXPECT_EQ(statuses.last(), text);
  }
}

TEST_F(Cddbp, SitesFillTheServerTable) {
  sitesReply =
      "210 OK, site information follows (until terminating `.')\r\n"
      "gnudb.gnudb.org cddbp 8880 - N000.00 W000.00 Random gnudb server\r\n"
      "gnudb.gnudb.org http 80 /~cddb/cddb.cgi N000.00 W000.00 Random gnudb server\r\n"
      ".\r\n";
  cddb.Sites[0].SiteHost = "stale.example";
  ASSERT_EQ(cddb.GetSites(), 0);
  EXPECT_EQ(cddb.ProtocolState, 8);
  EXPECT_TRUE(statuses.contains("Getting sites..."));
  EXPECT_TRUE(statuses.contains("OK, receiving sites"));
  EXPECT_EQ(statuses.last(), "Got sites");
  Cddb::TServer site;
  cddb.GetServer(1, site);
  EXPECT_EQ(site.SiteHost, "gnudb.gnudb.org");
  EXPECT_EQ(site.Type, Cddb::TServerType::HTTP);
  EXPECT_EQ(site.Port, 80);
  EXPECT_EQ(site.SitePath, "/~cddb/cddb.cgi");
  EXPECT_EQ(site.Location.Latitude, "N000.00");
  EXPECT_EQ(site.Location.Longitude, "W000.00");
  EXPECT_EQ(site.Location.Description, "Random gnudb server");
  cddb.GetServer(0, site);
  EXPECT_EQ(site.Type, Cddb::TServerType::CDDBP);
  EXPECT_EQ(site.SitePath, "-");
  EXPECT_TRUE(cddb.Sites[2].SiteHost.isEmpty());

  sitesReply = "401 No site information available.\r\n";
  ASSERT_EQ(cddb.GetSites(), 0);
  EXPECT_EQ(statuses.last(), "No site information available");
}

TEST_F(Cddbp, QuitClosesTheConnection) {
  LogIn();
  statuses.clear();
  EXPECT_EQ(cddb.Quit(), 0);
  EXPECT_EQ(statuses.mid(0, 3), (QStringList{"Quitting", "Closing connection", "Connection closed"}));
  EXPECT_EQ(cddb.ProtocolState, -1);
  EXPECT_FALSE(cddb.LoggedIn);
}

TEST_F(Cddbp, RepliesAreBoundedToTheirTables) {
  queryReply = "211 Found inexact matches\r\n";
  for (int i = 0; i < 150; ++i) queryReply += "rock " + QByteArray::number(10000000 + i) + " Title\r\n";
  queryReply += ".\r\n";
  readReply = "210 rock 12025903 entry follows\r\nDISCID=12025903\r\n";
  for (int i = 0; i < 600; ++i) readReply += "EXTD=" + QByteArray::number(i) + "\r\n";
  readReply += ".\r\n";
  LogIn();
  ASSERT_EQ(cddb.Query(), 0);
  EXPECT_EQ(cddb.Matches[99], "rock 10000099 Title");
  ASSERT_EQ(cddb.Read(), 0);
  EXPECT_EQ(cddb.EntryLines[511], "EXTD=510");
  EXPECT_EQ(cddb.ProtocolState, 12);
}

TEST(InterpretReply, ReportsByCodeAndClosesOnX30) {
  TestCddb::RecordedClient client;
  Cddb::TCddb& cddb = client.cddb;
  const std::pair<QString, QString> cases[] = {
      {"402 x", "Server error"},
      {"408 x", "CGI environment error"},
      {"100 x", "Informative message, ready for further commands"},
      {"210 x", "Command OK, more server-to-client output follows"},
      {"320 x", "Command OK so far, more client-to-server input follows"},
      {"211 x", "Command OK"},
      {"501 x", ""},
      {"garbage", ""}};
  for (const auto& [line, text] : cases) {
    cddb.InterpretReply(line);
    EXPECT_EQ(client.statuses.last(), text) << line.toStdString();
  }
  for (const QString line : {"530 gone", "230 bye"}) {
    cddb.ProtocolState = 2;
    cddb.LoggedIn = true;
    cddb.InterpretReply(line);
    EXPECT_EQ(cddb.ProtocolState, -1);
    EXPECT_FALSE(cddb.LoggedIn);
  }
  EXPECT_EQ(client.statuses.last(), "Command OK, connection will close");
}

// A server that misbehaves costs at most the timeout and bounded memory.
class HostileCddbp : public Cddbp {
 protected:
  void SetUp() override {
    Cddbp::SetUp();
    cddb.NetworkTimeoutMs = 400;
  }
  void ExpectGaveUp(int result) {
    EXPECT_EQ(result, -1);
    EXPECT_LT(clock.elapsed(), 3000);
    EXPECT_EQ(cddb.ProtocolState, -1);
    EXPECT_FALSE(cddb.LoggedIn);
  }
  QElapsedTimer clock;
};

TEST_F(HostileCddbp, SilentServerTimesOut) {
  LogIn();
  server.rawCommand = [](QTcpSocket*, const QString&) {};
  clock.start();
  ExpectGaveUp(cddb.Query());
  EXPECT_EQ(statuses.last(), "CDDB Component Internal Error: TICSSocket.SendStr failed");
}

TEST_F(HostileCddbp, EndlessLineIsDroppedAndTimesOut) {
  LogIn();
  server.rawCommand = [](QTcpSocket* socket, const QString&) { FakeCddbServer::Flood(socket, 'x'); };
  clock.start();
  ExpectGaveUp(cddb.Read());
  EXPECT_TRUE(statuses.contains("Reply line too long, dropped"));
}

TEST_F(HostileCddbp, SlowTrickleTimesOut) {
  LogIn();
  server.rawCommand = [](QTcpSocket* socket, const QString&) {
    FakeCddbServer::Trickle(socket, "211 Found inexact matches\r\nrock 12025903 A / B\r\n.\r\n", 100);
  };
  clock.start();
  ExpectGaveUp(cddb.Query());
}

TEST_F(HostileCddbp, DroppedConnectionMidReply) {
  LogIn();
  readReply = EntryReply.left(EntryReply.indexOf("DTITLE")) + FakeCddbServer::Close;
  clock.start();
  ExpectGaveUp(cddb.Read());
  EXPECT_EQ(statuses.last(), "Connection closed");
  EXPECT_NE(cddb.ProtocolState, 12);
}

TEST_F(HostileCddbp, NoServerOrNoBanner) {
  server.banner.clear();
  clock.start();
  cddb.Connect();
  EXPECT_EQ(cddb.ProtocolState, -1);
  EXPECT_EQ(statuses.last(), "Not connected");

  QTcpServer closed;
  closed.listen(QHostAddress::LocalHost, 0);
  cddb.ServerPort = QString::number(closed.serverPort());
  closed.close();
  statuses.clear();
  ExpectGaveUp(cddb.Hello());
  EXPECT_EQ(statuses, (QStringList{"Not connected", "CDDB Component Internal Error: TICSSocket.SendStr failed"}));
}

TEST_F(HostileCddbp, GarbageBannerAndWrongCodes) {
  server.banner = "\x01\x02 hello there\r\n";
  cddb.Connect();
  EXPECT_EQ(cddb.ProtocolState, 0);
  EXPECT_EQ(statuses.last(), "");
  server.onCommand = [](const QString&) { return QByteArray("999 what\r\n"); };
  EXPECT_EQ(cddb.Hello(), 0);
  EXPECT_FALSE(cddb.LoggedIn);
}

}  // namespace
