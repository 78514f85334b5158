// The playlist editor's skinned controls: the tool panels and their
// commands, the sort and display menus, the scroll button, the resize corner
// and the title bar.
#include <QActionGroup>
#include <QMenu>

#include <algorithm>
#include <array>

#include "platform/ui/MessageBoxService.h"
#include "platform/ui/ModalDialogService.h"
#include "playlist/PlayListFrame.h"
#include "playlist/PlayListHooks.h"
#include "playlist/PlayListScrolling.h"
#include "playlist/PlayListSorting.h"
#include "playlist/PlayListView.h"
#include "playlist/TJumpToFileForm.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinCursors.h"
#include "skins/SpriteFunctions.h"
#include "skins/WindowSnap.h"

namespace {

using GeneralFunctions::ShowSprite;
using PlatformUi::ImageControl;

constexpr int kListLeft = 12;
constexpr int kResizeCorner = 22;
constexpr int kNormalCursor = 17;  // "PNormal.Cur"
constexpr int kSizeCursor = 22;    // "PSize.Cur"

const std::array<const char*, 5> kToggleNames{"Add Tools", "Remove Tools", "Selection Tools",
                                              "Display Options", "PlayList Tools"};
// In the order of PLMenuButtons().
const std::array<const char*, 16> kMenuButtonNames{
    "Add Url",        "Add Dir",     "Add Files",    "Remove All",    "Crop Files",    "Remove Files",
    "Miscellaneous",  "Select Inverse", "Select Zero", "Select All",  "Sort PlayList", "File Info",
    "Misc Options",   "New PlayList", "Save PlayList", "Load PlayList"};

enum MenuButton {
  mbAddUrl, mbAddDir, mbAddFiles, mbRemoveAll, mbCropFiles, mbRemoveFiles, mbMiscellaneous,
  mbSelectInverse, mbSelectZero, mbSelectAll, mbSortPlayList, mbFileInfo, mbMiscOptions,
  mbNewPlayList, mbSavePlayList, mbLoadPlayList,
};

struct SortItem {
  const char* caption;
  uint8_t sortType;
};
const std::array<SortItem, 9> kSortItems{{
    {"Sort By Song Title", PlayListSorting::stSongTitle},
    {"Sort By Song Artist", PlayListSorting::stSongArtist},
    {"Sort By Path and Filename", PlayListSorting::stPathAndFileName},
    {"Sort By File Name", PlayListSorting::stFileName},
    {"Sort By File Extension", PlayListSorting::stFileExtension},
    {"Sort By File Size", PlayListSorting::stFileSize},
    {"Sort By File Date", PlayListSorting::stFileDate},
    {"Randomize List", PlayListSorting::stRandomize},
    {"Reverse List", PlayListSorting::stReverse},
}};

template <typename Action>
void AddMenuItem(QMenu* menu, const char* caption, Action action) {
  QObject::connect(menu->addAction(QString::fromLatin1(caption)), &QAction::triggered, menu, action);
}

void ShowNotImplemented() {
  PlatformUi::ShowMessage(QStringLiteral("Not Implemented Yet"), QStringLiteral("Message"));
}

// Shows `name` in the info area while the pointer is over the control.
void NameOnHover(TPlayListEditorForm* form, ImageControl* control, const char* name) {
  QObject::connect(control, &ImageControl::MouseMove, form, [form, name](int, int, bool) {
    const QString text = QString::fromLatin1(name);
    if (form->InfoText() != text) form->ShowInfoText(text);
  });
}

// A press button of the title bar: its pressed sprite while held.
void ConnectPressSprites(TPlayListEditorForm* form, ImageControl* button,
                         const PlatformUi::ImageList& sprites, int releasedSprite) {
  QObject::connect(button, &ImageControl::MouseDown, form, [button, &sprites, releasedSprite] {
    ShowSprite(*button, sprites, releasedSprite + 1);
  });
  QObject::connect(button, &ImageControl::MouseUp, form, [button, &sprites, releasedSprite] {
    ShowSprite(*button, sprites, releasedSprite);
  });
}

}  // namespace

void TPlayListEditorForm::CreateMenus() {
  SortMenu = new QMenu(this);
  for (const SortItem& item : kSortItems) {
    const uint8_t sortType = item.sortType;
    AddMenuItem(SortMenu, item.caption, [this, sortType] {
      SortType = sortType;
      SortPlayList();
    });
  }
  using namespace GeneralFunctions;
  DisplayMenu = new QMenu(this);
  // Each item is a choice of one group: the mode, or the counter shown or hidden.
  struct DisplayChoice {
    const char* caption;
    TPLDisplayOptions group;  // the flags the choice decides
    TPLDisplayOptions value;  // those flags as the choice sets them
  };
  static constexpr std::array<DisplayChoice, 5> kChoices{{
      {"Show Artist and Title", kModeOptions, doSongArtistTitle},
      {"Show Full File Names", kModeOptions, doFullSongFileName},
      {"Show Only File Names", kModeOptions, doOnlySongFileName},
      {"Show Counter", doHideCounter, 0},
      {"Hide Counter", doHideCounter, doHideCounter},
  }};
  auto* modeGroup = new QActionGroup(DisplayMenu);
  auto* counterGroup = new QActionGroup(DisplayMenu);
  for (const DisplayChoice& choice : kChoices) {
    QAction* item = DisplayMenu->addAction(QString::fromLatin1(choice.caption));
    item->setCheckable(true);
    (choice.group == kModeOptions ? modeGroup : counterGroup)->addAction(item);
    connect(item, &QAction::triggered, this, [this, choice] {
      DisplayOptions = static_cast<TPLDisplayOptions>((DisplayOptions & ~choice.group) | choice.value);
      VisualPlayListListBox->update();
    });
  }
  // The checks follow options set elsewhere too (the settings, a new start).
  connect(DisplayMenu, &QMenu::aboutToShow, this, [this] {
    const QList<QAction*> items = DisplayMenu->actions();
    for (size_t i = 0; i < kChoices.size(); ++i)
      items[static_cast<int>(i)]->setChecked((DisplayOptions & kChoices[i].group) == kChoices[i].value);
  });
}

void TPlayListEditorForm::ConnectControls() {
  // Every press in the window closes the tool panels, except on the panels
  // and their toggles, whose clicks decide themselves.
  const auto toggles = ToggleMenuButtons();
  const auto buttons = PLMenuButtons();
  for (ImageControl* control : Panel1->findChildren<ImageControl*>()) {
    if (std::find(toggles.begin(), toggles.end(), control) != toggles.end() ||
        std::find(buttons.begin(), buttons.end(), control) != buttons.end())
      continue;
    connect(control, &ImageControl::MouseDown, this, &TPlayListEditorForm::HideAllPLMenuPanels);
  }
  for (PlatformUi::PaintBox* canvas : {PLTopCanvas, PLLeftCanvas, PLRightCanvas, PLBottomCanvas, PLTextWindow})
    connect(canvas, &PlatformUi::PaintBox::MouseDown, this, &TPlayListEditorForm::HideAllPLMenuPanels);
  connect(VisualPlayListListBox, &PlayListView::Pressed, this, &TPlayListEditorForm::HideAllPLMenuPanels);
  connect(VisualPlayListListBox, &PlayListView::PlayRequested, this,
          &TPlayListEditorForm::PlaySelectedSong);
  connect(VisualPlayListListBox, &PlayListView::TopIndexChanged, this,
          &TPlayListEditorForm::FollowListWithScrollButton);

  connect(PLScrollButton, &ImageControl::MouseDown, this, &TPlayListEditorForm::PLScrollButtonMouseDown);
  connect(PLScrollButton, &ImageControl::MouseMove, this, [this](int x, int y, bool leftHeld) {
    if (leftHeld) PLScrollButtonMouseMove(x, y);
  });
  connect(PLScrollButton, &ImageControl::MouseUp, this, &TPlayListEditorForm::PLScrollButtonMouseUp);

  connect(PLBottomRightImage, &ImageControl::MouseDown, this,
          &TPlayListEditorForm::PLBottomRightImageMouseDown);
  connect(PLBottomRightImage, &ImageControl::MouseMove, this,
          &TPlayListEditorForm::PLBottomRightImageMouseMove);
  connect(PLBottomRightImage, &ImageControl::MouseUp, this,
          &TPlayListEditorForm::PLBottomRightImageMouseUp);

  for (PlatformUi::SkinnedControl* titleBar :
       std::initializer_list<PlatformUi::SkinnedControl*>{PLTitleBarLeftImage, PLTopCanvas, PLTitleBarRightImage}) {
    connect(titleBar, &PlatformUi::SkinnedControl::MouseDown, this, &TPlayListEditorForm::PLTitleBarMouseDown);
    connect(titleBar, &PlatformUi::SkinnedControl::MouseMove, this, [this](int x, int y, bool leftHeld) {
      if (leftHeld) PLTitleBarMouseMove(x, y);
    });
  }
  ConnectPressSprites(this, PLMainMenuButton, PLTitleBarButtonsImageList, 0);
  ConnectPressSprites(this, PLCloseWindowButton, PLTitleBarButtonsImageList, 2);
  connect(PLCloseWindowButton, &ImageControl::Click, this, &TPlayListEditorForm::PLCloseWindowButtonClick);
  PLToggleWindowButton->setToolTip(QStringLiteral("Toggle Playlist Window (Not Yet Supported)"));
  ConnectMenuButtons();
}

void TPlayListEditorForm::ConnectMenuButtons() {
  const auto toggles = ToggleMenuButtons();
  for (size_t menu = 0; menu < toggles.size(); ++menu) {
    NameOnHover(this, toggles[menu], kToggleNames[menu]);
    connect(toggles[menu], &ImageControl::Click, this,
            [this, menu] { ToggleMenuButtonClick(static_cast<int>(menu)); });
  }
  const auto buttons = PLMenuButtons();
  for (size_t k = 0; k < buttons.size(); ++k) {
    ImageControl* button = buttons[k];
    const int released = 2 * static_cast<int>(k);
    NameOnHover(this, button, kMenuButtonNames[k]);
    ConnectPressSprites(this, button, PLMenuButtonsImageList, released);
    connect(button, &ImageControl::Click, this, [this, k] { RunCommand(static_cast<int>(k)); });
  }
}

void TPlayListEditorForm::PlaySelectedSong() {
  PlayPlayListSong(PlayListPlayback::pmSelected);
  if (const auto& showState = PlayListHooks::Deck().ShowEngineState) showState();
}

void TPlayListEditorForm::PlayEntry(int32_t index) {
  if (index < 0 || index >= PlayList.TotalFiles()) return;
  PlayList.SelectRange(index, index, false);
  VisualPlayListListBox->MoveCaret(index);
  PlaySelectedSong();
}

void TPlayListEditorForm::JumpToFile() {
  TJumpToFileForm dialog(PlayList, [this](int32_t index) { PlayEntry(index); }, this);
  PlatformUi::ExecModal(dialog);
}

void TPlayListEditorForm::ToggleMenuButtonClick(int menu) {
  QWidget* panel = PLMenuPanels()[static_cast<size_t>(menu)];
  const bool wasOpen = panel->isVisible();
  HideAllPLMenuPanels();
  if (wasOpen) return;
  panel->show();
  panel->raise();
}

void TPlayListEditorForm::RunCommand(int button) {
  const int toggleHeight = ToggleMenu4Button->height();
  const QPoint menuAt(x() + ToggleMenu4Button->x() + 20, y() + height() - toggleHeight);
  switch (button) {
    case mbAddUrl: AddUrlToPlayList(); break;
    case mbMiscellaneous: ShowNotImplemented(); break;
    case mbAddDir: AddDirToPlayList(); break;
    case mbAddFiles: AddFilesToPlayList(); break;
    case mbRemoveAll:
    case mbNewPlayList: PlayList.Clear(); break;
    case mbCropFiles: PlayList.CropSelectedItems(); break;
    case mbRemoveFiles: PlayList.DeleteSelectedItems(); break;
    case mbSelectInverse: PlayList.InverseSelectedItems(); break;
    case mbSelectZero: PlayList.SelectNoneItems(); break;
    case mbSelectAll: PlayList.SelectAllItems(); break;
    case mbSortPlayList: SortMenu->popup(menuAt - QPoint(0, 2 * toggleHeight)); break;
    case mbFileInfo: ShowFileInfo(); break;
    case mbMiscOptions: DisplayMenu->popup(menuAt); break;
    case mbSavePlayList: SavePlayList(); break;
    case mbLoadPlayList: LoadPlayList(); break;
    default: break;
  }
  HideAllPLMenuPanels();
}

void TPlayListEditorForm::PlaceListAndScrollTrack() {
  PLScrollImage->resize(PLScrollImage->width(), PLRightPanel->height());
  Panel2->setGeometry(kListLeft, PLTopPanel->height(), std::max(0, PLBottomPanel->width() - 32),
                      PLLeftPanel->height());
  Panel2->raise();
  VisualPlayListListBox->setGeometry(0, 0, Panel2->width(), Panel2->height());
  for (QWidget* menu : PLMenuPanels()) menu->raise();
  FollowListWithScrollButton();
}

void TPlayListEditorForm::FollowListWithScrollButton() {
  if (scrollDragging_) return;
  const PlayListView& list = *VisualPlayListListBox;
  const int offset = PlayListScrolling::ButtonOffsetForTop(
      list.TopIndex(), PlayList.TotalFiles(), list.RowsInView(), PLScrollImage->height(),
      PLScrollButton->height());
  PLScrollButton->move(PLScrollImage->x(), PLScrollImage->y() + offset);
}

void TPlayListEditorForm::SetSelectedPlayListScrollPage() {
  const int caret = PlayListScrolling::ScrollPageCaret(
      PlayList.TotalFiles(), PlayListView::kItemHeight, VisualPlayListListBox->height(),
      PLScrollImage->height(), PLScrollButton->height(), PLScrollButton->y() - PLScrollImage->y());
  VisualPlayListListBox->MoveCaret(caret);
}

void TPlayListEditorForm::PLScrollButtonMouseDown(int x, int y) {
  scrollPress_ = QPoint(x, y);
  scrollDragging_ = true;
  ShowSprite(*PLScrollButton, PLScrollButtonImageList, 1);
}

void TPlayListEditorForm::PLScrollButtonMouseMove(int, int y) {
  const int trackTop = PLScrollImage->y();
  const int lowest = trackTop + PLScrollImage->height() - PLScrollButton->height();
  const int top = std::clamp(PLScrollButton->y() + y - scrollPress_.y(), trackTop, std::max(trackTop, lowest));
  PLScrollButton->move(PLScrollImage->x(), top);
  SetSelectedPlayListScrollPage();
}

void TPlayListEditorForm::PLScrollButtonMouseUp() {
  scrollDragging_ = false;
  ShowSprite(*PLScrollButton, PLScrollButtonImageList, 0);
}

void TPlayListEditorForm::PLBottomRightImageMouseDown(int x, int y) {
  resizing_ = x > PLBottomRightImage->width() - kResizeCorner &&
              y > PLBottomRightImage->height() - kResizeCorner;
}

void TPlayListEditorForm::PLBottomRightImageMouseMove(int x, int y, bool leftHeld) {
  const bool inCorner = x > PLBottomRightImage->width() - kResizeCorner &&
                        y > PLBottomRightImage->height() - kResizeCorner;
  PLBottomRightImage->setCursor(SkinUnit::SkinCursor(inCorner ? kSizeCursor : kNormalCursor));
  if (!leftHeld || !resizing_) return;
  const QSize size = PlayListFrame::ResizedPanel(QPoint(x, y), PLBottomRightImage->size(),
                                                 Panel1->size(), PLMinimumSize);
  if (size != Panel1->size()) SetPanel1Size(size.width(), size.height());
}

void TPlayListEditorForm::PLBottomRightImageMouseUp() {
  if (!resizing_) return;
  resizing_ = false;
  if (CheckIfPLFormIsSnappedToOtherForm) CheckIfPLFormIsSnappedToOtherForm();
}

void TPlayListEditorForm::PLTitleBarMouseDown(int x, int y) { titleBarPress_ = QPoint(x, y); }

void TPlayListEditorForm::PLTitleBarMouseMove(int x, int y) {
  GeneralFunctions::MoveWindowByDrag(*this, titleBarPress_.x(), titleBarPress_.y(), x, y);
  if (CheckIfPLFormIsSnappedToOtherForm) CheckIfPLFormIsSnappedToOtherForm();
}

void TPlayListEditorForm::PLCloseWindowButtonClick() {
  hide();
  if (Settings) Settings->PLVisible = false;
}
