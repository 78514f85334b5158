#include "EQResponseDiagram.h"

#include <QPainter>

#include <cmath>

namespace EQResponseDiagram {

namespace {

// Nearest, halves to even.
int Round(double value) { return static_cast<int>(std::nearbyint(value)); }

int ScaledHeight(int value, int height) { return Round(double(value) / kMaximum * (height - 1)); }

}  // namespace

std::array<QPoint, kPointCount> DiagramPoints(const SliderValues& values, const Geometry& geometry,
                                              int height) {
  std::array<QPoint, kPointCount> points;
  for (int band = 0; band < 10; ++band)
    points[3 * band] = QPoint(band * geometry.step, ScaledHeight(values[band + 1], height));
  for (int band = 0; band < 9; ++band) {
    const QPoint a = points[3 * band];
    const QPoint b = points[3 * band + 3];
    for (int j = 1; j <= 2; ++j) {
      points[3 * band + j] = QPoint(Round(a.x() + j * (b.x() - a.x()) / 4.0),
                                    Round(a.y() + j * (b.y() - a.y()) / 4.0));
    }
  }
  for (QPoint& point : points) point = QPoint(point.x() + geometry.offsetX, (height - 1) - point.y());
  return points;
}

int PreAmpLineY(int preAmpValue, int height) { return (height - 1) - ScaledHeight(preAmpValue, height); }

void DrawDiagram(QImage& canvas, const PlatformUi::ImageList& backgrounds, const QImage& preAmpLine,
                 const SliderValues& values, const Geometry& geometry) {
  const int height = canvas.height();
  backgrounds.Draw(canvas, 0, 0, 0);
  const auto points = DiagramPoints(values, geometry, height);
  QPainter painter(&canvas);
  painter.drawImage(geometry.preAmpX, PreAmpLineY(values[0], height), preAmpLine);
  painter.setPen(QColor(255, 0, 0));
  painter.drawPolyline(points.data(), kPointCount);
}

}  // namespace EQResponseDiagram
