#pragma once
#include <QString>

#include <array>
#include <memory>
#include <utility>

#include "cddb/CddbTypes.h"
#include "platform/localcddb/LocalCDDBLibrary.h"

namespace Cddb {

using TLocalMatches = std::array<std::pair<QString, QString>, MaxMatches>;

// Reaches the local CD database for one operation: converts the disc
// information into the database's record and back. Every call starts from
// zeroed buffers, so a text holds at most 511 bytes on its way through.
class TLocalCDDB {
 public:
  // Opens the database kept in the library path's folder; nullptr and the
  // reason in *error when there is none.
  static std::unique_ptr<TLocalCDDB> Create(const QString& libraryPath, QString* error);

  int WriteCDData(const TCDInfo& info);
  // Fills the information from the entry of info.CDDiscId (converted back
  // whatever the result).
  int ReadCDData(TCDInfo& info);
  // Joins the lines up to the first empty one and reads them as an entry.
  int ParseCDDBString(const TEntryArray& lines, TCDInfo& info);
  // Writes the entry text of the information into lines (all of them are
  // replaced); an entry of more lines than the array holds fails as too large.
  int CreateCDDBString(const TCDInfo& info, TEntryArray& lines);
  // Category and disc id of each local entry of the disc; all empty when none.
  int FindMatches(const TCDInfo& info, TLocalMatches& matches);

 private:
  TLocalCDDB(std::unique_ptr<LocalCDDB::LocalCDDBLibrary> library, QString databaseFolder);
  LocalCDDB::CDLibraryRecord& ResetRecord();
  LocalCDDB::CDLibraryRecord& RecordOf(const TCDInfo& info);
  void ToInfo(TCDInfo& info) const;

  std::unique_ptr<LocalCDDB::LocalCDDBLibrary> library_;
  QString databaseFolder_;
  std::unique_ptr<LocalCDDB::CDLibraryRecord> record_;
};

}  // namespace Cddb
