// The demo songs generated into the program folder: every one is there,
// decodes, lasts 15 to 30 seconds, sounds from start to end and never clips.
#include <gtest/gtest.h>
#include <libopenmpt/libopenmpt.h>

#include <QFile>

#include "mediagen/Analysis.h"
#include "mediagen/WavFile.h"
#include "support/TestEnvironment.h"

namespace {

std::optional<MediaGen::PcmAudio> DecodeModule(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  const QByteArray bytes = file.readAll();
  openmpt_module* module = openmpt_module_create_from_memory2(
      bytes.constData(), size_t(bytes.size()), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);
  if (!module) return std::nullopt;
  MediaGen::PcmAudio audio;
  std::vector<float> chunk(2 * 4096);
  while (size_t frames = openmpt_module_read_interleaved_float_stereo(module, 44100, 4096, chunk.data())) {
    audio.samples.insert(audio.samples.end(), chunk.begin(), chunk.begin() + long(frames * 2));
  }
  openmpt_module_destroy(module);
  return audio;
}

TEST(DemoSongsTest, EverySongIsPleasantlyShortAudibleAndUnclipped) {
  const QString folder = TestSupport::BuildFolder() + "/demo/";
  for (const char* name : {"Solvane - Morning Light.wav", "Solvane - Evening Breeze.ogg",
                           "Solvane - Night Walk.mp3", "Solvane - Little Tracker.mod"}) {
    SCOPED_TRACE(name);
    const QString path = folder + name;
    const auto audio = path.endsWith(".mod") ? DecodeModule(path) : MediaGen::ReadAudioFile(path.toStdString());
    ASSERT_TRUE(audio.has_value());
    ASSERT_EQ(audio->channels, 2);
    EXPECT_GE(audio->Seconds(), 15.0);
    EXPECT_LE(audio->Seconds(), 30.0);
    float peak = 0;
    for (float value : audio->samples) peak = std::max(peak, std::abs(value));
    EXPECT_LT(peak, 0.99f);
    EXPECT_GT(peak, 0.3f);
    // No second of the song, save the fade at its end, is silent.
    for (int64_t second = 0; second + 2 < int64_t(audio->Seconds()); ++second) {
      EXPECT_GT(MediaGen::ChannelRms(*audio, 0, {second * 44100, 44100}), 0.01) << "second " << second;
    }
  }
}

}  // namespace
