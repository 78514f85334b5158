#include <QDir>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "skins/SkinUnit.h"
#include "support/TestEnvironment.h"

using namespace SkinUnit;

namespace {

QString Folder(const QString& name) { return TestSupport::ProgramFolder() + "skins/" + name; }

void Touch(const QString& path) { SkinTests::WriteBytes(path, "x"); }

TEST(SkinTypeTest, MarkerFilesInAnyCaseAndNativeWins) {
  QDir().mkpath(Folder("Both"));
  QDir().mkpath(Folder("Winamp"));
  QDir().mkpath(Folder("Neither"));
  Touch(Folder("Both") + "/DECKMAIN.bmp");
  Touch(Folder("Both") + "/Main.bmp");
  Touch(Folder("Winamp") + "/main.bmp");
  Touch(Folder("Neither") + "/cbuttons.bmp");
  EXPECT_EQ(GetSkinType(Folder("Both")), stNative);
  EXPECT_EQ(GetSkinType(Folder("Both") + "/"), stNative);
  EXPECT_EQ(GetSkinType(Folder("Winamp")), stWinamp);
  EXPECT_EQ(GetSkinType(Folder("Neither")), stUnknown);
  EXPECT_EQ(GetSkinType(Folder("Absent")), stUnknown);
}

TEST(SplitSkinPathTest, ParentAndLastComponent) {
  SplitPath split = SplitSkinPath("/opt/solvane/skins/Base 2.91");
  EXPECT_EQ(split.Parent, "/opt/solvane/skins");
  EXPECT_EQ(split.Name, "Base 2.91");
  split = SplitSkinPath("/opt/solvane/skins/");
  EXPECT_EQ(split.Parent, "/opt/solvane/skins");
  EXPECT_EQ(split.Name, "");
  split = SplitSkinPath("/skins");
  EXPECT_EQ(split.Parent, "/");
  EXPECT_EQ(split.Name, "skins");
}

// Skin selection with the player's windows, a default skin and a second skin.
class SelectSkinTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateForms();
    InitializeVariablesForAllSkins();
  }
  void TearDown() override {
    WinampSkinLoader = nullptr;
    DestroyForms();
  }
};

TEST_F(SelectSkinTest, ChosenNativeSkinIsLoadedAndRemembered) {
  SkinTests::WriteNativeSkin(DefaultSkinPath, 1);
  SkinTests::WriteNativeSkin(Folder("Other"), 2);
  SkinName = "Other";
  ASSERT_TRUE(SelectSkin());
  EXPECT_EQ(CurrentSkinPath, Folder("Other"));
  EXPECT_EQ(SkinName, "Other");
  EXPECT_EQ(DeckForm->MainImage->Picture().pixel(0, 0), SkinTests::Pixel(0, 0, 2));
}

TEST_F(SelectSkinTest, FolderOfNoKnownFormatLoadsTheDefaultSkinAsTheChoice) {
  SkinTests::WriteNativeSkin(DefaultSkinPath, 1);
  QDir().mkpath(Folder("Junk"));
  SkinName = "Junk";
  ASSERT_TRUE(SelectSkin());
  EXPECT_EQ(CurrentSkinPath, DefaultSkinPath);
  EXPECT_EQ(SkinsFolder, TestSupport::ProgramFolder() + "skins");
  EXPECT_EQ(SkinName, "Default");
  EXPECT_EQ(DeckForm->MainImage->Picture().pixel(0, 0), SkinTests::Pixel(0, 0, 1));
}

TEST_F(SelectSkinTest, WinampSkinGoesToTheWinampLoader) {
  SkinTests::WriteNativeSkin(DefaultSkinPath, 1);
  QDir().mkpath(Folder("Classic"));
  Touch(Folder("Classic") + "/MAIN.BMP");
  QStringList loaded;
  WinampSkinLoader = [&](const QString& folder) { loaded << folder; };
  SkinName = "Classic";
  ASSERT_TRUE(SelectSkin());
  EXPECT_EQ(loaded, QStringList{Folder("Classic")});
  EXPECT_EQ(SkinName, "Classic");
}

TEST_F(SelectSkinTest, MissingDefaultSkinIsReportedAndStopsStartUp) {
  SkinName = "Nowhere";
  EXPECT_FALSE(SelectSkin());
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown[0].text.contains(DefaultSkinPath));
}

TEST_F(SelectSkinTest, SwitchingToANonSkinKeepsTheDefaultAsTheSavedChoice) {
  SkinTests::WriteNativeSkin(DefaultSkinPath, 1);
  SkinTests::WriteNativeSkin(Folder("Other"), 2);
  int redraws = 0;
  SetControlsToNewPositions = [&] { ++redraws; };
  EqualizerFormSkinned->hide();

  ASSERT_TRUE(SwitchToSkin(Folder("Other")));
  EXPECT_EQ(SkinName, "Other");
  EXPECT_FALSE(DeckForm->Settings.EQVisible);
  QDir().mkpath(Folder("Junk"));
  ASSERT_TRUE(SwitchToSkin(Folder("Junk")));
  EXPECT_EQ(SkinName, "Default");
  DeckForm->SaveControlsPositions();
  EXPECT_EQ(DeckForm->Settings.SavedSkinName, "Default");
  EXPECT_EQ(DeckForm->Settings.SavedSkinsFolder, TestSupport::ProgramFolder() + "skins");
  EXPECT_EQ(redraws, 2);
  SetControlsToNewPositions = nullptr;
}

}  // namespace
