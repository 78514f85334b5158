#include "WindowStacking.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

#include "app/Forms.h"
#include "app/TDeckForm.h"

namespace {

class RaiseTogether : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowActivate) {
      // Raising does not activate, so this does not run again for the others.
      for (QWidget* window : PlayerWindows()) {
        if (window != watched && window->isVisible()) window->raise();
      }
      static_cast<QWidget*>(watched)->raise();
    }
    return false;
  }
};

}  // namespace

void InstallRaiseTogether() {
  // Windows drawn off any screen (tests, the soak run) have no stacking order.
  if (QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  auto* filter = new RaiseTogether(DeckForm);
  for (QWidget* window : PlayerWindows()) window->installEventFilter(filter);
}
