// Initialising the library: output choice, error codes, and calls made
// before initialisation.
#include <cstdlib>
#include <cstring>
#include <string>
#include <utility>

#include "BassTestKit.h"
#include "support/TestEnvironment.h"

namespace {

class LibraryTest : public ::testing::Test {
 protected:
  void TearDown() override {
    BASS_Free();
    setenv("SOLVANE_AUDIO_OUTPUT", "null", 1);
  }
};

TEST_F(LibraryTest, VersionIsOneSix) { EXPECT_EQ(BASS_GetVersion(), 0x00060001u); }

TEST_F(LibraryTest, CallsBeforeInitFailWithInitError) {
  EXPECT_FALSE(BASS_Start());
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_INIT});
  EXPECT_EQ(BASS_StreamCreateFile(FALSE, "/nonexistent.wav", 0, 0, 0), 0u);
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_INIT});
  EXPECT_EQ(BASS_MusicLoad(FALSE, "/nonexistent.xm", 0, 0, 0), 0u);
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_INIT});
  EXPECT_FALSE(BASS_SetVolume(50));
  EXPECT_EQ(BASS_GetCPU(), 0.0f);
  // The loopback needs no device: it initialises even without the output.
  EXPECT_TRUE(BASS_RecordInit(-1));
  BASS_RecordFree();
}

TEST_F(LibraryTest, OutputChoiceAndItsFailures) {
  setenv("SOLVANE_AUDIO_OUTPUT", "null", 1);
  ASSERT_TRUE(BASS_Init(-1, 44100, 0, nullptr));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_OK});
  EXPECT_FALSE(BASS_Init(-1, 44100, 0, nullptr));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_ALREADY});
  BASS_Free();

  EXPECT_FALSE(BASS_Init(-1, 0, 0, nullptr));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_FREQ});

  setenv("SOLVANE_AUDIO_OUTPUT", ("wav:" + TestSupport::ProgramFolder().toStdString() + "no/such/folder/x.wav").c_str(),
         1);
  EXPECT_FALSE(BASS_Init(-1, 44100, 0, nullptr));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_CREATE});

  setenv("SOLVANE_AUDIO_OUTPUT", "loudspeaker", 1);
  EXPECT_FALSE(BASS_Init(-1, 44100, 0, nullptr));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_DRIVER});

  // Device 0 is silence whatever the environment asks for.
  ASSERT_TRUE(BASS_Init(0, 44100, 0, nullptr));
  BASS_Free();

  // No usable sound device: the init fails with a driver error and nothing breaks.
  setenv("SOLVANE_AUDIO_OUTPUT", "auto", 1);
  setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
  EXPECT_FALSE(BASS_Init(-1, 44100, 0, nullptr));
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_DRIVER});
  unsetenv("SDL_AUDIODRIVER");
}

// SDL's disk driver stands in for a sound card: it takes sound at the
// device's pace and writes what it got to a file.
TEST_F(LibraryTest, SoundDeviceOutputPlaysTheExactMix) {
  const std::string raw = TestSupport::ProgramFolder().toStdString() + "device.raw";
  setenv("SOLVANE_AUDIO_OUTPUT", "auto", 1);
  setenv("SDL_AUDIODRIVER", "disk", 1);
  setenv("SDL_DISKAUDIOFILE", raw.c_str(), 1);
  const bool initialised = BASS_Init(-1, 44100, 0, nullptr);
  unsetenv("SDL_AUDIODRIVER");
  ASSERT_TRUE(initialised) << BASS_ErrorGetCode();
  ASSERT_TRUE(BASS_Start());
  const BassTestKit::Pcm16 fixture = BassTestKit::DistinctFrames(4410);
  const HSTREAM stream = BASS_StreamCreateFile(FALSE, BassTestKit::WriteWav("distinct.wav", fixture).c_str(), 0, 0, 0);
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  // The sound the device played, silence left out (no fixture sample is 0).
  const auto heardSound = [&] {
    const std::vector<uint8_t> bytes = BassTestKit::ReadBytes(raw);
    std::vector<int16_t> samples(bytes.size() / 2);
    if (!samples.empty()) std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
    std::erase(samples, int16_t{0});
    return samples;
  };
  const auto heardWhole = [&](const BassTestKit::Pcm16& song, const std::vector<int16_t>& before = {}) {
    BassTestKit::Pcm16 heard{song.rate, song.channels, before};
    const std::vector<int16_t> now = heardSound();
    heard.samples.insert(heard.samples.end(), now.begin(), now.end());
    return BassTestKit::FindFrames(heard, song.samples.data(), song.Frames()) >= 0;
  };
  EXPECT_TRUE(BassTestKit::WaitUntil([&] { return heardWhole(fixture); }, 10000, 20));

  // With nothing to play the device is let go (its file stops growing); the
  // next sound opens it again, which starts its file afresh.
  size_t lastSize = 0;
  const auto deviceLetGo = [&] {
    const size_t size = BassTestKit::ReadBytes(raw).size();
    return std::exchange(lastSize, size) == size;
  };
  ASSERT_TRUE(BassTestKit::WaitUntil(deviceLetGo, 10000, 200));
  ASSERT_TRUE(BASS_ChannelSetPosition(stream, 0));
  ASSERT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
  EXPECT_TRUE(BassTestKit::WaitUntil(
      [&] { return BassTestKit::ReadBytes(raw).size() < lastSize && heardWhole(fixture); }, 10000, 20));

  // Held long enough, the device is let go too; on release the song goes on
  // from the first frame it had not played, none lost and none twice.
  const BassTestKit::Pcm16 song = BassTestKit::DistinctFrames(66150);
  const HSTREAM longer = BASS_StreamCreateFile(FALSE, BassTestKit::WriteWav("longer.wav", song).c_str(), 0, 0, 0);
  ASSERT_TRUE(BASS_StreamPlay(longer, FALSE, 0));
  ASSERT_TRUE(BassTestKit::WaitUntil([&] { return heardSound().size() > 4410 * 2; }, 10000, 5));
  ASSERT_TRUE(BASS_Pause());
  lastSize = 0;
  ASSERT_TRUE(BassTestKit::WaitUntil(deviceLetGo, 10000, 200));
  const std::vector<int16_t> beforeHold = heardSound();
  ASSERT_LT(beforeHold.size(), song.samples.size());
  ASSERT_TRUE(BASS_Start());
  EXPECT_TRUE(BassTestKit::WaitUntil([&] { return heardWhole(song, beforeHold); }, 10000, 20));
  BASS_Free();
}

}  // namespace
