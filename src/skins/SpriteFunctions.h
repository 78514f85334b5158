#pragma once
// Cutting rectangles out of skin bitmaps into sprites, and showing sprites.
// A cut makes a new bitmap of the target's size, copies the w x h rectangle
// at x, y of the source to its top-left corner and cuts off what falls outside
// it; sprite areas the source does not cover are black.
#include <QImage>

#include "platform/ui/ImageControl.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/PaintBox.h"

namespace GeneralFunctions {

// The cut itself: a size-sized bitmap holding the rectangle at its top-left.
QImage CutRectangle(const QImage& bitmap, int x, int y, int w, int h, QSize size);

// Appends the cut, at the list's sprite size, to the list.
void SliceToImageList(const QImage& bitmap, int x, int y, int w, int h,
                      PlatformUi::ImageList& list);
// The cut, at the control's size, becomes the control's picture.
void SliceToImage(const QImage& bitmap, int x, int y, int w, int h,
                  PlatformUi::ImageControl& image);
// The cut, at the target's size, replaces the target.
void SliceToBitmap(const QImage& bitmap, int x, int y, int w, int h, QImage& target);

// The control's picture becomes a copy of the sprite; an index the list does
// not hold leaves the control empty.
void ShowSprite(PlatformUi::ImageControl& image, const PlatformUi::ImageList& list, int index);

// Copies the control's whole picture onto the canvas with its top-left at x, y.
void CopyImageToCanvas(const PlatformUi::ImageControl& image, int x, int y,
                       PlatformUi::PaintBox& canvas);

}  // namespace GeneralFunctions
