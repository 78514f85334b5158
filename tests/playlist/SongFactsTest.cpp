// Tags and lengths read from generated song files, lying tags and damaged
// files, and the playlist entries and deck texts that follow what is read.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTest>

#include <sys/stat.h>

#include <cmath>
#include <fstream>

#include "audio/KestrelixAudioApi.h"
#include "mediagen/ModuleSong.h"
#include "mediagen/Mp3Writer.h"
#include "mediagen/OggWriter.h"
#include "mediagen/TaggedFiles.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListHooks.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListSongFacts.h"
#include "playlist/SongFacts.h"
#include "playlist/TFileInfoForm.h"
#include "support/TestEnvironment.h"

namespace {

using namespace MediaGen;
using SongFacts::ReadSongFacts;

PcmAudio Tone(double seconds, int channels = 2) {
  ToneSpec spec;
  spec.seconds = seconds;
  spec.channels = channels;
  return MakeTone(spec);
}

std::string InFolder(const std::string& name) { return (TestSupport::ProgramFolder() + QString::fromStdString(name)).toStdString(); }

// A 2-second MP3 with the given tags in front and behind.
std::string TaggedMp3(const std::string& name, const std::string& before, const std::string& after = {}) {
  const std::string path = InFolder(name);
  EXPECT_TRUE(WriteMp3(path, Tone(2.0, 1), 64));
  EXPECT_TRUE(WrapFile(path, before, after));
  return path;
}

// Two seconds of silence, then a rich chord: at a variable bit rate the first
// frames are far smaller than the rest, so a length guessed from the first
// frame is far off.
PcmAudio QuietThenRich(double seconds) {
  ToneSpec quiet;
  quiet.seconds = 2.0;
  quiet.amplitude = 0.0;
  ToneSpec rich;
  rich.seconds = seconds - 2.0;
  rich.frequencies = {110.0, 1375.0, 3520.0, 7040.0, 11000.0, 15500.0};
  PcmAudio audio = MakeTone(quiet);
  Append(audio, MakeTone(rich));
  return audio;
}

std::string Mp3File(const std::string& name, const PcmAudio& audio, bool vbr, bool lameTag, bool freeFormat = false) {
  Mp3Options options;
  options.variableBitRate = vbr;
  options.lameTag = lameTag;
  options.freeFormat = freeFormat;
  if (freeFormat) options.kilobitsPerSecond = 200;  // no bit-rate index has it
  const std::string path = InFolder(name);
  EXPECT_TRUE(WriteMp3(path, audio, options));
  return path;
}

std::string Utf16(const std::u16string& text) {
  std::string bytes;
  for (char16_t c : text) bytes += {char(c & 0xFF), char(c >> 8)};
  return bytes;
}

TEST(SongFacts, TagsAndLengthsOfEveryTaggedFormat) {
  const auto v23 = Id3v2Tag(3, {Id3TextFrame("TPE1", 0, "Latin Artist"), Id3TextFrame("TIT2", 1, Utf16(u"Wide Title"))});
  const auto v24 = Id3v2Tag(4, {Id3TextFrame("TPE1", 3, "Bj\xC3\xB6rk"), Id3TextFrame("TIT2", 3, "J\xC3\xB3ga")});
  const std::string flac = InFolder("01.flac");
  ASSERT_TRUE(WriteFlac(flac, Tone(3.0), "Flac Artist", "Flac Title"));
  const std::string opus = InFolder("02.opus");
  ASSERT_TRUE(WriteOpus(opus, Tone(3.0, 1), {{"ARTIST", "Opus Artist"}, {"TITLE", "Opus Title"}}));
  const std::string ogg = InFolder("03.ogg");
  ASSERT_TRUE(WriteOgg(ogg, Tone(3.0), 0.4f, {{"ARTIST", "Vorbis Artist"}, {"TITLE", "Vorbis Title"}}));
  struct Case {
    std::string path, artist, title, format;
    int seconds, channels;
  };
  for (const Case& song : {Case{TaggedMp3("v1.mp3", {}, Id3v1Tag("Old Title", "Old Artist")), "Old Artist", "Old Title", "MPEG-1 Layer 3", 2, 1},
                           Case{TaggedMp3("v23.mp3", v23), "Latin Artist", "Wide Title", "MPEG-1 Layer 3", 2, 1},
                           Case{TaggedMp3("v24.mp3", v24), "Bj\xC3\xB6rk", "J\xC3\xB3ga", "MPEG-1 Layer 3", 2, 1},
                           Case{flac, "Flac Artist", "Flac Title", "FLAC", 3, 2},
                           Case{opus, "Opus Artist", "Opus Title", "Opus", 3, 1},
                           Case{ogg, "Vorbis Artist", "Vorbis Title", "Ogg Vorbis", 3, 2}}) {
    SCOPED_TRACE(song.path);
    const SongFacts::Facts facts = ReadSongFacts(QString::fromStdString(song.path), SongFacts::Detail::AllTags);
    EXPECT_EQ(facts.artist.toStdString(), song.artist);
    EXPECT_EQ(facts.title.toStdString(), song.title);
    EXPECT_EQ(facts.format.toStdString(), song.format);
    EXPECT_EQ(facts.seconds, song.seconds);
    EXPECT_EQ(facts.channels, song.channels);
    EXPECT_GT(facts.bitRate, 0);
    const auto title = std::find_if(facts.tags.begin(), facts.tags.end(), [](const auto& tag) { return tag.first == "TITLE"; });
    ASSERT_NE(title, facts.tags.end());
    EXPECT_EQ(title->second.toStdString(), song.title);
  }
}

// Tracker modules take their length (and, where TagLib has none, their
// format) from walking the song.
TEST(SongFacts, TrackerModulesHaveTheirSongsLength) {
  const MediaGen::ModuleSong song = MediaGen::SteadyNoteSong(2);
  for (const auto& [name, write] : {std::pair{"tune.mod", &MediaGen::WriteMod}, std::pair{"tune.xm", &MediaGen::WriteXm},
                                     std::pair{"tune.s3m", &MediaGen::WriteS3m}, std::pair{"tune.it", &MediaGen::WriteIt}}) {
    SCOPED_TRACE(name);
    const std::string path = InFolder(name);
    ASSERT_TRUE(write(path, song));
    const SongFacts::Facts facts = ReadSongFacts(QString::fromStdString(path));
    EXPECT_EQ(facts.seconds, static_cast<int>(std::lround(song.Seconds())));
    EXPECT_FALSE(facts.format.isEmpty());
  }
  const std::string junk = InFolder("junk.xm");
  std::ofstream(junk) << "not a module";
  EXPECT_EQ(ReadSongFacts(QString::fromStdString(junk)).seconds, -1);
}

TEST(SongFacts, LyingTagsAndDamagedFilesGiveCleanTextOrNothing) {
  const std::string huge(100000, 'x');
  const std::string megabyte(1 << 20, 'm');
  struct Case {
    std::string path;
    QString title;  // what the title reads as; empty for none
  };
  const std::string truncatedFlac = InFolder("cut.flac");
  ASSERT_TRUE(WriteFlac(truncatedFlac, Tone(2.0), "A", "Cut Flac"));
  QFile(QString::fromStdString(truncatedFlac)).resize(60);
  const std::string truncatedOpus = InFolder("cut.opus");
  ASSERT_TRUE(WriteOpus(truncatedOpus, Tone(2.0), {{"TITLE", "Cut Opus"}}));
  QFile(QString::fromStdString(truncatedOpus)).resize(100);
  std::string noise(5000, '\0');
  for (size_t i = 0; i < noise.size(); ++i) noise[i] = char((i * 7919u + 13u) % 251u);
  for (const char* name : {"noise.flac", "noise.opus", "noise.mp3"}) {
    QFile file(QString::fromStdString(InFolder(name)));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(noise.data(), qint64(noise.size()));
  }
  const std::string fifo = InFolder("pipe.mp3");
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  QDir().mkpath(QString::fromStdString(InFolder("folder.mp3")));

  for (const Case& song : {
           Case{TaggedMp3("past-end.mp3", Id3v2Tag(3, {Id3TextFrame("TIT2", 0, "Short")}, 50'000'000)), {}},
           Case{TaggedMp3("frame-past-end.mp3", Id3v2Tag(4, {{"TIT2", "\3Liar", 9'000'000}})), {}},
           Case{TaggedMp3("big-frame.mp3", Id3v2Tag(3, {Id3TextFrame("TXXX", 0, megabyte), Id3TextFrame("TIT2", 0, "After")})), "After"},
           Case{TaggedMp3("bad-utf16.mp3", Id3v2Tag(3, {{"TIT2", std::string("\1\xFF\xFE\x00\xD8", 5) + Utf16(u"ok")}})), {}},
           Case{TaggedMp3("long.mp3", Id3v2Tag(4, {Id3TextFrame("TIT2", 3, huge)})), QString(SongFacts::kMaxTagText, 'x')},
           Case{TaggedMp3("fields.mp3", Id3v2Tag(4, {Id3TextFrame("TIT2", 3, "A;PL_SONGTITLE_ID=B\nC;PL_SONGPATH_ID=")})), "AB C"},
           Case{truncatedFlac, {}}, Case{truncatedOpus, {}},
           Case{InFolder("noise.flac"), {}}, Case{InFolder("noise.opus"), {}}, Case{InFolder("noise.mp3"), {}},
           Case{InFolder("missing.mp3"), {}}, Case{fifo, {}}, Case{InFolder("folder.mp3"), {}}}) {
    SCOPED_TRACE(song.path);
    const SongFacts::Facts facts = ReadSongFacts(QString::fromStdString(song.path), SongFacts::Detail::AllTags);
    if (song.title.isEmpty()) {
      // Whatever a damaged tag yields, it is one clean line of bounded length.
      EXPECT_LE(facts.title.size(), SongFacts::kMaxTagText);
      EXPECT_FALSE(facts.title.contains('\n'));
    } else {
      EXPECT_EQ(facts.title, song.title);
    }
    QString entry = GeneralFunctions::BuildPlayListEntry(QString::fromStdString(song.path));
    SongFacts::ApplyTagsToEntry(facts, entry);
    EXPECT_EQ(GeneralFunctions::GetEntrySongPath(entry).toStdString(), song.path);
  }
}

// Only a Xing/VBRI header states an MP3's length; every other file is
// scanned, and then every one has the length it plays for.
TEST(SongFacts, MpegLengthsAreExactWithOrWithoutAHeaderStatingThem) {
  const PcmAudio audio = QuietThenRich(10.0);
  struct Case {
    std::string path;
    bool estimated;  // the header states no length
  };
  for (const Case& song : {Case{Mp3File("cbr-tag.mp3", audio, false, true), false},
                           Case{Mp3File("vbr-tag.mp3", audio, true, true), false},
                           Case{Mp3File("cbr.mp3", audio, false, false), true},
                           Case{Mp3File("vbr.mp3", audio, true, false), true},
                           Case{Mp3File("free.mp3", audio, false, false, true), true}}) {
    SCOPED_TRACE(song.path);
    SongFacts::Facts facts = ReadSongFacts(QString::fromStdString(song.path));
    EXPECT_EQ(facts.lengthEstimated, song.estimated);
    SongFacts::ScanExactLength(QString::fromStdString(song.path), facts);
    EXPECT_FALSE(facts.lengthEstimated);
    EXPECT_EQ(facts.seconds, 10);
    EXPECT_EQ(facts.sampleRate, 44100);
  }
  // The fixture is what it claims: the first frame's guess is off.
  EXPECT_NE(ReadSongFacts(QString::fromStdString(InFolder("vbr.mp3"))).seconds, 10);
}

TEST(SongFacts, LengthTextsInMinutesOrHours) {
  const std::pair<int, const char*> cases[] = {{-1, ""},        {0, "0:00"},       {59, "0:59"},   {61, "1:01"},
                                               {3599, "59:59"}, {3600, "1:00:00"}, {3723, "1:02:03"}, {36000, "10:00:00"}};
  for (const auto& [seconds, text] : cases) EXPECT_EQ(SongFacts::LengthText(seconds), text) << seconds;
}

TEST(SongFacts, FileInfoRowsOfAReadableAndAnUnreadableFile) {
  const QString flac = QString::fromStdString(InFolder("info.flac"));
  ASSERT_TRUE(WriteFlac(flac.toStdString(), Tone(65.0), "Some Artist", "Some Title"));
  using Rows = std::vector<std::pair<QString, QString>>;
  Rows rows = FileInfoRows(flac, ReadSongFacts(flac, SongFacts::Detail::AllTags));
  ASSERT_GE(rows.size(), 8u);
  EXPECT_EQ(rows[3].first, "Bit rate");
  EXPECT_TRUE(rows[3].second.endsWith(" kbit/s"));
  rows[3].second.clear();  // the compressed size varies with the encoder
  EXPECT_EQ(rows, (Rows{{"Path", flac}, {"Format", "FLAC"}, {"Length", "1:05"}, {"Bit rate", ""},
                        {"Sample rate", "44100 Hz"}, {"Channels", "2 (stereo)"}, {"ARTIST", "Some Artist"},
                        {"TITLE", "Some Title"}}));
  EXPECT_EQ(FileInfoRows("/gone.mp3", ReadSongFacts("/gone.mp3")),
            (Rows{{"Path", "/gone.mp3"}, {"Format", "not readable"}, {"Length", "unknown"}, {"Bit rate", "unknown"},
                  {"Sample rate", "unknown"}, {"Channels", "unknown"}, {"Tags", "none found"}}));
}

// The playlist side: a list of tagged and untagged files, read in the background.
class PlayListSongFactsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    KestrelixAudioApi::vars.CurrentSongEntry.clear();
    PlayListHooks::Deck() = {};
    PlayListHooks::Deck().SetArtistScrollText = [this](const QString& text) { deckArtist = text; };
    PlayListHooks::Deck().SetTitleScrollText = [this](const QString& text) { deckTitle = text; };
    tagged = QString::fromStdString(InFolder("01.flac"));
    ASSERT_TRUE(WriteFlac(tagged.toStdString(), Tone(3.0), "Real Artist", "Real Title"));
    untagged = QString::fromStdString(InFolder("02 - plain.flac"));
    ASSERT_TRUE(WriteFlac(untagged.toStdString(), Tone(1.0)));
    model.ListChanged = [this] { facts.ListChanged(); };
  }
  void TearDown() override { PlayListHooks::Deck() = {}; }

  void WaitUntilRead() {
    ASSERT_TRUE(QTest::qWaitFor([this] { return facts.Reader.Idle(); }, 10000));
    QCoreApplication::processEvents();
  }

  bool readTags = true;
  PlayListModel model;
  PlayListSongFacts facts{model, [this] { return readTags; }};
  QString tagged, untagged, deckArtist, deckTitle;
};

TEST_F(PlayListSongFactsTest, EntriesAndThePlayingSongTakeTheTagTitlesAndLengths) {
  KestrelixAudioApi::vars.CurrentSongEntry = GeneralFunctions::BuildPlayListEntry(tagged);
  model.Append({GeneralFunctions::BuildPlayListEntry(tagged), GeneralFunctions::BuildPlayListEntry(untagged)});
  EXPECT_EQ(GeneralFunctions::GetEntrySongTitle(model.Entry(0)), "01") << "shown from the name at once";
  WaitUntilRead();
  EXPECT_EQ(model.Entry(0), ";PL_SONGPATH_ID=" + tagged + ";PL_SONGARTIST_ID=Real Artist;PL_SONGTITLE_ID=Real Title");
  EXPECT_EQ(model.Entry(1), GeneralFunctions::BuildPlayListEntry(untagged)) << "no tags: the name's split stays";
  EXPECT_EQ(facts.SecondsOf(model.Entry(0)), 3);
  EXPECT_EQ(facts.SecondsOf(model.Entry(1)), 1);
  EXPECT_EQ(KestrelixAudioApi::vars.CurrentSongEntry, model.Entry(0));
  EXPECT_EQ(deckArtist, "Real Artist");
  EXPECT_EQ(deckTitle, "Real Title");

  // Read once: the same file added again is served from what was read, even once it is gone.
  ASSERT_TRUE(QFile::remove(tagged));
  model.Append({GeneralFunctions::BuildPlayListEntry(tagged)});
  EXPECT_TRUE(facts.Reader.Idle());
  EXPECT_EQ(GeneralFunctions::GetEntrySongTitle(model.Entry(2)), "Real Title");
  EXPECT_EQ(facts.SecondsOf(model.Entry(2)), 3);
}

TEST_F(PlayListSongFactsTest, EstimatedLengthsAreScannedAndALearntLengthWins) {
  const QString vbr = QString::fromStdString(Mp3File("vbr.mp3", QuietThenRich(6.0), true, false));
  model.Append({GeneralFunctions::BuildPlayListEntry(vbr), GeneralFunctions::BuildPlayListEntry(tagged)});
  WaitUntilRead();
  EXPECT_EQ(facts.SecondsOf(model.Entry(0)), 6);

  // What the decoder found while playing stands over what is read, before or after.
  facts.Reader.LearnSeconds(vbr, 5);
  facts.Reader.LearnSeconds(untagged, 4);
  model.Append({GeneralFunctions::BuildPlayListEntry(untagged)});
  WaitUntilRead();
  EXPECT_EQ(facts.SecondsOf(model.Entry(0)), 5);
  EXPECT_EQ(facts.SecondsOf(model.Entry(2)), 4);
  EXPECT_EQ(facts.SecondsOf(model.Entry(1)), 3);
}

TEST_F(PlayListSongFactsTest, WithTheOptionOffOnlyLengthsArriveUntilItIsSwitchedOn) {
  readTags = false;
  const QString entry = GeneralFunctions::BuildPlayListEntry(tagged);
  model.Append({entry});
  WaitUntilRead();
  EXPECT_EQ(model.Entry(0), entry);
  EXPECT_EQ(facts.SecondsOf(entry), 3);
  readTags = true;
  facts.ApplyTagTitlesToAll();
  EXPECT_EQ(GeneralFunctions::GetEntrySongArtist(model.Entry(0)), "Real Artist");
}

}  // namespace
