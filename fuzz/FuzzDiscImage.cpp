// Disc images: a cue sheet read for its table of contents. The tracks it
// names are looked for beside it, where an empty data file waits.
#include <QFile>
#include <QFileInfo>

#include "FuzzInput.h"
#include "platform/cdaccess/CdAccess.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString cue = Fuzz::WriteInputFile(data, size, QStringLiteral(".cue"));
  QFile bin(QFileInfo(cue).path() + QStringLiteral("/disc.bin"));
  if (!bin.exists() && bin.open(QIODevice::WriteOnly)) bin.write(QByteArray(2352 * 75, '\0'));
  CDTOCRecord toc;
  CdAccess::ReadToc(cue, toc);
  return 0;
}
