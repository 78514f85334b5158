// Tracker modules: every format loads with its computed play length, seeks by
// seconds, plays to its end and sounds.
#include <algorithm>
#include <functional>
#include <string>

#include "BassTestKit.h"
#include "mediagen/ModuleSong.h"

using namespace BassTestKit;

namespace {

constexpr DWORD kRampAndCalcLen = BASS_MUSIC_RAMP | BASS_MUSIC_CALCLEN;

// One pattern of a looped tone at the default speed and tempo, which every
// format shares: 64 rows x 6 ticks x 2.5 / 125 s = 7.68 s.
MediaGen::ModuleSong ToneSong() {
  MediaGen::ModuleSong song = MediaGen::SteadyNoteSong();
  song.patterns[0].At(32, 1) = {MediaGen::kMiddleCNote + 7, 1, 48};
  return song;
}

using Writer = std::function<bool(const std::string&, const MediaGen::ModuleSong&)>;

class MusicTest : public BassTest {
 protected:
  HMUSIC Load(const std::string& name, const Writer& write, DWORD flags = kRampAndCalcLen) {
    const std::string path = TestFile(name);
    EXPECT_TRUE(write(path, ToneSong()));
    const HMUSIC music = BASS_MusicLoad(FALSE, path.c_str(), 0, 0, flags);
    EXPECT_NE(music, 0u) << name << " error " << BASS_ErrorGetCode();
    return music;
  }
};

TEST_F(MusicTest, EveryFormatLoadsWithItsPlayLength) {
  const double seconds = ToneSong().Seconds();
  for (const auto& [name, write] : {std::pair<std::string, Writer>{"song.mod", MediaGen::WriteMod},
                                    {"song.xm", MediaGen::WriteXm},
                                    {"song.s3m", MediaGen::WriteS3m},
                                    {"song.it", MediaGen::WriteIt}}) {
    SCOPED_TRACE(name);
    const HMUSIC music = Load(name, write);
    const DWORD bytes = BASS_MusicGetLength(music, TRUE);
    EXPECT_EQ(bytes % 4, 0u);
    EXPECT_NEAR(BASS_ChannelBytes2Seconds(music, bytes), seconds, 0.05);
    // Rendered 16-bit stereo, whatever the load flags hold.
    EXPECT_EQ(BASS_ChannelGetFlags(music), 0u);
    EXPECT_EQ(BASS_StreamGetLength(music), ~QWORD{0});  // a music is no stream
    EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_HANDLE});
  }
  EXPECT_EQ(BASS_ChannelGetFlags(Load("mono.xm", MediaGen::WriteXm, kRampAndCalcLen | BASS_MUSIC_MONO)),
            DWORD{BASS_SAMPLE_MONO});
}

TEST_F(MusicTest, SeeksBySecondsPlaysToItsEndAndSounds) {
  const HMUSIC music = Load("song.xm", MediaGen::WriteXm);
  // A position whose high word is 0xFFFF holds seconds, sign-extended to 64 bits.
  ASSERT_TRUE(BASS_ChannelSetPosition(music, 0xFFFFFFFFFFFF0001ull));
  EXPECT_EQ(BASS_ChannelGetPosition(music), 176400u);
  EXPECT_FALSE(BASS_ChannelSetPosition(music, 0xFFFFFFFFFFFF0064ull));  // 100 s: beyond the end
  ASSERT_TRUE(BASS_MusicPlay(music));
  ASSERT_TRUE(WaitUntilInactive(music));

  const Pcm16 output = FinishAndReadOutput();
  const auto sounding = std::count_if(output.samples.begin(), output.samples.end(), [](int16_t s) { return s != 0; });
  // The 6.68 s after the seek point sound, on both sides.
  EXPECT_GT(sounding, 2 * 44100 * 6.68 * 0.95);
  EXPECT_LT(sounding, 2 * 44100 * 6.68 * 1.05);
}

TEST_F(MusicTest, FreedMusicsAreGone) {
  const HMUSIC music = Load("song.it", MediaGen::WriteIt);
  ASSERT_TRUE(BASS_MusicPlay(music));
  BASS_MusicFree(music);
  EXPECT_EQ(BASS_ChannelIsActive(music), DWORD{BASS_ACTIVE_STOPPED});
  EXPECT_FALSE(BASS_MusicPlay(music));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_HANDLE});
}

}  // namespace
