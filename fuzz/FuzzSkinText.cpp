// The skin's text files: playlist colours and visualization colours.
#include "FuzzInput.h"
#include "platform/ui/TextFile.h"
#include "skins/SkinTextFiles.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QStringList lines = PlatformUi::SplitTextLines(QString::fromUtf8(Fuzz::Bytes(data, size)));
  SkinUnit::PlaylistColourSettings colours;
  for (const QString& line : lines) SkinUnit::ApplyPlaylistColourLine(line, colours);
  SkinUnit::ParseVisColours(lines);
  return 0;
}
