// The client's operations on the local CD database.
#include "cddb/TCddb.h"
#include "cddb/TLocalCDDB.h"

namespace Cddb {

std::unique_ptr<TLocalCDDB> TCddb::OpenLocalDatabase() {
  auto local = TLocalCDDB::Create(LocalCDDBPath, nullptr);
  if (!local) Status(QStringLiteral("LocalCDDB.dll not found or invalid"));
  return local;
}

// Reports results -1 to -4 with their texts, in that order.
void TCddb::ReportLocalResult(int result, const std::array<const char*, 4>& failureTexts) {
  if (result <= -1 && result >= -4) Status(QLatin1String(failureTexts[static_cast<size_t>(-result - 1)]));
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
  ReportLocalResult(result, {"Invalid arguments", "Error creating the directory", "Error creating the file",
                             "Error writing to file"});
  return result;
}

int TCddb::LoadLocal() {
  const auto local = OpenLocalDatabase();
  if (!local) return -1;
  const int result = local->ReadCDData(cdInfo_);
  ReportLocalResult(result, {"Invalid arguments", "Couldn't find the file", "Error reading file", "The file is corrupt"});
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
