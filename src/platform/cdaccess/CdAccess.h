#pragma once
#include <QString>
#include <QStringList>

#include "platform/cdaccess/CDTOCRecord.h"

// CD drives and disc images reached through libcdio. A drive is named by its
// device path (/dev/sr0) or by a disc image file (.cue, .toc, .nrg).
namespace CdAccess {

// Reported when libcdio has no driver for the kind of drive asked for.
inline constexpr const char* NoUsableInterfaceText = "No usable interface available";

// True when libcdio can reach any drive at all: a hardware driver for this
// system or one of its disc-image drivers.
bool Available();

// The hardware CD drives libcdio lists, first drive first.
QStringList EnumerateDrives();

// True when the name is a disc image file one of libcdio's image drivers reads.
bool IsDiscImage(const QString& name);

enum class TocStatus {
  Ok,           // the record holds the disc's table of contents
  NoDisc,       // no readable disc (or the name opens nothing); the record is zeroed
  NoInterface,  // libcdio has no driver for this kind of drive
};

// Reads the table of contents of a drive or disc image into the record,
// which is zeroed first.
TocStatus ReadToc(const QString& driveName, CDTOCRecord& toc);

// True when the drive holds a disc with a readable table of contents.
bool DiscPresent(const QString& driveName);

}  // namespace CdAccess
