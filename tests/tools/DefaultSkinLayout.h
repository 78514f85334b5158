#pragma once
// Where the skin loader cuts its sprites in each bitmap of the default skin,
// written out independently of the generator so the tests can hold the
// generated files against it.
#include <QImage>
#include <QRect>
#include <QString>

#include <map>
#include <vector>

namespace SkinLayout {

// Every rectangle the loader reads, per bitmap file name.
const std::map<QString, std::vector<QRect>>& CutRectangles();

// The folder of the generated default skin.
QString DefaultSkinFolder();

// Loads a bitmap of the default skin (an empty image when it is missing).
QImage LoadSkinBitmap(const QString& fileName);

// Sprites of one strip: count rectangles of w x h starting at x, y, moving by dx, dy.
std::vector<QRect> Strip(int count, int x, int y, int dx, int dy, int w, int h);

// True when the image is a single colour.
bool IsUniform(const QImage& image);

}  // namespace SkinLayout
