// A generated .cue/.bin disc image followed from its table of contents to
// the playlist entries of its tracks, and through both transports.
#include <discid/discid.h>

#include <QFile>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

#include "CddbTestSupport.h"
#include "FakeCddbServer.h"
#include "app/Forms.h"
#include "cddb/CDInformation.h"
#include "cddb/DiscId.h"
#include "cddb/TAddAudioCDForm.h"
#include "cddb/TMyFreeDBInterfaceForm.h"
#include "mediagen/CdImageWriter.h"
#include "playlist/CDTrackStep.h"
#include "playlist/PlayListEntry.h"

namespace {

using namespace GeneralFunctions;

class DiscImage : public ::testing::Test {
 protected:
  void SetUp() override {
    cue = TestSupport::ProgramFolder() + "album.cue";
    std::vector<MediaGen::CdTrackTone> tones;
    for (const double seconds : trackSeconds) tones.push_back({{330.0}, seconds, 0.2});
    ASSERT_TRUE(MediaGen::WriteCueBin(cue.toStdString(), tones));
    form = new TMyFreeDBInterfaceForm;
    MyFreeDBInterfaceForm = form;
    freedb = form->freedb;
    freedb->OnStatusMessage = [this](Cddb::TCddb*, const QString& text) { statuses.append(text); };
    FreeDBInterface::State() = FreeDBInterface::UnitState{};
  }
  void TearDown() override {
    MyFreeDBInterfaceForm = nullptr;
    delete form;
    FreeDBInterface::ShowLookupWindow = nullptr;
  }

  // The id libdiscid gives for the image's track layout.
  std::string ReferenceId() const {
    int offsets[100] = {};
    int frame = 150;
    for (size_t i = 0; i < trackSeconds.size(); ++i) {
      offsets[i + 1] = frame;
      frame += MediaGen::CdTrackSectors(trackSeconds[i]);
    }
    offsets[0] = frame;
    DiscId* reference = discid_new();
    EXPECT_TRUE(discid_put(reference, 1, static_cast<int>(trackSeconds.size()), offsets));
    std::string id = discid_get_freedb_id(reference);
    discid_free(reference);
    return id;
  }

  void SaveDiscInformation() {
    ASSERT_TRUE(freedb->ReadTOCByLetter(cue));
    Cddb::TCDInfo& info = freedb->GetCDInfo();
    info.CDArtist = "Image Artist";
    info.CDTitle = "Image Album";
    for (size_t i = 0; i < trackSeconds.size(); ++i) info.CDTrackTitles[i] = QString("Song %1").arg(i + 1);
    ASSERT_EQ(freedb->SaveLocal(), 0);
  }

  std::vector<double> trackSeconds{4.0, 2.5, 3.2, 61.0};
  QString cue;
  TMyFreeDBInterfaceForm* form = nullptr;
  Cddb::TCddb* freedb = nullptr;
  QStringList statuses;
};

TEST_F(DiscImage, TableOfContentsGivesTheIdLibdiscidGives) {
  ASSERT_TRUE(freedb->ReadTOCByLetter(cue));
  EXPECT_EQ(freedb->GetCDInfo().CDDiscId.toStdString(), ReferenceId());
  EXPECT_EQ(freedb->GetCDInfo().CDTOC.TrackCount, trackSeconds.size());
  EXPECT_EQ(freedb->CDDriveList.DriveNames.value(freedb->CDDriveList.CurrentDrive), cue);
  EXPECT_TRUE(freedb->ReadCurrentTOC());
  EXPECT_TRUE(statuses.isEmpty());
}

TEST_F(DiscImage, DrivesThatHoldNoDisc) {
  EXPECT_FALSE(freedb->ReadTOCByLetter(TestSupport::ProgramFolder() + "missing.cue"));
  EXPECT_FALSE(freedb->ReadTOC(200));
  EXPECT_TRUE(statuses.isEmpty());

  const QString bogus = TestSupport::ProgramFolder() + "bogus.cue";
  QFile file(bogus);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("FILE nothing\n");
  file.close();
  EXPECT_FALSE(freedb->ReadTOCByLetter(bogus));
  EXPECT_EQ(statuses.last(), "No CD in CD/DVD drive!");
  EXPECT_EQ(freedb->GetCDInfo().CDDiscId, "00000000");

  freedb->InternalTOCRetrieve = false;
  EXPECT_FALSE(freedb->ReadTOCByLetter(cue));
  EXPECT_EQ(statuses.last(), "ASPI not installed!");
}

TEST_F(DiscImage, UnknownDiscGivesPlainTrackEntriesAndAsksForTheLookup) {
  int lookups = 0;
  FreeDBInterface::ShowLookupWindow = [&lookups] { ++lookups; };
  EXPECT_EQ(FreeDBInterface::GetCDInformation(cue + "/", 0), 1);
  EXPECT_EQ(lookups, 0);
  EXPECT_EQ(FreeDBInterface::GetCDInformation(cue + "/", 1), 1);
  EXPECT_EQ(lookups, 1);
  EXPECT_FALSE(FreeDBInterface::State().CDInfoFound);
  // The failed local load emptied the record; the disc's own table is back.
  EXPECT_EQ(freedb->GetCDInfo().CDDiscId.toStdString(), ReferenceId());

  FreeDBInterface::BuildCDTrackList();
  const QStringList& tracks = FreeDBInterface::State().CDTrackList;
  ASSERT_EQ(tracks.size(), 4);
  EXPECT_EQ(tracks[0], BuildPlayListEntry(cue + "/Track01.cda"));
  EXPECT_EQ(GetEntrySongPath(tracks[3]), cue + "/Track04.cda");
}

TEST_F(DiscImage, SavedDiscNamesItsTracksInThePlaylist) {
  SaveDiscInformation();
  int lookups = 0;
  FreeDBInterface::ShowLookupWindow = [&lookups] { ++lookups; };
  freedb->GetCDInfo() = Cddb::TCDInfo{};

  // The playlist's CD-track step reaches the module through its hooks.
  QStringList cdTrackList;
  const QStringList entries =
      PlayListCDTracks::CheckPlaylistForCDTracksAndGetCDInfo({BuildPlayListEntry(cue)}, true, cdTrackList);
  EXPECT_EQ(lookups, 0);
  EXPECT_TRUE(FreeDBInterface::State().CDInfoFound);
  ASSERT_EQ(entries.size(), 4);
  EXPECT_EQ(cdTrackList, entries);
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(GetEntrySongPath(entries[i]), cue + QString("/Track%1.cda").arg(i + 1, 2, 10, QChar('0')));
    EXPECT_EQ(GetEntrySongArtist(entries[i]), "Image Artist");
    EXPECT_EQ(GetEntrySongTitle(entries[i]), QString("Song %1").arg(i + 1));
  }
}

TEST_F(DiscImage, QueriesReadsAndSubmitsOverBothTransports) {
  ASSERT_TRUE(freedb->ReadTOCByLetter(cue));
  const QString id = freedb->GetCDInfo().CDDiscId;
  const QString query = Cddb::BuildQueryCommand(freedb->GetCDInfo().CDTOC);
  const QByteArray entry = ("# xmcd\n#\n# Track frame offsets:\n#\t150\n#\n# Disc length: 72 seconds\n#\nDISCID=" +
                            id + "\nDTITLE=Server Artist / Server Album\nTTITLE0=One\nTTITLE1=Two\n"
                                 "TTITLE2=Three\nTTITLE3=Four\nEXTD=\nPLAYORDER=\n.\n")
                               .toUtf8();
  TestCddb::FakeCddbServer server;
  server.onCommand = [&](const QString& command) -> QByteArray {
    if (command.startsWith("cddb hello")) return "200 welcome\r\n";
    if (command == query) return ("200 misc " + id + " Server Artist / Server Album\r\n").toUtf8();
    if (command == "cddb read misc " + id) return "210 misc " + id.toUtf8() + " follows\r\n" + entry;
    return "500 unknown\r\n";
  };
  server.onHttp = [&](const TestCddb::HttpRequest& request) -> QByteArray {
    if (request.target.contains("cmd=cddb+query")) return ("200 misc " + id + " Server Artist / Server Album\n").toUtf8();
    if (request.target.contains("cmd=cddb+read+misc+" + id.toUpper().toUtf8())) return "210 misc follows\n" + entry;
    if (request.target == "/~cddb/submit.cgi") return "200 OK, submission has been sent.\n";
    return "500 unknown\n";
  };

  freedb->ServerAddr = "127.0.0.1";
  freedb->ServerPort = QString::number(server.CddbpPort());
  freedb->ServerType = Cddb::TServerType::CDDBP;
  ASSERT_EQ(freedb->Hello(), 0);
  ASSERT_EQ(freedb->Query(), 0);
  ASSERT_EQ(freedb->Read(), 0);
  EXPECT_EQ(freedb->GetCDInfo().CDTrackTitles[3], "Four");
  // The read table of contents is the disc's, not the entry's.
  EXPECT_EQ(freedb->GetCDInfo().CDDiscId, id);
  freedb->Quit();

  freedb->GetCDInfo().CDTrackTitles[3].clear();
  freedb->ServerType = Cddb::TServerType::HTTP;
  freedb->ServerAddr = server.HttpAddress();
  ASSERT_EQ(freedb->HttpQuery(), 0);
  EXPECT_EQ(freedb->ProtocolState, 3);
  ASSERT_EQ(freedb->HttpRead(), 0);
  EXPECT_EQ(freedb->GetCDInfo().CDArtist, "Server Artist");
  EXPECT_EQ(freedb->GetCDInfo().CDTrackTitles[3], "Four");

  ASSERT_EQ(freedb->CreateEntry(), 0);
  ASSERT_EQ(freedb->HttpSubmit(), 0);
  const TestCddb::HttpRequest& submission = server.requests.back();
  EXPECT_EQ(submission.Header("Discid"), id.toUpper().toUtf8());
  EXPECT_EQ(submission.Header("Category"), "misc");
  EXPECT_TRUE(submission.body.contains("DTITLE=Server Artist / Server Album\r\n"));
  EXPECT_TRUE(submission.body.contains(("DISCID=" + id + "\r\n").toUtf8()));
  EXPECT_EQ(statuses.last(), "OK, submission has been sent.");
}

TEST_F(DiscImage, AddAudioCDOffersTheDrivesAndDiscImages) {
  TAddAudioCDForm chooser;
  TestSupport::FileDialogs().answers = {{cue}};
  TestSupport::ModalDialogs().answer = [&chooser](QDialog&) {
    chooser.ImageButton->click();
    return chooser.result();
  };
  EXPECT_EQ(chooser.ChooseDisc(), cue);
  EXPECT_EQ(TestSupport::FileDialogs().calls.at(0).filter, "CD Images (*.cue *.toc *.nrg);;All files (*)");
  // A machine without drives says so and offers nothing to add.
  if (chooser.DriveList->count() == 1 && !(chooser.DriveList->item(0)->flags() & Qt::ItemIsEnabled)) {
    EXPECT_FALSE(chooser.AddButton->isEnabled());
  }
  TestSupport::ModalDialogs().answer = nullptr;
  EXPECT_TRUE(chooser.ChooseDisc().isEmpty());
}

}  // namespace
