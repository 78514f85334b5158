#pragma once
#include <QString>

#include <array>
#include <cstdint>

#include "platform/cdaccess/CDTOCRecord.h"

namespace LocalCDDB {

// Every text crosses into the database in a zero-terminated 512-byte buffer,
// so it holds at most 511 bytes of UTF-8.
inline constexpr int TextBufferSize = 512;
inline constexpr int RecordTracks = 100;
using TextBuffer = std::array<char, TextBufferSize>;

// One disc's information as the database reads and writes it.
struct CDLibraryRecord {
  TextBuffer DiscId{};
  TextBuffer Artist{};
  TextBuffer Title{};
  TextBuffer Year{};
  TextBuffer Genre{};
  TextBuffer ExtendedData{};
  std::array<TextBuffer, RecordTracks> TrackTitles{};
  std::array<TextBuffer, RecordTracks> TrackExtData{};
  TextBuffer Category{};
  int32_t Revision = 0;
  CDTOCRecord TOC;
};

// The buffer's text up to its terminating zero.
QString RecordText(const TextBuffer& buffer);

// Stores the text, cut to the last whole character that fits in 511 bytes.
void SetRecordText(TextBuffer& buffer, const QString& text);

}  // namespace LocalCDDB
