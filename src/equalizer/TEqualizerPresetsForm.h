#pragma once
#include <QWidget>

// The equalizer presets window.
class TEqualizerPresetsForm : public QWidget {
  Q_OBJECT
 public:
  explicit TEqualizerPresetsForm(QWidget* parent = nullptr);
};
