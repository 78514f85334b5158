#pragma once
// Importing Winamp preset files into the empty user slotList and exporting
// chosen slotList to one.
#include <QString>

#include <vector>

namespace WinampEqf {

struct ImportReport {
  std::vector<int> filledSlots;
  QString message;  // what the user is told
};

// Reads the file into the empty user slotList, in order, as far as they go.
ImportReport ImportPresetFile(const QString& path);

// Writes the slotList to the file (one slot makes a .EQF file); false with a
// message on failure.
bool ExportPresetFile(const QString& path, const std::vector<int>& slotList, QString& message);

}  // namespace WinampEqf
