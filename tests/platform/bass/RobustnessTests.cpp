// Files that are missing, empty, cut short or not what their name says fail
// with an error code or play to a clean end; nothing crashes or hangs.
#include <random>
#include <string>
#include <vector>

#include "BassTestKit.h"
#include "mediagen/ModuleSong.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"

using namespace BassTestKit;

namespace {

const std::vector<std::string> kStreamExtensions{"mp3", "mp2", "mp1", "ogg", "wav"};
const std::vector<std::string> kMusicExtensions{"mod", "xm", "s3m", "it", "mtm", "umx"};

std::vector<uint8_t> RandomBytes(size_t count, unsigned seed) {
  std::mt19937 generator(seed);
  std::vector<uint8_t> bytes(count);
  for (uint8_t& b : bytes) b = static_cast<uint8_t>(generator());
  return bytes;
}

class RobustnessTest : public BassTest {
 protected:
  // Opens the file as a stream or music; if that works it must play to its end.
  void ExpectCleanFailureOrPlayableFile(const std::string& path, bool music) {
    SCOPED_TRACE(path);
    const DWORD handle = music ? BASS_MusicLoad(FALSE, path.c_str(), 0, 0, BASS_MUSIC_RAMP | BASS_MUSIC_CALCLEN)
                               : BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, 0);
    if (handle == 0) {
      const DWORD error = BASS_ErrorGetCode();
      EXPECT_TRUE(error == BASS_ERROR_FILEOPEN || error == BASS_ERROR_FORMAT || error == BASS_ERROR_EMPTY) << error;
      return;
    }
    ASSERT_TRUE(BASS_ChannelSetPosition(handle, 0));
    ASSERT_TRUE(music ? BASS_MusicPlay(handle) : BASS_StreamPlay(handle, FALSE, 0));
    EXPECT_TRUE(WaitUntilInactive(handle, 60000));
  }
};

TEST_F(RobustnessTest, MissingEmptyAndRandomFilesFailWithTheirErrorCode) {
  const std::vector<uint8_t> random = RandomBytes(8192, 7);
  for (const auto& extensions : {kStreamExtensions, kMusicExtensions}) {
    const bool music = extensions == kMusicExtensions;
    for (const std::string& extension : extensions) {
      SCOPED_TRACE(extension);
      const std::string missing = TestFile("missing." + extension);
      const std::string empty = WriteBytes("empty." + extension, {});
      const std::string noise = WriteBytes("noise." + extension, random);
      auto open = [music](const std::string& path) {
        return music ? BASS_MusicLoad(FALSE, path.c_str(), 0, 0, 0)
                     : BASS_StreamCreateFile(FALSE, path.c_str(), 0, 0, 0);
      };
      EXPECT_EQ(open(missing), 0u);
      EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_FILEOPEN});
      EXPECT_EQ(open(empty), 0u);
      EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_FORMAT});
      EXPECT_EQ(open(noise), 0u);
      EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_FORMAT});
    }
  }
  // A folder is no file, and neither is memory or a part of a file.
  EXPECT_EQ(BASS_StreamCreateFile(FALSE, TestFile("").c_str(), 0, 0, 0), 0u);
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_FILEOPEN});
  EXPECT_EQ(BASS_StreamCreateFile(TRUE, random.data(), 0, 8192, 0), 0u);
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_ILLPARAM});
}

TEST_F(RobustnessTest, TruncatedAndMislabelledFilesFailCleanlyOrPlayToTheirEnd) {
  MediaGen::ToneSpec spec;
  MediaGen::PcmAudio tone = MediaGen::MakeTone(spec);
  ASSERT_TRUE(MediaGen::WriteOgg(TestFile("whole.ogg"), tone));
  ASSERT_TRUE(MediaGen::WriteMp3(TestFile("whole.mp3"), tone));
  WriteWav("whole.wav", Sine(440, 1.0));
  const MediaGen::ModuleSong song = MediaGen::SteadyNoteSong();
  ASSERT_TRUE(MediaGen::WriteXm(TestFile("whole.xm"), song));
  ASSERT_TRUE(MediaGen::WriteMod(TestFile("whole.mod"), song));

  for (const std::string extension : {"ogg", "mp3", "wav", "xm", "mod"}) {
    const bool music = extension == "xm" || extension == "mod";
    const std::vector<uint8_t> whole = ReadBytes(TestFile("whole." + extension));
    for (const size_t keep : {size_t{16}, size_t{100}, whole.size() / 3, whole.size() - 1}) {
      const std::string path = WriteBytes("cut" + std::to_string(keep) + "." + extension,
                                          std::vector<uint8_t>(whole.begin(), whole.begin() + static_cast<long>(keep)));
      ExpectCleanFailureOrPlayableFile(path, music);
    }
    // The same bytes under every other stream name, and damaged in the middle.
    for (const std::string& other : kStreamExtensions)
      ExpectCleanFailureOrPlayableFile(WriteBytes("as" + extension + "." + other, whole), false);
    std::vector<uint8_t> damaged = whole;
    const std::vector<uint8_t> noise = RandomBytes(whole.size() / 4, 3);
    std::copy(noise.begin(), noise.end(), damaged.begin() + static_cast<long>(whole.size() / 3));
    ExpectCleanFailureOrPlayableFile(WriteBytes("damaged." + extension, damaged), music);
  }
}

}  // namespace
