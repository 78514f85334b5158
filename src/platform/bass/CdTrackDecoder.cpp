#include "platform/bass/CdTrackDecoder.h"

#include <cdio/paranoia/cdda.h>
#include <cdio/paranoia/paranoia.h>

#include <algorithm>
#include <cstring>

#include "platform/bass/bass.h"

namespace Bass {

namespace {

constexpr size_t kFramesPerSector = CDIO_CD_FRAMESIZE_RAW / 4;
// Reads of a damaged sector are retried this often, then the sector is skipped,
// so a scratched disc never stalls playback for good.
constexpr int kReadRetries = 3;

void IgnoreProgress(long, paranoia_cb_mode_t) {}

class CdTrackDecoder : public Decoder {
 public:
  CdTrackDecoder(cdrom_drive_t* drive, cdrom_paranoia_t* paranoia, lsn_t first, lsn_t last)
      : drive(drive), paranoia(paranoia), first(first), last(last) {
    format.rate = 44100;
    format.channels = 2;
    Seek(0);
  }
  ~CdTrackDecoder() override {
    cdio_paranoia_free(paranoia);
    cdio_cddap_close(drive);
  }

  size_t Read(int16_t* out, size_t count) override {
    size_t done = 0;
    while (done < count) {
      if (sectorOffset == kFramesPerSector) {
        if (nextSector > last) break;
        const int16_t* data = cdio_paranoia_read_limited(paranoia, IgnoreProgress, kReadRetries);
        if (!data) break;  // the drive gave up: the track ends here
        std::memcpy(sector, data, sizeof sector);
        ++nextSector;
        sectorOffset = 0;
      }
      const size_t take = std::min(count - done, kFramesPerSector - sectorOffset);
      std::memcpy(out + done * 2, sector + sectorOffset * 2, take * 4);
      sectorOffset += take;
      done += take;
    }
    return done;
  }

  bool Seek(uint64_t frame) override {
    if (frame > LengthFrames()) return false;
    const lsn_t target = first + static_cast<lsn_t>(frame / kFramesPerSector);
    cdio_paranoia_seek(paranoia, target, SEEK_SET);
    nextSector = target;
    sectorOffset = kFramesPerSector;
    // Within a sector, the frames before the target are read and dropped.
    const size_t skip = frame % kFramesPerSector;
    if (skip > 0) {
      int16_t discard[kFramesPerSector * 2];
      Read(discard, skip);
    }
    return true;
  }

  uint64_t LengthFrames() const override { return static_cast<uint64_t>(last - first + 1) * kFramesPerSector; }

 private:
  cdrom_drive_t* drive;
  cdrom_paranoia_t* paranoia;
  lsn_t first, last, nextSector = 0;
  int16_t sector[kFramesPerSector * 2]{};
  size_t sectorOffset = kFramesPerSector;
};

}  // namespace

OpenResult OpenCdTrackDecoder(const std::string& driveName, bool isImage, int track) {
  cdrom_drive_t* drive = cdio_cddap_identify(driveName.c_str(), CDDA_MESSAGE_FORGETIT, nullptr);
  if (!drive) return {nullptr, BASS_ERROR_NOCD};
  if (cdio_cddap_open(drive) != 0) {
    cdio_cddap_close(drive);
    return {nullptr, BASS_ERROR_NOCD};
  }
  if (isImage) drive->bigendianp = 0;  // image files hold little-endian samples: no guessing
  const lsn_t first = cdio_cddap_track_firstsector(drive, static_cast<track_t>(track));
  const lsn_t last = cdio_cddap_track_lastsector(drive, static_cast<track_t>(track));
  cdrom_paranoia_t* paranoia = first >= 0 && last >= first ? cdio_paranoia_init(drive) : nullptr;
  if (!paranoia) {
    cdio_cddap_close(drive);
    return {nullptr, BASS_ERROR_CDTRACK};
  }
  cdio_paranoia_modeset(paranoia, isImage ? PARANOIA_MODE_DISABLE : PARANOIA_MODE_FULL ^ PARANOIA_MODE_NEVERSKIP);
  return {std::make_unique<CdTrackDecoder>(drive, paranoia, first, last), BASS_OK};
}

}  // namespace Bass
