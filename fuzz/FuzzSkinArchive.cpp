// Skin archives (.wsz): typed from their file list, then unpacked.
#include "FuzzInput.h"
#include "skins/SkinArchive.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = Fuzz::WriteInputFile(data, size, QStringLiteral(".wsz"));
  SkinUnit::SkinArchiveMarker(path);
  SkinUnit::UnpackSkinArchive(path);
  return 0;
}
