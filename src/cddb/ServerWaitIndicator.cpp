#include "ServerWaitIndicator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>

#include "cddb/TCddb.h"

ServerWaitIndicator::ServerWaitIndicator(QWidget* parent)
    : QWidget(parent), bar_(new QProgressBar), label_(new QLabel) {
  bar_->setRange(0, 0);  // no known end: the bar moves back and forth
  bar_->setMaximumWidth(120);
  bar_->setTextVisible(false);
  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(label_);
  layout->addWidget(bar_);
  tick_.setInterval(250);
  connect(&tick_, &QTimer::timeout, this, &ServerWaitIndicator::ShowElapsed);
  hide();
}

void ServerWaitIndicator::ShowElapsed() {
  label_->setText(QStringLiteral("Waiting for the server: %1 s (Cancel stops)").arg(elapsed_.elapsed() / 1000));
}

int ServerWaitIndicator::Run(Cddb::TCddb& cddb, const QList<QWidget*>& inputs,
                             const std::function<int()>& exchange) {
  QList<QWidget*> disabled;
  for (QWidget* input : inputs) {
    if (!input->isEnabled()) continue;
    input->setEnabled(false);
    disabled.append(input);
  }
  cddb.ClearCancel();
  cddb.UserInputWhileWaiting = true;
  waiting_ = true;
  elapsed_.start();
  ShowElapsed();
  show();
  tick_.start();
  const int result = exchange();
  tick_.stop();
  hide();
  waiting_ = false;
  cddb.UserInputWhileWaiting = false;
  for (QWidget* input : disabled) input->setEnabled(true);
  return result;
}
