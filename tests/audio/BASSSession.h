#pragma once
// A test fixture that loads the BASS back-end with its output going to a WAV
// file in the test's program folder, paced faster than real time, and helpers
// to load, play and read back what was heard.
#include <gtest/gtest.h>

#include <QString>

#include <functional>

#include "mediagen/PcmAudio.h"

namespace AudioTests {

class BASSSession : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Loads and starts the back-end (as start-up does), its output going to the
  // WAV file `outputName` in the program folder unless `output` names another.
  void StartBackEnd(const QString& outputName = "out.wav", const QByteArray& output = {});
  void ShutDown();

  // Absolute path in the test's program folder.
  static QString InFolder(const QString& name);

  // Writes a fixture and returns its path.
  static QString WriteWavFixture(const QString& name, const MediaGen::PcmAudio& audio, int subformat = 0);

  // CurrentSongEntry := the entry of `path`; AudioLoadSong.
  static void Load(const QString& path);

  // Polls AudioGetPosition until the song has played `seconds`.
  static bool WaitForElapsed(int64_t seconds);
  // AudioPlay, then WaitForEnd.
  static bool PlayToEnd(double timeoutSeconds = 20);
  // Polls AudioCheckEndOfSong until the song is no longer playing or the
  // timeout passed; returns whether it ended.
  static bool WaitForEnd(double timeoutSeconds = 20);
  // The mixer's CPU figure shows work once the mixer has mixed for half a
  // second, and falls to zero only when its thread stops mixing and sleeps
  // until it is started again: a paused song is seen to stay paused without
  // betting on the clock.
  static bool WaitForMixerWork();
  static bool WaitForMixerRest();

  // Ends the session (flushing the WAV output) and reads the mixed output.
  MediaGen::PcmAudio HeardOutput();

  // In a fresh session of its own: loads the song, runs `beforePlay` (checks
  // and settings), plays it to the end and returns what was heard.
  MediaGen::PcmAudio HearSong(const QString& path, const std::function<void()>& beforePlay = {});

  // The first frame whose left or right sample is above the threshold.
  static int64_t FirstSoundFrame(const MediaGen::PcmAudio& audio, double threshold = 0.01);
  // Frames from the first to the last sample above the threshold.
  static double SoundingSeconds(const MediaGen::PcmAudio& audio, double threshold = 0.01);

  QString outputPath_;
  bool running_ = false;
  int sessions_ = 0;
};

MediaGen::PcmAudio SineFixture(double frequency, double seconds, int channels = 2, int rate = 44100,
                               double amplitude = 0.5);

}  // namespace AudioTests
