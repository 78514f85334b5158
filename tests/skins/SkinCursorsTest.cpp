#include <QDir>
#include <QWidget>

#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skins/DeckSkinControls.h"
#include "skins/EqualizerSkinControls.h"
#include "skins/PlayListSkinControls.h"
#include "skins/SkinCursors.h"
#include "support/TestEnvironment.h"

using namespace SkinUnit;

namespace {

QString Path(const QString& name) { return TestSupport::ProgramFolder() + name; }

TEST(CursorFileTest, ImageAndHotSpotAreRead) {
  SkinTests::WriteCursorFile(Path("Normal.Cur"), 5, 7);
  const auto cursor = ReadCursorFile(Path("Normal.Cur"));
  ASSERT_TRUE(cursor.has_value());
  EXPECT_EQ(cursor->hotSpot(), QPoint(5, 7));
  const QImage image = cursor->pixmap().toImage();
  ASSERT_EQ(image.size(), QSize(32, 32));
  EXPECT_EQ(image.pixel(5, 0) & 0xFFFFFF, 0xFF0000u);
  EXPECT_EQ(image.pixel(6, 0) & 0xFFFFFF, 0x00FF00u);
}

TEST(CursorFileTest, DamagedFilesGiveNothing) {
  SkinTests::WriteCursorFile(Path("good.cur"), 1, 1);
  QFile good(Path("good.cur"));
  good.open(QIODevice::ReadOnly);
  const QByteArray bytes = good.readAll();

  SkinTests::WriteBytes(Path("empty.cur"), {});
  SkinTests::WriteBytes(Path("short.cur"), bytes.left(30));
  SkinTests::WriteBytes(Path("cut.cur"), bytes.left(bytes.size() - 100));
  QByteArray icon = bytes;
  icon[2] = 1;
  SkinTests::WriteBytes(Path("icon.cur"), icon);
  QByteArray farOffset = bytes;
  farOffset[18] = char(0xFF);
  farOffset[19] = char(0x7F);
  SkinTests::WriteBytes(Path("offset.cur"), farOffset);
  SkinTests::WriteBytes(Path("noise.cur"), QByteArray(500, char(0xA5)));
  SkinTests::WriteCursorFile(Path("hotspot.cur"), 40, 3);

  for (const char* name : {"empty.cur", "short.cur", "cut.cur", "icon.cur", "offset.cur",
                           "noise.cur", "hotspot.cur", "absent.cur"})
    EXPECT_FALSE(ReadCursorFile(Path(name)).has_value()) << name;
}

TEST(SkinCursorsTest, SlotsAttachToTheirControlsAndMissingFilesGiveTheArrow) {
  QWidget deckWindow, eqWindow, plWindow;
  DeckSkinControls deck(&deckWindow);
  EqualizerSkinControls eq(&eqWindow);
  PlayListSkinControls pl(&plWindow);

  const QString first = Path("first");
  QDir().mkpath(first);
  SkinTests::WriteCursorFile(first + "/VOLBAL.CUR", 3, 4);
  SkinTests::WriteCursorFile(first + "/PSize.Cur", 9, 9);
  SkinTests::WriteCursorFile(first + "/EQSlid.Cur", 2, 6);
  LoadSkinCursors(first, deck, eq, pl);
  for (QWidget* control : {static_cast<QWidget*>(deck.VolumeButton), static_cast<QWidget*>(deck.VolumeImage),
                           static_cast<QWidget*>(deck.BalanceButton), static_cast<QWidget*>(deck.BalanceImage)})
    EXPECT_EQ(control->cursor().hotSpot(), QPoint(3, 4));
  EXPECT_EQ(pl.PLBottomRightImage->cursor().hotSpot(), QPoint(9, 9));
  EXPECT_EQ(eq.EQBandImage10->cursor().hotSpot(), QPoint(2, 6));
  EXPECT_EQ(deck.PlayButton->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(SkinCursor(22).hotSpot(), QPoint(9, 9));

  // The next skin lacks the files: back to the arrow.
  const QString second = Path("second");
  QDir().mkpath(second);
  LoadSkinCursors(second, deck, eq, pl);
  EXPECT_EQ(deck.VolumeButton->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(pl.PLBottomRightImage->cursor().shape(), Qt::ArrowCursor);
  EXPECT_EQ(SkinCursor(22).shape(), Qt::ArrowCursor);
}

}  // namespace
