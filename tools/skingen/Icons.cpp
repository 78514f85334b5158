#include "Icons.h"

#include <QPolygonF>

namespace SkinGen::Icons {

namespace {

// Right-pointing triangle with its left edge at x, centred on cy.
QPolygonF TriangleRight(double x, double cy, double width, double height) {
  return QPolygonF({QPointF(x, cy - height / 2), QPointF(x + width, cy), QPointF(x, cy + height / 2)});
}

QPolygonF TriangleLeft(double x, double cy, double width, double height) {
  return QPolygonF({QPointF(x + width, cy - height / 2), QPointF(x, cy), QPointF(x + width, cy + height / 2)});
}

void Bar(QPainter& painter, double x, double y, double width, double height, const QColor& colour) {
  painter.fillRect(QRectF(x, y, width, height), colour);
}

}  // namespace

IconPainter Previous() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    Bar(painter, c.x() - 7, c.y() - 4.5, 2, 9, colour);
    FillPolygon(painter, TriangleLeft(c.x() - 5, c.y(), 6, 9), colour);
    FillPolygon(painter, TriangleLeft(c.x() + 1, c.y(), 6, 9), colour);
  };
}

IconPainter Play() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    FillPolygon(painter, TriangleRight(c.x() - 4, c.y(), 9, 10), colour);
  };
}

IconPainter Pause() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    Bar(painter, c.x() - 4.5, c.y() - 4.5, 3, 9, colour);
    Bar(painter, c.x() + 1.5, c.y() - 4.5, 3, 9, colour);
  };
}

IconPainter Stop() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    Bar(painter, c.x() - 4.5, c.y() - 4.5, 9, 9, colour);
  };
}

IconPainter Next() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    FillPolygon(painter, TriangleRight(c.x() - 7, c.y(), 6, 9), colour);
    FillPolygon(painter, TriangleRight(c.x() - 1, c.y(), 6, 9), colour);
    Bar(painter, c.x() + 5, c.y() - 4.5, 2, 9, colour);
  };
}

IconPainter Eject() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    FillPolygon(painter,
                QPolygonF({QPointF(c.x() - 5, c.y() + 1), QPointF(c.x(), c.y() - 5), QPointF(c.x() + 5, c.y() + 1)}),
                colour);
    Bar(painter, c.x() - 5, c.y() + 3, 10, 2, colour);
  };
}

IconPainter MainMenu() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    for (int row = -2; row <= 2; row += 2) Bar(painter, c.x() - 2.5, c.y() + row - 0.5, 5, 1, colour);
  };
}

IconPainter Minimize() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    Bar(painter, c.x() - 2.5, c.y() + 1.5, 5, 1, colour);
  };
}

IconPainter Close() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = -2; i <= 2; ++i) {
      painter.fillRect(QRectF(c.x() + i - 0.5, c.y() + i - 0.5, 1, 1), colour);
      painter.fillRect(QRectF(c.x() + i - 0.5, c.y() - i - 0.5, 1, 1), colour);
    }
    painter.restore();
  };
}

IconPainter ToggleSize() {
  return [](QPainter& painter, const QRectF& area, const QColor& colour) {
    const QPointF c = area.center();
    Bar(painter, c.x() - 2.5, c.y() - 2.5, 5, 1, colour);
    Bar(painter, c.x() - 2.5, c.y() + 1.5, 5, 1, colour);
    Bar(painter, c.x() - 2.5, c.y() - 2.5, 1, 5, colour);
    Bar(painter, c.x() + 1.5, c.y() - 2.5, 1, 5, colour);
  };
}

IconPainter Label(const QString& text, int largestPixelSize) {
  return [text, largestPixelSize](QPainter& painter, const QRectF& area, const QColor& colour) {
    DrawFittedLabel(painter, area.adjusted(1, 0, -1, 0), text, colour, largestPixelSize);
  };
}

}  // namespace SkinGen::Icons
