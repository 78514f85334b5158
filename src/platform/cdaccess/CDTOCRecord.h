#pragma once
#include <cstddef>
#include <cstdint>

// One table-of-contents entry: the absolute MSF address as the drive reports
// it (track 1 of a normal disc starts at 0:02:00) and whether it is audio.
struct TOCEntry {
  uint8_t Minute = 0;
  uint8_t Second = 0;
  uint8_t Frame = 0;
  uint8_t Reserved = 0;
  int32_t AudioFlag = 0;  // -1 audio track, 0 data track (and the lead-out)
};

// A disc's table of contents in the byte layout shared with the local CD
// database: track count, three zero bytes, lead-out, then 100 track entries
// (track 1 first, entries beyond the count zero).
struct CDTOCRecord {
  uint8_t TrackCount = 0;
  uint8_t Reserved[3] = {0, 0, 0};
  TOCEntry LeadOut;
  TOCEntry Tracks[100];
};

static_assert(sizeof(TOCEntry) == 8);
static_assert(sizeof(CDTOCRecord) == 812);
static_assert(offsetof(CDTOCRecord, LeadOut) == 4);
static_assert(offsetof(CDTOCRecord, Tracks) == 12);

inline constexpr int MaxTocTracks = 100;
inline constexpr int FramesPerSecond = 75;
inline constexpr int FramesPerMinute = 60 * FramesPerSecond;

// Absolute frame address of an entry (minute * 4500 + second * 75 + frame).
inline int EntryFrames(const TOCEntry& entry) {
  return entry.Minute * FramesPerMinute + entry.Second * FramesPerSecond + entry.Frame;
}

// Whole seconds of an entry's address, frames ignored.
inline int EntrySeconds(const TOCEntry& entry) { return entry.Minute * 60 + entry.Second; }

// Sets an entry from an absolute frame address; false when the minute would
// not fit its byte.
inline bool SetEntryFrames(TOCEntry& entry, int frames) {
  if (frames < 0 || frames / FramesPerMinute > 255) return false;
  entry.Minute = static_cast<uint8_t>(frames / FramesPerMinute);
  entry.Second = static_cast<uint8_t>(frames / FramesPerSecond % 60);
  entry.Frame = static_cast<uint8_t>(frames % FramesPerSecond);
  return true;
}
