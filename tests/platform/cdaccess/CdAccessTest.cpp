#include <QFile>

#include <gtest/gtest.h>

#include "mediagen/CdImageWriter.h"
#include "platform/cdaccess/CdAccess.h"
#include "support/TestEnvironment.h"

namespace {

QString WriteImage(const std::vector<double>& trackSeconds) {
  std::vector<MediaGen::CdTrackTone> tracks;
  for (const double seconds : trackSeconds) tracks.push_back({{440.0}, seconds, 0.3});
  const QString cue = TestSupport::ProgramFolder() + "disc.cue";
  std::string error;
  EXPECT_TRUE(MediaGen::WriteCueBin(cue.toStdString(), tracks, &error)) << error;
  return cue;
}

TEST(CdAccess, ReadsTheTableOfContentsOfACueBinImage) {
  ASSERT_TRUE(CdAccess::Available());
  const QString cue = WriteImage({2.0, 1.5, 3.0});
  EXPECT_TRUE(CdAccess::IsDiscImage(cue));

  CDTOCRecord toc;
  ASSERT_EQ(CdAccess::ReadToc(cue, toc), CdAccess::TocStatus::Ok);
  ASSERT_EQ(toc.TrackCount, 3);
  // Track 1 starts after the two-second pregap; each track follows the last.
  const int sectors[] = {MediaGen::CdTrackSectors(2.0), MediaGen::CdTrackSectors(1.5),
                         MediaGen::CdTrackSectors(3.0)};
  int expected = 150;
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(EntryFrames(toc.Tracks[i]), expected) << "track " << i + 1;
    EXPECT_EQ(toc.Tracks[i].AudioFlag, -1);
    expected += sectors[i];
  }
  EXPECT_EQ(EntryFrames(toc.LeadOut), expected);
  EXPECT_EQ(toc.LeadOut.AudioFlag, 0);
  EXPECT_EQ(toc.Tracks[3].Minute + toc.Tracks[3].Second + toc.Tracks[3].Frame, 0);
  EXPECT_TRUE(CdAccess::DiscPresent(cue));
}

TEST(CdAccess, NamesThatHoldNoDiscReadAsNoDisc) {
  CDTOCRecord toc;
  toc.TrackCount = 7;
  EXPECT_EQ(CdAccess::ReadToc(TestSupport::ProgramFolder() + "missing.cue", toc), CdAccess::TocStatus::NoDisc);
  EXPECT_EQ(toc.TrackCount, 0);

  // A file that only claims to be a cue sheet.
  const QString bogus = TestSupport::ProgramFolder() + "bogus.cue";
  QFile file(bogus);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write("this is no cue sheet\n\x01\x02\x03");
  file.close();
  EXPECT_FALSE(CdAccess::IsDiscImage(bogus));
  EXPECT_EQ(CdAccess::ReadToc(bogus, toc), CdAccess::TocStatus::NoDisc);
  EXPECT_FALSE(CdAccess::DiscPresent(bogus));
  EXPECT_EQ(CdAccess::ReadToc(QString(), toc), CdAccess::TocStatus::NoDisc);
}

}  // namespace
