// Internet streams against a radio station on 127.0.0.1: sound, metadata,
// the station's format, redirects, drops, and servers that send no stream.
#include <algorithm>
#include <atomic>
#include <cstring>
#include <thread>

#include "BassTestKit.h"
#include "platform/bass/IcyMetadata.h"
#include "platform/bass/RingBuffer.h"
#include "support/RadioServer.h"

using namespace BassTestKit;
using TestSupport::Misbehaviour;
using TestSupport::RadioServer;
using TestSupport::RadioShow;

namespace {

RadioShow Mp3Show() { return TestSupport::ToneShow(false); }

std::string Tag(HSTREAM stream, DWORD kind) {
  const char* text = BASS_StreamGetTags(stream, kind);
  if (!text) return {};
  std::string all;  // the list's texts, one after the other
  for (; *text; text += std::strlen(text) + 1) all.append(text).push_back('\n');
  return all;
}

class NetStreamTest : public BassTest {
 protected:
  void SetUp() override {
    BassTest::SetUp();
    BASS_SetConfig(BASS_CONFIG_NET_TIMEOUT, 3000);
    BASS_SetConfig(BASS_CONFIG_NET_RETRIES, 2);
    BASS_SetConfig(BASS_CONFIG_NET_RETRYWAIT, 50);
  }
  void TearDown() override {
    BassTest::TearDown();
    BASS_SetConfig(BASS_CONFIG_NET_TIMEOUT, 10000);
    BASS_SetConfig(BASS_CONFIG_NET_RETRIES, 3);
    BASS_SetConfig(BASS_CONFIG_NET_RETRYWAIT, 1000);
  }
  HSTREAM PlayUrl(const std::string& url) {
    const HSTREAM stream = BASS_StreamCreateURL(url.c_str(), 0, 0, nullptr, nullptr);
    EXPECT_NE(stream, 0u) << BASS_ErrorGetCode();
    EXPECT_TRUE(BASS_StreamPlay(stream, FALSE, 0));
    return stream;
  }
  // The station's own format, as the stream found it.
  static void ExpectFormat(HSTREAM stream, DWORD freq, DWORD chans, DWORD ctype) {
    BASS_CHANNELINFO info{};
    ASSERT_TRUE(BASS_ChannelGetInfo(stream, &info));
    EXPECT_EQ(info.freq, freq);
    EXPECT_EQ(info.chans, chans);
    EXPECT_EQ(info.ctype, ctype);
  }
  void ExpectToneHeard() {
    const auto [left, right] = ToneInOutput(FinishAndReadOutput(), 440);
    EXPECT_NEAR(left, 0.5, 0.08);
    EXPECT_NEAR(right, 0.5, 0.08);
  }
  // Plays until `seconds` of the station have sounded.
  bool PlayFor(HSTREAM stream, double seconds) { return WaitForPosition(stream, QWORD(seconds * 44100) * 4); }
};

TEST_F(NetStreamTest, Mp3WithIcyMetadataSoundsAndItsTitlesChange) {
  RadioServer station(Mp3Show());
  const HSTREAM stream = PlayUrl(station.Url());
  std::vector<std::string> titles;
  ASSERT_TRUE(WaitUntil([&] {
    const std::string meta = Tag(stream, BASS_TAG_META);
    if (!meta.empty() && (titles.empty() || titles.back() != meta)) titles.push_back(meta);
    return titles.size() >= 2;
  }));
  EXPECT_EQ(titles[0], "StreamTitle='First Artist - First Title';\n");
  EXPECT_EQ(titles[1], "StreamTitle='Second Artist - Second Title';\n");
  EXPECT_NE(Tag(stream, BASS_TAG_ICY).find("icy-name: Test Radio\n"), std::string::npos);
  EXPECT_NE(Tag(stream, BASS_TAG_HTTP).find("content-type: audio/mpeg\n"), std::string::npos);

  ASSERT_TRUE(PlayFor(stream, 2.0));
  ExpectFormat(stream, 44100, 2, BASS_CTYPE_STREAM_MP3);
  BASS_CHANNELINFO info{};
  ASSERT_TRUE(BASS_ChannelGetInfo(stream, &info));
  EXPECT_EQ(info.bitrate, 128u);
  // A station has no length and no place to go to.
  EXPECT_EQ(BASS_StreamGetLength(stream), 0u);
  EXPECT_FALSE(BASS_ChannelSetPosition(stream, 0));
  EXPECT_EQ(BASS_StreamGetFilePosition(stream, BASS_FILEPOS_CONNECTED), 1u);
  EXPECT_GT(BASS_StreamGetFilePosition(stream, BASS_FILEPOS_DOWNLOAD), 32000u);
  ExpectToneHeard();
}

TEST_F(NetStreamTest, OggFromAShoutcastServerBehindARedirectSoundsInItsOwnFormat) {
  RadioShow show = TestSupport::ToneShow(true, 1, 22050, 6.0);
  show.icyStatusLine = true;
  RadioServer station(show);
  const HSTREAM stream = PlayUrl(station.Url("/redirect"));
  ASSERT_TRUE(PlayFor(stream, 2.0));
  ExpectFormat(stream, 22050, 1, BASS_CTYPE_STREAM_OGG);
  EXPECT_EQ(Tag(stream, BASS_TAG_META), "");
  ExpectToneHeard();
}

TEST_F(NetStreamTest, ServersThatSendNoStreamEndItWithTheReason) {
  BASS_SetConfig(BASS_CONFIG_NET_TIMEOUT, 1000);  // the silent one is looked at before, even on a loaded machine
  EXPECT_EQ(BASS_GetConfig(BASS_CONFIG_NET_TIMEOUT), 1000u);
  RadioShow aac = Mp3Show();
  aac.contentType = "audio/aacp";
  RadioShow unknown = Mp3Show();
  unknown.contentType = "application/octet-stream";
  unknown.audio.assign(40000, 'x');
  const struct {
    const char* name;
    RadioShow show;
    Misbehaviour misbehaviour;
    DWORD error;
  } cases[] = {
      {"silent", Mp3Show(), Misbehaviour::Silent, BASS_ERROR_TIMEOUT},
      {"404", Mp3Show(), Misbehaviour::NotFound, BASS_ERROR_FILEOPEN},
      {"web page", Mp3Show(), Misbehaviour::WebPage, BASS_ERROR_FILEFORM},
      {"endless header", Mp3Show(), Misbehaviour::EndlessHeader, BASS_ERROR_FILEFORM},
      {"aac", aac, Misbehaviour::None, BASS_ERROR_FILEFORM},
      {"no audio at all", unknown, Misbehaviour::None, BASS_ERROR_FILEFORM},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    RadioServer station(c.show, c.misbehaviour);
    const HSTREAM stream = PlayUrl(station.Url());
    // Until its time-out a station that says nothing holds the stream stalled, not ended.
    if (c.misbehaviour == Misbehaviour::Silent) {
      EXPECT_EQ(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_STALLED});
    }
    ASSERT_TRUE(WaitUntilInactive(stream, 5000));
    EXPECT_EQ(BASS_StreamGetNetError(stream), c.error);
    BASS_StreamFree(stream);
  }
  // Nobody listening at all.
  std::string closed;
  {
    RadioServer gone(Mp3Show());
    closed = gone.Url();
  }
  const HSTREAM stream = PlayUrl(closed);
  ASSERT_TRUE(WaitUntilInactive(stream, 5000));
  EXPECT_EQ(BASS_StreamGetNetError(stream), DWORD{BASS_ERROR_FILEOPEN});
  EXPECT_EQ(BASS_StreamCreateURL("ftp://127.0.0.1/x", 0, 0, nullptr, nullptr), 0u);
  EXPECT_EQ(BASS_ErrorGetCode(), DWORD{BASS_ERROR_ILLPARAM});
}

TEST_F(NetStreamTest, ADroppedConnectionIsTakenUpAgainThenGivenUp) {
  RadioShow show = Mp3Show();
  show.dropAfterBytes = 48000;  // three seconds
  show.answeredConnections = 2;
  RadioServer station(show);
  const HSTREAM stream = PlayUrl(station.Url());
  ASSERT_TRUE(WaitUntilInactive(stream, 15000));
  // Two connections that played, then two retries that were turned away.
  EXPECT_EQ(station.Connections(), 4);
  EXPECT_EQ(BASS_StreamGetNetError(stream), DWORD{BASS_ERROR_FILEOPEN});
  // Both connections' sound was heard, one after the other.
  const Pcm16 sound = Trimmed(FinishAndReadOutput());
  EXPECT_GT(sound.Frames(), size_t(5.5 * 44100));
}

TEST_F(NetStreamTest, MetadataThatLiesAboutItsLengthNeitherStopsNorFloodsTheStream) {
  RadioShow show = Mp3Show();
  show.metaInterval = 4096;
  RadioServer station(show, Misbehaviour::LyingMetadata);
  const HSTREAM stream = PlayUrl(station.Url());
  ASSERT_TRUE(PlayFor(stream, 2.5));
  EXPECT_NE(BASS_ChannelIsActive(stream), DWORD{BASS_ACTIVE_STOPPED});
  EXPECT_LE(Tag(stream, BASS_TAG_META).size(), 4081u);
  EXPECT_LE(BASS_StreamGetFilePosition(stream, BASS_FILEPOS_BUFFER), 256u * 1024);
}

// Freeing the library while streams play, fill their buffers or wait on a
// station that never answers: every stream's thread is told to end and joined,
// so the call returns at once and nothing is left running or unfreed.
TEST_F(NetStreamTest, FreeingTheLibraryWithStreamsOpenEndsPromptly) {
  BASS_SetConfig(BASS_CONFIG_NET_TIMEOUT, 60000);  // the silent station would hold its stream this long
  RadioShow live = Mp3Show();
  live.bytesPerSecond = 16000;
  RadioServer fast(Mp3Show()), paced(live), silent(Mp3Show(), Misbehaviour::Silent);
  const HSTREAM playing = PlayUrl(fast.Url());
  PlayUrl(paced.Url());
  const HSTREAM stalled = PlayUrl(silent.Url());
  ASSERT_TRUE(PlayFor(playing, 0.5));
  ASSERT_EQ(BASS_ChannelIsActive(stalled), DWORD{BASS_ACTIVE_STALLED});

  std::atomic<bool> freed{false};
  std::thread freeing([&freed] {
    BASS_Free();
    freed = true;
  });
  const bool ended = WaitUntil([&freed] { return freed.load(); }, 2000);
  freeing.join();
  EXPECT_TRUE(ended) << "freeing the library waited for a station";
}

TEST(IcyDemuxer, SplitsAudioFromMetadataHoweverTheBytesArrive) {
  std::string wire = "0123456789";
  wire += '\x01';
  wire += std::string("StreamTitle='A';").substr(0, 16);
  wire += "abcdefghij";
  wire += '\0';  // an empty block: the title stays
  wire += "ABCDEFGHIJ";
  wire += '\x02';
  wire += std::string("StreamTitle='Bb';StreamUrl=''") + std::string(3, '\0');
  wire += "klm";
  for (size_t chunk : {size_t{1}, size_t{3}, size_t{7}, wire.size()}) {
    SCOPED_TRACE(chunk);
    std::string audio;
    std::vector<std::string> blocks;
    Bass::IcyDemuxer demuxer(
        10, [&](const uint8_t* data, size_t size) { audio.append(reinterpret_cast<const char*>(data), size); },
        [&](const std::string& block) { blocks.push_back(block); });
    for (size_t at = 0; at < wire.size(); at += chunk)
      demuxer.Push(reinterpret_cast<const uint8_t*>(wire.data()) + at, std::min(chunk, wire.size() - at));
    EXPECT_EQ(audio, "0123456789abcdefghijABCDEFGHIJklm");
    EXPECT_EQ(blocks, (std::vector<std::string>{"StreamTitle='A';", "StreamTitle='Bb';StreamUrl=''"}));
  }
}

TEST(IcyDemuxer, StreamTitlesAreCutFromTheirBlock) {
  const struct {
    const char* block;
    const char* title;  // null: no title
  } cases[] = {
      {"StreamTitle='Artist - Song';StreamUrl='x';", "Artist - Song"},
      {"StreamTitle='';", ""},
      {"StreamTitle='It''s';", "It''s"},
      {"StreamTitle='Cut off", "Cut off"},
      {"StreamTitle='Bell\a\tTab';", "BellTab"},
      {"StreamUrl='x';", nullptr},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> title = Bass::StreamTitleOf(c.block);
    EXPECT_EQ(title.has_value(), c.title != nullptr) << c.block;
    if (title && c.title) {
      EXPECT_EQ(*title, c.title);
    }
  }
}

TEST(RingBuffer, KeepsTheOrderAcrossItsEndAndNeverOverfills) {
  Bass::RingBuffer ring(8);
  const uint8_t bytes[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  uint8_t out[10] = {};
  EXPECT_EQ(ring.Write(bytes, 5), 5u);
  EXPECT_EQ(ring.Read(out, 3), 3u);
  EXPECT_EQ(ring.Write(bytes + 5, 5), 5u);  // wraps around
  EXPECT_EQ(ring.Write(bytes, 10), 1u);     // only what fits
  EXPECT_EQ(ring.Available(), 8u);
  EXPECT_EQ(ring.Read(out, 10), 8u);
  EXPECT_EQ(std::vector<uint8_t>(out, out + 8), (std::vector<uint8_t>{4, 5, 6, 7, 8, 9, 10, 1}));
  EXPECT_EQ(ring.Read(out, 1), 0u);
}

TEST(RingBuffer, AWriterWaitingForRoomWakesWhenTheReaderTakesOrItIsStopped) {
  Bass::RingBuffer ring(4);
  const uint8_t bytes[] = {1, 2, 3, 4};
  ring.Write(bytes, 4);
  std::atomic<bool> stop{false};
  std::atomic<int> woken{0};
  std::thread writer([&] {
    ring.WaitForSpace(stop);
    ++woken;
    ring.WaitForSpace(stop);  // still room: returns at once
    ring.Write(bytes, 4);
    ring.WaitForSpace(stop);
    ++woken;
  });
  uint8_t out[4];
  ring.Read(out, 1);
  ASSERT_TRUE(WaitUntil([&] { return ring.Space() == 0; }));
  stop = true;
  ring.WakeWriter();
  writer.join();
  EXPECT_EQ(woken, 2);
}

}  // namespace
