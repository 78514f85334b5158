#include "EQPresetsFile.h"

#include <QFile>

#include <cstdio>

#include "equalizer/EQPresets.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"

namespace EqualizerPresets {

namespace {

// 280 short lines; a file far larger than that is not a presets file.
constexpr qint64 kMaxPresetsFileBytes = 256 * 1024;

void KeepCopyOfDamagedFile() {
  const QString backup = PresetsBackupPath();
  QFile::remove(backup);
  if (!QFile::copy(PresetsFilePath(), backup)) {
    std::fprintf(stderr, "solvane: cannot keep a copy of %s\n", qPrintable(PresetsFilePath()));
  }
}

}  // namespace

QString PresetsFilePath() { return PlatformUi::ProgramFileWithExtension(QStringLiteral(".EQP")); }

QString PresetsBackupPath() { return PresetsFilePath() + QStringLiteral(".damaged"); }

void LoadPresetsFile() {
  const QString path = PresetsFilePath();
  const auto lines = PlatformUi::ReadTextLines(path, kMaxPresetsFileBytes);
  if (!lines) {
    if (QFile::exists(path)) KeepCopyOfDamagedFile();
    InitDefaultPresets();
    SavePresetsFile();
    return;
  }
  if (!LinesToPresets(*lines)) KeepCopyOfDamagedFile();
}

bool SavePresetsFile() { return PlatformUi::WriteTextLines(PresetsFilePath(), PresetsToLines()); }

}  // namespace EqualizerPresets
