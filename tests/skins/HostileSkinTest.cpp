#include <QDir>
#include <QFile>
#include <QWidget>
#include <QtEndian>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skins/DeckSkinControls.h"
#include "skins/EqualizerSkinControls.h"
#include "skins/NativeSkinLoader.h"
#include "skins/PlayListSkinControls.h"
#include "skins/SkinFiles.h"
#include "skins/SkinUnit.h"
#include "support/TestEnvironment.h"

using SkinTests::Pixel;

namespace {

QByteArray Bytes(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  return file.readAll();
}

// A valid BMP whose header is then rewritten: width, height and bit depth.
QByteArray WithHeader(QByteArray bmp, int32_t width, int32_t height, uint16_t bits) {
  qToLittleEndian<int32_t>(width, bmp.data() + 18);
  qToLittleEndian<int32_t>(height, bmp.data() + 22);
  qToLittleEndian<uint16_t>(bits, bmp.data() + 28);
  return bmp;
}

TEST(SkinBitmapTest, HeadersAreCheckedBeforeAnythingIsAllocated) {
  const QString folder = TestSupport::ProgramFolder();
  SkinTests::WritePatternBitmap(folder + "good.bmp", 20, 10);
  const QByteArray good = Bytes(folder + "good.bmp");
  ASSERT_TRUE(SkinUnit::ReadSkinBitmap(folder + "good.bmp").has_value());

  const std::pair<const char*, QByteArray> bad[] = {
      {"empty.bmp", {}},
      {"truncated.bmp", good.left(good.size() / 2)},
      {"headeronly.bmp", good.left(20)},
      {"wide.bmp", WithHeader(good, 1000000, 10, 24)},
      {"huge.bmp", WithHeader(good, 4000, 4000, 24)},
      {"zero.bmp", WithHeader(good, 0, 10, 24)},
      {"negative.bmp", WithHeader(good, -20, 10, 24)},
      {"bits.bmp", WithHeader(good, 20, 10, 7)},
      {"taller.bmp", WithHeader(good, 20, 11, 24)},
      {"noise.bmp", QByteArray(4000, char(0x5A))},
      {"text.bmp", QByteArray("BM this is no bitmap at all, only words and more words")}};
  for (const auto& [name, bytes] : bad) {
    SkinTests::WriteBytes(folder + name, bytes);
    EXPECT_FALSE(SkinUnit::ReadSkinBitmap(folder + name).has_value()) << name;
  }
  // Top-down bitmaps (negative height) are legitimate.
  SkinTests::WriteBytes(folder + "topdown.bmp", WithHeader(good, 20, -10, 24));
  EXPECT_TRUE(SkinUnit::ReadSkinBitmap(folder + "topdown.bmp").has_value());
}

TEST(HostileSkinTest, DamagedFilesAreTakenFromTheDefaultSkinAndNothingBreaks) {
  SkinUnit::DefaultSkinPath = TestSupport::ProgramFolder() + "skins/Default";
  SkinTests::WriteNativeSkin(SkinUnit::DefaultSkinPath, 1);
  const QString skin = TestSupport::ProgramFolder() + "skins/Hostile";
  SkinTests::WriteNativeSkin(skin, 0);
  const QByteArray buttons = Bytes(skin + "/PlayButtons.bmp");
  SkinTests::WritePatternBitmap(skin + "/DeckMain.bmp", 1, 1, 0);  // valid, but tiny
  SkinTests::WriteBytes(skin + "/PlayButtons.bmp", buttons.left(buttons.size() - 7));
  SkinTests::WriteBytes(skin + "/ShuffleRepeat.bmp", {});
  SkinTests::WriteBytes(skin + "/VolumeBars.bmp", WithHeader(Bytes(skin + "/VolumeBars.bmp"),
                                                             100000, 100000, 24));
  SkinTests::WriteBytes(skin + "/eqmain.bmp", QByteArray(70000, '\0'));
  SkinTests::WriteBytes(skin + "/Playlist.txt", QByteArray(3000, char(0xFF)) + "\0\0NORMAL=#");
  SkinTests::WriteBytes(skin + "/Normal.Cur", QByteArray(64, '\x02'));
  SkinTests::WriteBytes(skin + "/PSize.Cur", {});

  QWidget deckWindow, eqWindow, plWindow;
  DeckSkinControls deck(&deckWindow);
  EqualizerSkinControls eq(&eqWindow);
  PlayListSkinControls pl(&plWindow);
  SkinUnit::LoadNativeSkin(skin, deck, eq, pl);

  EXPECT_TRUE(TestSupport::MessageBoxes().shown.empty());
  EXPECT_EQ(deck.MainImage->Picture().pixel(0, 0), Pixel(0, 0, 0));
  EXPECT_EQ(deck.MainImage->Picture().pixel(100, 100), qRgb(0, 0, 0));
  EXPECT_EQ(deck.TitleBarButtonsImageList.Count(), 6);
  EXPECT_EQ(deck.PlayerMainButtonsImageList.Sprite(2).pixel(0, 0), Pixel(30, 0, 1));
  EXPECT_EQ(deck.RepeatButtonImageList.Sprite(0).pixel(0, 0), Pixel(0, 0, 1));
  EXPECT_EQ(deck.VolumeImageList.Sprite(1).pixel(0, 0), Pixel(13, 0, 1));
  EXPECT_EQ(eq.EQBandsImageList.Sprite(1).pixel(0, 0), Pixel(14, 175, 1));
  EXPECT_EQ(eq.SpectrumColors[0], Pixel(196, 303, 1));
  EXPECT_EQ(deck.MainImage->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(pl.PLBottomRightImage->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(deckWindow.size(), QSize(300, 130));
}

}  // namespace
