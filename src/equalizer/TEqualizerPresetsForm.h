#pragma once
#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace EqualizerPresets {
struct EQPresetsRecord;
}

// The non-modal presets dialog: a click previews a preset, Load keeps it,
// Save stores the sliders in a user slot, Clear empties one, Cancel goes back
// to the sliders found when the dialog was shown. A context menu on the list
// imports and exports Winamp preset files.
class TEqualizerPresetsForm : public QDialog {
  Q_OBJECT
 public:
  explicit TEqualizerPresetsForm(QWidget* parent = nullptr);
  ~TEqualizerPresetsForm() override;

  QListWidget* EQPresetsListBox;
  QLineEdit* Edit1;
  QPushButton* Button1;  // Save Preset
  QPushButton* Button2;  // Cancel
  QPushButton* Button3;  // Load Preset
  QPushButton* Button4;  // Clear Preset
  QLabel* Label4;        // total
  QLabel* Label5;        // predefined
  QLabel* Label6;        // user defined

  // The slot names into the list and the counts into the labels.
  void FillPresetList();
  // Selects the first slot equal to the snapshot (none when nothing equals
  // it); on a match the name field shows its name.
  void SelectMatchingPreset();
  // While the dialog is open, the slot equal to the sliders stays selected.
  void FollowSliders();

  void EQPresetsListBoxClick();
  void Button1Click();
  void Button2Click();
  void Button3Click();
  void Button4Click();
  void ImportWinampPresets();
  void ExportSelectedPreset();

  void reject() override;  // Escape cancels

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void FormShow();
  void FormHide();
  void ShowPreset(const EqualizerPresets::EQPresetsRecord& preset);
  void SelectSlot(int slot);
  void ShowListMenu(const QPoint& at);
};

// The slider values into the record, and back.
void CaptureSlidersToPreset(EqualizerPresets::EQPresetsRecord& preset);
void ApplyPresetToSliders(const EqualizerPresets::EQPresetsRecord& preset);

// The one instance, made at start-up with the other windows.
extern TEqualizerPresetsForm* EqualizerPresetsForm;
