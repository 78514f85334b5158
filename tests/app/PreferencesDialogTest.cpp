// The preferences dialog on the running player: the skin browser and the
// options, worked with the mouse.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>
#include <QTextEdit>
#include <QTreeView>

#include "app/DeckTestKit.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "audio/KestrelixAudioApi.h"
#include "playlist/TPlayListEditorForm.h"
#include "skins/SkinUnit.h"
#include "skins/TPreferencesDialogForm.h"
#include "support/TestEnvironment.h"

namespace {

class PreferencesDialogTest : public DeckTests::DeckRun {
 protected:
  void SetUp() override {
    DeckRun::SetUp();
    Start();
    dialog = PreferencesDialogForm;
  }
  void ShowPage(const char* caption) {
    for (int page = 0; page < dialog->PageControl->count(); ++page)
      if (dialog->PageControl->tabText(page) == QLatin1String(caption)) dialog->PageControl->setCurrentIndex(page);
  }
  // The tree row of a folder below the skins folder, once the model has read it.
  QModelIndex Row(const QString& folder) {
    const QModelIndex parent = dialog->SkinsModel->index(QFileInfo(folder).path());
    EXPECT_TRUE(QTest::qWaitFor([&] { return dialog->SkinsModel->rowCount(parent) > 0; }, 5000));
    return dialog->SkinsModel->index(folder);
  }
  void ClickRow(const QModelIndex& index, bool twice = false) {
    QWidget* view = dialog->SkinsTreeView->viewport();
    const QPoint at = dialog->SkinsTreeView->visualRect(index).center();
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at);
    if (twice) QTest::mouseDClick(view, Qt::LeftButton, Qt::NoModifier, at);
  }
  TPreferencesDialogForm* dialog = nullptr;
};

TEST_F(PreferencesDialogTest, MainMenuButtonOpensTheDialogAndTheSkinBrowserDescribesEachFolder) {
  Click(DeckForm->MainMenuButton, {3, 3});
  ASSERT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->windowTitle(), QStringLiteral("Preferences Dialog"));
  const QString skins = TestSupport::ProgramFolder() + "own skins";
  QDir(skins).mkpath(QStringLiteral("Not a skin"));
  QFile::link(SkinUnit::SkinsFolder + "/Default", skins + "/Default");
  SkinUnit::SkinsFolder = skins;
  ShowPage("Skins");
  ClickRow(Row(skins + "/Default"));
  EXPECT_EQ(dialog->SkinNameLabel->text(), QStringLiteral("Default"));
  EXPECT_EQ(dialog->SkinFormatLabel->text(), QStringLiteral("Solvane Audio Player Skin"));
  EXPECT_FALSE(dialog->SkinCommentsMemo->toPlainText().isEmpty());
  ClickRow(Row(skins + "/Not a skin"));
  EXPECT_EQ(dialog->SkinFormatLabel->text(), QStringLiteral("Unknown Skin Type"));
  EXPECT_EQ(dialog->SkinCommentsMemo->toPlainText(), QStringLiteral("No comment found."));
  // A read-me in a Windows code page, with binary bytes in it, still reads.
  QDir(skins).mkpath(QStringLiteral("Old"));
  QFile readme(skins + "/Old/readme.txt");
  ASSERT_TRUE(readme.open(QIODevice::WriteOnly));
  readme.write(QByteArray("Caf\xe9 skin\n\x00\x01\x02", 13));
  readme.close();
  ClickRow(Row(skins + "/Old"));
  EXPECT_EQ(dialog->SkinCommentsMemo->toPlainText(), QString::fromUtf8("Café skin\n\uFFFD\uFFFD\uFFFD"));
}

TEST_F(PreferencesDialogTest, DoubleClickSwitchesSkinsAndKeepsWindowPlaces) {
  const QString copy = TestSupport::ProgramFolder() + "own skins/Copy";
  QDir().mkpath(copy);
  for (const QFileInfo& file : QDir(SkinUnit::SkinsFolder + "/Default").entryInfoList(QDir::Files))
    QFile::copy(file.filePath(), copy + "/" + file.fileName());
  PlayListEditorForm->show();
  PlayListEditorForm->move(40, 300);
  dialog->ShowDialog();
  SkinUnit::SkinsFolder = TestSupport::ProgramFolder() + "own skins";
  ShowPage("Skins");
  ClickRow(Row(copy), true);
  EXPECT_EQ(SkinUnit::SkinName, QStringLiteral("Copy"));
  EXPECT_EQ(PlayListEditorForm->pos(), QPoint(40, 300));
  EXPECT_TRUE(PlayListEditorForm->isVisible());
}

TEST_F(PreferencesDialogTest, OptionsChangeTheDecksSettingsAtOnce) {
  dialog->ShowDialog();
  ShowPage("Options");
  EXPECT_FALSE(dialog->UseFreedbSupportCheckBox->isChecked());
  EXPECT_TRUE(dialog->ReadTitlesFromTagsCheckBox->isChecked());
  EXPECT_FALSE(dialog->AddFoldersWithSubfoldersCheckBox->isChecked());
  EXPECT_TRUE(dialog->SkipUnplayableSongsCheckBox->isChecked());
  EXPECT_TRUE(dialog->GaplessPlaybackCheckBox->isChecked());
  EXPECT_EQ(dialog->ReplayGainComboBox->currentIndex(), 0);
  for (QCheckBox* box : {dialog->UseFreedbSupportCheckBox, dialog->AlwaysOnTopCheckBox, dialog->ReadTitlesFromTagsCheckBox,
                         dialog->AddFoldersWithSubfoldersCheckBox, dialog->SkipUnplayableSongsCheckBox,
                         dialog->GaplessPlaybackCheckBox})
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, {8, box->height() / 2});
  dialog->ReplayGainComboBox->activated(2);
  dialog->ReplayGainPreAmpSpinBox->setValue(-4);
  EXPECT_TRUE(DeckForm->Settings.UseFreedbSupport);
  EXPECT_TRUE(DeckForm->Settings.AlwaysOnTop);
  EXPECT_FALSE(DeckForm->Settings.ReadTitlesFromTags);
  EXPECT_TRUE(DeckForm->Settings.AddFoldersWithSubfolders);
  EXPECT_FALSE(DeckForm->Settings.SkipUnplayableSongs);
  EXPECT_FALSE(DeckForm->Settings.GaplessPlayback);
  EXPECT_EQ(KestrelixAudioApi::vars.ReplayGainMode, 2);
  EXPECT_EQ(KestrelixAudioApi::vars.ReplayGainPreAmpDb, -4);
  EXPECT_TRUE(DeckForm->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  ShowPage("What's New");
  EXPECT_TRUE(dialog->WhatsNewMemo->toPlainText().contains(QStringLiteral("What's New")));
}

// Only the links the build was given are shown; the About page always names
// the version, the licence and where the read-me is.
TEST(PreferencesDialogLinksTest, EmptyLinksAreLeftOutAndAboutNamesVersionLicenceAndReadMe) {
  const ProjectLinks all{"https://solvane.invalid/", "comments@solvane.invalid", "skins@solvane.invalid"};
  for (const ProjectLinks& links : {ProjectLinks{}, all, ProjectLinks{all.webPage, "", ""},
                                    ProjectLinks{"", all.commentsMail, all.skinsMail}}) {
    SCOPED_TRACE((links.webPage + ' ' + links.commentsMail + ' ' + links.skinsMail).toStdString());
    TPreferencesDialogForm dialog(links);
    const struct {
      QLabel* label;
      QString address;
      const char* scheme;
    } shown[] = {{dialog.WebPageLink, links.webPage, ""},
                 {dialog.CommentsLink, links.commentsMail, "mailto:"},
                 {dialog.SkinsMailLink, links.skinsMail, "mailto:"}};
    for (const auto& link : shown) {
      EXPECT_EQ(link.label->isHidden(), link.address.isEmpty()) << link.address.toStdString();
      const QString href = QStringLiteral("href=\"%1%2\"").arg(QLatin1String(link.scheme), link.address);
      if (!link.address.isEmpty()) {
        EXPECT_TRUE(link.label->text().contains(href)) << link.label->text().toStdString();
      }
    }
    const QString about = dialog.PageControl->widget(0)->findChild<QTextEdit*>()->toPlainText();
    EXPECT_TRUE(about.contains("Version 1.1.")) << about.toStdString();
    EXPECT_TRUE(about.contains("GNU General Public License, version 3 or later"));
    EXPECT_TRUE(about.contains(TestSupport::ProgramFolder() + "README.md"));
  }
}

}  // namespace
