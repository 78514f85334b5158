#include "DeckMenu.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <functional>

#include "app/DoubleSize.h"
#include "app/DroppedFiles.h"
#include "app/Forms.h"
#include "app/PlayerStartup.h"
#include "app/TDeckForm.h"
#include "cddb/TAddAudioCDForm.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/InstalledSkins.h"
#include "skins/SkinUnit.h"

namespace {

// More skins than this are chosen from the preferences dialog's browser.
constexpr int kSkinsInMenu = 100;

QAction* NewAction(const QString& text, const QKeySequence& keys, std::function<void()> run) {
  auto* action = new QAction(text, DeckForm);
  action->setShortcut(keys);
  QObject::connect(action, &QAction::triggered, DeckForm, std::move(run));
  return action;
}

// Adds what the user picks to the playlist and plays the first of it.
void PlayChosen(void (TPlayListEditorForm::*choose)()) {
  const int firstNew = PlayListEditorForm->PlayList.TotalFiles();
  (PlayListEditorForm->*choose)();
  PlayFirstAdded(firstNew);
}

// On Linux a disc has no "TrackNN.cda" files a file dialog could show.
void AddAudioCD() {
  TAddAudioCDForm chooser(DeckForm);
  const QString disc = chooser.ChooseDisc();
  if (!disc.isEmpty()) PlayListEditorForm->AddDroppedFiles({disc});
}

void FillSkinsMenu(QMenu* menu) {
  menu->clear();
  const QStringList names = SkinUnit::InstalledSkins(SkinUnit::SkinsFolder, kSkinsInMenu + 1);
  auto* group = new QActionGroup(menu);
  for (const QString& name : names.mid(0, kSkinsInMenu)) {
    QAction* skin = menu->addAction(name);
    skin->setCheckable(true);
    skin->setChecked(name == SkinUnit::SkinName);
    group->addAction(skin);
    QObject::connect(skin, &QAction::triggered, DeckForm,
                     [name] { SkinUnit::SwitchToSkin(SkinUnit::SkinsFolder + '/' + name); });
  }
  if (names.size() > kSkinsInMenu) {
    QObject::connect(menu->addAction(QStringLiteral("More Skins…")), &QAction::triggered, DeckForm,
                     [] { DeckForm->MainMenuButtonClick(); });
  }
  if (names.isEmpty()) menu->addAction(QStringLiteral("No skins installed"))->setEnabled(false);
}

QMenu* MakeDeckMenu(const QList<QAction*>& shortcuts) {
  auto* menu = new QMenu(DeckForm);
  menu->addAction(shortcuts.value(0));  // Play File…
  menu->addAction(NewAction(QStringLiteral("Play Folder…"), {}, [] {
    PlayChosen(&TPlayListEditorForm::AddDirTreeToPlayList);
  }));
  menu->addAction(NewAction(QStringLiteral("Add Audio CD..."), {}, AddAudioCD));
  menu->addAction(shortcuts.value(11));  // Jump to File…
  menu->addSeparator();
  menu->addAction(shortcuts.value(1));  // Preferences…
  QMenu* skins = menu->addMenu(QStringLiteral("Skins"));
  QObject::connect(skins, &QMenu::aboutToShow, skins, [skins] { FillSkinsMenu(skins); });
  QAction* doubleSize = shortcuts.value(2);
  doubleSize->setCheckable(true);
  menu->addAction(doubleSize);
  QAction* onTop = menu->addAction(QStringLiteral("Always on Top"));
  onTop->setCheckable(true);
  QObject::connect(onTop, &QAction::triggered, DeckForm, [](bool checked) {
    DeckForm->Settings.AlwaysOnTop = checked;
    SetFormsStayOnTop(checked ? 1 : 0);
  });
  menu->addSeparator();
  QObject::connect(menu->addAction(QStringLiteral("Exit")), &QAction::triggered, DeckForm,
                   [] { DeckForm->close(); });
  // The check marks follow settings changed elsewhere (the preferences).
  QObject::connect(menu, &QMenu::aboutToShow, menu, [doubleSize, onTop] {
    doubleSize->setChecked(DeckForm->Settings.DoubleSize);
    onTop->setChecked(DeckForm->Settings.AlwaysOnTop);
  });
  return menu;
}

}  // namespace

void InstallDeckMenuAndShortcuts() {
  TDeckForm* deck = DeckForm;
  const QList<QAction*> shortcuts{
      NewAction(QStringLiteral("Play File…"), QKeySequence(Qt::Key_L),
                [] { PlayChosen(&TPlayListEditorForm::AddFilesToPlayList); }),
      NewAction(QStringLiteral("Preferences…"), QKeySequence(Qt::CTRL | Qt::Key_P),
                [deck] { deck->MainMenuButtonClick(); }),
      NewAction(QStringLiteral("Double Size"), QKeySequence(Qt::CTRL | Qt::Key_D), ToggleDoubleSize),
      NewAction(QStringLiteral("Play"), QKeySequence(Qt::Key_X), [deck] { deck->PlayButtonClick(); }),
      NewAction(QStringLiteral("Pause"), QKeySequence(Qt::Key_C), [deck] { deck->PauseButtonClick(); }),
      NewAction(QStringLiteral("Stop"), QKeySequence(Qt::Key_V), [deck] { deck->StopButtonClick(); }),
      NewAction(QStringLiteral("Previous"), QKeySequence(Qt::Key_Z), [deck] { deck->BackwardButtonClick(); }),
      NewAction(QStringLiteral("Next"), QKeySequence(Qt::Key_B), [deck] { deck->ForwardButtonClick(); }),
      NewAction(QStringLiteral("Equalizer"), QKeySequence(Qt::ALT | Qt::Key_E),
                [deck] { deck->EqualizerButtonClick(); }),
      NewAction(QStringLiteral("Playlist Editor"), QKeySequence(Qt::ALT | Qt::Key_P),
                [deck] { deck->PlaylistButtonClick(); }),
      NewAction(QStringLiteral("Queue"), QKeySequence(Qt::Key_Q),
                [] { PlayListEditorForm->PlayList.QueueSelectedItems(); }),
      NewAction(QStringLiteral("Jump to File…"), QKeySequence(Qt::Key_J), [] { PlayListEditorForm->JumpToFile(); }),
  };
  for (QWidget* window : PlayerWindows()) window->addActions(shortcuts);
  // The playlist editor keeps the arrow keys for its list.
  const QList<QAction*> arrows{
      NewAction(QStringLiteral("Volume Up"), QKeySequence(Qt::Key_Up),
                [deck] { deck->StepVolume(TDeckForm::kVolumeStep); }),
      NewAction(QStringLiteral("Volume Down"), QKeySequence(Qt::Key_Down),
                [deck] { deck->StepVolume(-TDeckForm::kVolumeStep); }),
      NewAction(QStringLiteral("Forward 5 Seconds"), QKeySequence(Qt::Key_Right),
                [deck] { deck->SeekBy(TDeckForm::kSeekStepSeconds); }),
      NewAction(QStringLiteral("Back 5 Seconds"), QKeySequence(Qt::Key_Left),
                [deck] { deck->SeekBy(-TDeckForm::kSeekStepSeconds); }),
  };
  for (QWidget* window : {static_cast<QWidget*>(deck), static_cast<QWidget*>(EqualizerFormSkinned)})
    window->addActions(arrows);
  QMenu* menu = MakeDeckMenu(shortcuts);
  deck->setContextMenuPolicy(Qt::CustomContextMenu);
  QObject::connect(deck, &QWidget::customContextMenuRequested, menu,
                   [deck, menu](const QPoint& at) { menu->popup(deck->mapToGlobal(at)); });
}
