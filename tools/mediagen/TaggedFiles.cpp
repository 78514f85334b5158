#include "TaggedFiles.h"

#include <opus/opusenc.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>

namespace MediaGen {

namespace {

// The four bytes of a size: plain for v2.3 frames, 7 bits a byte ("synchsafe")
// for the tag header and v2.4 frames.
std::string SizeBytes(unsigned long long size, bool synchsafe) {
  std::string bytes(4, '\0');
  for (int i = 3; i >= 0; --i) {
    bytes[size_t(i)] = char(synchsafe ? size & 0x7F : size & 0xFF);
    size >>= synchsafe ? 7 : 8;
  }
  return bytes;
}

}  // namespace

bool WriteOpus(const std::string& path, const PcmAudio& audio, const Comments& comments) {
  OggOpusComments* tags = ope_comments_create();
  for (const auto& [name, value] : comments) ope_comments_add(tags, name.c_str(), value.c_str());
  int error = 0;
  OggOpusEnc* encoder = ope_encoder_create_file(path.c_str(), tags, audio.sampleRate, audio.channels, 0, &error);
  ope_comments_destroy(tags);
  if (!encoder) return false;
  ope_encoder_ctl(encoder, OPUS_SET_BITRATE(64000));
  bool ok = ope_encoder_write_float(encoder, audio.samples.data(), int(audio.Frames())) == OPE_OK;
  ok = ope_encoder_drain(encoder) == OPE_OK && ok;
  ope_encoder_destroy(encoder);
  return ok;
}

Id3Frame Id3TextFrame(const std::string& id, int encoding, const std::string& text) {
  std::string body(1, char(encoding));
  if (encoding == 1) body += "\xFF\xFE";
  return {id, body + text};
}

std::string Id3v2Tag(int majorVersion, const std::vector<Id3Frame>& frames, long long claimedSize) {
  std::string content;
  for (const Id3Frame& frame : frames) {
    const unsigned long long size = frame.claimedSize >= 0 ? frame.claimedSize : frame.body.size();
    content += frame.id + SizeBytes(size, majorVersion == 4) + std::string(2, '\0') + frame.body;
  }
  const unsigned long long size = claimedSize >= 0 ? claimedSize : content.size();
  return std::string("ID3") + char(majorVersion) + '\0' + '\0' + SizeBytes(size, true) + content;
}

std::string Id3v1Tag(const std::string& title, const std::string& artist) {
  std::string tag = "TAG";
  tag += title.substr(0, 30) + std::string(30 - std::min<size_t>(30, title.size()), '\0');
  tag += artist.substr(0, 30) + std::string(30 - std::min<size_t>(30, artist.size()), '\0');
  tag.resize(127, '\0');
  return tag + char(255);  // no genre
}

bool WrapFile(const std::string& path, const std::string& before, const std::string& after) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  const std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  in.close();
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << before << bytes << after;
  return bool(out.flush());
}

}  // namespace MediaGen
