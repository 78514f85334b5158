#pragma once
#include <QElapsedTimer>
#include <QList>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QProgressBar;

namespace Cddb {
class TCddb;
}

// Shows that a CD window waits for a CDDB server: a moving bar and the
// seconds waited so far. While it runs, the window's other inputs are off,
// the rest of the player keeps running and the window's Cancel button
// cancels the exchange (TCddb::Cancel).
class ServerWaitIndicator : public QWidget {
  Q_OBJECT
 public:
  explicit ServerWaitIndicator(QWidget* parent = nullptr);

  // Runs the exchange with the indicator shown and the inputs disabled; its result.
  int Run(Cddb::TCddb& cddb, const QList<QWidget*>& inputs, const std::function<int()>& exchange);
  bool Waiting() const { return waiting_; }

 private:
  void ShowElapsed();

  QProgressBar* bar_;
  QLabel* label_;
  QTimer tick_;
  QElapsedTimer elapsed_;
  bool waiting_ = false;
};
