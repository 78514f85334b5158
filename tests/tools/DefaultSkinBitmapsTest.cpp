// The generated default skin, held against the places the skin loader cuts.
#include <gtest/gtest.h>

#include <QImage>
#include <set>

#include "DefaultSkinLayout.h"

namespace {

using SkinLayout::IsUniform;
using SkinLayout::LoadSkinBitmap;
using SkinLayout::Strip;

std::vector<QImage> Sprites(const QString& file, const std::vector<QRect>& rectangles) {
  const QImage sheet = LoadSkinBitmap(file);
  std::vector<QImage> sprites;
  for (const QRect& rectangle : rectangles) sprites.push_back(sheet.copy(rectangle));
  return sprites;
}

QImage Sprite(const QString& file, const QRect& rectangle) { return LoadSkinBitmap(file).copy(rectangle); }

void ExpectAllDistinct(const std::vector<QImage>& sprites, const QString& what) {
  for (size_t i = 0; i < sprites.size(); ++i) {
    for (size_t j = i + 1; j < sprites.size(); ++j) {
      EXPECT_NE(sprites[i], sprites[j]) << what.toStdString() << ": sprites " << i << " and " << j << " look the same";
    }
  }
}

void ExpectNoneBlank(const std::vector<QImage>& sprites, const QString& what) {
  for (size_t i = 0; i < sprites.size(); ++i) EXPECT_FALSE(IsUniform(sprites[i])) << what.toStdString() << " " << i;
}

int PixelsDifferentFrom(const QImage& image, const QImage& reference) {
  int count = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) count += image.pixel(x, y) != reference.pixel(x, y);
  }
  return count;
}

// Sprites of a growing bar light more pixels with every step.
void ExpectGrowing(const std::vector<QImage>& sprites, const QString& what) {
  int previous = -1;
  for (size_t i = 0; i < sprites.size(); ++i) {
    const int lit = PixelsDifferentFrom(sprites[i], sprites[0]);
    EXPECT_GT(lit, previous) << what.toStdString() << " step " << i;
    previous = lit;
  }
}

QRect FontCell(int code) {
  const int firstCodes[] = {32, 65, 91, 97, 123, 127};
  int row = 0;
  while (code >= firstCodes[row + 1]) ++row;
  return {8 * (code - firstCodes[row]), 13 * row, 8, 13};
}

TEST(DefaultSkinBitmaps, EachBitmapIsExactlyAsLargeAsTheLoaderCuts) {
  for (const auto& [file, rectangles] : SkinLayout::CutRectangles()) {
    const QImage bitmap = LoadSkinBitmap(file);
    ASSERT_FALSE(bitmap.isNull()) << file.toStdString() << " is missing or unreadable";
    QRect extent;
    for (const QRect& rectangle : rectangles) extent = extent.united(rectangle);
    EXPECT_EQ(extent.topLeft(), QPoint(0, 0)) << file.toStdString();
    EXPECT_EQ(bitmap.size(), extent.size()) << file.toStdString();
  }
}

TEST(DefaultSkinBitmaps, FontHasADistinctVisibleGlyphForEveryCharacterButSpace) {
  std::vector<QImage> glyphs;
  for (int code = 33; code <= 126; ++code) glyphs.push_back(Sprite("FontSmall.bmp", FontCell(code)));
  ExpectNoneBlank(glyphs, "glyph of code 33 + ");
  ExpectAllDistinct(glyphs, "glyphs from code 33");
  const QImage space = Sprite("FontSmall.bmp", FontCell(32));
  EXPECT_TRUE(IsUniform(space));
  // Letters and digits keep a blank column on one side at least, so that
  // neighbouring cells never run together.
  const QRgb blank = space.pixel(0, 0);
  for (int code = 33; code <= 126; ++code) {
    if (!QChar(code).isLetterOrNumber()) continue;
    const QImage glyph = Sprite("FontSmall.bmp", FontCell(code));
    bool leftClear = true;
    bool rightClear = true;
    for (int y = 0; y < 13; ++y) {
      leftClear = leftClear && glyph.pixel(0, y) == blank;
      rightClear = rightClear && glyph.pixel(7, y) == blank;
    }
    EXPECT_TRUE(leftClear || rightClear) << "glyph " << char(code) << " touches both neighbours";
  }
}

TEST(DefaultSkinBitmaps, NumberCellsHoldDigitsMinusAndColonOnBlanks) {
  const auto cells = Sprites("numbers.bmp", Strip(16, 0, 0, 8, 0, 8, 13));
  std::vector<QImage> marks(cells.begin(), cells.begin() + 10);
  marks.push_back(cells[11]);
  marks.push_back(cells[13]);
  ExpectNoneBlank(marks, "digit, minus or colon");
  ExpectAllDistinct(marks, "digits, minus, colon");
  EXPECT_TRUE(IsUniform(cells[10])) << "the blank cell (also used for the plus sign) must be empty";
}

TEST(DefaultSkinBitmaps, TextCellsBlendIntoTheDeckDisplay) {
  const QImage deck = Sprite("DeckMain.bmp", {0, 0, 300, 130});
  const QRgb fontBlank = Sprite("FontSmall.bmp", FontCell(32)).pixel(0, 0);
  const QRgb numberBlank = Sprite("numbers.bmp", {80, 0, 8, 13}).pixel(0, 0);
  // The artist, title and status windows hold font cells; the times and rates number cells.
  for (const QRect& window : {QRect(57, 17, 192, 13), QRect(57, 30, 192, 13), QRect(81, 43, 56, 13)}) {
    EXPECT_TRUE(IsUniform(deck.copy(window))) << "text window at " << window.x() << "," << window.y();
    EXPECT_EQ(deck.pixel(window.topLeft()), fontBlank);
  }
  for (const QRect& window : {QRect(138, 43, 48, 13), QRect(201, 43, 48, 13), QRect(126, 56, 24, 13), QRect(191, 56, 40, 13)}) {
    EXPECT_TRUE(IsUniform(deck.copy(window))) << "number window at " << window.x() << "," << window.y();
    EXPECT_EQ(deck.pixel(window.topLeft()), numberBlank);
  }
  EXPECT_EQ(Sprite("MonoStereo.bmp", {0, 13, 32, 13}).pixel(0, 0), fontBlank) << "channel lamps sit on the display";
  EXPECT_EQ(Sprite("Playlist.bmp", {126, 72, 150, 38}).pixel(60, 17), fontBlank) << "the playlist info area";
}

TEST(DefaultSkinBitmaps, ButtonsHaveDistinctReleasedAndPressedLooks) {
  ExpectAllDistinct(Sprites("PlayButtons.bmp", [] {
                      auto all = Strip(6, 0, 0, 30, 0, 30, 20);
                      for (const QRect& r : Strip(6, 0, 20, 30, 0, 30, 20)) all.push_back(r);
                      return all;
                    }()),
                    "transport buttons");
  ExpectAllDistinct(Sprites("DeckMain.bmp", Strip(6, 0, 163, 9, 0, 9, 9)), "deck title-bar buttons");
  ExpectAllDistinct(Sprites("eqmain.bmp", Strip(4, 0, 163, 9, 0, 9, 9)), "equalizer title-bar buttons");
  ExpectAllDistinct(Sprites("Playlist.bmp", Strip(4, 52, 42, 10, 0, 9, 9)), "playlist title-bar buttons");
  ExpectAllDistinct(Sprites("eqmain.bmp", {{37, 163, 11, 11}, {48, 163, 11, 11}}), "equalizer knob");
  ExpectAllDistinct(Sprites("eqmain.bmp", {{196, 175, 44, 12}, {196, 187, 44, 12}}), "presets button");
  ExpectAllDistinct(Sprites("Playlist.bmp", {{52, 53, 8, 18}, {61, 53, 8, 18}}), "scroll button");
  ExpectAllDistinct(Sprites("VolumeBars.bmp", Strip(2, 338, 0, 0, 5, 11, 5)), "volume knob");
  ExpectAllDistinct(Sprites("BalanceBars.bmp", Strip(2, 0, 338, 5, 0, 5, 11)), "balance knob");
  ExpectAllDistinct(Sprites("PositionBar.bmp", Strip(2, 0, 390, 26, 0, 26, 9)), "position knob");
}

TEST(DefaultSkinBitmaps, ToggleButtonsShowFourLooks) {
  for (const char* file : {"ShuffleRepeat.bmp", "EQPLButtons.bmp"}) {
    ExpectAllDistinct(Sprites(file, Strip(4, 0, 0, 0, 16, 55, 16)), QString(file) + " left column");
    ExpectAllDistinct(Sprites(file, Strip(4, 55, 0, 0, 16, 55, 16)), QString(file) + " right column");
  }
  for (int column = 0; column < 3; ++column) {
    ExpectAllDistinct(Sprites("MP3MODCD.bmp", Strip(4, 60 * column, 0, 0, 16, 60, 16)), "file-type lamp");
  }
  ExpectAllDistinct(Sprites("eqmain.bmp", Strip(4, 196, 200, 0, 12, 25, 12)), "equalizer On button");
  ExpectAllDistinct(Sprites("eqmain.bmp", Strip(4, 221, 200, 0, 12, 33, 12)), "equalizer Auto button");
}

TEST(DefaultSkinBitmaps, LampsAndPlayStatesAreTellable) {
  const auto channel = Sprites("MonoStereo.bmp", {{0, 0, 32, 13}, {0, 13, 32, 13}, {32, 0, 32, 13}, {32, 13, 32, 13}});
  ExpectAllDistinct(channel, "stereo and mono lamps");
  const auto states = Sprites("playpaus.bmp", Strip(3, 0, 0, 9, 0, 9, 9));
  ExpectNoneBlank(states, "play state");
  ExpectAllDistinct(states, "play states");
  EXPECT_FALSE(IsUniform(Sprite("playpaus.bmp", {36, 0, 3, 9}))) << "the transmission strip must show";
}

TEST(DefaultSkinBitmaps, BarsChangeWithEveryStep) {
  ExpectGrowing(Sprites("VolumeBars.bmp", Strip(26, 0, 0, 13, 0, 13, 55)), "volume");
  ExpectGrowing(Sprites("PositionBar.bmp", Strip(26, 0, 0, 0, 15, 184, 15)), "position");
  ExpectAllDistinct(Sprites("BalanceBars.bmp", Strip(26, 0, 0, 0, 13, 55, 13)), "balance");
  auto bands = Sprites("eqmain.bmp", Strip(14, 0, 175, 14, 0, 13, 65));
  for (const QImage& band : Sprites("eqmain.bmp", Strip(14, 0, 241, 14, 0, 13, 65))) bands.push_back(band);
  ExpectAllDistinct(bands, "equalizer band tracks");
  ExpectGrowing(Sprites("visuals.bmp", Strip(18, 0, 0, 15, 0, 15, 33)), "visual-effects bars");
  ExpectGrowing(Sprites("visuals.bmp", Strip(32, 0, 34, 13, 0, 13, 65)), "level meter");
}

TEST(DefaultSkinBitmaps, TitleBarsShowWhetherTheWindowIsActive) {
  EXPECT_NE(Sprite("DeckMain.bmp", {0, 131, 300, 15}), Sprite("DeckMain.bmp", {0, 147, 300, 15}));
  EXPECT_NE(Sprite("eqmain.bmp", {0, 131, 300, 15}), Sprite("eqmain.bmp", {0, 147, 300, 15}));
  for (const QRect& active : {QRect(26, 0, 100, 20), QRect(0, 0, 25, 20), QRect(127, 0, 25, 20), QRect(153, 0, 25, 20)}) {
    EXPECT_NE(Sprite("Playlist.bmp", active), Sprite("Playlist.bmp", active.translated(0, 21))) << active.x();
  }
}

TEST(DefaultSkinBitmaps, ColourRampsRunFromQuietToLoud) {
  const QImage equalizer = LoadSkinBitmap("eqmain.bmp");
  for (const int x : {196, 198, 200}) {
    std::set<QRgb> colours;
    for (int y = 271; y <= 303; ++y) colours.insert(equalizer.pixel(x, y));
    EXPECT_GE(colours.size(), 8u) << "ramp at x " << x << " is nearly flat";
  }
  // Spectrum columns light from the bottom entry upwards: quiet and loud must differ.
  EXPECT_NE(equalizer.pixel(196, 303), equalizer.pixel(196, 271));
  // The oscilloscope colours a full swing either way alike and the centre apart.
  EXPECT_NE(equalizer.pixel(198, 303 - 16), equalizer.pixel(198, 303));
}

TEST(DefaultSkinBitmaps, PlaylistMenusHaveLabelledButtons) {
  std::vector<QImage> released;
  for (int menu = 0; menu < 5; ++menu) {
    const int rows = menu == 1 ? 4 : 3;
    const auto up = Sprites("Playlist.bmp", Strip(rows, 62 * menu + 4, 111, 0, 21, 28, 20));
    const auto down = Sprites("Playlist.bmp", Strip(rows, 62 * menu + 33, 111, 0, 21, 28, 20));
    for (int row = 0; row < rows; ++row) EXPECT_NE(up[row], down[row]) << "menu " << menu << " row " << row;
    released.insert(released.end(), up.begin(), up.end());
    released.push_back(Sprite("Playlist.bmp", {62 * menu + 4, 111 + 21 * rows, 28, 20}));  // toggle
  }
  ExpectAllDistinct(released, "playlist menu buttons and toggles");
}

}  // namespace
