// The equalizer presets file and Winamp equalizer preset files.
#include "FuzzInput.h"
#include "equalizer/EQPresets.h"
#include "equalizer/WinampEqf.h"
#include "platform/ui/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = Fuzz::Bytes(data, size);
  EqualizerPresets::LinesToPresets(PlatformUi::SplitTextLines(QString::fromUtf8(bytes)));
  EqualizerPresets::PresetsToLines();
  WinampEqf::ReadEqf(bytes, 30);
  return 0;
}
