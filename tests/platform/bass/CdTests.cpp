// The CD channel over a .cue/.bin disc image: table of contents, lengths,
// disc id, playing a track's own samples, positions in milliseconds.
#include <cdio/cdio.h>

#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <string>

#include "BassTestKit.h"
#include "mediagen/CdImageWriter.h"

using namespace BassTestKit;

namespace {

class CdTest : public BassTest {
 protected:
  // Slow enough that a track is still playing when the test looks at it.
  const char* Pace() const override { return "8"; }

  void SetUp() override {
    BassTest::SetUp();
    cuePath = TestFile("disc.cue");
    std::string error;
    ASSERT_TRUE(MediaGen::WriteCueBin(cuePath, {{{440.0}, 1.0, 0.5}, {{880.0}, 1.5, 0.5}}, &error)) << error;
  }

  // The samples of a track as the image holds them.
  Pcm16 ImageTrack(int firstSector, int sectors) {
    const std::vector<uint8_t> bin = ReadBytes(TestFile("disc.bin"));
    Pcm16 pcm;
    pcm.samples.resize(static_cast<size_t>(sectors) * MediaGen::kCdSectorBytes / 2);
    std::memcpy(pcm.samples.data(), bin.data() + static_cast<size_t>(firstSector) * MediaGen::kCdSectorBytes,
                pcm.samples.size() * 2);
    return pcm;
  }

  std::string cuePath;
  const int sectors1 = MediaGen::CdTrackSectors(1.0);
  const int sectors2 = MediaGen::CdTrackSectors(1.5);
};

TEST_F(CdTest, CallsBeforeInitFailWithTheirCode) {
  EXPECT_FALSE(BASS_CDInDrive());
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_CDINIT});
  EXPECT_FALSE(BASS_CDPlay(1, FALSE, FALSE));
  EXPECT_EQ(BASS_ChannelIsActive(CDCHANNEL), DWORD{BASS_ACTIVE_STOPPED});
  EXPECT_FALSE(BASS_CDInit(TestFile("missing.cue").c_str(), 0));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_INITCD});
  EXPECT_STREQ(BASS_CDGetDrive(), "");
}

TEST_F(CdTest, AMachineWithoutDrivesStartsTheCDSystemWithNoDrive) {
  char** devices = cdio_get_devices(DRIVER_DEVICE);
  const bool hasDrive = devices && devices[0];
  cdio_free_device_list(devices);
  if (hasDrive || std::getenv("SOLVANE_CD_DRIVE")) GTEST_SKIP() << "this machine has a CD drive";
  ASSERT_TRUE(BASS_CDInit(nullptr, 0));
  EXPECT_STREQ(BASS_CDGetDrive(), "");
  EXPECT_FALSE(BASS_CDInDrive());
  EXPECT_FALSE(BASS_CDPlay(1, FALSE, FALSE));
  // A disc image named later still opens.
  ASSERT_TRUE(BASS_CDInit(cuePath.c_str(), 0)) << BASS_ErrorGetCode();
  EXPECT_TRUE(BASS_CDInDrive());
}

TEST_F(CdTest, ImageGivesItsTracksLengthsAndDiscId) {
  ASSERT_TRUE(BASS_CDInit(cuePath.c_str(), 0)) << BASS_ErrorGetCode();
  EXPECT_FALSE(BASS_CDInit(cuePath.c_str(), 0));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_ALREADY});
  EXPECT_EQ(BASS_CDGetDrive(), cuePath);
  EXPECT_TRUE(BASS_CDInDrive());
  EXPECT_EQ(BASS_CDGetTracks(), 2u);
  EXPECT_EQ(BASS_CDGetTrackLength(1), static_cast<DWORD>(sectors1 * 1000 / 75));
  EXPECT_EQ(BASS_CDGetTrackLength(2), static_cast<DWORD>(sectors2 * 1000 / 75));
  EXPECT_EQ(BASS_CDGetTrackLength(3), 0xFFFFFFFFu);
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_CDTRACK});

  // freedb: digit sums of the track starts in seconds (2 s lead-in), the
  // playing time in seconds, the number of tracks.
  auto digitSum = [](int n) {
    int s = 0;
    for (; n > 0; n /= 10) s += n % 10;
    return s;
  };
  const int checksum = digitSum(150 / 75) + digitSum((sectors1 + 150) / 75);
  const int seconds = (sectors1 + sectors2 + 150) / 75 - 150 / 75;
  char expected[9];
  std::snprintf(expected, sizeof expected, "%08x", (checksum % 255) << 24 | seconds << 8 | 2);
  EXPECT_STREQ(BASS_CDGetID(BASS_CDID_CDDB), expected);

  // Another image takes the drive's place after BASS_CDFree.
  BASS_CDFree();
  EXPECT_FALSE(BASS_CDInDrive());
  ASSERT_TRUE(MediaGen::WriteCueBin(TestFile("one.cue"), {{{220.0}, 0.5, 0.5}}));
  ASSERT_TRUE(BASS_CDInit(TestFile("one.cue").c_str(), 0));
  EXPECT_EQ(BASS_CDGetTracks(), 1u);
}

TEST_F(CdTest, PlaysATracksOwnSamplesWithPositionsInMilliseconds) {
  ASSERT_TRUE(BASS_CDInit(cuePath.c_str(), 0));
  // Volume and pan set before a track plays carry over to it.
  ASSERT_TRUE(BASS_ChannelSetAttributes(CDCHANNEL, -1, 100, 0));
  EXPECT_FALSE(BASS_CDPlay(3, FALSE, FALSE));
  ASSERT_TRUE(BASS_CDPlay(2, FALSE, FALSE));
  EXPECT_EQ(BASS_ChannelIsActive(CDCHANNEL), DWORD{BASS_ACTIVE_PLAYING});
  EXPECT_FLOAT_EQ(BASS_ChannelBytes2Seconds(CDCHANNEL, 1500), 1.5f);
  ASSERT_TRUE(WaitForPosition(CDCHANNEL, 200));
  ASSERT_TRUE(BASS_ChannelPause(CDCHANNEL));
  EXPECT_EQ(BASS_ChannelIsActive(CDCHANNEL), DWORD{BASS_ACTIVE_PAUSED});
  EXPECT_GE(BASS_ChannelGetLevel(CDCHANNEL) & 0xFFFF, 60u);  // a half-scale tone
  ASSERT_TRUE(BASS_ChannelSetPosition(CDCHANNEL, 1000));
  EXPECT_EQ(BASS_ChannelGetPosition(CDCHANNEL), 1000u);
  ASSERT_TRUE(BASS_ChannelResume(CDCHANNEL));
  ASSERT_TRUE(WaitUntilInactive(CDCHANNEL));
  EXPECT_EQ(BASS_ChannelGetPosition(CDCHANNEL), static_cast<QWORD>(sectors2) * 1000 / 75);

  // From 1000 ms to the end, exactly as the image holds it.
  const Pcm16 track = ImageTrack(sectors1, sectors2);
  const size_t from = 44100;
  const Pcm16 output = FinishAndReadOutput();
  EXPECT_GE(FindFrames(output, track.samples.data() + from * 2, track.Frames() - from), 0);
}

TEST_F(CdTest, CdVolumeSetBeforePlayingScalesTheTrack) {
  ASSERT_TRUE(BASS_CDInit(cuePath.c_str(), 0));
  ASSERT_TRUE(BASS_ChannelSetAttributes(CDCHANNEL, -1, 50, -101));
  ASSERT_TRUE(BASS_CDPlay(1, FALSE, FALSE));
  ASSERT_TRUE(WaitUntilInactive(CDCHANNEL));
  const Pcm16 track = ImageTrack(0, sectors1);
  Pcm16 halved = track;
  // 0.5 x an odd sample lies halfway: the mix rounds halves to even.
  for (int16_t& s : halved.samples) s = static_cast<int16_t>(std::nearbyint(s / 2.0));
  const Pcm16 output = FinishAndReadOutput();
  EXPECT_GE(FindFrames(output, halved.samples.data() + 2000, 10000), 0);
}

}  // namespace
