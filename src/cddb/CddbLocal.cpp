// The client's operations on the local CD database.
#include "cddb/TCddb.h"
#include "cddb/TLocalCDDB.h"

namespace Cddb {

std::unique_ptr<TLocalCDDB> TCddb::OpenLocalDatabase() {
  auto local = TLocalCDDB::Create(LocalCDDBPath, nullptr);
  if (!local) Status(QStringLiteral("LocalCDDB.dll not found or invalid"));
  return local;
}

int TCddb::ParseEntry() {
  const auto local = OpenLocalDatabase();
  if (!local) return -1;
  const QString category = cdInfo_.CDCategory;
  const int result = local->ParseCDDBString(EntryLines, cdInfo_);
  cdInfo_.CDCategory = category;
  if (result == LocalCDDB::CorruptEntry) Status(QStringLiteral("The entry is corrupt"));
  ReadCurrentTOC();
  return result;
}

int TCddb::CreateEntry() {
  const auto local = OpenLocalDatabase();
  if (!local) return -1;
  const int result = local->CreateCDDBString(cdInfo_, EntryLines);
  if (result == LocalCDDB::BufferTooSmall) Status(QStringLiteral("The buffer is too small"));
  return result;
}

int TCddb::SaveLocal() {
  const auto local = OpenLocalDatabase();
  if (!local) return -1;
  if (cdInfo_.CDCategory.trimmed().isEmpty()) cdInfo_.CDCategory = QStringLiteral("misc");
  ++cdInfo_.CDRevision;
  const int result = local->WriteCDData(cdInfo_);
  switch (result) {
    case LocalCDDB::InvalidArguments: Status(QStringLiteral("Invalid arguments")); break;
    case LocalCDDB::DirectoryError: Status(QStringLiteral("Error creating the directory")); break;
    case LocalCDDB::FileCreateError: Status(QStringLiteral("Error creating the file")); break;
    case LocalCDDB::FileWriteError: Status(QStringLiteral("Error writing to file")); break;
    default: break;
  }
  return result;
}

int TCddb::LoadLocal() {
  const auto local = OpenLocalDatabase();
  if (!local) return -1;
  const int result = local->ReadCDData(cdInfo_);
  switch (result) {
    case LocalCDDB::InvalidArguments: Status(QStringLiteral("Invalid arguments")); break;
    case LocalCDDB::NoSuchEntry: Status(QStringLiteral("Couldn't find the file")); break;
    case LocalCDDB::FileReadError: Status(QStringLiteral("Error reading file")); break;
    case LocalCDDB::CorruptEntry: Status(QStringLiteral("The file is corrupt")); break;
    default: break;
  }
  CreateEntry();
  return result;
}

int TCddb::FindLocalMatches() {
  const auto local = OpenLocalDatabase();
  if (!local) return -1;
  const int result = local->FindMatches(cdInfo_, LocalMatches);
  Status(result == LocalCDDB::Success ? QStringLiteral("Match(es) found from local CD database")
                                      : QStringLiteral("No match(es) found from local CD database"));
  return result;
}

}  // namespace Cddb
