// ReplayGain: the gains and peaks read from a song's tags, the factor made
// of them, and what the engine then plays.
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "BASSSession.h"
#include "audio/KestrelixAudioApi.h"
#include "audio/ReplayGain.h"
#include "mediagen/Analysis.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"
#include "mediagen/TaggedFiles.h"
#include "support/TestEnvironment.h"

namespace AudioTests {
namespace {

namespace api = KestrelixAudioApi;
using api::ReplayGainTags;
using api::vars;

using Fields = std::vector<std::pair<std::string, std::string>>;

QString InFolder(const QString& name) { return TestSupport::ProgramFolder() + name; }

// An MP3 of the sine whose ID3v2 tag holds the fields as TXXX frames.
QString Id3TaggedMp3(const QString& name, const MediaGen::PcmAudio& audio, const Fields& fields) {
  const QString path = InFolder(name);
  EXPECT_TRUE(MediaGen::WriteMp3(path.toStdString(), audio));
  std::vector<MediaGen::Id3Frame> frames;
  for (const auto& [key, value] : fields) frames.push_back({"TXXX", std::string(1, '\0') + key + '\0' + value});
  if (!frames.empty()) {
    EXPECT_TRUE(MediaGen::WrapFile(path.toStdString(), MediaGen::Id3v2Tag(3, frames), {}));
  }
  return path;
}

QString OggWith(const QString& name, const Fields& fields) {
  const QString path = InFolder(name);
  EXPECT_TRUE(MediaGen::WriteOgg(path.toStdString(), SineFixture(440, 0.5), 0.4f, fields));
  return path;
}

QString OpusWith(const QString& name, const Fields& fields) {
  const QString path = InFolder(name);
  EXPECT_TRUE(MediaGen::WriteOpus(path.toStdString(), SineFixture(440, 0.5, 2, 48000), fields));
  return path;
}

void ExpectGain(const std::optional<double>& read, std::optional<double> expected, const char* what) {
  ASSERT_EQ(read.has_value(), expected.has_value()) << what;
  if (expected) {
    EXPECT_NEAR(*read, *expected, 1e-6) << what;
  }
}

TEST(ReplayGainTags, EachTagKindGivesItsGainsAndHostileValuesAreLeftOut) {
  struct Case {
    const char* name;
    QString path;
    ReplayGainTags expected;
  };
  const MediaGen::PcmAudio tone = SineFixture(440, 0.5);
  const std::vector<Case> cases{
      {"ID3v2 TXXX",
       Id3TaggedMp3("id3.mp3", tone,
                    {{"REPLAYGAIN_TRACK_GAIN", "-6.02 dB"}, {"REPLAYGAIN_TRACK_PEAK", "0.5"},
                     {"REPLAYGAIN_ALBUM_GAIN", "+1.5 dB"}, {"REPLAYGAIN_ALBUM_PEAK", "0.9"}}),
       {-6.02, 0.5, 1.5, 0.9}},
      {"Vorbis comments, any letter case", OggWith("vorbis.ogg", {{"replaygain_track_gain", "-3.5 dB"}}),
       {-3.5, {}, {}, {}}},
      {"Opus R128, in 1/256 dB against -23 LUFS", OpusWith("r128.opus", {{"R128_TRACK_GAIN", "-1280"}, {"R128_ALBUM_GAIN", "256"}}),
       {0.0, {}, 6.0, {}}},
      {"hostile values",
       Id3TaggedMp3("hostile.mp3", tone,
                    {{"REPLAYGAIN_TRACK_GAIN", "loud"}, {"REPLAYGAIN_ALBUM_GAIN", "+1000 dB"},
                     {"REPLAYGAIN_TRACK_PEAK", "NaN"}, {"REPLAYGAIN_ALBUM_PEAK", "-1"}}),
       {}},
      {"infinite and fractional R128", OpusWith("bad.opus", {{"R128_TRACK_GAIN", "1.5"}, {"R128_ALBUM_GAIN", "inf"}}), {}},
      {"no tags", Id3TaggedMp3("plain.mp3", tone, {}), {}},
      {"no file", InFolder("missing.mp3"), {}},
  };
  for (const Case& c : cases) {
    const ReplayGainTags read = api::ReadReplayGainTags(c.path);
    ExpectGain(read.trackGainDb, c.expected.trackGainDb, c.name);
    ExpectGain(read.trackPeak, c.expected.trackPeak, c.name);
    ExpectGain(read.albumGainDb, c.expected.albumGainDb, c.name);
    ExpectGain(read.albumPeak, c.expected.albumPeak, c.name);
  }
}

TEST(ReplayGainTags, TheFactorFollowsTheModeAndNeverLiftsThePeakAboveFullScale) {
  struct Case {
    const char* name;
    ReplayGainTags tags;
    uint8_t mode;
    double preAmpDb;
    double factor;
  };
  const ReplayGainTags both{-6.0206, 0.4, -12.0412, 0.6};
  const std::vector<Case> cases{
      {"off", both, api::rgOff, 6, 1.0},
      {"track", both, api::rgTrack, 6, 0.5},
      {"album", both, api::rgAlbum, 6, 0.25},
      {"album without album gain takes the track's", {-6.0206, {}, {}, {}}, api::rgAlbum, 0, 0.5},
      {"no gain takes the pre-amp", {}, api::rgTrack, 6.0206, 2.0},
      {"the peak holds a gain down", {6.0206, 1.0, {}, {}}, api::rgTrack, 0, 1.0},
      {"the album peak in album mode", {0, 0.5, 12.0412, 0.8}, api::rgAlbum, 0, 1.25},
  };
  for (const Case& c : cases) EXPECT_NEAR(api::ReplayGainFactor(c.tags, c.mode, c.preAmpDb), c.factor, 1e-3) << c.name;
}

class ReplayGainPlayback : public BASSSession {
 protected:
  // The output also holds silence before and after the song.
  static MediaGen::FrameRange Sounding(const MediaGen::PcmAudio& out) {
    return {FirstSoundFrame(out, 0.001), int64_t(SoundingSeconds(out, 0.001) * out.sampleRate)};
  }
  static double Heard(const MediaGen::PcmAudio& out) { return MediaGen::ToneAmplitude(out, 0, 440, Sounding(out)); }
  static double Rms(const MediaGen::PcmAudio& out) { return MediaGen::ChannelRms(out, 0, Sounding(out)); }
};

TEST_F(ReplayGainPlayback, TaggedSongsPlayAtTheirGainWithoutClipping) {
  const MediaGen::PcmAudio tone = SineFixture(440, 1.0, 2, 44100, 0.4);
  const QString plain = Id3TaggedMp3("plain.mp3", tone, {});
  const QString tagged = Id3TaggedMp3(
      "tagged.mp3", tone, {{"REPLAYGAIN_TRACK_GAIN", "-6.02 dB"}, {"REPLAYGAIN_ALBUM_GAIN", "-12.04 dB"}});
  const QString peaking = Id3TaggedMp3("peaking.mp3", SineFixture(440, 1.0, 2, 44100, 0.9),
                                       {{"REPLAYGAIN_TRACK_GAIN", "+6 dB"}, {"REPLAYGAIN_TRACK_PEAK", "1.0"}});
  // The mode is read when the song loads.
  auto hear = [this](const QString& path, uint8_t mode) {
    vars.ReplayGainMode = mode;
    return HearSong(path);
  };
  const double untagged = Heard(hear(plain, api::rgTrack));
  EXPECT_GT(untagged, 0.35);
  EXPECT_NEAR(Heard(hear(tagged, api::rgOff)), untagged, 0.01);
  EXPECT_NEAR(Heard(hear(tagged, api::rgTrack)), untagged / 2, 0.01);
  EXPECT_NEAR(Heard(hear(tagged, api::rgAlbum)), untagged / 4, 0.01);
  // +6 dB would clip the near full-scale sine; its peak of 1.0 holds it where it is.
  const MediaGen::PcmAudio asMade = hear(peaking, api::rgOff);
  const MediaGen::PcmAudio withGain = hear(peaking, api::rgTrack);
  EXPECT_GT(Heard(asMade), 0.8);
  EXPECT_NEAR(Heard(withGain), Heard(asMade), 0.01);
  EXPECT_NEAR(Rms(withGain), Rms(asMade), 0.01);
}

}  // namespace
}  // namespace AudioTests
