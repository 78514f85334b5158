// The submission window: filling, track editing, validation, saving to the
// local database and submitting to the loopback server.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest/QTest>

#include <functional>

#include "CDWindowsTestKit.h"
#include "cddb/CDLookupSettings.h"
#include "playlist/CDTrackStep.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListModel.h"

namespace {

using TestCddb::HttpRequest;

class CDSubmitWindow : public TestCddb::CDWindows {
 protected:
  // The window shown for the disc, with every required field filled.
  void ShowFilled() {
    Cddb::TCDInfo& info = freedb->GetCDInfo();
    info.CDArtist = "Artist";
    info.CDTitle = "Album";
    info.CDCategory = "rock";
    for (int i = 0; i < trackCount; ++i) info.CDTrackTitles[i] = QString("Song %1").arg(i + 1);
    submit->FormShow();
  }
  void Submit() {
    server.onHttp = [this](const HttpRequest&) { return submitReply; };
    submit->EmailEdit->setText("listener@example.net");
    CDLookup::Settings settings = CDLookup::Load();
    settings.ServerAddr = server.HttpAddress();
    CDLookup::Save(settings);
    submit->setResult(-1);
    submit->Button1Click();
  }
  const HttpRequest* Submission() const {
    for (const HttpRequest& request : server.requests) {
      if (request.target == "/~cddb/submit.cgi") return &request;
    }
    return nullptr;
  }
  QByteArray submitReply = "200 OK, submission has been sent.\n";
};

TEST_F(CDSubmitWindow, ShowsTheDiscAndEditsItsTracks) {
  Cddb::TCDInfo& info = freedb->GetCDInfo();
  info.CDExtendedData = "Recorded live\r\nin 1999";
  info.CDTrackExtData[1] = "first line\nsecond line";
  ShowFilled();
  EXPECT_EQ(submit->Edit3->text(), discId);
  EXPECT_EQ(submit->Edit10->text(), "3");
  EXPECT_EQ(submit->ComboBox1->currentText(), "rock");
  EXPECT_EQ(submit->Memo1->toPlainText(), "Recorded live\nin 1999");
  EXPECT_EQ(submit->Edit8->text(), "Song 1");
  EXPECT_EQ(submit->ListBox1->count(), 3);

  submit->ListBox1->setCurrentRow(1);
  EXPECT_EQ(submit->Edit11->text(), "2");
  EXPECT_EQ(submit->Edit8->text(), "Song 2");
  EXPECT_EQ(submit->Memo2->toPlainText(), "first line\nsecond line");
  submit->Edit8->clear();
  QTest::keyClicks(submit->Edit8, "Renamed");
  EXPECT_EQ(submit->ListBox1->item(1)->text(), "Renamed");
  submit->Memo2->setPlainText("http://example.org/notes  \n\n  ");
  submit->Memo2Exit();

  submit->ListBox1->setCurrentRow(0);
  submit->Button3Click();
  EXPECT_EQ(info.CDTrackTitles[1], "Renamed");
  // A "/" in extended data is kept, not cut into lines.
  EXPECT_EQ(info.CDTrackExtData[1], "http://example.org/notes");
  EXPECT_EQ(info.CDExtendedData, "Recorded live\nin 1999");
  submit->FormShow();
  EXPECT_EQ(submit->ComboBox1->currentIndex(), 8);
  info.CDCategory = "Rock";  // only an exact category is chosen
  submit->FormShow();
  EXPECT_EQ(submit->ComboBox1->currentIndex(), -1);
}

TEST_F(CDSubmitWindow, EveryFailedRuleIsReportedInOrderAndNothingIsStored) {
  ShowFilled();
  submit->Edit1->clear();
  submit->Edit2->clear();
  submit->Edit3->clear();
  submit->Edit7->clear();
  submit->ComboBox1->setCurrentIndex(-1);
  submit->Edit4->setText("19x5");
  submit->ListBox1->item(0)->setText("");
  submit->ListBox1->item(2)->setText("");
  submit->setResult(-1);
  submit->Button3Click();
  EXPECT_EQ(Messages(), (QStringList{"The Artist field is Empty", "The Title field is Empty",
                                     "The DiscID field is Invalid", "The Revision field is Invalid",
                                     "The Category field is Empty", "The Year field is Invalid",
                                     "Track 1 field is Empty", "Track 3 field is Empty"}));
  EXPECT_TRUE(submit->Edit4->text().isEmpty());
  EXPECT_EQ(freedb->GetCDInfo().CDArtist, "Artist");
  EXPECT_EQ(submit->result(), -1);
  EXPECT_FALSE(QFile::exists(TestSupport::ProgramFolder() + "LocalCDDatabase/rock/" + discId));

  TestSupport::MessageBoxes().shown.clear();
  submit->Button1Click();  // the same rules guard a submission
  EXPECT_EQ(Messages().size(), 7);
  EXPECT_TRUE(server.requests.empty());
}

TEST_F(CDSubmitWindow, SavedLocallyTheDiscIsNamedAtItsNextInsertion) {
  ShowFilled();
  const QString longTitle = QString(500, QChar('x'));
  const QString foreign = QString::fromUtf8("Кино — 歌 Группа крови");
  submit->Edit1->setText(foreign);
  submit->ListBox1->item(0)->setText(longTitle);
  submit->Edit4->setText("1988");
  submit->Button3Click();
  EXPECT_EQ(Messages(), QStringList{"CD Information Successfully Saved to Local Database"});
  EXPECT_EQ(submit->result(), QDialog::Accepted);

  freedb->GetCDInfo() = Cddb::TCDInfo{};
  ASSERT_EQ(FreeDBInterface::GetCDInformation(cue + "/", 1), 1);
  ASSERT_TRUE(FreeDBInterface::State().CDInfoFound);
  FreeDBInterface::BuildCDTrackList();
  const QStringList& tracks = FreeDBInterface::State().CDTrackList;
  ASSERT_EQ(tracks.size(), 3);
  EXPECT_EQ(GeneralFunctions::GetEntrySongArtist(tracks[0]), foreign);
  EXPECT_EQ(GeneralFunctions::GetEntrySongTitle(tracks[0]), longTitle);
  EXPECT_EQ(freedb->GetCDInfo().CDYear, "1988");
}

TEST_F(CDSubmitWindow, AFailedLocalSaveIsReportedAndKeepsTheWindowOpen) {
  // A file where the category folder belongs cannot take the entry.
  QDir().mkpath(TestSupport::ProgramFolder() + "LocalCDDatabase");
  QFile blocker(TestSupport::ProgramFolder() + "LocalCDDatabase/rock");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  ShowFilled();
  submit->setResult(-1);
  submit->Button3Click();
  EXPECT_EQ(Messages(), QStringList{"The CD Information could not be saved to the Local Database"});
  EXPECT_EQ(submit->result(), -1);
}

TEST_F(CDSubmitWindow, SubmissionsWithStandInsAreRefused) {
  struct Case {
    const char* name;
    QString email;
    QString trackTitle;
    QString refusal;
  };
  const std::vector<Case> cases{
      {"placeholder address", Cddb::DefaultEmailUser, "Song 2", "Please enter your own e-mail address"},
      {"no address", "", "Song 2", "Please enter your own e-mail address"},
      {"placeholder title", "listener@example.net", "Track 02",
       "Please give these tracks their real titles before submitting: 2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TestSupport::MessageBoxes().shown.clear();
    ShowFilled();
    submit->EmailEdit->setText(c.email);
    submit->ListBox1->item(1)->setText(c.trackTitle);
    submit->Button1Click();
    ASSERT_EQ(Messages().size(), 1);
    EXPECT_TRUE(Messages()[0].startsWith(c.refusal)) << Messages()[0].toStdString();
  }
  EXPECT_TRUE(server.requests.empty());
}

TEST_F(CDSubmitWindow, SubmissionGoesOutInTestModeUnlessTheUserChoosesOtherwise) {
  ShowFilled();
  EXPECT_TRUE(submit->TestSubmissionCheckBox->isChecked());
  Submit();
  const HttpRequest* submission = Submission();
  ASSERT_NE(submission, nullptr);
  EXPECT_EQ(submission->Header("Submit-Mode"), "test");
  EXPECT_EQ(submission->Header("User-Email"), "listener@example.net");
  EXPECT_EQ(submission->Header("Category"), "rock");
  EXPECT_TRUE(submission->body.contains("TTITLE2=Song 3\r\n"));
  EXPECT_EQ(Messages(), QStringList{"CD Information Successfully Submitted to freedb Servers"});
  EXPECT_EQ(submit->result(), QDialog::Accepted);
  EXPECT_TRUE(QFile::exists(TestSupport::ProgramFolder() + "LocalCDDatabase/rock/" + discId));
  EXPECT_EQ(CDLookup::Load().EmailUser, "listener@example.net");

  server.requests.clear();
  ShowFilled();
  EXPECT_EQ(submit->EmailEdit->text(), "listener@example.net");
  submit->TestSubmissionCheckBox->setChecked(false);
  Submit();
  ASSERT_NE(Submission(), nullptr);
  EXPECT_EQ(Submission()->Header("Submit-Mode"), "submit");
  EXPECT_EQ(CDLookup::Load().SubmissionType, Cddb::TSubmissionType::SUBMIT);
}

TEST_F(CDSubmitWindow, ARefusedOrFailedSubmissionKeepsTheWindowOpen) {
  ShowFilled();
  const std::pair<std::function<void()>, QString> cases[] = {
      {[this] { submitReply = "501 Invalid header information.\n"; },
       "The freedb server did not accept the submission: 501 Invalid header information."},
      {[this] { server.httpStatus = 500; }, "Submittion Failed due to an Internal Error"}};
  for (const auto& [breakServer, message] : cases) {
    TestSupport::MessageBoxes().shown.clear();
    breakServer();
    Submit();
    EXPECT_EQ(Messages(), QStringList{message});
    EXPECT_EQ(submit->result(), -1);
  }
  EXPECT_FALSE(QFile::exists(TestSupport::ProgramFolder() + "LocalCDDatabase/rock/" + discId));
}

TEST_F(CDSubmitWindow, FileInfoOnACDTrackShowsTheWindow) {
  PlayListModel model;
  model.Append({GeneralFunctions::BuildPlayListEntry("/music/song.mp3"),
                GeneralFunctions::BuildPlayListEntry(cue + "/Track02.cda")});
  model.ItemIndex = 0;
  PlayListCDTracks::ShowCDTrackInformation(model, false);
  EXPECT_TRUE(TestSupport::ModalDialogs().shownTitles.isEmpty());
  model.ItemIndex = 1;
  PlayListCDTracks::ShowCDTrackInformation(model, false);
  EXPECT_EQ(TestSupport::ModalDialogs().shownTitles, QStringList{"Submit CD Information"});
  EXPECT_EQ(model.CDTrackList.size(), 3);
  EXPECT_EQ(submit->Edit3->text(), discId);
}

class ManyTracks : public CDSubmitWindow {
 protected:
  ManyTracks() {
    trackCount = 99;
    trackSeconds = 0.1;
  }
};

TEST_F(ManyTracks, AllNinetyNineTracksAreEditedAndSaved) {
  ShowFilled();
  ASSERT_EQ(submit->ListBox1->count(), 99);
  submit->ListBox1->setCurrentRow(98);
  EXPECT_EQ(submit->Edit11->text(), "99");
  submit->Button3Click();
  EXPECT_EQ(submit->result(), QDialog::Accepted);
  freedb->GetCDInfo() = Cddb::TCDInfo{};
  ASSERT_EQ(FreeDBInterface::GetCDInformation(cue + "/", 0), 1);
  FreeDBInterface::BuildCDTrackList();
  ASSERT_EQ(FreeDBInterface::State().CDTrackList.size(), 99);
  EXPECT_EQ(GeneralFunctions::GetEntrySongTitle(FreeDBInterface::State().CDTrackList[98]), "Song 99");
}

}  // namespace
