#pragma once
// What the playlist asks of the CD-information module when CD tracks enter
// it: read the disc, look it up in the local CD database (and, when it is not
// there and freedb support is on, in the lookup window), and build the
// entries of its tracks.
#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>

namespace Cddb {
class TCddb;
}

namespace FreeDBInterface {

// State shared by the CD-information windows and the playlist's entry points.
struct UnitState {
  QString CDDriveRoot;          // the drive (device or disc image) last looked up, with "/"
  uint8_t DiscReadStatus = 0;   // 1 when a disc was read
  bool CDInfoFound = false;     // the component holds CD information for the disc
  bool HttpSearchPending = false;
  QStringList MatchList;
  int32_t ChosenMatchIndex = -1;
  QStringList CDTrackList;      // one playlist entry per track of the disc
};
UnitState& State();

// Shows the lookup window modally for a disc missing from the local
// database; the lookup window installs it.
extern std::function<void()> ShowLookupWindow;

// The lookup window's CDDB component, or nullptr before it exists.
Cddb::TCddb* Freedb();

// Reads the disc at driveRoot (a device path or disc image followed by "/")
// and looks it up; returns DiscReadStatus.
uint8_t GetCDInformation(const QString& driveRoot, int lookupFlag);

// Reads the table of contents of the drive last looked up once more;
// false (and DiscReadStatus 0) when its disc has gone.
bool ReReadDisc();

// Fills CDTrackList with "<drive root>TrackNN.cda" entries, carrying the disc
// artist and track titles when CD information was found.
void BuildCDTrackList();

// Connects the playlist's CD-track step and "File Info" to the functions
// above and to the CD windows.
void InstallPlayListHooks();
void RemovePlayListHooks();

}  // namespace FreeDBInterface
