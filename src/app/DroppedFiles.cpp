#include "DroppedFiles.h"

#include <QFileInfo>

#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "audio/StreamUrl.h"
#include "playlist/PlayListHooks.h"
#include "playlist/TPlayListEditorForm.h"

namespace {

// A device node (a CD drive such as /dev/sr0): its tracks, read from the
// disc in it; nothing when no disc could be read.
QStringList CDDriveTracks(const QString& device) {
  const PlayListHooks::CDInformation& cd = PlayListHooks::CD();
  if (!cd.GetCDInformation || !cd.BuildCDTrackList) return {};
  if (cd.GetCDInformation(device + '/', DeckForm->Settings.UseFreedbSupport) != 1) return {};
  return cd.BuildCDTrackList();
}

bool IsDeviceNode(const QFileInfo& info) {
  return info.exists() && !info.isFile() && !info.isDir();
}

}  // namespace

void DragFunc(const QStringList& paths) { PlayListEditorForm->AddDroppedFiles(paths); }

int AddCommandLineSongs(const QStringList& arguments, bool play) {
  PlayListModel& playList = PlayListEditorForm->PlayList;
  const int firstNew = playList.TotalFiles();
  for (const QString& argument : arguments) {
    if (KestrelixAudioApi::IsStreamUrl(argument)) {
      DragFunc({argument});
      continue;
    }
    const QFileInfo info(argument);
    const QString path = info.absoluteFilePath();
    if (IsDeviceNode(info)) {
      playList.Append(CDDriveTracks(path));
    } else {
      DragFunc({path});
    }
  }
  const int added = playList.TotalFiles() - firstNew;
  if (play) PlayFirstAdded(firstNew);
  return added;
}

void PlayFirstAdded(int firstNew) {
  PlayListModel& playList = PlayListEditorForm->PlayList;
  if (firstNew >= playList.TotalFiles()) return;
  // Play on a paused song would only resume it.
  if (KestrelixAudioApi::vars.PlayStatus == KestrelixAudioApi::psPaused) DeckForm->StopButtonClick();
  playList.CurrentSongIndex = firstNew;
  DeckForm->PlayButtonClick();
}
