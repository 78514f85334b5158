#pragma once
// What reading a song file tells beyond its name: the artist and title from
// its tags, its length and audio format, read through TagLib. A CD track's
// length comes from its disc's table of contents.
#include <QString>

#include <utility>
#include <vector>

namespace SongFacts {

// Tag text longer than this is cut: a title is one line of a list.
inline constexpr int kMaxTagText = 250;

struct Facts {
  QString artist;    // cleaned tag text; empty when the file has none
  QString title;
  QString album;
  int seconds = -1;  // length; -1 when unknown
  // The length is the header's estimate (or unknown) and a scan of the whole
  // file finds the exact one: MPEG audio without a Xing or VBRI header.
  bool lengthEstimated = false;
  QString format;    // "MPEG-1 Layer 3", "Ogg Vorbis", "FLAC", "Opus", ...; empty when unreadable
  int bitRate = 0;   // kbit/s
  int sampleRate = 0;
  int channels = 0;
  // Every tag field found (name, cleaned value), read only when asked for.
  std::vector<std::pair<QString, QString>> tags;
};

enum class Detail { Summary, AllTags };

// Reads a song file. A path that is not a regular file, or a file TagLib
// cannot make sense of, gives facts with nothing known; nothing is thrown.
Facts ReadSongFacts(const QString& path, Detail detail = Detail::Summary);

// Replaces an estimated length by the exact one, found by a scan of the whole
// file (slow for big files); nothing happens when the length was exact.
void ScanExactLength(const QString& path, Facts& facts);

// Tag text made safe for a playlist entry: control characters become blanks,
// the entry's field tags are taken out, the text is trimmed and cut to kMaxTagText.
QString CleanTagText(const QString& text);

// "m:ss", or "h:mm:ss" from an hour on; empty for an unknown length.
QString LengthText(int seconds);

// Sets the entry's artist and title where the facts have them; true when the
// entry changed.
bool ApplyTagsToEntry(const Facts& facts, QString& entry);

}  // namespace SongFacts
