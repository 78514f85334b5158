#include "TPlayListEditorForm.h"

#include <QDragEnterEvent>
#include <QDropEvent>

#include "app/DroppedFiles.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "playlist/CDTrackStep.h"
#include "playlist/PlayListAdding.h"
#include "playlist/PlayListFile.h"
#include "playlist/PlayListSorting.h"

TPlayListEditorForm::TPlayListEditorForm(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint), PlayListSkinControls(this), Panel1(new QWidget(this)) {
  PlaceInPanel(Panel1);
  setWindowTitle(QStringLiteral("Playlist Editor"));
  setAcceptDrops(true);
  SetPanel1Size(300, 225);
}

TPlayListEditorForm::~TPlayListEditorForm() { FormDestroy(); }

void TPlayListEditorForm::FormDestroy() {
  PLSaveControlsPositions();
  if (autoPlayListState_) AutoPlayList::SaveAutoPlayList(PlayList, *autoPlayListState_);
}

void TPlayListEditorForm::InitializePlayList() {
  autoPlayListState_ = AutoPlayList::LoadAutoPlayList(PlayList);
  DisplayOptions = GeneralFunctions::doFullSongFileName;
}

bool TPlayListEditorForm::UseFreedbSupport() const { return DeckForm->Settings.UseFreedbSupport; }

void TPlayListEditorForm::AddFilesToPlayList() {
  PlayListAdding::AddFilesToPlayList(PlayList, LastFolder, this, UseFreedbSupport());
}

void TPlayListEditorForm::AddDirToPlayList() {
  PlayListAdding::AddDirToPlayList(PlayList, LastFolder, this, UseFreedbSupport());
}

void TPlayListEditorForm::AddDroppedFiles(const QStringList& paths) {
  PlayListAdding::AddPathsToPlayList(PlayList, paths, UseFreedbSupport());
}

void TPlayListEditorForm::SavePlayList() { PlayListFile::SavePlayList(PlayList, LastFolder, this); }

void TPlayListEditorForm::LoadPlayList() { PlayListFile::LoadPlayList(PlayList, LastFolder, this); }

void TPlayListEditorForm::SortPlayList() { PlayListSorting::SortPlayList(PlayList, SortType); }

void TPlayListEditorForm::ShowFileInfo() {
  PlayListCDTracks::ShowCDTrackInformation(PlayList, UseFreedbSupport());
}

void TPlayListEditorForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!DroppedLocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TPlayListEditorForm::dropEvent(QDropEvent* event) {
  const QStringList paths = DroppedLocalFiles(event->mimeData());
  if (paths.isEmpty()) return;
  DragFunc(paths);
  event->acceptProposedAction();
}

void TPlayListEditorForm::PlayPlayListSong(PlayListPlayback::TPlayMode mode) {
  const PlayListPlayback::DeckPlaySettings deck{
      DeckForm->Settings.RepeatOn, DeckForm->Settings.ShuffleOn,
      DeckForm->VolumeSliderRecord.Value, DeckForm->BalanceSliderRecord.Value};
  PlayListPlayback::PlayPlayListSong(PlayList, mode, deck);
}

void TPlayListEditorForm::SetPanel1Size(int width, int height) {
  Panel1->resize(width, height);
  resize(width, height);
}

void TPlayListEditorForm::PLSaveControlsPositions() {
  SavedSettings& saved = DeckForm->Settings;
  saved.PLLeft = x();
  saved.PLTop = y();
  saved.PLWidth = Panel1->width();
  saved.PLHeight = Panel1->height();
  saved.SavedPLDisplayOptions = DisplayOptions;
}

void TPlayListEditorForm::PLLoadControlsPositions() {
  const SavedSettings& saved = DeckForm->Settings;
  setVisible(saved.PLVisible);
  move(saved.PLLeft, saved.PLTop);
  SetPanel1Size(saved.PLWidth, saved.PLHeight);
  DisplayOptions = saved.SavedPLDisplayOptions;
}
