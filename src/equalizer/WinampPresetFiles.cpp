#include "WinampPresetFiles.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include "equalizer/EQPresets.h"
#include "equalizer/WinampEqf.h"

namespace WinampEqf {

namespace {

// Far more than the twenty slotList could ever take (about 60,000 entries).
constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;

std::vector<int> EmptyUserSlots() {
  std::vector<int> slotList;
  for (int slot = EqualizerPresets::kPredefinedCount; slot < EqualizerPresets::kSlotCount; ++slot) {
    const auto& preset = EqualizerPresets::EQPresets.Presets[size_t(slot)];
    if (preset.PresetIsUser && !preset.PresetInUse) slotList.push_back(slot);
  }
  return slotList;
}

}  // namespace

ImportReport ImportPresetFile(const QString& path) {
  ImportReport report;
  const QString name = QFileInfo(path).fileName();
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    report.message = QStringLiteral("Cannot open %1.").arg(name);
    return report;
  }
  if (file.size() > kMaxFileBytes) {
    report.message = QStringLiteral("%1 is too large to be a Winamp equalizer preset file.").arg(name);
    return report;
  }
  const std::vector<int> slotList = EmptyUserSlots();
  const ReadResult read = ReadEqf(file.readAll(), int(slotList.size()));
  if (read.problem == ReadResult::WrongHeader) {
    report.message = QStringLiteral("%1 is not a Winamp equalizer preset file.").arg(name);
    return report;
  }
  for (size_t i = 0; i < read.presets.size(); ++i) {
    EqualizerPresets::EQPresets.Presets[size_t(slotList[i])] = read.presets[i];
    report.filledSlots.push_back(slotList[i]);
  }
  report.message = QStringLiteral("Imported %1 of %2 presets from %3.")
                       .arg(read.presets.size())
                       .arg(read.entryCount)
                       .arg(name);
  if (int64_t(read.presets.size()) < read.entryCount) {
    report.message += QStringLiteral(" No empty user preset was left for the other %1.")
                          .arg(read.entryCount - int64_t(read.presets.size()));
  }
  if (read.problem == ReadResult::CutShort)
    report.message += QStringLiteral(" The file ends in the middle of a preset; that part was left out.");
  return report;
}

bool ExportPresetFile(const QString& path, const std::vector<int>& slotList, QString& message) {
  std::vector<EqualizerPresets::EQPresetsRecord> presets;
  for (int slot : slotList) presets.push_back(EqualizerPresets::EQPresets.Presets[size_t(slot)]);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(WriteEqf(presets)) < 0 || !file.commit()) {
    message = QStringLiteral("Cannot write %1.").arg(QFileInfo(path).fileName());
    return false;
  }
  message.clear();
  return true;
}

}  // namespace WinampEqf
