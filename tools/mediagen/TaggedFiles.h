#pragma once
// Song files carrying tags: Ogg Opus through libopusenc (FLAC: WavFile.h),
// and ID3 tags built byte by byte (also lying ones) to put in
// front of or behind an MP3 file.
#include <string>
#include <utility>
#include <vector>

#include "PcmAudio.h"
#include "WavFile.h"

namespace MediaGen {

// Tag fields as (name, value), in Vorbis comment naming ("ARTIST", "TITLE").
using Comments = std::vector<std::pair<std::string, std::string>>;

// Ogg Opus at 64 kbit/s with the given comment fields.
bool WriteOpus(const std::string& path, const PcmAudio& audio, const Comments& comments = {});

// One ID3v2 frame: its four-letter id and its body bytes as written. Text
// frames are built by Id3TextFrame; a raw body makes damaged frames.
struct Id3Frame {
  std::string id;
  std::string body;
  // Written in place of the body's true size (to lie about it) when not negative.
  long long claimedSize = -1;
};

// A text frame body: encoding 0 (Latin-1) or 3 (UTF-8) followed by the text;
// encoding 1 takes `text` as UTF-16LE bytes after a byte-order mark.
Id3Frame Id3TextFrame(const std::string& id, int encoding, const std::string& text);

// An ID3v2.3 or v2.4 tag (major version 3 or 4) holding the frames; its
// header size is the frames' size unless claimedSize says otherwise.
std::string Id3v2Tag(int majorVersion, const std::vector<Id3Frame>& frames, long long claimedSize = -1);

// The 128-byte ID3v1 tag with title and artist (cut to 30 bytes).
std::string Id3v1Tag(const std::string& title, const std::string& artist);

// Writes `before` + the file's bytes + `after` back to the file.
bool WrapFile(const std::string& path, const std::string& before, const std::string& after);

}  // namespace MediaGen
