#pragma once
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

#include "platform/cdaccess/CDTOCRecord.h"

// The types the CDDB client, the local CD database and the CD windows share.
namespace Cddb {

enum class TServerType : uint8_t { CDDBP = 0, HTTP = 1 };
enum class TSubmissionType { TEST, SUBMIT };

struct TLocation {
  QString Latitude;
  QString Longitude;
  QString Description;
};

struct TServer {
  QString SiteHost;
  QString SitePath;  // "-" for CDDBP sites
  TServerType Type = TServerType::CDDBP;
  int32_t Port = 0;
  TLocation Location;
};

inline constexpr int MaxSites = 100;
inline constexpr int MaxMatches = 100;
inline constexpr int MaxEntryLines = 512;
inline constexpr int MaxTracks = 100;

using TServerArray = std::array<TServer, MaxSites>;
using TMatchArray = std::array<QString, MaxMatches>;
using TEntryArray = std::array<QString, MaxEntryLines>;
using TStringArray = std::array<QString, MaxTracks>;

// Everything known about one disc; track 1 is element 0 of the track arrays.
struct TCDInfo {
  QString CDDiscId;
  QString CDArtist;
  QString CDTitle;
  QString CDYear;
  QString CDGenre;
  QString CDExtendedData;
  TStringArray CDTrackTitles;
  TStringArray CDTrackExtData;
  QString CDCategory;
  int32_t CDRevision = 0;
  CDTOCRecord CDTOC;
};

// The drives known to the client. A drive is named by its device path or its
// disc image file.
struct TCDDriveList {
  uint8_t CurrentDrive = 0;
  uint8_t DriveCount = 0;
  QStringList DriveNames;
};

}  // namespace Cddb
