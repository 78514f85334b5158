#include "CdAccess.h"

#include <QFileInfo>

#include <cdio/cdio.h>

#include "platform/cdaccess/CdioLog.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace CdAccess {

namespace {

struct CdioCloser {
  void operator()(CdIo_t* cdio) const { cdio_destroy(cdio); }
};
using CdioHandle = std::unique_ptr<CdIo_t, CdioCloser>;

// The image driver that reads the named file, or DRIVER_UNKNOWN when the file
// is no disc image.
driver_id_t ImageDriverOf(const QString& name) {
  InstallCdioLogHandler();
  if (!QFileInfo(name).isFile()) return DRIVER_UNKNOWN;
  const QByteArray path = QFile::encodeName(name);
  if (char* bin = cdio_is_cuefile(path.constData())) {
    std::free(bin);
    return DRIVER_BINCUE;
  }
  if (char* cue = cdio_is_binfile(path.constData())) {
    std::free(cue);
    return DRIVER_BINCUE;
  }
  if (cdio_is_tocfile(path.constData())) return DRIVER_CDRDAO;
  if (cdio_is_nrg(path.constData())) return DRIVER_NRG;
  return DRIVER_UNKNOWN;
}

bool IsDataTrack(CdIo_t* cdio, track_t track) {
  return cdio_get_track_format(cdio, track) != TRACK_FORMAT_AUDIO;
}

bool FillToc(CdIo_t* cdio, CDTOCRecord& toc) {
  const track_t first = cdio_get_first_track_num(cdio);
  const track_t last = cdio_get_last_track_num(cdio);
  if (first == CDIO_INVALID_TRACK || last == CDIO_INVALID_TRACK || last < first) return false;
  const int count = last - first + 1;
  if (count > MaxTocTracks) return false;
  for (int i = 0; i < count; ++i) {
    const track_t track = static_cast<track_t>(first + i);
    const lba_t lba = cdio_get_track_lba(cdio, track);
    if (lba == CDIO_INVALID_LBA || !SetEntryFrames(toc.Tracks[i], lba)) return false;
    toc.Tracks[i].AudioFlag = IsDataTrack(cdio, track) ? 0 : -1;
  }
  const lba_t leadOut = cdio_get_track_lba(cdio, CDIO_CDROM_LEADOUT_TRACK);
  if (leadOut == CDIO_INVALID_LBA || !SetEntryFrames(toc.LeadOut, leadOut)) return false;
  toc.TrackCount = static_cast<uint8_t>(count);
  return true;
}

}  // namespace

bool Available() {
  return cdio_os_driver != DRIVER_UNKNOWN || cdio_have_driver(DRIVER_BINCUE) ||
         cdio_have_driver(DRIVER_CDRDAO) || cdio_have_driver(DRIVER_NRG);
}

// A CD drive is a device node; folders, plain files and missing paths are not.
bool IsDeviceNode(const QString& name) {
  const QFileInfo info(name);
  return info.exists() && !info.isFile() && !info.isDir();
}

QStringList EnumerateDrives() {
  InstallCdioLogHandler();
  QStringList drives;
  if (cdio_os_driver == DRIVER_UNKNOWN) return drives;
  char** devices = cdio_get_devices(DRIVER_DEVICE);
  if (devices == nullptr) return drives;
  for (char** device = devices; *device != nullptr; ++device) {
    drives.append(QFile::decodeName(*device));
  }
  cdio_free_device_list(devices);
  return drives;
}

bool IsDiscImage(const QString& name) { return ImageDriverOf(name) != DRIVER_UNKNOWN; }

TocStatus ReadToc(const QString& driveName, CDTOCRecord& toc) {
  toc = CDTOCRecord{};
  driver_id_t driver = ImageDriverOf(driveName);
  if (driver == DRIVER_UNKNOWN) {
    if (cdio_os_driver == DRIVER_UNKNOWN) return TocStatus::NoInterface;
    if (!IsDeviceNode(driveName)) return TocStatus::NoDisc;
    driver = DRIVER_DEVICE;
  } else if (!cdio_have_driver(driver)) {
    return TocStatus::NoInterface;
  }
  if (driveName.isEmpty()) return TocStatus::NoDisc;
  const QByteArray path = QFile::encodeName(driveName);
  const CdioHandle cdio(cdio_open(path.constData(), driver));
  if (!cdio) return TocStatus::NoDisc;
  if (FillToc(cdio.get(), toc)) return TocStatus::Ok;
  toc = CDTOCRecord{};
  return TocStatus::NoDisc;
}

bool DiscPresent(const QString& driveName) {
  CDTOCRecord toc;
  return ReadToc(driveName, toc) == TocStatus::Ok;
}

}  // namespace CdAccess
