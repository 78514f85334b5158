#include <discid/discid.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "CddbTestSupport.h"
#include "cddb/DiscId.h"

namespace {

using namespace Cddb;

TEST(DiscId, ComputesIdAndQueryOfAThreeTrackDisc) {
  const CDTOCRecord toc = TestCddb::SampleToc();
  EXPECT_EQ(CalcDiscId(toc), 0x12025903u);
  EXPECT_EQ(DiscIdText(CalcDiscId(toc), false), "12025903");
  EXPECT_EQ(BuildQueryCommand(toc), "cddb query 12025903 3 150 16887 32300 603");

  // A data track counts exactly like an audio track.
  CDTOCRecord withData = toc;
  withData.Tracks[2].AudioFlag = 0;
  EXPECT_EQ(CalcDiscId(withData), CalcDiscId(toc));
}

TEST(DiscId, EmptyTableGivesZeroId) {
  const CDTOCRecord toc;
  EXPECT_EQ(DiscIdText(CalcDiscId(toc), false), "00000000");
  EXPECT_EQ(BuildQueryCommand(toc), "cddb query 00000000 0 0");
}

TEST(DiscId, DigitSumAndHexCase) {
  EXPECT_EQ(CddbDigitSum(12345), 15);
  EXPECT_EQ(CddbDigitSum(0), 0);
  EXPECT_EQ(CddbDigitSum(-42), 0);
  EXPECT_EQ(DiscIdText(0x7a0b1c09u, true), "7A0B1C09");
  EXPECT_EQ(DiscIdText(0xau, false), "0000000a");
}

TEST(DiscId, AgreesWithLibdiscidOnGeneratedTables) {
  std::mt19937 random(20261208);
  DiscId* reference = discid_new();
  for (int disc = 0; disc < 300; ++disc) {
    const int tracks = std::uniform_int_distribution<int>(1, 99)(random);
    const int maxLength = std::min(60000, 400000 / tracks);  // keep the disc within 99 minutes
    int offsets[100] = {};
    CDTOCRecord toc;
    toc.TrackCount = static_cast<uint8_t>(tracks);
    int frame = 150 + std::uniform_int_distribution<int>(0, 400)(random);
    for (int i = 1; i <= tracks; ++i) {
      offsets[i] = frame;
      ASSERT_TRUE(SetEntryFrames(toc.Tracks[i - 1], frame));
      frame += std::uniform_int_distribution<int>(300, maxLength)(random);
    }
    offsets[0] = frame;
    ASSERT_TRUE(SetEntryFrames(toc.LeadOut, frame));
    ASSERT_TRUE(discid_put(reference, 1, tracks, offsets));
    EXPECT_EQ(DiscIdText(CalcDiscId(toc), false).toStdString(), discid_get_freedb_id(reference))
        << "disc " << disc << " of " << tracks << " tracks";
  }
  discid_free(reference);
}

}  // namespace
