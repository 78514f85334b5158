#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include "platform/localcddb/LocalCDDBLibrary.h"
#include "support/TestEnvironment.h"

namespace {

using namespace LocalCDDB;

class LocalStore : public ::testing::Test {
 protected:
  void SetUp() override {
    folder = TestSupport::ProgramFolder() + "LocalCDDatabase/";
    QString error;
    store = OpenLocalCDDB(folder + "LocalCDDB.dll", &error);
    ASSERT_TRUE(store) << error.toStdString();
    store->SetVersion("Solvane Audio Player v1.1");
  }

  std::unique_ptr<CDLibraryRecord> Record(const QString& id, const QString& category) {
    auto record = std::make_unique<CDLibraryRecord>();
    SetRecordText(record->DiscId, id);
    SetRecordText(record->Category, category);
    SetRecordText(record->Artist, "Artist");
    SetRecordText(record->Title, "Title");
    SetRecordText(record->TrackTitles[0], "One");
    record->TOC.TrackCount = 1;
    SetEntryFrames(record->TOC.Tracks[0], 150);
    SetEntryFrames(record->TOC.LeadOut, 7500);
    record->Revision = 2;
    return record;
  }

  static void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(path.left(path.lastIndexOf('/')));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
  }

  QString folder;
  std::unique_ptr<LocalCDDBLibrary> store;
};

TEST_F(LocalStore, WritesOneXmcdFilePerDiscAndReadsItBack) {
  ASSERT_EQ(store->WriteCDData(*Record("0A0B1C09", "rock"), folder), Success);
  const QString path = folder + "rock/0a0b1c09";
  ASSERT_TRUE(QFile::exists(path));
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray text = file.readAll();
  EXPECT_TRUE(text.contains("DTITLE=Artist / Title\n"));
  EXPECT_TRUE(text.contains("# Submitted via: Solvane Audio Player v1.1\n"));

  auto read = std::make_unique<CDLibraryRecord>();
  ASSERT_EQ(store->ReadCDData(*read, folder, "0a0b1c09"), Success);
  EXPECT_EQ(RecordText(read->Category), "rock");
  EXPECT_EQ(RecordText(read->TrackTitles[0]), "One");
  EXPECT_EQ(read->Revision, 2);
  EXPECT_EQ(EntryFrames(read->TOC.LeadOut), 7500);
}

TEST_F(LocalStore, RefusesIdsAndCategoriesThatAreNoPlainNames) {
  EXPECT_EQ(store->WriteCDData(*Record("../../x", "rock"), folder), InvalidArguments);
  EXPECT_EQ(store->WriteCDData(*Record("0a0b1c09", "../etc"), folder), InvalidArguments);
  EXPECT_EQ(store->WriteCDData(*Record("0a0b1c09", ""), folder), InvalidArguments);
  EXPECT_EQ(store->WriteCDData(*Record("0a0b1c0", "rock"), folder), InvalidArguments);
  auto read = std::make_unique<CDLibraryRecord>();
  EXPECT_EQ(store->ReadCDData(*read, folder, "../rock/0a0b1c09"), InvalidArguments);
  EXPECT_TRUE(QDir(TestSupport::ProgramFolder()).entryList({"etc", "x"}).isEmpty());
}

TEST_F(LocalStore, OversizedEntryIsNotRead) {
  WriteFile(folder + "jazz/22222222", QByteArray(2 * 1024 * 1024, 'T'));
  auto read = std::make_unique<CDLibraryRecord>();
  EXPECT_EQ(store->ReadCDData(*read, folder, "22222222"), FileReadError);
}

TEST_F(LocalStore, FindsTheDiscInEveryCategory) {
  ASSERT_EQ(store->WriteCDData(*Record("7a0b1c09", "rock"), folder), Success);
  ASSERT_EQ(store->WriteCDData(*Record("7a0b1c09", "jazz"), folder), Success);
  ASSERT_EQ(store->WriteCDData(*Record("01010101", "misc"), folder), Success);

  MatchBuffers matches;
  ASSERT_EQ(store->FindMatches(*Record("7A0B1C09", ""), folder, matches), Success);
  EXPECT_STREQ(matches[0].data(), "jazz 7a0b1c09");
  EXPECT_STREQ(matches[1].data(), "rock 7a0b1c09");
  EXPECT_STREQ(matches[2].data(), "");

  EXPECT_EQ(store->FindMatches(*Record("99999999", ""), folder, matches), NoMatches);
  EXPECT_STREQ(matches[0].data(), "");
}

TEST(LocalStoreOpening, NeedsAFolderForTheDatabase) {
  QString error;
  EXPECT_FALSE(OpenLocalCDDB("LocalCDDB.dll", &error));
  EXPECT_EQ(error, "Dll not found");
  const QString file = TestSupport::ProgramFolder() + "plainfile";
  QFile(file).open(QIODevice::WriteOnly);
  EXPECT_FALSE(OpenLocalCDDB(file + "/LocalCDDB.dll", &error));
  EXPECT_TRUE(OpenLocalCDDB(TestSupport::ProgramFolder() + "not-yet-made/LocalCDDB.dll", &error));
}

}  // namespace
