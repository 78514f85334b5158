// The lookup window and the match chooser against the loopback server.
#include <QComboBox>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QStatusBar>
#include <QElapsedTimer>
#include <QTimer>

#include "CDWindowsTestKit.h"
#include "cddb/CDLookupSettings.h"
#include "playlist/PlayListEntry.h"

namespace {

using TestCddb::HttpRequest;

class CDLookupWindow : public TestCddb::CDWindows {
 protected:
  // The HTTP server answers a query with queryReply and a read with readReply.
  void ServeHttp(QByteArray reply) {
    queryReply = std::move(reply);
    server.onHttp = [this](const HttpRequest& request) -> QByteArray {
      if (request.target.contains("cmd=cddb+query")) return queryReply;
      if (request.target.contains("cmd=cddb+read")) {
        return readReply.isEmpty() ? "210 rock follows\n" + Entry("Server Artist", "Server Album") : readReply;
      }
      if (request.target.contains("cmd=sites")) return sitesReply;
      return "500 unknown\n";
    };
  }
  QByteArray ReadTarget() const {
    for (const HttpRequest& request : server.requests) {
      if (request.target.contains("cmd=cddb+read")) return request.target;
    }
    return {};
  }
  QByteArray queryReply;
  QByteArray readReply;  // empty: the disc's entry
  QByteArray sitesReply;
};

TEST_F(CDLookupWindow, OneMatchIsReadSavedAndFoundAgainWithoutTheNetwork) {
  ServeHttp(("200 rock " + discId + " Server Artist / Server Album\n").toUtf8());
  ChooseMatch(0);
  Search();
  EXPECT_EQ(TestSupport::ModalDialogs().shownTitles, QStringList{"Multiple Matches found"});
  EXPECT_EQ(matches->ListBox1->count(), 1);
  EXPECT_TRUE(ReadTarget().contains("cmd=cddb+read+rock+" + discId.toUtf8()));
  EXPECT_EQ(lookup->result(), QDialog::Accepted);
  EXPECT_TRUE(FreeDBInterface::State().CDInfoFound);
  EXPECT_TRUE(QFile::exists(TestSupport::ProgramFolder() + "LocalCDDatabase/rock/" + discId));
  // The e-mail typed in the window went out with the request.
  EXPECT_TRUE(server.requests.front().target.contains("hello=someone+example.org"));

  // The next insertion of the disc names its tracks from the local database.
  const size_t requests = server.requests.size();
  int lookups = 0;
  FreeDBInterface::ShowLookupWindow = [&lookups] { ++lookups; };
  freedb->GetCDInfo() = Cddb::TCDInfo{};
  ASSERT_EQ(FreeDBInterface::GetCDInformation(cue + "/", 1), 1);
  FreeDBInterface::BuildCDTrackList();
  EXPECT_EQ(lookups, 0);
  EXPECT_EQ(server.requests.size(), requests);
  EXPECT_EQ(GeneralFunctions::GetEntrySongArtist(FreeDBInterface::State().CDTrackList[2]), "Server Artist");
  EXPECT_EQ(GeneralFunctions::GetEntrySongTitle(FreeDBInterface::State().CDTrackList[2]), "Song 3");
}

TEST_F(CDLookupWindow, TheChosenOfSeveralMatchesIsRead) {
  QByteArray list = "211 Found inexact matches, list follows\n";
  for (int i = 0; i < 100; ++i) list += QString("misc %1 Candidate %2\n").arg(i, 8, 16, QChar('0')).arg(i).toUtf8();
  ServeHttp(list + ".\n");
  ChooseMatch(42);
  Search();
  EXPECT_EQ(FreeDBInterface::State().MatchList.size(), 100);
  EXPECT_EQ(matches->ListBox1->count(), 100);
  EXPECT_EQ(FreeDBInterface::State().ChosenMatchIndex, 42);
  EXPECT_TRUE(ReadTarget().contains("cmd=cddb+read+misc+0000002a"));
  EXPECT_EQ(lookup->result(), QDialog::Accepted);

  // Cancel in the chooser leaves the lookup window open and reads nothing.
  server.requests.clear();
  lookup->setResult(-1);
  AnswerDialogs(nullptr);
  Search();
  EXPECT_TRUE(ReadTarget().isEmpty());
  EXPECT_EQ(lookup->result(), -1);
}

TEST_F(CDLookupWindow, CddbpSearchAsksThroughItsOwnSession) {
  lookup->ComboBox1->setCurrentText("cddbp");
  lookup->ComboBox1Change();
  EXPECT_TRUE(lookup->Edit2->isEnabled());
  EXPECT_FALSE(lookup->Edit5->isEnabled());
  server.onCommand = [this](const QString& command) -> QByteArray {
    if (command.startsWith("cddb hello")) return "200 hello ok\r\n";
    if (command.startsWith("proto")) return "201 OK, protocol version now: 6\r\n";
    if (command.startsWith("cddb query")) {
      return ("211 inexact\r\njazz " + discId + " First\r\nrock " + discId + " Second\r\n.\r\n").toUtf8();
    }
    if (command.startsWith("cddb read")) return "210 rock follows\r\n" + Entry("Cddbp Artist", "Album");
    return "500 unknown\r\n";
  };
  ChooseMatch(1);
  Search();
  EXPECT_TRUE(server.commands.contains("cddb hello someone example.org tivrel 1.1"));
  EXPECT_TRUE(server.commands.contains("cddb read rock " + discId));
  EXPECT_EQ(freedb->GetCDInfo().CDArtist, "Cddbp Artist");
  EXPECT_EQ(lookup->result(), QDialog::Accepted);
  EXPECT_EQ(CDLookup::Load().ServerType, Cddb::TServerType::CDDBP);
}

TEST_F(CDLookupWindow, NoMatchOffersTheSubmissionWindow) {
  ServeHttp("202 No match found\n");
  lookup->setResult(-1);
  Search();
  EXPECT_EQ(Messages(), QStringList{"No Match(es) found at freedb Servers, Sumbit New?"});
  EXPECT_EQ(TestSupport::ModalDialogs().shownTitles, QStringList{"Submit CD Information"});
  EXPECT_EQ(lookup->result(), QDialog::Rejected);
  EXPECT_FALSE(FreeDBInterface::State().CDInfoFound);
}

TEST_F(CDLookupWindow, ServerFailuresAreReportedAndCloseTheWindow) {
  struct Case {
    const char* name;
    int httpStatus;
    QByteArray queryReply;
    QByteArray readReply;
    const char* message;
  };
  const std::vector<Case> cases{
      {"HTTP error", 500, "", "", "Error: Querying CD Info at freedb Servers Failed"},
      {"garbage", 200, "\x01\x02 nonsense", "", "Error: Querying CD Info at freedb Servers Failed"},
      {"empty", 200, "", "", "Error: Querying CD Info at freedb Servers Failed"},
      {"corrupt entry", 200, "403 Database entry is corrupt\n", "", "Error: Querying CD Info at freedb Servers Failed"},
      {"read refused", 200, "200 rock 12345678 A / B\n", "401 not found\n", "Error While retrieving Matches"},
      {"corrupt read", 200, "200 rock 12345678 A / B\n", "210 rock follows\nTTITLE0=no header\n.\n",
       "Error While retrieving Matches"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSupport::MessageBoxes().shown.clear();
    lookup->setResult(-1);
    server.httpStatus = c.httpStatus;
    readReply = c.readReply;
    ServeHttp(c.queryReply);
    ChooseMatch(0);
    Search();
    EXPECT_EQ(Messages(), QStringList{c.message});
    EXPECT_EQ(lookup->result(), QDialog::Rejected);
    EXPECT_FALSE(FreeDBInterface::State().CDInfoFound);
  }
}

TEST_F(CDLookupWindow, ASilentServerCanBeCancelled) {
  freedb->NetworkTimeoutMs = 60000;
  server.rawHttp = [](QTcpSocket*, const HttpRequest&) {};
  lookup->setResult(-1);
  bool waitShown = false;
  QTimer::singleShot(200, lookup, [&] {
    waitShown = !lookup->Button1->isEnabled();
    lookup->Button2->click();
  });
  QElapsedTimer elapsed;
  elapsed.start();
  Search();
  EXPECT_LT(elapsed.elapsed(), 30000);
  EXPECT_TRUE(waitShown);
  EXPECT_TRUE(lookup->Button1->isEnabled());
  EXPECT_TRUE(Messages().isEmpty());
  EXPECT_EQ(lookup->result(), -1);  // still open
  EXPECT_EQ(lookup->StatusBar1->currentMessage(), "OnStatusMessage Message:Cancelled");
}

TEST_F(CDLookupWindow, ADiscThatLeavesTheDriveIsNeitherSearchedNorSaved) {
  // Gone while the server sends its entry.
  ServeHttp(("200 rock " + discId + " Server Artist / Server Album\n").toUtf8());
  const auto serve = server.onHttp;
  server.onHttp = [this, serve](const HttpRequest& request) {
    if (request.target.contains("cmd=cddb+read")) QFile::remove(cue);
    return serve(request);
  };
  ChooseMatch(0);
  Search();
  EXPECT_EQ(lookup->StatusBar1->currentMessage(), "No CD in CD/DVD drive!");
  EXPECT_EQ(lookup->result(), QDialog::Rejected);
  EXPECT_FALSE(FreeDBInterface::State().CDInfoFound);
  EXPECT_FALSE(QFile::exists(TestSupport::ProgramFolder() + "LocalCDDatabase/rock/" + discId));

  // Gone before the search.
  server.requests.clear();
  Search();
  EXPECT_EQ(lookup->StatusBar1->currentMessage(), "No CD in CD/DVD drive!");
  EXPECT_TRUE(server.requests.empty());
}

TEST_F(CDLookupWindow, FieldsAreKeptForTheNextRun) {
  ServeHttp("202 No match found\n");
  lookup->Edit4->setText("listener@example.net");
  lookup->Edit3->setText("/cgi/cddb");
  Search();
  EXPECT_TRUE(server.requests.front().target.startsWith("/cgi/cddb?cmd="));

  TMyFreeDBInterfaceForm reopened;
  EXPECT_EQ(reopened.Edit4->text(), "listener@example.net");
  EXPECT_EQ(reopened.ComboBox2->currentText(), "127.0.0.1");
  EXPECT_EQ(reopened.Edit3->text(), "/cgi/cddb");
  EXPECT_EQ(reopened.ComboBox1->currentText(), "http");
}

TEST_F(CDLookupWindow, SitesListFillsTheAddressesAndAChoiceFillsTheFields) {
  sitesReply =
      "210 OK, site information follows\n"
      "mirror.example.org http 8080 /cddb/cddb.cgi N000.00 W000.00 Mirror in Town\n"
      "cddbp.example.org cddbp 8880 - N000.00 W000.00 Line Server\n.\n";
  ServeHttp("");
  lookup->Button3Click();
  ASSERT_EQ(lookup->ComboBox2->count(), 2);
  EXPECT_EQ(lookup->ComboBox2->itemText(0), "mirror.example.org");
  EXPECT_EQ(lookup->ComboBox2->itemText(1), "cddbp.example.org (cddbp)");
  EXPECT_EQ(lookup->ComboBox2->currentText(), "127.0.0.1");

  lookup->ComboBox2->setCurrentIndex(0);
  lookup->ComboBox2Select(0);
  EXPECT_EQ(lookup->ComboBox1->currentText(), "http");
  EXPECT_EQ(lookup->Edit3->text(), "/cddb/cddb.cgi");
  EXPECT_EQ(lookup->Edit5->text(), "8080");
  EXPECT_EQ(lookup->Edit1->text(), "Mirror in Town");
  lookup->ComboBox2->setCurrentIndex(1);
  lookup->ComboBox2Select(1);
  EXPECT_EQ(lookup->ComboBox2->currentText(), "cddbp.example.org");
  EXPECT_EQ(lookup->ComboBox1->currentText(), "cddbp");
  EXPECT_EQ(lookup->Edit2->text(), "8880");
  EXPECT_FALSE(lookup->Edit3->isEnabled());
}

}  // namespace
