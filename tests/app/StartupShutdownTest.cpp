#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>

#include "app/Forms.h"
#include "app/PlayerStartup.h"
#include "app/SettingsFile.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "equalizer/TEqualizerFormSkinned.h"
#include "platform/ui/ProgramFolder.h"
#include "platform/ui/TextFile.h"
#include "playlist/AutoPlayList.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
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

// Changed settings and an edited list are written a moment later, without
// waiting for the player to end.
TEST_F(PlayerRun, EditsAreWrittenAMomentAfterTheyChange) {
  Start();
  DeckForm->SetVolumeLevel(33);
  DeckForm->Settings.ShuffleOn = true;
  const QString entry = GeneralFunctions::BuildPlayListEntry("/music/added.mp3");
  PlayListEditorForm->PlayList.Append({entry});
  EXPECT_TRUE(QTest::qWaitFor([] { return IniLines().value(11) == "33" && IniLines().value(13) == "True"; }, 10000));
  EXPECT_TRUE(QTest::qWaitFor([&] {
    return PlayListFile::ReadPlayListFile(AutoPlayList::AutoPlayListPath()).entries.contains(entry);
  }, 10000));
}

namespace {

// Takes away the right to make files in a folder, which root keeps unless
// the folder is immutable; gives it back when it goes.
class UnwritableFolder {
 public:
  explicit UnwritableFolder(QString folder) : folder_(std::move(folder)) {
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    if (Writable()) immutable_ = QProcess::execute("chattr", {"+i", folder_}) == 0;
  }
  ~UnwritableFolder() {
    if (immutable_) QProcess::execute("chattr", {"-i", folder_});
    QFile::setPermissions(folder_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  }
  bool Writable() const {
    QTemporaryFile probe(folder_ + "/probe-XXXXXX");
    return probe.open();
  }

 private:
  QString folder_;
  bool immutable_ = false;
};

}  // namespace

// A program folder that cannot be written would lose every change at exit:
// one box at start-up names it, and the user's XDG folders keep this run's
// settings and list, starting from the folder's own.
TEST_F(PlayerRun, AnUnwritableProgramFolderIsNamedAndTheUserFoldersServe) {
  const QString home = TestSupport::ProgramFolder();
  const QString entry = GeneralFunctions::BuildPlayListEntry("/music/kept.mp3");
  ASSERT_TRUE(PlayListFile::WritePlayListFile(home + "solvane.pls", {entry}));
  QTemporaryDir user;
  qputenv("XDG_CONFIG_HOME", QFile::encodeName(user.path() + "/config"));
  qputenv("XDG_DATA_HOME", QFile::encodeName(user.path() + "/data"));
  struct Restore {
    ~Restore() {
      qunsetenv("XDG_CONFIG_HOME");
      qunsetenv("XDG_DATA_HOME");
      PlatformUi::ForgetUnwritableProgramFolder();
    }
  } restore;
  UnwritableFolder locked(home);
  if (locked.Writable()) GTEST_SKIP() << "this machine lets the test write into any folder";

  Start();
  const QString config = user.path() + "/config/solvane/";
  QStringList naming;
  for (const TestSupport::ShownMessage& box : TestSupport::MessageBoxes().shown) {
    if (box.text.contains(home)) naming.append(box.text);
  }
  ASSERT_EQ(naming.size(), 1);
  EXPECT_TRUE(naming[0].contains(config)) << naming[0].toStdString();
  EXPECT_EQ(PlayListEditorForm->PlayList.Entries(), QStringList{entry});
  DeckForm->SetVolumeLevel(21);
  DestroyForms();
  EXPECT_EQ(PlatformUi::ReadTextLines(config + "solvane.ini", 1 << 20).value_or(QStringList{}).value(11), "21");
  EXPECT_EQ(PlayListFile::ReadPlayListFile(config + "solvane.pls").entries, QStringList{entry});
  EXPECT_FALSE(QFile::exists(IniPath()));
}
