// Skin cursor files.
#include "FuzzInput.h"
#include "skins/SkinCursors.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Fuzz::StartHeadlessApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SkinUnit::ReadCursorFile(Fuzz::WriteInputFile(data, size, QStringLiteral(".cur")));
  return 0;
}
