#pragma once
#include <QString>
#include <QWidget>

#include "playlist/AutoPlayList.h"
#include "playlist/PlayListDisplayOptions.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListPlayback.h"
#include "skins/PlayListSkinControls.h"

#include <cstdint>
#include <optional>

// The skinned playlist editor window. Panel1 holds everything; the window
// sizes itself to it.
class TPlayListEditorForm : public QWidget, public PlayListSkinControls {
  Q_OBJECT
 public:
  explicit TPlayListEditorForm(QWidget* parent = nullptr);
  ~TPlayListEditorForm() override;

  QWidget* Panel1;
  GeneralFunctions::TPLDisplayOptions DisplayOptions = GeneralFunctions::doFullSongFileName;
  // The folder song dialogs start in; it outlives the window because the deck
  // saves it after the playlist editor is gone.
  static inline QString LastFolder;

  // The song list with its selection, CurrentSongIndex and TotalFiles().
  PlayListModel PlayList;
  // The kind of the last reordering chosen in the sort menu.
  uint8_t SortType = 0;
  // The entry a right-button drag started on, -1 when no drag is under way.
  int32_t DragSourceIndex = -1;

  // Start-up: the automatic playlist is loaded (the demo songs on the first
  // run) and the display options reset. Shutdown saves the list again.
  void InitializePlayList();
  void AddFilesToPlayList();
  void AddDirToPlayList();
  // Files dropped from the desktop are appended; LastFolder stays.
  void AddDroppedFiles(const QStringList& paths);
  void SavePlayList();
  void LoadPlayList();
  void SortPlayList();
  // "File Info": the CD information of the focused CD-track entry.
  void ShowFileInfo();
  void PlayPlayListSong(PlayListPlayback::TPlayMode mode);

  void PLSaveControlsPositions();
  void PLLoadControlsPositions();
  void SetPanel1Size(int width, int height);
  void HideAllPlayListDebuggingControls() {}

 protected:
  // Files dropped from the desktop onto the window are added to the list.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void FormDestroy();
  bool UseFreedbSupport() const;

  // Set once the automatic playlist was loaded; only then is it saved again.
  std::optional<AutoPlayList::LoadState> autoPlayListState_;
};
