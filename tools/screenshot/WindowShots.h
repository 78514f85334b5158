#pragma once
// Pictures of the player's windows as they are on screen.
#include <QImage>
#include <QString>
#include <QWidget>

#include <vector>

namespace Screenshot {

struct WindowShot {
  QString name;
  QWidget* window;
};

// Lets the player's timers run for the given time so that every display
// (scrolling text, times, visual effects) has been drawn.
void RunEventLoopFor(int milliseconds);

// The window's picture as its screen shows it.
QImage Shoot(QWidget* window);

// All visible windows at their screen positions relative to each other, on a
// transparent background.
QImage ShootTogether(const std::vector<WindowShot>& shots);

}  // namespace Screenshot
