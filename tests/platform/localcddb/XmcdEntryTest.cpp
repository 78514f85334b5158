#include <QStringList>

#include <gtest/gtest.h>

#include "platform/localcddb/XmcdEntry.h"

namespace {

using LocalCDDB::CDLibraryRecord;
using LocalCDDB::RecordText;
using LocalCDDB::SetRecordText;

std::unique_ptr<CDLibraryRecord> SampleRecord() {
  auto record = std::make_unique<CDLibraryRecord>();
  SetRecordText(record->DiscId, "12025903");
  SetRecordText(record->Artist, QString::fromUtf8("Mötley Ensemble"));
  SetRecordText(record->Title, QString::fromUtf8("Тёмная сторона / Part 2"));
  SetRecordText(record->Year, "1999");
  SetRecordText(record->Genre, "Art Rock");
  SetRecordText(record->ExtendedData, QString("Line one\nTab\there, back\\slash ") + QString(300, QChar(0x00E9)));
  SetRecordText(record->TrackTitles[0], "Opening");
  SetRecordText(record->TrackTitles[1], QString(200, 'x') + " " + QString(200, 'y'));
  SetRecordText(record->TrackTitles[2], QString::fromUtf8("日本語のタイトル"));
  SetRecordText(record->TrackExtData[1], "notes\non two lines");
  record->Revision = 4;
  record->TOC.TrackCount = 3;
  SetEntryFrames(record->TOC.Tracks[0], 150);
  SetEntryFrames(record->TOC.Tracks[1], 16887);
  SetEntryFrames(record->TOC.Tracks[2], 32300);
  SetEntryFrames(record->TOC.LeadOut, 603 * 75);
  for (int i = 0; i < 3; ++i) record->TOC.Tracks[i].AudioFlag = -1;
  return record;
}

TEST(XmcdEntry, WrittenEntryReadsBackWithShortLines) {
  const auto record = SampleRecord();
  const QByteArray text = LocalCDDB::CreateXmcdEntry(*record, "Solvane Audio Player v1.1");

  const QList<QByteArray> lines = text.split('\n');
  for (const QByteArray& line : lines) EXPECT_LE(line.size() + 1, 256) << line.constData();
  EXPECT_TRUE(text.startsWith("# xmcd\n"));
  for (const char* expected : {"#\t150\n", "#\t16887\n", "#\t32300\n", "# Disc length: 603 seconds\n",
                               "# Revision: 4\n", "# Submitted via: Solvane Audio Player v1.1\n",
                               "DISCID=12025903\n", "DYEAR=1999\n", "DGENRE=Art Rock\n", "PLAYORDER=\n"}) {
    EXPECT_TRUE(text.contains(expected)) << expected;
  }
  EXPECT_TRUE(text.contains("EXTT1=notes\\non two lines\n"));
  // The long title is continued over several TTITLE1 lines.
  EXPECT_GE(text.count("TTITLE1="), 2);

  auto parsed = std::make_unique<CDLibraryRecord>();
  ASSERT_TRUE(LocalCDDB::ParseXmcdEntry(text, *parsed));
  for (auto field : {&CDLibraryRecord::DiscId, &CDLibraryRecord::Artist, &CDLibraryRecord::Year,
                     &CDLibraryRecord::Genre, &CDLibraryRecord::ExtendedData}) {
    EXPECT_EQ(RecordText((*parsed).*field), RecordText((*record).*field));
  }
  // The title holds " / " itself; only the first separator splits.
  EXPECT_EQ(RecordText(parsed->Title), RecordText(record->Title));
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(RecordText(parsed->TrackTitles[i]), RecordText(record->TrackTitles[i])) << i;
    EXPECT_EQ(RecordText(parsed->TrackExtData[i]), RecordText(record->TrackExtData[i])) << i;
  }
  EXPECT_EQ(parsed->Revision, 4);
  EXPECT_EQ(std::memcmp(&parsed->TOC, &record->TOC, sizeof(CDTOCRecord)), 0);
}

TEST(XmcdEntry, ReadsEntriesAsOtherToolsWriteThem) {
  const QByteArray text =
      "# xmcd CD database file\r\n"
      "# Copyright (C) 2001 Someone\r\n"
      "#\r\n"
      "# Track frame offsets:\r\n"
      "#        150\r\n"
      "#  16887\r\n"
      "#\r\n"
      "# Disc length: 603 secs\r\n"
      "#\r\n"
      "# Revision: 12\r\n"
      "# Processed by: cddbd v1.5.2PL0 Copyright (c) Steve Scherf et al.\r\n"
      "# Submitted via: ExampleRipper 2.0\r\n"
      "#\r\n"
      "DISCID=0B025902,12345678\r\n"
      "DISCID=abcdef01\r\n"
      "DTITLE=Caf\xe9 Orchestra / A Very Long Album Ti\r\n"
      "DTITLE=tle With \\\"Quotes\\\"\r\n"
      "DYEAR=1987\r\n"
      "DGENRE=Easy Listening\r\n"
      "TTITLE0=Ouverture\r\n"
      "TTITLE1=Finale \r\n"
      "TTITLE1=(live)\r\n"
      "EXTD=Recorded live.\\nRemastered\r\n"
      "EXTT0=\r\n"
      "EXTT1=\r\n"
      "PLAYORDER=\r\n";
  auto record = std::make_unique<CDLibraryRecord>();
  ASSERT_TRUE(LocalCDDB::ParseXmcdEntry(text, *record));
  EXPECT_EQ(RecordText(record->DiscId), "0b025902");
  EXPECT_EQ(RecordText(record->Artist), QString::fromUtf8("Café Orchestra"));
  EXPECT_EQ(RecordText(record->Title), "A Very Long Album Title With \\\"Quotes\\\"");
  EXPECT_EQ(RecordText(record->Year), "1987");
  EXPECT_EQ(RecordText(record->TrackTitles[1]), "Finale (live)");
  EXPECT_EQ(RecordText(record->ExtendedData), "Recorded live.\nRemastered");
  EXPECT_EQ(record->Revision, 12);
  ASSERT_EQ(record->TOC.TrackCount, 2);
  EXPECT_EQ(EntryFrames(record->TOC.Tracks[1]), 16887);
  EXPECT_EQ(EntrySeconds(record->TOC.LeadOut), 603);
}

TEST(XmcdEntry, DiscTitleWithoutSeparatorNamesArtistAndTitleAlike) {
  auto record = std::make_unique<CDLibraryRecord>();
  ASSERT_TRUE(LocalCDDB::ParseXmcdEntry("DISCID=12025903\nDTITLE=Greatest Hits\nTTITLE0=a\nTTITLE1=b\n", *record));
  EXPECT_EQ(RecordText(record->Artist), "Greatest Hits");
  EXPECT_EQ(RecordText(record->Title), "Greatest Hits");
  // Without frame offsets the titles tell the number of tracks.
  EXPECT_EQ(record->TOC.TrackCount, 2);
}

TEST(XmcdEntry, RejectsTextThatIsNoEntry) {
  auto record = std::make_unique<CDLibraryRecord>();
  EXPECT_FALSE(LocalCDDB::ParseXmcdEntry("DTITLE=a / b\nTTITLE0=x\n", *record));
  EXPECT_FALSE(LocalCDDB::ParseXmcdEntry("DISCID=nothex!!\nDTITLE=a / b\n", *record));
  EXPECT_FALSE(LocalCDDB::ParseXmcdEntry("DISCID=12025903\nthis line has no keyword\n", *record));
  EXPECT_FALSE(LocalCDDB::ParseXmcdEntry(QByteArray("\x00\x01\x02\xff garbage", 13), *record));
  EXPECT_FALSE(LocalCDDB::ParseXmcdEntry(QByteArray(), *record));
}

TEST(XmcdEntry, TextsKeepWholeCharactersWithin511Bytes) {
  LocalCDDB::TextBuffer buffer;
  SetRecordText(buffer, QString(300, QChar(0x00E9)));  // 600 bytes of UTF-8
  EXPECT_EQ(RecordText(buffer), QString(255, QChar(0x00E9)));
  SetRecordText(buffer, QString(600, 'a'));
  EXPECT_EQ(RecordText(buffer).size(), 511);
  SetRecordText(buffer, "short");
  EXPECT_EQ(RecordText(buffer), "short");
}

}  // namespace
