#pragma once
// The equalizer's response diagram: a red line through the ten band values,
// with two in-between points per gap, over the diagram background, and the
// preamp level as a horizontal line.
#include <QImage>
#include <QPoint>

#include <array>
#include <cstdint>

#include "platform/ui/ImageList.h"

namespace EQResponseDiagram {

constexpr int kPointCount = 28;
constexpr int kMaximum = 100;

struct Geometry {
  int step = 12;      // pixels between two band points
  int preAmpX = 0;    // where the preamp line starts
  int offsetX = 2;    // where the first band point sits
};

// Slider values 0..100, preamp first, then bands 1..10.
using SliderValues = std::array<int16_t, 11>;

// The polyline on a canvas `height` pixels high: band i at point 3i, the
// points a quarter and half of the way to the next band between them; the
// top of the canvas is the maximum.
std::array<QPoint, kPointCount> DiagramPoints(const SliderValues& values, const Geometry& geometry,
                                              int height);

// The row of the preamp line: the top for the maximum, the bottom for 0.
int PreAmpLineY(int preAmpValue, int height);

// Background sprite 0, the preamp line image, then the polyline.
void DrawDiagram(QImage& canvas, const PlatformUi::ImageList& backgrounds, const QImage& preAmpLine,
                 const SliderValues& values, const Geometry& geometry);

}  // namespace EQResponseDiagram
