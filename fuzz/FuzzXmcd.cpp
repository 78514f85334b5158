// Entries of the local CD database.
#include "FuzzInput.h"
#include "platform/localcddb/XmcdEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  LocalCDDB::CDLibraryRecord record;
  if (LocalCDDB::ParseXmcdEntry(Fuzz::Bytes(data, size), record))
    LocalCDDB::CreateXmcdEntry(record, QStringLiteral("fuzz"));
  return 0;
}
