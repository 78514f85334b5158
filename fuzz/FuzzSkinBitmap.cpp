// Skin bitmaps: the size guard, then the decoder.
#include "FuzzInput.h"
#include "skins/SkinFiles.h"

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  Fuzz::StartHeadlessApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  SkinUnit::ReadSkinBitmap(Fuzz::WriteInputFile(data, size, QStringLiteral(".bmp")));
  return 0;
}
