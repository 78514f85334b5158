#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "CddbTestSupport.h"

namespace {

class LocalOperations : public ::testing::Test, public TestCddb::RecordedClient {
 protected:
  void SetUp() override {
    folder = TestSupport::ProgramFolder() + "LocalCDDatabase/";
    Cddb::TCDInfo& info = cddb.GetCDInfo();
    info.CDDiscId = "12025903";
    info.CDArtist = "Artist";
    info.CDTitle = "Title";
    for (int i = 0; i < 3; ++i) info.CDTrackTitles[i] = QString("Track title %1").arg(i + 1);
    info.CDRevision = 4;
  }
  QString folder;
};

TEST_F(LocalOperations, SavedDiscLoadsBackUnderMisc) {
  ASSERT_EQ(cddb.SaveLocal(), 0);
  EXPECT_EQ(cddb.GetCDInfo().CDCategory, "misc");
  EXPECT_EQ(cddb.GetCDInfo().CDRevision, 5);
  EXPECT_TRUE(QFile::exists(folder + "misc/12025903"));

  cddb.GetCDInfo() = Cddb::TCDInfo{};
  cddb.GetCDInfo().CDDiscId = "12025903";
  ASSERT_EQ(cddb.LoadLocal(), 0);
  const Cddb::TCDInfo& info = cddb.GetCDInfo();
  EXPECT_EQ(info.CDArtist, "Artist");
  EXPECT_EQ(info.CDTrackTitles[2], "Track title 3");
  EXPECT_EQ(info.CDCategory, "misc");
  EXPECT_EQ(info.CDRevision, 5);
  EXPECT_EQ(info.CDTOC.TrackCount, 3);
  EXPECT_EQ(EntryFrames(info.CDTOC.Tracks[1]), 16887);
  // The entry lines are made from what was loaded.
  EXPECT_EQ(cddb.EntryLines[0], "# xmcd");
  EXPECT_TRUE(std::find(cddb.EntryLines.begin(), cddb.EntryLines.end(), "DTITLE=Artist / Title") !=
              cddb.EntryLines.end());

  ASSERT_EQ(cddb.FindLocalMatches(), 0);
  EXPECT_EQ(statuses.last(), "Match(es) found from local CD database");
  EXPECT_EQ(cddb.LocalMatches[0], std::make_pair(QString("misc"), QString("12025903")));
  EXPECT_TRUE(cddb.LocalMatches[1].first.isEmpty());
}

TEST_F(LocalOperations, LoadFailuresAreReported) {
  EXPECT_EQ(cddb.LoadLocal(), -2);
  EXPECT_TRUE(statuses.contains("Couldn't find the file"));
  EXPECT_EQ(cddb.FindLocalMatches(), -1);
  EXPECT_EQ(statuses.last(), "No match(es) found from local CD database");

  QDir().mkpath(folder + "rock");
  QFile corrupt(folder + "rock/12025903");
  ASSERT_TRUE(corrupt.open(QIODevice::WriteOnly));
  corrupt.write("\x7f garbage without any keyword\n");
  corrupt.close();
  cddb.GetCDInfo().CDDiscId = "12025903";
  EXPECT_EQ(cddb.LoadLocal(), -4);
  EXPECT_TRUE(statuses.contains("The file is corrupt"));

  cddb.GetCDInfo().CDDiscId = "../../etc";
  EXPECT_EQ(cddb.LoadLocal(), -1);
  EXPECT_TRUE(statuses.contains("Invalid arguments"));
}

TEST_F(LocalOperations, SaveFailuresAreReported) {
  QDir().mkpath(folder);
  QFile blocker(folder + "rock");
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
  blocker.close();
  cddb.GetCDInfo().CDCategory = "rock";
  EXPECT_EQ(cddb.SaveLocal(), -2);
  EXPECT_EQ(statuses.last(), "Error creating the directory");
  cddb.GetCDInfo().CDDiscId = "not an id";
  EXPECT_EQ(cddb.SaveLocal(), -1);
  EXPECT_EQ(statuses.last(), "Invalid arguments");
}

TEST_F(LocalOperations, MissingDatabaseFailsEveryOperation) {
  cddb.LocalCDDBPath = "LocalCDDB.dll";
  EXPECT_EQ(cddb.ParseEntry(), -1);
  EXPECT_EQ(cddb.CreateEntry(), -1);
  EXPECT_EQ(cddb.SaveLocal(), -1);
  EXPECT_EQ(cddb.LoadLocal(), -1);
  EXPECT_EQ(cddb.FindLocalMatches(), -1);
  EXPECT_EQ(statuses, QStringList(5, "LocalCDDB.dll not found or invalid"));
  EXPECT_EQ(cddb.GetCDInfo().CDRevision, 4);
  EXPECT_TRUE(cddb.GetCDInfo().CDCategory.isEmpty());
}

TEST_F(LocalOperations, CreatedEntryReplacesEveryLineAndFailsWhenTooLarge) {
  cddb.EntryLines.fill("stale line");
  ASSERT_EQ(cddb.CreateEntry(), 0);
  const auto firstEmpty = std::find(cddb.EntryLines.begin(), cddb.EntryLines.end(), QString());
  ASSERT_NE(firstEmpty, cddb.EntryLines.end());
  EXPECT_TRUE(std::all_of(firstEmpty, cddb.EntryLines.end(), [](const QString& l) { return l.isEmpty(); }));
  EXPECT_EQ(*(firstEmpty - 1), "PLAYORDER=");

  // Needs a second or third buffer size, then more than the largest.
  Cddb::TCDInfo& info = cddb.GetCDInfo();
  info.CDExtendedData = QString(500, 'e');
  for (int i = 0; i < 3; ++i) info.CDTrackExtData[i] = QString(500, 'x');
  for (int i = 0; i < 3; ++i) info.CDTrackTitles[i] = QString(500, 't');
  EXPECT_EQ(cddb.CreateEntry(), 0);
  info.CDTOC.TrackCount = 40;
  for (int i = 0; i < 40; ++i) {
    SetEntryFrames(info.CDTOC.Tracks[i], 150 + i * 7500);
    info.CDTrackTitles[i] = QString(500, 't');
    info.CDTrackExtData[i] = QString(500, 'x');
  }
  EXPECT_EQ(cddb.CreateEntry(), -1);
  EXPECT_EQ(statuses.last(), "The buffer is too small");
  EXPECT_TRUE(cddb.EntryLines[0].isEmpty());
}

TEST_F(LocalOperations, ParsingKeepsTheCategory) {
  cddb.GetCDInfo().CDCategory = "jazz ";
  cddb.EntryLines[0] = "DISCID=0a0b1c09";
  cddb.EntryLines[1] = "DTITLE=New / Album";
  EXPECT_EQ(cddb.ParseEntry(), 0);
  EXPECT_EQ(cddb.GetCDInfo().CDArtist, "New");
  EXPECT_EQ(cddb.GetCDInfo().CDCategory, "jazz ");

  cddb.EntryLines[0] = "not an entry";
  EXPECT_EQ(cddb.ParseEntry(), -4);
  EXPECT_TRUE(statuses.contains("The entry is corrupt"));
  EXPECT_EQ(cddb.GetCDInfo().CDCategory, "jazz ");
}

}  // namespace
