// The presets dialog in a running player: preview, load, save (with the copy
// of a predefined preset), clear, cancel, the file across a restart, and
// importing a Winamp preset file.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "DeckTestKit.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/EQPresets.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "equalizer/TEqualizerPresetsForm.h"
#include "equalizer/WinampEqf.h"
#include "support/TestEnvironment.h"

namespace DeckTests {
namespace {

using EqualizerPresets::EQPresets;
using KestrelixAudioApi::vars;

constexpr int kRock = 5;
const QString kEmpty = QStringLiteral("User Preset <Empty>");

class PresetsDialog : public DeckRun {
 protected:
  void SetUp() override {
    DeckRun::SetUp();
    Start();
    dialog = EqualizerPresetsForm;
    Click(EqualizerFormSkinned->EQPresetsButton);
  }

  void Pick(int slot) {
    QListWidget* list = dialog->EQPresetsListBox;
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier,
                      list->visualItemRect(list->item(slot)).center());
  }

  static int16_t Band(int band) { return EqualizerFormSkinned->SliderValues[size_t(band)]; }

  TEqualizerPresetsForm* dialog = nullptr;
};

TEST_F(PresetsDialog, ShowsThirtySlotsAndSelectsTheOneMatchingTheSliders) {
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_FALSE(dialog->isModal());
  EXPECT_EQ(dialog->windowTitle(), "Equalizer Presets");
  EXPECT_EQ(dialog->EQPresetsListBox->count(), 30);
  EXPECT_EQ(dialog->EQPresetsListBox->item(29)->text(), kEmpty);
  EXPECT_EQ(dialog->Label4->text(), "30");
  EXPECT_EQ(dialog->Button3->text(), "Load Preset");
  // Flat sliders match the first empty user slot.
  EXPECT_EQ(dialog->EQPresetsListBox->currentRow(), 10);

  Pick(kRock);
  EXPECT_EQ(dialog->Edit1->text(), "Rock        (Predefined)");
  EXPECT_EQ(Band(10), 86);
  EXPECT_EQ(vars.EQBandValues[9], 86);  // the preview is heard at once
  QTest::mouseClick(dialog->Button3, Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Band(10), 86);

  Click(EqualizerFormSkinned->EQPresetsButton);
  EXPECT_EQ(dialog->EQPresetsListBox->currentRow(), kRock);
}

TEST_F(PresetsDialog, CancelGoesBackToTheSlidersFoundAtShow) {
  Pick(9);
  EXPECT_EQ(Band(10), 100);
  QTest::mouseClick(dialog->Button2, Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(Band(10), 50);
  EXPECT_EQ(vars.EQBandValues[9], 50);
  EXPECT_EQ(EqualizerFormSkinned->EQBandButton10->y(),
            EqualizerFormSkinned->EQBandImage10->y() + 27);  // the thumb is back in the middle
}

TEST_F(PresetsDialog, SavingAPredefinedPresetMakesCopiesInTheEmptyUserSlots) {
  Pick(kRock);
  QTest::mouseClick(dialog->Button1, Qt::LeftButton);
  EXPECT_EQ(dialog->Edit1->text(), "Copy of Rock        (Predefined)");
  EXPECT_EQ(EQPresets.Presets[10].PresetName, "Copy of Rock        (Predefined)");
  EXPECT_TRUE(EQPresets.Presets[10].PresetInUse);
  EXPECT_EQ(EQPresets.Presets[10].PresetBands[9], 86);
  EXPECT_EQ(dialog->EQPresetsListBox->currentRow(), 10);

  Pick(kRock);
  QTest::mouseClick(dialog->Button1, Qt::LeftButton);
  EXPECT_TRUE(EQPresets.Presets[11].PresetInUse);

  // An occupied user slot is overwritten with the sliders and the typed name.
  Pick(3);
  dialog->EQPresetsListBox->setCurrentRow(10);
  dialog->Edit1->setText("Mine");
  QTest::keyClick(dialog->Edit1, Qt::Key_Return);
  EXPECT_EQ(EQPresets.Presets[10].PresetName, "Mine");
  EXPECT_EQ(EQPresets.Presets[10].PresetBands[2], 67);  // Pop's values
  EXPECT_EQ(dialog->EQPresetsListBox->item(10)->text(), "Mine");
}

TEST_F(PresetsDialog, ClearEmptiesAUserSlotAndFlattensTheSlidersButNotAPredefinedOne) {
  Pick(kRock);
  QTest::mouseClick(dialog->Button1, Qt::LeftButton);
  Pick(kRock);
  QTest::mouseClick(dialog->Button4, Qt::LeftButton);
  EXPECT_TRUE(EQPresets.Presets[kRock].PresetInUse);
  EXPECT_EQ(Band(10), 86);

  Pick(10);
  QTest::mouseClick(dialog->Button4, Qt::LeftButton);
  EXPECT_EQ(EQPresets.Presets[10].PresetName, kEmpty);
  EXPECT_FALSE(EQPresets.Presets[10].PresetInUse);
  EXPECT_EQ(dialog->EQPresetsListBox->item(10)->text(), kEmpty);
  for (int band = 0; band <= 10; ++band) EXPECT_EQ(Band(band), 50);
}

TEST_F(PresetsDialog, SavedPresetsAndLoadedSlidersAreThereAfterARestart) {
  Pick(7);
  QTest::mouseClick(dialog->Button1, Qt::LeftButton);
  Pick(2);  // a preview that is neither loaded nor cancelled
  Stop();
  Start();
  EXPECT_EQ(EQPresets.Presets[10].PresetName, "Copy of Live        (Predefined)");
  EXPECT_EQ(EqualizerPresetsForm->EQPresetsListBox->item(10)->text(), "Copy of Live        (Predefined)");
  EXPECT_EQ(Band(1), 50);
}

TEST_F(PresetsDialog, WinampPresetsAreImportedIntoEmptyUserSlots) {
  EqualizerPresets::EQPresetsRecord loud;
  loud.PresetName = "Loud";
  loud.PresetPreAmp = 73;
  loud.PresetBands = {100, 90, 80, 70, 60, 50, 40, 30, 20, 0};
  const QString path = TestSupport::ProgramFolder() + "loud.EQF";
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(WinampEqf::WriteEqf({loud, loud}));
  file.close();

  TestSupport::FileDialogs().answers.push_back({path});
  dialog->ImportWinampPresets();
  EXPECT_EQ(dialog->EQPresetsListBox->item(10)->text(), "Loud");
  EXPECT_EQ(dialog->EQPresetsListBox->item(11)->text(), "Loud");
  EXPECT_TRUE(EQPresets.Presets[11].SameValues(loud));
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_EQ(TestSupport::MessageBoxes().shown[0].text, "Imported 2 of 2 presets from loud.EQF.");

  TestSupport::FileDialogs().answers.push_back({TestSupport::ProgramFolder() + "out.EQF"});
  dialog->EQPresetsListBox->setCurrentRow(11);
  dialog->ExportSelectedPreset();
  QFile exported(TestSupport::ProgramFolder() + "out.EQF");
  EXPECT_EQ(exported.size(), 299);
}

}  // namespace
}  // namespace DeckTests
