#pragma once
#include <QImage>

#include <vector>

namespace PlatformUi {

// An ordered list of equal-size sprites addressed from 0. Sprites are
// appended at the end; asking for an index the list does not hold gives a
// null image, and drawing it draws nothing.
class ImageList {
 public:
  ImageList() = default;
  ImageList(int width, int height) : width_(width), height_(height) {}

  int Width() const { return width_; }
  int Height() const { return height_; }
  int Count() const { return static_cast<int>(sprites_.size()); }

  // Changing the sprite size empties the list.
  void SetSize(int width, int height);
  void Clear() {
    sprites_.clear();
    opaque_.clear();
  }

  // Appends a copy of the image, cut to the sprite size or padded
  // with black where it is smaller.
  void Add(const QImage& sprite);

  // The sprite, or a null image when the list does not hold the index.
  QImage Sprite(int index) const;

  // Draws sprite index with its top-left corner at x, y.
  void Draw(QImage& canvas, int x, int y, int index) const;
  // The same for a sprite without see-through pixels, copied row by row
  // (several times faster than a painter for the small sprites of texts and
  // digits); false, with nothing drawn, for any other, which is left to a
  // painter.
  bool CopyOpaque(QImage& canvas, int x, int y, int index) const;
  // Whether the sprite is one CopyOpaque copies: every pixel fully opaque.
  bool Opaque(int index) const { return index >= 0 && index < Count() && opaque_[size_t(index)]; }

 private:
  int width_ = 16;
  int height_ = 16;
  std::vector<QImage> sprites_;
  std::vector<bool> opaque_;  // per sprite: every pixel fully opaque
};

// Whether every pixel of the image is fully opaque.
bool FullyOpaque(const QImage& image);

// Copies the pixels of `area` of `from` into `to`, the area's top-left
// corner at `at`, clipped to `to`; both images hold 32 bits a pixel.
void CopyPixels(const QImage& from, const QRect& area, QImage& to, QPoint at);

}  // namespace PlatformUi
