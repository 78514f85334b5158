#pragma once
#include <QPoint>
#include <QString>
#include <QWidget>

#include "playlist/AutoPlayList.h"
#include "playlist/PlayListDisplayOptions.h"
#include "playlist/PlayListModel.h"
#include "playlist/PlayListPlayback.h"
#include "playlist/PlayListSongFacts.h"
#include "settings/SavedSettings.h"
#include "skins/PlayListSkinControls.h"

#include <cstdint>
#include <functional>
#include <optional>

class PlayListView;
class StationPlayListFetcher;
class QMenu;

// The skinned playlist editor window. Panel1 holds everything; the window
// sizes itself to it. The list and its rules live in PlayList; the window
// draws them and forwards the user's commands.
class TPlayListEditorForm : public QWidget, public PlayListSkinControls {
  Q_OBJECT
 public:
  explicit TPlayListEditorForm(QWidget* parent = nullptr);
  ~TPlayListEditorForm() override;

  // The song list with its selection, CurrentSongIndex and TotalFiles().
  PlayListModel PlayList;
  // Tag titles and lengths read in the background for the list's files.
  PlayListSongFacts TagReading;
  GeneralFunctions::TPLDisplayOptions DisplayOptions = GeneralFunctions::doFullSongFileName;
  // The folder song dialogs start in; it outlives the window because the deck
  // saves it after the playlist editor is gone.
  static inline QString LastFolder;

  QWidget* Panel1;
  QWidget* Panel2;
  PlayListView* VisualPlayListListBox;
  QMenu* SortMenu;
  QMenu* DisplayMenu;
  // The kind of the last reordering chosen in the sort menu.
  uint8_t SortType = 0;

  // The docking check against the other two windows, installed by the window
  // layout; it runs while the window is dragged and after a resize.
  std::function<void()> CheckIfPLFormIsSnappedToOtherForm;
  // Both windows' checks, run when this window is shown or hidden.
  std::function<void()> CheckDockingOfAllWindows;
  // The settings kept across runs, connected once all windows exist.
  SavedSettings* Settings = nullptr;

  // Start-up: the automatic playlist is loaded (the demo songs on the first
  // run) and the display options reset. Shutdown saves the list again.
  void InitializePlayList();
  // Writes the list to the automatic playlist (at shutdown, and a moment
  // after each change).
  void SaveAutoPlayList();
  void AddFilesToPlayList();
  // "Add Dir": one folder, with its subfolders when the option says so.
  void AddDirToPlayList();
  // "Play Folder…": a folder with its subfolders.
  void AddDirTreeToPlayList();
  // "Add Url": an internet radio address, or a station playlist's.
  void AddUrlToPlayList();
  // Files dropped from the desktop are appended; LastFolder stays. A
  // station playlist's address is fetched and its streams follow.
  void AddDroppedFiles(const QStringList& paths);
  void SavePlayList();
  void LoadPlayList();
  void SortPlayList();
  // "File Info": the file's facts and tags for the focused entry, or the CD
  // information when it is a CD track.
  void ShowFileInfo();
  void PlayPlayListSong(PlayListPlayback::TPlayMode mode);
  // Gapless playback: keeps the song that plays next open ahead, and makes
  // it the current song once it has taken over (see PlayListPlayback).
  void KeepNextSongPrepared();
  void TakeJoinedSong();
  // Double click or Return: the first selected entry plays and the deck shows it.
  void PlaySelectedSong();
  // The entry at `index` plays and the deck shows it.
  void PlayEntry(int32_t index);
  // "Jump to File": finds an entry by typing, to play or queue it.
  void JumpToFile();

  void PLSaveControlsPositions();
  void PLLoadControlsPositions();
  // Sizes Panel1 and the window, never below the skin's minimum.
  void SetPanel1Size(int width, int height);
  void HideAllPlayListDebuggingControls() {}

  // Frame, list and info area.
  void ConstructPlayListView();
  void SetSelectedPlayListScrollPage();
  void HideAllPLMenuPanels();
  // Shows a text in the info area, in the skin's small font, 18 cells.
  void ShowInfoText(const QString& text);
  const QString& InfoText() const { return infoText_; }

  // Mouse handlers of the skinned controls (positions relative to the control).
  void PLScrollButtonMouseDown(int x, int y);
  void PLScrollButtonMouseMove(int x, int y);
  void PLScrollButtonMouseUp();
  void PLBottomRightImageMouseDown(int x, int y);
  void PLBottomRightImageMouseMove(int x, int y, bool leftHeld);
  void PLBottomRightImageMouseUp();
  void PLTitleBarMouseDown(int x, int y);
  void PLTitleBarMouseMove(int x, int y);
  void PLCloseWindowButtonClick();
  // Toggle button `menu` (0..4) opens its panel, or closes it when open.
  void ToggleMenuButtonClick(int menu);

 protected:
  void changeEvent(QEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  // Files dropped from the desktop onto the window are added to the list.
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void FormDestroy();
  // The deck's modes and sliders; none before the deck exists.
  std::optional<PlayListPlayback::DeckPlaySettings> DeckSettings() const;
  bool UseFreedbSupport() const;
  void CreateMenus();
  // Connects the skinned controls' mouse signals to their handlers.
  void ConnectControls();
  void ConnectMenuButtons();
  void PlaceListAndScrollTrack();
  // Keeps the scroll button level with the list's position.
  void FollowListWithScrollButton();
  void ShowTitleBarActive(bool active);
  void RunCommand(int button);

  std::optional<AutoPlayList::LoadState> autoPlayListState_;
  StationPlayListFetcher* stationPlayLists_;
  QString infoText_;
  QPoint scrollPress_;
  bool scrollDragging_ = false;
  bool resizing_ = false;
  QPoint titleBarPress_;
};

// The one instance, made at start-up with the other windows.
extern TPlayListEditorForm* PlayListEditorForm;
