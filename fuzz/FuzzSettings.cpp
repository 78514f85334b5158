// The settings file: any text read as its positional lines.
#include "FuzzInput.h"
#include "app/SettingsFile.h"
#include "platform/ui/TextFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QStringList lines = PlatformUi::SplitTextLines(QString::fromUtf8(Fuzz::Bytes(data, size)));
  if (const auto settings = SettingsFromLines(lines)) SettingsToLines(*settings);
  return 0;
}
