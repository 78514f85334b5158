#include "TPlayListEditorForm.h"

#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMouseEvent>

#include "platform/ui/DroppedSongs.h"
#include "platform/ui/ModalDialogService.h"
#include "playlist/CDTrackStep.h"
#include "playlist/PlayListAdding.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/PlayListFrame.h"
#include "playlist/PlayListHooks.h"
#include "playlist/PlayListSorting.h"
#include "playlist/PlayListView.h"
#include "playlist/PlayQueueFile.h"
#include "playlist/StationPlayListFetcher.h"
#include "playlist/TAddUrlForm.h"
#include "playlist/TFileInfoForm.h"
#include "skins/BitmapText.h"
#include "skins/DeckSkinControls.h"
#include "skins/SkinCursors.h"
#include "skins/SkinUnit.h"
#include "skins/SpriteFunctions.h"

TPlayListEditorForm* PlayListEditorForm = nullptr;

namespace {

constexpr int kInfoCells = 18;
constexpr int kNormalCursor = 17;  // "PNormal.Cur"

}  // namespace

TPlayListEditorForm::TPlayListEditorForm(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint),
      PlayListSkinControls(this),
      TagReading(PlayList, [this] { return Settings && Settings->ReadTitlesFromTags; }),
      Panel1(new QWidget(this)),
      Panel2(new QWidget(Panel1)),
      VisualPlayListListBox(new PlayListView(PlayList, DisplayOptions, Panel2)),
      stationPlayLists_(new StationPlayListFetcher(PlayList, this)) {
  PlaceInPanel(Panel1);
  setWindowTitle(QStringLiteral("Playlist Editor"));
  setAcceptDrops(true);
  CreateMenus();
  ConnectControls();
  VisualPlayListListBox->SongSeconds = [this](const QString& entry) { return TagReading.SecondsOf(entry); };
  PlayList.ListChanged = [this] {
    TagReading.ListChanged();
    VisualPlayListListBox->ModelChanged();
    FollowListWithScrollButton();
  };
  PlayList.ShowInfoText = [this](const QString& text) { ShowInfoText(text); };
  PLTextWindow->OnPaint = [this] {
    // The deck's small font, as on the deck's own read-outs.
    if (const DeckSkinControls* deck = SkinUnit::Windows.deck)
      GeneralFunctions::DrawBitmapText(infoText_, kInfoCells, 0, 0, deck->FontSmallImageList, *PLTextWindow);
  };
  SkinUnit::RebuildPlayListView = [this] {
    VisualPlayListListBox->setCursor(SkinUnit::SkinCursor(kNormalCursor));
    SetPanel1Size(Panel1->width(), Panel1->height());
  };
  SetPanel1Size(300, 225);
}

TPlayListEditorForm::~TPlayListEditorForm() { FormDestroy(); }

void TPlayListEditorForm::FormDestroy() {
  SkinUnit::RebuildPlayListView = nullptr;
  PLSaveControlsPositions();
  SaveAutoPlayList();
}

// The queue names entries by their place in the automatic playlist, so the
// two are written together.
void TPlayListEditorForm::SaveAutoPlayList() {
  if (!autoPlayListState_) return;
  AutoPlayList::SaveAutoPlayList(PlayList, *autoPlayListState_);
  PlayQueueFile::SavePlayQueue(PlayList);
}

void TPlayListEditorForm::InitializePlayList() {
  autoPlayListState_ = AutoPlayList::LoadAutoPlayList(PlayList);
  PlayQueueFile::LoadPlayQueue(PlayList);
  DisplayOptions = GeneralFunctions::doFullSongFileName;
}

bool TPlayListEditorForm::UseFreedbSupport() const { return Settings && Settings->UseFreedbSupport; }

void TPlayListEditorForm::AddFilesToPlayList() {
  PlayListAdding::AddFilesToPlayList(PlayList, LastFolder, this, UseFreedbSupport());
}

void TPlayListEditorForm::AddDirToPlayList() {
  PlayListAdding::AddDirToPlayList(PlayList, LastFolder, this, UseFreedbSupport(),
                                   Settings && Settings->AddFoldersWithSubfolders);
}

void TPlayListEditorForm::AddDirTreeToPlayList() {
  PlayListAdding::AddDirToPlayList(PlayList, LastFolder, this, UseFreedbSupport(), true);
}

void TPlayListEditorForm::AddUrlToPlayList() {
  TAddUrlForm dialog(this);
  const QString url = dialog.AskForUrl();
  if (!url.isEmpty()) AddDroppedFiles({url});
}

void TPlayListEditorForm::AddDroppedFiles(const QStringList& paths) {
  QStringList songs;
  for (const QString& path : paths) {
    if (StationPlayListFetcher::IsStationPlayListUrl(path)) {
      stationPlayLists_->Fetch(path);
    } else {
      songs.append(path);
    }
  }
  PlayListAdding::AddPathsToPlayList(PlayList, songs, UseFreedbSupport());
}

void TPlayListEditorForm::SavePlayList() {
  PlayListFile::SavePlayList(PlayList, LastFolder, this,
                             [this](const QString& entry) { return TagReading.SecondsOf(entry); });
}

void TPlayListEditorForm::LoadPlayList() { PlayListFile::LoadPlayList(PlayList, LastFolder, this); }

void TPlayListEditorForm::SortPlayList() { PlayListSorting::SortPlayList(PlayList, SortType); }

void TPlayListEditorForm::ShowFileInfo() {
  const int index = PlayList.ItemIndex;
  if (index >= 0 && index < PlayList.TotalFiles()) {
    const QString path = GeneralFunctions::GetEntrySongPath(PlayList.Entry(index));
    if (!PlayListCDTracks::IsCDTrackPath(path)) {
      TFileInfoForm dialog(path, this);
      PlatformUi::ExecModal(dialog);
      return;
    }
  }
  PlayListCDTracks::ShowCDTrackInformation(PlayList, UseFreedbSupport());
}

void TPlayListEditorForm::dragEnterEvent(QDragEnterEvent* event) {
  if (!PlatformUi::DroppedSongs(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void TPlayListEditorForm::dropEvent(QDropEvent* event) {
  const QStringList paths = PlatformUi::DroppedSongs(event->mimeData());
  if (paths.isEmpty()) return;
  AddDroppedFiles(paths);
  event->acceptProposedAction();
}

std::optional<PlayListPlayback::DeckPlaySettings> TPlayListEditorForm::DeckSettings() const {
  const DeckSkinControls* deck = SkinUnit::Windows.deck;
  if (!Settings || !deck) return std::nullopt;
  return PlayListPlayback::DeckPlaySettings{Settings->RepeatOn,           Settings->ShuffleOn,
                                            deck->VolumeSliderRecord.Value, deck->BalanceSliderRecord.Value,
                                            Settings->SkipUnplayableSongs,  Settings->GaplessPlayback};
}

void TPlayListEditorForm::PlayPlayListSong(PlayListPlayback::TPlayMode mode) {
  const auto deck = DeckSettings();
  if (!deck) return;
  PlayListPlayback::PlayPlayListSong(PlayList, mode, *deck);
  TagReading.LearnPlayingLength();
}

void TPlayListEditorForm::KeepNextSongPrepared() {
  if (const auto deck = DeckSettings()) PlayListPlayback::KeepNextSongPrepared(PlayList, *deck);
}

void TPlayListEditorForm::TakeJoinedSong() {
  if (const auto deck = DeckSettings()) PlayListPlayback::TakeJoinedSong(PlayList, *deck);
}

void TPlayListEditorForm::SetPanel1Size(int width, int height) {
  const QSize size = QSize(width, height).expandedTo(PLMinimumSize);
  Panel1->resize(size);
  resize(size);
  // A hidden window gets its resize events only when shown: lay out now.
  ArrangePlayListFrame();
  PlaceListAndScrollTrack();
  ConstructPlayListView();
}

void TPlayListEditorForm::PLSaveControlsPositions() {
  if (!Settings) return;
  SavedSettings& saved = *Settings;
  saved.PLLeft = x();
  saved.PLTop = y();
  saved.PLWidth = Panel1->width();
  saved.PLHeight = Panel1->height();
  saved.SavedPLDisplayOptions = DisplayOptions;
}

void TPlayListEditorForm::PLLoadControlsPositions() {
  if (!Settings) return;
  const SavedSettings& saved = *Settings;
  setVisible(saved.PLVisible);
  move(saved.PLLeft, saved.PLTop);
  SetPanel1Size(saved.PLWidth, saved.PLHeight);
  DisplayOptions = saved.SavedPLDisplayOptions;
  VisualPlayListListBox->update();
}

void TPlayListEditorForm::ConstructPlayListView() {
  PlayListFrame::ConstructPlayListView(*this, GeneralFunctions::SkinIsWinamp == 1);
}

void TPlayListEditorForm::ShowInfoText(const QString& text) {
  infoText_ = text;
  PLTextWindow->Changed();
}

void TPlayListEditorForm::HideAllPLMenuPanels() {
  for (QWidget* menu : PLMenuPanels()) menu->hide();
  PlayList.ShowTotalFiles();
}

void TPlayListEditorForm::ShowTitleBarActive(bool active) {
  const int offset = active ? 0 : 1;
  GeneralFunctions::ShowSprite(*PLTitleBarLeftImage, PLTitleBarRestImageList, 0 + offset);
  GeneralFunctions::ShowSprite(*PLTitleBarHorizontalImage, PLTitleBarRestImageList, 2 + offset);
  GeneralFunctions::ShowSprite(*PLTitleBarRightImage, PLTitleBarRestImageList, 4 + offset);
  GeneralFunctions::ShowSprite(*PLTitleBarMainImage, PLTitleBarMainImageList, offset);
  ConstructPlayListView();
}

void TPlayListEditorForm::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange) ShowTitleBarActive(isActiveWindow());
  QWidget::changeEvent(event);
}

void TPlayListEditorForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (const auto& shown = PlayListHooks::Deck().PlayListShown) shown(true);
  if (CheckDockingOfAllWindows) CheckDockingOfAllWindows();
}

void TPlayListEditorForm::hideEvent(QHideEvent* event) {
  QWidget::hideEvent(event);
  if (event->spontaneous()) return;  // minimised, not closed
  if (const auto& shown = PlayListHooks::Deck().PlayListShown) shown(false);
  if (CheckDockingOfAllWindows) CheckDockingOfAllWindows();
}

void TPlayListEditorForm::mousePressEvent(QMouseEvent* event) {
  HideAllPLMenuPanels();
  QWidget::mousePressEvent(event);
}
