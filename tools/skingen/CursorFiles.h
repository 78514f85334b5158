#pragma once
// The skin's 29 mouse cursors and the Windows cursor container they are
// stored in.
#include <QByteArray>
#include <QImage>
#include <QPoint>
#include <QString>

#include <vector>

namespace SkinGen {

struct NamedCursor {
  QString fileName;
  QImage image;  // 32 x 32, ARGB
  QPoint hotSpot;
};

// One cursor per file name the skin loader asks for.
std::vector<NamedCursor> SkinCursors();

// A ".cur" file: one 32-bit image with its 1-bit transparency mask.
QByteArray EncodeCursorFile(const QImage& image, QPoint hotSpot);

}  // namespace SkinGen
