#include "CDTrackStep.h"

#include <QFileInfo>

#include <optional>

#include "platform/ui/MessageBoxService.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListHooks.h"
#include "playlist/PlayListModel.h"

namespace PlayListCDTracks {

namespace {

using GeneralFunctions::FileExtensionOfPath;
using GeneralFunctions::GetEntrySongPath;

// A disc image file, or a drive's device node, stands for all the tracks of
// its disc.
bool IsWholeDiscPath(const QString& path) {
  const QString extension = FileExtensionOfPath(path).toUpper();
  if (extension == ".CUE" || extension == ".TOC" || extension == ".NRG") return true;
  if (!path.startsWith(QLatin1String("/dev/"))) return false;
  const QFileInfo device(path);
  return device.exists() && !device.isFile() && !device.isDir();
}

// Reads the disc at driveRoot; the disc's track entries, or nothing when no disc was read.
std::optional<QStringList> ReadDiscTracks(const QString& driveRoot, bool useFreedbSupport) {
  const PlayListHooks::CDInformation& cd = PlayListHooks::CD();
  if (!cd.GetCDInformation || !cd.BuildCDTrackList) return std::nullopt;
  if (cd.GetCDInformation(driveRoot, useFreedbSupport) != 1) return std::nullopt;
  return cd.BuildCDTrackList();
}

// "Track07.cda" gives 7; 0 when the name holds no number after "Track".
int TrackNumberOfPath(const QString& path) {
  QString name = GeneralFunctions::FileNameOfPath(path);
  name.chop(FileExtensionOfPath(name).size());
  bool ok = false;
  const int number = name.mid(5).toInt(&ok);
  return ok ? number : 0;
}

void ReplaceTracksByDiscEntries(QStringList& entries, const QStringList& cdTrackList) {
  for (QString& entry : entries) {
    const QString path = GetEntrySongPath(entry);
    if (!IsCDTrackPath(path)) continue;
    const int track = TrackNumberOfPath(path);
    if (track < 1 || track > cdTrackList.size()) continue;
    const QString& discEntry = cdTrackList[track - 1];
    if (GetEntrySongPath(discEntry).toUpper() == path.toUpper()) entry = discEntry;
  }
}

void ExpandWholeDiscs(QStringList& entries, bool useFreedbSupport, QStringList& cdTrackList) {
  QStringList expanded;
  expanded.reserve(entries.size());
  for (const QString& entry : entries) {
    const QString path = GetEntrySongPath(entry);
    if (IsWholeDiscPath(path)) {
      const auto tracks = ReadDiscTracks(path + '/', useFreedbSupport);
      if (tracks && !tracks->isEmpty()) {
        cdTrackList = *tracks;
        expanded += *tracks;
        continue;
      }
    }
    expanded.append(entry);
  }
  entries = std::move(expanded);
}

}  // namespace

bool IsCDTrackPath(const QString& path) { return FileExtensionOfPath(path).toUpper() == ".CDA"; }

QStringList CheckPlaylistForCDTracksAndGetCDInfo(QStringList entries, bool useFreedbSupport,
                                                 QStringList& cdTrackList) {
  QString lastTrackPath;
  bool anyWholeDisc = false;
  for (const QString& entry : entries) {
    const QString path = GetEntrySongPath(entry);
    if (IsCDTrackPath(path)) lastTrackPath = path;
    anyWholeDisc = anyWholeDisc || IsWholeDiscPath(path);
  }
  if (!lastTrackPath.isEmpty()) {
    const QString driveRoot = GeneralFunctions::FolderOfPath(lastTrackPath);
    if (const auto tracks = ReadDiscTracks(driveRoot, useFreedbSupport)) cdTrackList = *tracks;
    ReplaceTracksByDiscEntries(entries, cdTrackList);
  }
  if (anyWholeDisc) ExpandWholeDiscs(entries, useFreedbSupport, cdTrackList);
  return entries;
}

void ShowCDTrackInformation(PlayListModel& model, bool useFreedbSupport) {
  const QString pleaseSelect = QStringLiteral("Please Select a CD Track");
  if (model.ItemIndex < 0 || model.ItemIndex >= model.TotalFiles()) {
    PlatformUi::ShowMessage(pleaseSelect, QStringLiteral("Message"));
    return;
  }
  const QString path = GetEntrySongPath(model.Entry(model.ItemIndex));
  if (!IsCDTrackPath(path)) return;
  const PlayListHooks::CDInformation& cd = PlayListHooks::CD();
  const bool discRead =
      cd.GetCDInformation &&
      cd.GetCDInformation(GeneralFunctions::FolderOfPath(path), useFreedbSupport) == 1;
  if (!discRead) {
    PlatformUi::ShowMessage(pleaseSelect, QStringLiteral("Message"));
    return;
  }
  if (cd.ShowSubmitCDInformation) cd.ShowSubmitCDInformation();
  if (cd.BuildCDTrackList) model.CDTrackList = cd.BuildCDTrackList();
}

}  // namespace PlayListCDTracks
