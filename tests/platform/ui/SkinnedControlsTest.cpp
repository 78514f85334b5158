#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <vector>

#include "platform/ui/ImageControl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PaintBox.h"
#include "support/TestEnvironment.h"

using PlatformUi::ImageControl;
using PlatformUi::ImageList;
using PlatformUi::PaintBox;

namespace {

QImage Solid(int w, int h, QColor colour) {
  QImage image(w, h, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

TEST(ImageListTest, SpritesTakeTheListSizeAndMissingIndexesDrawNothing) {
  ImageList list(4, 3);
  list.Add(Solid(10, 10, Qt::red));  // cut to 4 x 3
  list.Add(Solid(2, 1, Qt::green));  // padded with black
  ASSERT_EQ(list.Count(), 2);
  EXPECT_EQ(list.Sprite(0).size(), QSize(4, 3));
  EXPECT_EQ(list.Sprite(1).pixel(1, 0), QColor(Qt::green).rgb());
  EXPECT_EQ(list.Sprite(1).pixel(3, 2), qRgb(0, 0, 0));
  EXPECT_TRUE(list.Sprite(2).isNull());
  EXPECT_TRUE(list.Sprite(-1).isNull());

  QImage canvas = Solid(8, 8, Qt::blue);
  list.Draw(canvas, 2, 2, 0);
  list.Draw(canvas, 0, 0, 7);
  list.Draw(canvas, 0, 0, -1);
  EXPECT_EQ(canvas.pixel(2, 2), QColor(Qt::red).rgb());
  EXPECT_EQ(canvas.pixel(5, 4), QColor(Qt::red).rgb());
  EXPECT_EQ(canvas.pixel(1, 1), QColor(Qt::blue).rgb());
  EXPECT_EQ(canvas.pixel(6, 2), QColor(Qt::blue).rgb());

  list.SetSize(5, 5);
  EXPECT_EQ(list.Count(), 0);
}

// A copied opaque sprite must look exactly as a painted one, wherever it
// lands, the canvas's edges included; a see-through one is never copied.
TEST(ImageListTest, OpaqueSpritesAreCopiedExactlyAsAPainterDrawsThem) {
  QImage pattern(5, 4, QImage::Format_ARGB32);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 5; ++x) pattern.setPixel(x, y, qRgb(40 * x, 50 * y, 7 * x * y));
  ImageList list(5, 4);
  list.Add(pattern);
  list.Add(Solid(5, 4, QColor(255, 0, 0, 128)));
  for (QImage::Format format : {QImage::Format_ARGB32, QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied}) {
    for (const QPoint at : {QPoint(0, 0), QPoint(3, 2), QPoint(-2, -3), QPoint(6, 5), QPoint(9, 9)}) {
      QImage copied = Solid(8, 7, Qt::blue).convertToFormat(format);
      QImage painted = copied.copy();
      ASSERT_TRUE(list.CopyOpaque(copied, at.x(), at.y(), 0));
      QPainter(&painted).drawImage(at, pattern);
      EXPECT_EQ(copied, painted) << format << " at " << at.x() << "," << at.y();
    }
  }
  QImage canvas = Solid(8, 7, Qt::blue);
  EXPECT_FALSE(list.CopyOpaque(canvas, 0, 0, 1));
  EXPECT_FALSE(list.CopyOpaque(canvas, 0, 0, 2));
  EXPECT_EQ(canvas, Solid(8, 7, Qt::blue));
}

class MouseTest : public testing::Test {
 protected:
  void SetUp() override {
    control.resize(20, 10);
    control.show();
  }
  ImageControl control;
  QSignalSpy down{&control, &ImageControl::MouseDown};
  QSignalSpy up{&control, &ImageControl::MouseUp};
  QSignalSpy clicks{&control, &ImageControl::Click};
  QSignalSpy doubleClicks{&control, &ImageControl::DblClick};
  QSignalSpy moves{&control, &ImageControl::MouseMove};
};

TEST_F(MouseTest, OnlyTheLeftButtonActs) {
  QTest::mouseClick(&control, Qt::RightButton, {}, QPoint(3, 4));
  QTest::mouseClick(&control, Qt::MiddleButton, {}, QPoint(3, 4));
  EXPECT_EQ(down.count() + up.count() + clicks.count(), 0);

  QTest::mouseClick(&control, Qt::LeftButton, {}, QPoint(3, 4));
  ASSERT_EQ(down.count(), 1);
  EXPECT_EQ(down[0][0].toInt(), 3);
  EXPECT_EQ(down[0][1].toInt(), 4);
  EXPECT_EQ(up.count(), 1);
  EXPECT_EQ(clicks.count(), 1);
}

TEST_F(MouseTest, ReleaseOutsideIsNoClickAndMovesReportTheLeftButton) {
  QTest::mousePress(&control, Qt::LeftButton, {}, QPoint(3, 4));
  QMouseEvent drag(QEvent::MouseMove, QPointF(30, -5), control.mapToGlobal(QPointF(30, -5)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&control, &drag);
  QTest::mouseRelease(&control, Qt::LeftButton, {}, QPoint(30, -5));
  ASSERT_EQ(moves.count(), 1);
  EXPECT_EQ(moves[0][0].toInt(), 30);
  EXPECT_EQ(moves[0][1].toInt(), -5);
  EXPECT_TRUE(moves[0][2].toBool());
  EXPECT_EQ(up.count(), 1);
  EXPECT_EQ(clicks.count(), 0);
}

TEST_F(MouseTest, DoubleClickIsReported) {
  QTest::mouseDClick(&control, Qt::LeftButton, {}, QPoint(2, 2));
  EXPECT_EQ(doubleClicks.count(), 1);
  QTest::mouseDClick(&control, Qt::RightButton, {}, QPoint(2, 2));
  EXPECT_EQ(doubleClicks.count(), 1);
}

TEST(ImageControlTest, ShowsItsPicture) {
  ImageControl control;
  control.resize(6, 6);
  control.SetPicture(Solid(4, 4, Qt::red));
  const QImage shown = control.grab().toImage();
  EXPECT_EQ(shown.pixel(3, 3), QColor(Qt::red).rgb());
}

// Only a picture that hides everything beneath the control spares its parent
// a repaint there.
TEST(ImageControlTest, IsOpaqueOnlyWhileAnOpaquePictureCoversIt) {
  QImage seeThrough = Solid(6, 6, Qt::red);
  seeThrough.setPixel(5, 5, qRgba(255, 0, 0, 128));
  const struct {
    QImage picture;
    QSize size;
    bool opaque;
  } cases[] = {{Solid(6, 6, Qt::red), {6, 6}, true},
               {Solid(6, 6, Qt::red), {7, 6}, false},
               {seeThrough, {6, 6}, false},
               {QImage(), {6, 6}, false}};
  for (const auto& c : cases) {
    ImageControl control;
    control.resize(6, 6);
    control.SetPicture(c.picture);
    control.resize(c.size);
    control.show();  // a hidden control hears of its new size when shown
    EXPECT_EQ(control.testAttribute(Qt::WA_OpaquePaintEvent), c.opaque) << &c - cases;
  }
}

TEST(PaintBoxTest, CanvasDrawnAnyTimeIsShownAndSurvivesResizing) {
  PaintBox box;
  box.resize(10, 10);
  box.Canvas().setPixel(2, 3, qRgb(1, 2, 3));
  box.Changed();
  EXPECT_EQ(box.grab().toImage().pixel(2, 3), qRgb(1, 2, 3));

  box.resize(20, 5);
  EXPECT_EQ(box.Canvas().size(), QSize(20, 5));
  EXPECT_EQ(box.Canvas().pixel(2, 3), qRgb(1, 2, 3));
  EXPECT_EQ(qAlpha(box.Canvas().pixel(15, 1)), 0);
}

TEST(PaintBoxTest, OnlyTheRectangleOfChangedPixelsIsRepainted) {
  QImage before(12, 8, QImage::Format_ARGB32);
  before.fill(Qt::black);
  struct Case {
    std::vector<QPoint> changed;
    QRect expected;
  };
  const Case cases[] = {
      {{}, QRect()},
      {{{0, 0}}, QRect(0, 0, 1, 1)},
      {{{11, 7}}, QRect(11, 7, 1, 1)},
      {{{3, 2}, {9, 5}}, QRect(QPoint(3, 2), QPoint(9, 5))},
      {{{9, 1}, {2, 6}}, QRect(QPoint(2, 1), QPoint(9, 6))},
  };
  for (const Case& c : cases) {
    QImage now = before.copy();
    for (const QPoint& at : c.changed) now.setPixel(at, qRgb(9, 9, 9));
    EXPECT_EQ(PlatformUi::DifferingRect(before, now), c.expected) << c.changed.size();
  }
  EXPECT_EQ(PlatformUi::DifferingRect(before, QImage(5, 5, QImage::Format_ARGB32)), QRect(0, 0, 5, 5));
}

TEST(PaintBoxTest, PaintHandlerDrawsBeforeTheCanvasIsShown) {
  PaintBox box;
  box.resize(4, 4);
  int paints = 0;
  box.OnPaint = [&] {
    ++paints;
    box.Canvas().fill(Qt::green);
    box.Changed();  // inside a paint: shown by this paint, no new one queued
  };
  EXPECT_EQ(box.grab().toImage().pixel(1, 1), QColor(Qt::green).rgb());
  EXPECT_EQ(paints, 1);
}

}  // namespace
