#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "app/Forms.h"
#include "app/TDeckForm.h"
#include "skins/BitmapText.h"
#include "skins/SkinArchive.h"
#include "skins/SkinUnit.h"
#include "skins/WinampSkinLoader.h"
#include "support/TestEnvironment.h"

using namespace SkinUnit;
using SkinTests::Pixel;

namespace {

QString Folder(const QString& name) { return TestSupport::ProgramFolder() + "skins/" + name; }

std::vector<std::pair<QString, QByteArray>> WinampFiles(int marker, const QString& prefix = {},
                                                        bool upperCase = false) {
  const QString folder = TestSupport::ProgramFolder() + "packed" + QString::number(marker);
  SkinTests::WriteWinampSkin(folder, marker, upperCase);
  return SkinTests::FolderFiles(folder, prefix);
}

// Marks every entry as encrypted in both the local and the central headers.
QByteArray MarkedEncrypted(QByteArray zip) {
  for (auto [signature, flagsAt] : {std::pair("PK\x03\x04", 6), std::pair("PK\x01\x02", 8)}) {
    for (auto at = zip.indexOf(signature); at >= 0; at = zip.indexOf(signature, at + 4)) zip[at + flagsAt] |= 1;
  }
  return zip;
}

TEST(SkinArchiveTest, HostileArchivesAreRefusedWithAReason) {
  const auto skin = WinampFiles(0);
  auto duplicated = skin;
  duplicated.emplace_back("MAIN.BMP", skin.front().second);
  const QByteArray good = SkinTests::ZipArchive(skin);
  SkinArchiveLimits limits;
  limits.entryBytes = 200 * 1000;
  limits.totalBytes = 600 * 1000;
  auto huge = skin;
  huge.emplace_back("nums_ex.bmp", QByteArray(300 * 1000, '\0'));
  auto tooMuch = skin;
  for (int k = 0; k < 4; ++k) tooMuch.emplace_back(QString("extra%1.bmp").arg(k), QByteArray(150 * 1000, '\0'));

  const std::pair<QByteArray, const char*> cases[] = {
      {QByteArray(5000, 'x'), "damaged or not a zip"},
      {good.left(good.size() / 2), "damaged"},
      {MarkedEncrypted(good), "encrypted"},
      {SkinTests::ZipArchive({{"inner.wsz", good}}), "another archive"},
      {SkinTests::ZipArchive({{"readme.txt", "hello"}}), "no skin"},
      {SkinTests::ZipArchive(huge), "too large"},
      {SkinTests::ZipArchive(tooMuch), "too large"},
      {SkinTests::ZipArchive(duplicated), "twice"},
  };
  int n = 0;
  for (const auto& [bytes, reason] : cases) {
    const QString path = TestSupport::ProgramFolder() + QString("hostile%1.wsz").arg(n++);
    SkinTests::WriteBytes(path, bytes);
    const UnpackedSkin unpacked = UnpackSkinArchive(path, limits);
    EXPECT_FALSE(unpacked.dir) << reason;
    EXPECT_TRUE(unpacked.error.contains(reason)) << reason << ": " << unpacked.error.toStdString();
  }
}

TEST(SkinArchiveTest, OnlyTheSkinFolderIsUnpackedAndNamesStayInside) {
  auto files = WinampFiles(0, "../../Skin/");
  files.emplace_back("readme.txt", "outside the skin folder");
  files.emplace_back("../../Skin/evil.txt", "contained");
  const QString path = TestSupport::ProgramFolder() + "escape.zip";
  SkinTests::WriteBytes(path, SkinTests::ZipArchive(files));
  const UnpackedSkin unpacked = UnpackSkinArchive(path);
  ASSERT_TRUE(unpacked.dir) << unpacked.error.toStdString();
  const QDir dir(unpacked.Folder());
  EXPECT_TRUE(dir.exists("evil.txt"));
  EXPECT_TRUE(dir.exists("main.bmp"));
  EXPECT_FALSE(dir.exists("readme.txt"));
  EXPECT_FALSE(QFileInfo::exists(dir.filePath("../../Skin/evil.txt")));
}

// Selecting skins with the player's windows: archives and nested folders.
class SkinSelectionTest : public testing::Test {
 protected:
  void SetUp() override {
    CreateForms();
    InitializeVariablesForAllSkins();
    SkinTests::WriteNativeSkin(DefaultSkinPath, 1);
    SkinTests::WriteWinampSkin(WinampBaseSkinPath(), 1);
  }
  void TearDown() override { DestroyForms(); }

  void Select(const QString& name) {
    SkinName = name;
    ASSERT_TRUE(SelectSkin());
  }
  QRgb DeckPixel() const { return DeckForm->MainImage->Picture().pixel(0, 0); }
};

TEST_F(SkinSelectionTest, ArchivesAndNestedFoldersAreSkinsLikeFolders) {
  SkinTests::WriteBytes(Folder("Nested.wsz"), SkinTests::ZipArchive(WinampFiles(2, "Classic Skin/", true)));
  SkinTests::WriteBytes(Folder("Flat.ZIP"), SkinTests::ZipArchive(WinampFiles(3)));
  SkinTests::WriteWinampSkin(Folder("Outer/Inner"), 0);
  QDir().mkpath(Folder("Outer/Aardvark"));

  EXPECT_EQ(GetSkinType(Folder("Nested.wsz")), stWinamp);
  Select("Nested.wsz");
  EXPECT_EQ(SkinName, "Nested.wsz");
  EXPECT_EQ(DeckPixel(), Pixel(0, 0, 2));
  EXPECT_EQ(GeneralFunctions::SkinIsWinamp, 1);
  Select("Flat.ZIP");
  EXPECT_EQ(DeckPixel(), Pixel(0, 0, 3));
  Select("Outer");
  EXPECT_EQ(SkinName, "Outer");
  EXPECT_EQ(DeckPixel(), Pixel(0, 0, 0));
  EXPECT_EQ(GetSkinType(Folder("Outer")), stWinamp);
  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
}

TEST_F(SkinSelectionTest, BrokenArchiveSaysSoAndTheDefaultSkinIsShown) {
  SkinTests::WriteBytes(Folder("Broken.wsz"), QByteArray(3000, 'z'));
  EXPECT_EQ(GetSkinType(Folder("Broken.wsz")), stUnknown);
  Select("Broken.wsz");
  ASSERT_EQ(TestSupport::MessageBoxes().shown.size(), 1u);
  const QString text = TestSupport::MessageBoxes().shown[0].text;
  EXPECT_TRUE(text.contains("Broken.wsz") && text.contains("damaged")) << text.toStdString();
  EXPECT_EQ(SkinName, "Default");
  EXPECT_EQ(GeneralFunctions::SkinIsWinamp, 0);
}

}  // namespace
