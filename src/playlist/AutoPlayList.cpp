#include "AutoPlayList.h"

#include <QStringList>

#include <cstdio>

#include "platform/ui/ProgramFolder.h"
#include "playlist/PlayListAdding.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/PlayListModel.h"

namespace AutoPlayList {

namespace {

// The songs generated into the program folder's "demo" folder.
QStringList DemoSongEntries() {
  QStringList entries;
  for (const QString& path : PlayListAdding::ScanFolder(PlatformUi::ProgramFolder() + "demo")) {
    entries.append(GeneralFunctions::BuildPlayListEntry(path));
  }
  return entries;
}

}  // namespace

QString AutoPlayListPath() { return PlatformUi::ProgramFileWithExtension(QStringLiteral(".pls")); }

LoadState LoadAutoPlayList(PlayListModel& model, qint64 maxBytes) {
  const QString path = AutoPlayListPath();
  PlayListFile::ReadResult read = PlayListFile::ReadPlayListFile(path, maxBytes);
  LoadState state;
  switch (read.status) {
    case PlayListFile::ReadStatus::Complete:
      break;
    case PlayListFile::ReadStatus::Missing:
      read.entries = DemoSongEntries();
      PlayListFile::WritePlayListFile(path, read.entries);
      break;
    case PlayListFile::ReadStatus::Unreadable:
    case PlayListFile::ReadStatus::Truncated:
      std::fprintf(stderr, "solvane: could not read all of %s; it is kept unless the list changes\n",
                   qPrintable(path));
      state.fileReadIncompletely = true;
      break;
  }
  model.ReplaceEntries(read.entries);
  state.revisionAfterLoad = model.Revision();
  return state;
}

void SaveAutoPlayList(const PlayListModel& model, const LoadState& state) {
  if (state.fileReadIncompletely && model.Revision() == state.revisionAfterLoad) return;
  PlayListFile::WritePlayListFile(AutoPlayListPath(), model.Entries());
}

}  // namespace AutoPlayList
