#pragma once
// A CD drive or a disc image (.cue, .toc, .nrg) opened through libcdio: its
// table of contents, track lengths and identifiers, and readers for its tracks.
#include <cdio/cdio.h>

#include <memory>
#include <string>

#include "platform/bass/Decoder.h"

namespace Bass {

class CdDrive {
 public:
  // Opens `name`, or the first drive libcdio lists when it is empty; null when
  // nothing can be opened.
  static std::unique_ptr<CdDrive> Open(const std::string& name);
  // The device path of the first drive libcdio lists; empty on a machine without one.
  static std::string FirstDrive();
  ~CdDrive();
  CdDrive(const CdDrive&) = delete;
  CdDrive& operator=(const CdDrive&) = delete;

  const std::string& Name() const { return name; }
  bool IsImage() const;
  bool HasDisc();
  int TrackCount();
  // Milliseconds of a track (1-based), or -1 when the disc has no such track.
  int64_t TrackLengthMs(int track);
  bool IsAudioTrack(int track);
  // The freedb disc id as eight lower-case hex digits, empty without a disc.
  std::string CddbId();
  std::string Identity();  // vendor, model and revision of the drive
  std::string Upc();       // the disc's media catalogue number, if it has one
  // A reader for one track; the error code is BASS_ERROR_CDTRACK or
  // BASS_ERROR_NOTAUDIO when it cannot play.
  OpenResult OpenTrack(int track);

 private:
  CdDrive(CdIo_t* cdio, std::string name) : cdio(cdio), name(std::move(name)) {}
  lsn_t TrackStart(int track);  // of track count + 1: the lead-out
  void ReopenIfMediaChanged();

  CdIo_t* cdio;
  std::string name;
};

}  // namespace Bass
