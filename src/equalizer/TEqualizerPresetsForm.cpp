#include "TEqualizerPresetsForm.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QShowEvent>
#include <QHideEvent>

#include "equalizer/EQPresets.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "equalizer/WinampPresetFiles.h"
#include "platform/ui/FileDialogService.h"
#include "platform/ui/MessageBoxService.h"

TEqualizerPresetsForm* EqualizerPresetsForm = nullptr;

namespace {

using EqualizerPresets::EQPresets;
using EqualizerPresets::PresetSnapshot;

const QString kWinampFilter = QStringLiteral("Winamp equalizer presets (*.eqf *.EQF *.q1 *.Q1)");

// Where the file dialogs open: the folder songs were last added from.
QString LastFolder() {
  const SavedSettings* settings = EqualizerFormSkinned ? EqualizerFormSkinned->Settings : nullptr;
  return settings ? settings->SavedLastFolder : QString();
}

}  // namespace

void CaptureSlidersToPreset(EqualizerPresets::EQPresetsRecord& preset) {
  const auto& values = EqualizerFormSkinned->SliderValues;
  preset.PresetPreAmp = values[0];
  for (size_t band = 0; band < 10; ++band) preset.PresetBands[band] = values[band + 1];
}

void ApplyPresetToSliders(const EqualizerPresets::EQPresetsRecord& preset) {
  auto& values = EqualizerFormSkinned->SliderValues;
  values[0] = int16_t(preset.PresetPreAmp);
  for (size_t band = 0; band < 10; ++band) values[band + 1] = int16_t(preset.PresetBands[band]);
}

TEqualizerPresetsForm::TEqualizerPresetsForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      EQPresetsListBox(new QListWidget(this)),
      Edit1(new QLineEdit(this)),
      Button1(new QPushButton(QStringLiteral("Save Preset"), this)),
      Button2(new QPushButton(QStringLiteral("Cancel"), this)),
      Button3(new QPushButton(QStringLiteral("Load Preset"), this)),
      Button4(new QPushButton(QStringLiteral("Clear Preset"), this)),
      Label4(new QLabel(this)),
      Label5(new QLabel(this)),
      Label6(new QLabel(this)) {
  setWindowTitle(QStringLiteral("Equalizer Presets"));
  setModal(false);
  auto* layout = new QGridLayout(this);
  layout->addWidget(EQPresetsListBox, 0, 0, 1, 4);
  layout->addWidget(new QLabel(QStringLiteral("Total Presets :"), this), 1, 0);
  layout->addWidget(Label4, 1, 1);
  layout->addWidget(new QLabel(QStringLiteral("PreDefined :"), this), 2, 0);
  layout->addWidget(Label5, 2, 1);
  layout->addWidget(new QLabel(QStringLiteral("User Defined :"), this), 3, 0);
  layout->addWidget(Label6, 3, 1);
  layout->addWidget(new QLabel(QStringLiteral("Preset Name:"), this), 4, 0);
  layout->addWidget(Edit1, 4, 1, 1, 3);
  layout->addWidget(Button3, 5, 0);
  layout->addWidget(Button1, 5, 1);
  layout->addWidget(Button4, 5, 2);
  layout->addWidget(Button2, 5, 3);
  for (QPushButton* button : {Button1, Button2, Button3, Button4}) button->setAutoDefault(false);

  // Fixed-pitch, so the spaces in the built-in names line up their marks.
  EQPresetsListBox->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  EQPresetsListBox->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(EQPresetsListBox, &QListWidget::itemClicked, this, &TEqualizerPresetsForm::EQPresetsListBoxClick);
  connect(EQPresetsListBox, &QWidget::customContextMenuRequested, this, &TEqualizerPresetsForm::ShowListMenu);
  connect(Edit1, &QLineEdit::returnPressed, this, &TEqualizerPresetsForm::Button1Click);
  connect(Button1, &QPushButton::clicked, this, &TEqualizerPresetsForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TEqualizerPresetsForm::Button2Click);
  connect(Button3, &QPushButton::clicked, this, &TEqualizerPresetsForm::Button3Click);
  connect(Button4, &QPushButton::clicked, this, &TEqualizerPresetsForm::Button4Click);
}

// A preview still showing at shutdown does not survive in the saved sliders.
TEqualizerPresetsForm::~TEqualizerPresetsForm() {
  if (isVisible()) FormHide();
}

void TEqualizerPresetsForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TEqualizerPresetsForm::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (!event->spontaneous()) FormHide();
}

void TEqualizerPresetsForm::reject() { Button2Click(); }

void TEqualizerPresetsForm::FillPresetList() {
  EQPresetsListBox->clear();
  for (int slot = 0; slot < EQPresets.Count; ++slot)
    EQPresetsListBox->addItem(EQPresets.Presets[size_t(slot)].PresetName);
  Label4->setText(QString::number(EQPresets.Count));
  Label5->setText(QString::number(EqualizerPresets::kPredefinedCount));
  Label6->setText(QString::number(EqualizerPresets::kUserCount));
}

void TEqualizerPresetsForm::FormShow() {
  CaptureSlidersToPreset(PresetSnapshot);
  SelectMatchingPreset();
}

void TEqualizerPresetsForm::FormHide() { ApplyPresetToSliders(PresetSnapshot); }

void TEqualizerPresetsForm::SelectMatchingPreset() {
  EQPresetsListBox->clearSelection();
  EQPresetsListBox->setCurrentRow(-1);
  const int slot = EqualizerPresets::FindMatchingPreset(PresetSnapshot);
  if (slot < 0) return;
  SelectSlot(slot);
  Edit1->setText(EQPresets.Presets[size_t(slot)].PresetName);
}

void TEqualizerPresetsForm::FollowSliders() {
  if (!isVisible()) return;
  EqualizerPresets::EQPresetsRecord current;
  CaptureSlidersToPreset(current);
  const int slot = EqualizerPresets::FindMatchingPreset(current);
  if (slot == EQPresetsListBox->currentRow()) return;
  EQPresetsListBox->clearSelection();
  EQPresetsListBox->setCurrentRow(-1);
  if (slot >= 0) SelectSlot(slot);
}

void TEqualizerPresetsForm::SelectSlot(int slot) {
  EQPresetsListBox->setCurrentRow(slot, QItemSelectionModel::ClearAndSelect);
}

void TEqualizerPresetsForm::ShowPreset(const EqualizerPresets::EQPresetsRecord& preset) {
  ApplyPresetToSliders(preset);
  EqualizerFormSkinned->SetControlsToValues();
  EqualizerFormSkinned->DrawEQDiagramImage();
}

void TEqualizerPresetsForm::EQPresetsListBoxClick() {
  const int slot = EQPresetsListBox->currentRow();
  if (slot < 0) return;
  Edit1->setText(EQPresetsListBox->item(slot)->text());
  ShowPreset(EQPresets.Presets[size_t(slot)]);
}

void TEqualizerPresetsForm::Button3Click() {
  const int slot = EQPresetsListBox->currentRow();
  if (slot < 0) return;
  Edit1->setText(EQPresetsListBox->item(slot)->text());
  ShowPreset(EQPresets.Presets[size_t(slot)]);
  CaptureSlidersToPreset(PresetSnapshot);
  hide();
}

// A predefined preset is saved as a copy into the first empty user slot.
void TEqualizerPresetsForm::Button1Click() {
  const int selected = EQPresetsListBox->currentRow();
  if (selected < 0) return;
  int target = selected;
  if (!EQPresets.Presets[size_t(selected)].PresetIsUser) {
    Edit1->setText(QStringLiteral("Copy of ") + EQPresetsListBox->item(selected)->text());
    Edit1->setFocus();
    target = EqualizerPresets::FindFirstEmptyUserSlot();
  }
  if (target < 0) return;
  SelectSlot(target);
  EQPresetsListBox->item(target)->setText(Edit1->text());
  EqualizerPresets::EQPresetsRecord& preset = EQPresets.Presets[size_t(target)];
  CaptureSlidersToPreset(preset);
  preset.PresetName = EQPresetsListBox->item(target)->text();
  preset.PresetInUse = true;
  SelectSlot(target);
}

void TEqualizerPresetsForm::Button4Click() {
  const int slot = EQPresetsListBox->currentRow();
  if (slot < EqualizerPresets::kPredefinedCount) return;
  EqualizerPresets::EQPresetsRecord& preset = EQPresets.Presets[size_t(slot)];
  preset = EqualizerPresets::EmptyUserPreset();
  ShowPreset(preset);
  Edit1->setText(preset.PresetName);
  SelectSlot(slot);
  EQPresetsListBox->item(slot)->setText(Edit1->text());
}

void TEqualizerPresetsForm::Button2Click() {
  ShowPreset(PresetSnapshot);
  hide();
}

void TEqualizerPresetsForm::ShowListMenu(const QPoint& at) {
  QMenu menu(this);
  menu.addAction(QStringLiteral("Import Winamp Presets..."), this, &TEqualizerPresetsForm::ImportWinampPresets);
  QAction* exportAction =
      menu.addAction(QStringLiteral("Export Preset to Winamp File..."), this, &TEqualizerPresetsForm::ExportSelectedPreset);
  exportAction->setEnabled(EQPresetsListBox->currentRow() >= 0);
  menu.exec(EQPresetsListBox->viewport()->mapToGlobal(at));
}

void TEqualizerPresetsForm::ImportWinampPresets() {
  const QString path = PlatformUi::FileDialogs().OpenFileName(
      this, QStringLiteral("Import Winamp Presets"), LastFolder(), kWinampFilter);
  if (path.isEmpty()) return;
  const WinampEqf::ImportReport report = WinampEqf::ImportPresetFile(path);
  for (int slot : report.filledSlots)
    EQPresetsListBox->item(slot)->setText(EQPresets.Presets[size_t(slot)].PresetName);
  PlatformUi::ShowMessage(report.message, QStringLiteral("Equalizer Presets"));
}

void TEqualizerPresetsForm::ExportSelectedPreset() {
  const int slot = EQPresetsListBox->currentRow();
  if (slot < 0) return;
  const QString path = PlatformUi::FileDialogs().SaveFileName(
      this, QStringLiteral("Export Preset to Winamp File"), LastFolder(), kWinampFilter);
  if (path.isEmpty()) return;
  QString message;
  if (!WinampEqf::ExportPresetFile(path, {slot}, message))
    PlatformUi::ShowMessage(message, QStringLiteral("Equalizer Presets"), QMessageBox::Warning);
}
