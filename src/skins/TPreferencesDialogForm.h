#pragma once
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "skins/ProjectLinks.h"

class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QModelIndex;
class QSpinBox;
class QTabWidget;
class QTextEdit;
class QTreeView;

// The preferences dialog: information pages, the options and the skin
// browser, shown beside the player without blocking it.
class TPreferencesDialogForm : public QWidget {
  Q_OBJECT
 public:
  explicit TPreferencesDialogForm(const ProjectLinks& links = ProjectLinks::Configured(), QWidget* parent = nullptr);

  // The deck's flags, read when the Options page shows and written at each
  // click; installed by the deck, which also applies them.
  struct DeckFlag {
    std::function<bool()> Get;
    std::function<void(bool)> Set;
  };
  DeckFlag AlwaysOnTop;
  DeckFlag UseFreedbSupport;
  DeckFlag DoubleSize;
  DeckFlag ReadTitlesFromTags;
  DeckFlag AddFoldersWithSubfolders;
  DeckFlag SkipUnplayableSongs;
  DeckFlag GaplessPlayback;
  struct DeckValue {
    std::function<int()> Get;
    std::function<void(int)> Set;
  };
  DeckValue ReplayGainMode;   // 0 off, 1 track, 2 album
  DeckValue ReplayGainPreAmp; // dB for songs without ReplayGain

  // Centres the dialog on the screen and shows it.
  void ShowDialog();

  QTabWidget* PageControl;
  QTreeView* SkinsTreeView;
  QFileSystemModel* SkinsModel = nullptr;  // made when the Skins page first shows
  QLabel* SkinNameLabel;
  QLabel* SkinFormatLabel;
  QTextEdit* SkinCommentsMemo;
  QTextEdit* WhatsNewMemo;
  std::array<QLabel*, 4> AudioApiLabels;
  QCheckBox* AlwaysOnTopCheckBox;
  QCheckBox* UseFreedbSupportCheckBox;
  QCheckBox* DoubleSizeCheckBox;
  QCheckBox* ReadTitlesFromTagsCheckBox;
  QCheckBox* AddFoldersWithSubfoldersCheckBox;
  QCheckBox* SkipUnplayableSongsCheckBox;
  // Shown only for the links the build was given.
  QLabel* WebPageLink;
  QLabel* CommentsLink;
  QLabel* SkinsMailLink;
  QCheckBox* GaplessPlaybackCheckBox;
  QComboBox* ReplayGainComboBox;
  QSpinBox* ReplayGainPreAmpSpinBox;

  void SkinsTreeViewClick(const QModelIndex& index);
  void SkinsTreeViewDblClick(const QModelIndex& index);

 private:
  QGroupBox* TextPage(QTextEdit* memo, const QString& text);
  QWidget* MakeSkinsPage(const QString& skinsMail);
  void MakeSkinsModel();
  QWidget* MakeOptionsPage();
  QWidget* MakeAudioApiPage();
  void PageShown(int page);

  // The text pages' boxes, captioned with the program's name and version.
  std::vector<QGroupBox*> captionedBoxes_;
};

// The one instance, made at start-up with the other windows.
extern TPreferencesDialogForm* PreferencesDialogForm;
