#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "app/Forms.h"
#include "app/PlayerStartup.h"
#include "app/SettingsFile.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/TextFile.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"
#include "support/TestEnvironment.h"

namespace {

QString IniPath() { return TestSupport::ProgramFolder() + "solvane.ini"; }

QStringList IniLines() { return PlatformUi::ReadTextLines(IniPath(), 1 << 20).value_or(QStringList{}); }

// The generated default skin lives in the build folder; the test's own
// program folder borrows it so the player starts as it would for a user.
void ShareBuiltSkins() {
  const QString built = TestSupport::BuildFolder() + "/skins";
  if (QDir(built).exists()) QFile::link(built, TestSupport::ProgramFolder() + "skins");
}

class PlayerRun : public testing::Test {
 protected:
  void SetUp() override {
    KestrelixAudioApi::ResetAudioApi();
    ShareBuiltSkins();
  }
  void TearDown() override {
    if (DeckForm) DestroyForms();
    KestrelixAudioApi::ResetAudioApi();
  }
  void Start() {
    CreateForms();
    InitializePlayer();
  }
};

}  // namespace

TEST_F(PlayerRun, FirstRunWritesTheDefaultSettingsBeforeUsingThem) {
  Start();
  const QStringList expected = SettingsToLines(DefaultSavedSettings(TestSupport::ProgramFolder()));
  EXPECT_EQ(IniLines(), expected);
  EXPECT_EQ(DeckForm->pos(), QPoint(81, 143));
  EXPECT_EQ(SkinUnit::SkinsFolder, TestSupport::ProgramFolder() + "skins");
  EXPECT_EQ(SkinUnit::SkinName, "Default");
  EXPECT_EQ(SkinUnit::DefaultSkinPath, TestSupport::ProgramFolder() + "skins/Default");
  EXPECT_TRUE(DeckForm->isVisible());
}

TEST_F(PlayerRun, SavedSettingsAreAppliedAtStartUp) {
  SavedSettings saved = DefaultSavedSettings(TestSupport::ProgramFolder());
  saved.DeckLeft = 300;
  saved.DeckTop = 40;
  saved.EQLeft = 575;
  saved.EQTop = 40;
  saved.EQVisible = false;
  saved.PLLeft = 300;
  saved.PLTop = 156;
  saved.SavedLastFolder = "/srv/music";
  saved.SavedTimeDisplayMode = 1;
  ASSERT_TRUE(PlatformUi::WriteTextLines(IniPath(), SettingsToLines(saved)));
  Start();
  EXPECT_EQ(DeckForm->pos(), QPoint(300, 40));
  EXPECT_EQ(EqualizerFormSkinned->pos(), QPoint(575, 40));
  EXPECT_FALSE(EqualizerFormSkinned->isVisible());
  EXPECT_EQ(PlayListEditorForm->pos(), QPoint(300, 156));
  EXPECT_EQ(TPlayListEditorForm::LastFolder, "/srv/music");
  EXPECT_EQ(DeckForm->TimeDisplayMode, 1);
}

TEST_F(PlayerRun, AnUnusableSettingsFileIsReplacedByTheDefaults) {
  ASSERT_TRUE(PlatformUi::WriteTextLines(IniPath(), {"[Deck Variables]", "garbage", "81"}));
  Start();
  EXPECT_EQ(IniLines(), SettingsToLines(DefaultSavedSettings(TestSupport::ProgramFolder())));
}

// The equalizer and the playlist editor hand their state to the deck while
// they are destroyed, before the deck writes the file, so windows moved during
// a run are found where they were left on the next start.
TEST_F(PlayerRun, ShutdownSavesEveryWindowAndTheNextRunRestoresIt) {
  Start();
  DeckForm->move(200, 100);
  EqualizerFormSkinned->move(475, 100);
  PlayListEditorForm->move(200, 216);
  EqualizerFormSkinned->SliderValues[3] = 80;
  DeckForm->Settings.RepeatOn = true;
  DeckForm->Settings.ReadTitlesFromTags = false;
  DestroyForms();

  const QStringList lines = IniLines();
  ASSERT_EQ(lines.size(), kWrittenSettingsLineCount);
  EXPECT_EQ(lines[7], "200");
  EXPECT_EQ(lines[8], "100");
  EXPECT_EQ(lines[12], "True");
  EXPECT_EQ(lines[19], "475");
  EXPECT_EQ(lines[20], "100");
  EXPECT_EQ(lines[25], "80");
  EXPECT_EQ(lines[39], "200");
  EXPECT_EQ(lines[40], "216");
  EXPECT_EQ(lines[46], "False");

  Start();
  EXPECT_FALSE(DeckForm->Settings.ReadTitlesFromTags);
  EXPECT_EQ(DeckForm->pos(), QPoint(200, 100));
  EXPECT_EQ(EqualizerFormSkinned->pos(), QPoint(475, 100));
  EXPECT_EQ(PlayListEditorForm->pos(), QPoint(200, 216));
  EXPECT_EQ(EqualizerFormSkinned->SliderValues[3], 80);
}

TEST_F(PlayerRun, StayOnTopFollowsTheSettingAndIgnoresOtherValues) {
  Start();
  SetFormsStayOnTop(1);
  EXPECT_TRUE(DeckForm->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_TRUE(PlayListEditorForm->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  SetFormsStayOnTop(2);
  EXPECT_TRUE(EqualizerFormSkinned->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  const bool deckWasVisible = DeckForm->isVisible();
  DeckForm->Settings.AlwaysOnTop = false;
  AppDeactivate();
  EXPECT_FALSE(DeckForm->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(DeckForm->isVisible(), deckWasVisible);
}
