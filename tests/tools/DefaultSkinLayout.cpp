#include "DefaultSkinLayout.h"

#include "support/TestEnvironment.h"

namespace SkinLayout {

namespace {

void Append(std::vector<QRect>& to, const std::vector<QRect>& more) { to.insert(to.end(), more.begin(), more.end()); }

std::vector<QRect> EqualizerRectangles() {
  std::vector<QRect> cuts{{0, 0, 300, 130}, {0, 131, 300, 15}, {0, 147, 300, 15}, {37, 163, 11, 11},
                          {48, 163, 11, 11}, {196, 175, 44, 12}, {196, 187, 44, 12}, {0, 307, 156, 37},
                          {157, 307, 156, 37}, {0, 345, 152, 1}};
  Append(cuts, Strip(4, 0, 163, 9, 0, 9, 9));
  Append(cuts, Strip(4, 196, 200, 0, 12, 25, 12));
  Append(cuts, Strip(4, 221, 200, 0, 12, 33, 12));
  Append(cuts, Strip(14, 0, 175, 14, 0, 13, 65));
  Append(cuts, Strip(14, 0, 241, 14, 0, 13, 65));
  for (const int x : {196, 198, 200}) cuts.emplace_back(x, 271, 1, 33);  // colour ramps
  return cuts;
}

std::vector<QRect> PlaylistRectangles() {
  std::vector<QRect> cuts{{26, 0, 100, 20},  {26, 21, 100, 20}, {0, 0, 25, 20},    {0, 21, 25, 20},
                          {127, 0, 25, 20},  {127, 21, 25, 20}, {153, 0, 25, 20},  {153, 21, 25, 20},
                          {179, 0, 25, 38},  {205, 0, 75, 38},  {0, 42, 25, 29},   {26, 42, 25, 29},
                          {52, 53, 8, 18},   {61, 53, 8, 18},   {0, 72, 125, 38},  {126, 72, 150, 38},
                          {4, 174, 28, 20},  {66, 195, 28, 20}, {128, 174, 28, 20}, {190, 174, 28, 20},
                          {252, 174, 28, 20}};
  Append(cuts, Strip(4, 52, 42, 10, 0, 9, 9));
  for (int menu = 0; menu < 5; ++menu) {
    const int rows = menu == 1 ? 4 : 3;
    cuts.emplace_back(62 * menu, 111, 3, 20 * rows);
    Append(cuts, Strip(rows, 62 * menu + 4, 111, 0, 21, 28, 20));
    Append(cuts, Strip(rows, 62 * menu + 33, 111, 0, 21, 28, 20));
  }
  return cuts;
}

std::map<QString, std::vector<QRect>> BuildRectangles() {
  std::map<QString, std::vector<QRect>> cuts;
  auto& deck = cuts["DeckMain.bmp"];
  deck = {{0, 0, 300, 130}, {0, 131, 300, 15}, {0, 147, 300, 15}};
  Append(deck, Strip(6, 0, 163, 9, 0, 9, 9));

  Append(cuts["PlayButtons.bmp"], Strip(6, 0, 0, 30, 0, 30, 20));
  Append(cuts["PlayButtons.bmp"], Strip(6, 0, 20, 30, 0, 30, 20));
  for (const char* name : {"ShuffleRepeat.bmp", "EQPLButtons.bmp"}) {
    Append(cuts[name], Strip(4, 0, 0, 0, 16, 55, 16));
    Append(cuts[name], Strip(4, 55, 0, 0, 16, 55, 16));
  }
  for (int column = 0; column < 3; ++column) Append(cuts["MP3MODCD.bmp"], Strip(4, 60 * column, 0, 0, 16, 60, 16));

  cuts["VolumeBars.bmp"] = Strip(26, 0, 0, 13, 0, 13, 55);
  Append(cuts["VolumeBars.bmp"], Strip(2, 338, 0, 0, 5, 11, 5));
  cuts["BalanceBars.bmp"] = Strip(26, 0, 0, 0, 13, 55, 13);
  Append(cuts["BalanceBars.bmp"], Strip(2, 0, 338, 5, 0, 5, 11));
  cuts["PositionBar.bmp"] = Strip(26, 0, 0, 0, 15, 184, 15);
  Append(cuts["PositionBar.bmp"], Strip(2, 0, 390, 26, 0, 26, 9));

  cuts["MonoStereo.bmp"] = {{0, 0, 32, 13}, {0, 13, 32, 13}, {32, 0, 32, 13}, {32, 13, 32, 13}};
  cuts["playpaus.bmp"] = Strip(4, 0, 0, 9, 0, 9, 9);
  Append(cuts["playpaus.bmp"], Strip(2, 36, 0, 3, 0, 3, 9));

  const int fontRowCells[] = {33, 26, 6, 26, 4};
  for (int row = 0; row < 5; ++row) Append(cuts["FontSmall.bmp"], Strip(fontRowCells[row], 0, 13 * row, 8, 0, 8, 13));
  cuts["numbers.bmp"] = Strip(16, 0, 0, 8, 0, 8, 13);

  cuts["eqmain.bmp"] = EqualizerRectangles();
  cuts["visuals.bmp"] = Strip(18, 0, 0, 15, 0, 15, 33);
  Append(cuts["visuals.bmp"], Strip(32, 0, 34, 13, 0, 13, 65));
  cuts["Playlist.bmp"] = PlaylistRectangles();
  return cuts;
}

}  // namespace

const std::map<QString, std::vector<QRect>>& CutRectangles() {
  static const auto cuts = BuildRectangles();
  return cuts;
}

QString DefaultSkinFolder() { return TestSupport::BuildFolder() + QStringLiteral("/skins/Default/"); }

QImage LoadSkinBitmap(const QString& fileName) {
  return QImage(DefaultSkinFolder() + fileName).convertToFormat(QImage::Format_RGB32);
}

std::vector<QRect> Strip(int count, int x, int y, int dx, int dy, int w, int h) {
  std::vector<QRect> rectangles;
  for (int i = 0; i < count; ++i) rectangles.emplace_back(x + i * dx, y + i * dy, w, h);
  return rectangles;
}

bool IsUniform(const QImage& image) {
  const QRgb first = image.pixel(0, 0);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != first) return false;
    }
  }
  return true;
}

}  // namespace SkinLayout
