#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "skins/SpriteFunctions.h"
#include "support/TestEnvironment.h"

using namespace GeneralFunctions;
using SkinTests::Pixel;

namespace {

QImage Pattern(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, Pixel(x, y));
  return image;
}

TEST(SpriteFunctionsTest, CutsTakeTheRectangleAndBlankWhatTheSourceLacks) {
  const QImage source = Pattern(40, 30);
  PlatformUi::ImageList list(10, 8);
  SliceToImageList(source, 5, 6, 20, 20, list);  // larger than the sprite: cut off
  SliceToImageList(source, 35, 25, 4, 3, list);  // smaller than the sprite
  SliceToImageList(source, 36, -2, 10, 8, list);  // partly outside the source
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list.Sprite(0).pixel(0, 0), Pixel(5, 6));
  EXPECT_EQ(list.Sprite(0).pixel(9, 7), Pixel(14, 13));
  EXPECT_EQ(list.Sprite(1).pixel(3, 2), Pixel(38, 27));
  EXPECT_EQ(list.Sprite(1).pixel(4, 2), qRgb(0, 0, 0));
  EXPECT_EQ(list.Sprite(1).pixel(3, 3), qRgb(0, 0, 0));
  EXPECT_EQ(list.Sprite(2).pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(list.Sprite(2).pixel(0, 2), Pixel(36, 0));
  EXPECT_EQ(list.Sprite(2).pixel(4, 2), qRgb(0, 0, 0));

  PlatformUi::ImageControl image;
  image.resize(3, 2);
  SliceToImage(source, 7, 8, 3, 2, image);
  EXPECT_EQ(image.Picture().size(), QSize(3, 2));
  EXPECT_EQ(image.Picture().pixel(2, 1), Pixel(9, 9));

  QImage target(2, 2, QImage::Format_RGB32);
  SliceToBitmap(source, 1, 1, 5, 5, target);
  EXPECT_EQ(target.size(), QSize(2, 2));
  EXPECT_EQ(target.pixel(1, 1), Pixel(2, 2));
}

// Skin bitmaps are cut by copying rows; any other image through a painter.
// Both give the same sprite, wherever the rectangle lies.
TEST(SpriteFunctionsTest, CopiedAndPaintedCutsAgree) {
  const QImage source = Pattern(40, 30);
  const QImage painted = source.convertToFormat(QImage::Format_ARGB32);
  for (const QRect& r : {QRect(5, 6, 20, 20), QRect(35, 25, 4, 3), QRect(36, -2, 10, 8), QRect(-3, 28, 6, 6),
                         QRect(50, 0, 4, 4)}) {
    EXPECT_EQ(CutRectangle(source, r.x(), r.y(), r.width(), r.height(), QSize(10, 8)),
              CutRectangle(painted, r.x(), r.y(), r.width(), r.height(), QSize(10, 8)))
        << r.x() << "," << r.y();
  }
}

TEST(SpriteFunctionsTest, ShowingAndCopyingSprites) {
  PlatformUi::ImageList list = SkinTests::NumberedSprites(3, 4, 4);
  PlatformUi::ImageControl image;
  image.resize(4, 4);
  ShowSprite(image, list, 2);
  EXPECT_EQ(image.Picture().pixel(0, 0), SkinTests::Numbered(2));
  ShowSprite(image, list, 6);  // the list has no sprite 6: the control is empty
  EXPECT_TRUE(image.Picture().isNull());

  ShowSprite(image, list, 1);
  PlatformUi::PaintBox box;
  box.resize(10, 10);
  CopyImageToCanvas(image, 5, 6, box);
  EXPECT_EQ(box.Canvas().pixel(5, 6), SkinTests::Numbered(1));
  EXPECT_EQ(box.Canvas().pixel(8, 9), SkinTests::Numbered(1));
  EXPECT_EQ(qAlpha(box.Canvas().pixel(4, 6)), 0);
}

}  // namespace
