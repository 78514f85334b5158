#include "platform/bass/CdDrive.h"

#include <cdio/paranoia/cdda.h>

#include <cctype>
#include <cstdio>
#include <filesystem>

#include "platform/bass/CdTrackDecoder.h"
#include "platform/bass/bass.h"
#include "platform/cdaccess/CdioLog.h"

namespace Bass {

namespace {

constexpr int kSectorsPerSecond = 75;
constexpr int kLeadInSectors = 150;

int DigitSum(int n) {
  int sum = 0;
  for (; n > 0; n /= 10) sum += n % 10;
  return sum;
}

// A drive is a device node; a disc image is a plain file named .cue, .toc or
// .nrg. Anything else (a folder, another file, a missing path) is no disc,
// and libcdio is never asked to open it.
bool IsDriveOrImage(const std::string& name) {
  namespace fs = std::filesystem;
  std::error_code error;
  const fs::file_status status = fs::status(name, error);
  if (fs::is_block_file(status) || fs::is_character_file(status)) return true;
  if (!fs::is_regular_file(status)) return false;
  std::string extension = fs::path(name).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return extension == ".cue" || extension == ".toc" || extension == ".nrg";
}

}  // namespace

std::string CdDrive::FirstDrive() {
  CdAccess::InstallCdioLogHandler();
  char** devices = cdio_get_devices(DRIVER_DEVICE);
  std::string first = devices && devices[0] ? devices[0] : "";
  cdio_free_device_list(devices);
  return first;
}

std::unique_ptr<CdDrive> CdDrive::Open(const std::string& requested) {
  CdAccess::InstallCdioLogHandler();
  const std::string name = requested.empty() ? FirstDrive() : requested;
  if (name.empty() || !IsDriveOrImage(name)) return nullptr;
  CdIo_t* cdio = cdio_open(name.c_str(), DRIVER_UNKNOWN);
  if (!cdio) return nullptr;
  return std::unique_ptr<CdDrive>(new CdDrive(cdio, name));
}

CdDrive::~CdDrive() { cdio_destroy(cdio); }

bool CdDrive::IsImage() const {
  const driver_id_t driver = cdio_get_driver_id(cdio);
  return driver == DRIVER_BINCUE || driver == DRIVER_CDRDAO || driver == DRIVER_NRG;
}

void CdDrive::ReopenIfMediaChanged() {
  if (IsImage() || cdio_get_media_changed(cdio) != 1) return;
  // libcdio keeps the table of contents it read first; a new disc needs a new handle.
  if (CdIo_t* fresh = cdio_open(name.c_str(), DRIVER_UNKNOWN)) {
    cdio_destroy(cdio);
    cdio = fresh;
  }
}

bool CdDrive::HasDisc() { return TrackCount() > 0; }

int CdDrive::TrackCount() {
  ReopenIfMediaChanged();
  const track_t first = cdio_get_first_track_num(cdio);
  const track_t count = cdio_get_num_tracks(cdio);
  if (first == CDIO_INVALID_TRACK || count == CDIO_INVALID_TRACK) return 0;
  return first - 1 + count;
}

lsn_t CdDrive::TrackStart(int track) {
  const track_t number = track == TrackCount() + 1 ? track_t{CDIO_CDROM_LEADOUT_TRACK} : static_cast<track_t>(track);
  return cdio_get_track_lsn(cdio, number);
}

int64_t CdDrive::TrackLengthMs(int track) {
  if (track < 1 || track > TrackCount()) return -1;
  const lsn_t start = TrackStart(track), end = TrackStart(track + 1);
  if (start == CDIO_INVALID_LSN || end == CDIO_INVALID_LSN || end < start) return -1;
  return static_cast<int64_t>(end - start) * 1000 / kSectorsPerSecond;
}

bool CdDrive::IsAudioTrack(int track) {
  return track >= 1 && track <= TrackCount() &&
         cdio_get_track_format(cdio, static_cast<track_t>(track)) == TRACK_FORMAT_AUDIO;
}

std::string CdDrive::CddbId() {
  const int count = TrackCount();
  if (count <= 0) return "";
  const track_t first = cdio_get_first_track_num(cdio);
  int checksum = 0;
  for (int track = first; track <= count; ++track)
    checksum += DigitSum((TrackStart(track) + kLeadInSectors) / kSectorsPerSecond);
  const int seconds = (TrackStart(count + 1) + kLeadInSectors) / kSectorsPerSecond -
                      (TrackStart(first) + kLeadInSectors) / kSectorsPerSecond;
  const unsigned id = (static_cast<unsigned>(checksum % 0xFF) << 24) | (static_cast<unsigned>(seconds) << 8) |
                      static_cast<unsigned>(count - first + 1);
  char text[9];
  std::snprintf(text, sizeof text, "%08x", id);
  return text;
}

std::string CdDrive::Identity() {
  cdio_hwinfo_t info{};
  if (!cdio_get_hwinfo(cdio, &info)) return "";
  return std::string(info.psz_vendor) + " " + info.psz_model + " " + info.psz_revision;
}

std::string CdDrive::Upc() {
  char* mcn = cdio_get_mcn(cdio);
  std::string upc = mcn ? mcn : "";
  cdio_free(mcn);
  return upc;
}

OpenResult CdDrive::OpenTrack(int track) {
  if (track < 1 || track > TrackCount()) return {nullptr, BASS_ERROR_CDTRACK};
  if (!IsAudioTrack(track)) return {nullptr, BASS_ERROR_NOTAUDIO};
  return OpenCdTrackDecoder(name, IsImage(), track);
}

}  // namespace Bass
