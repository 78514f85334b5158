#pragma once
#include <QWidget>

// Holds what the native skin loader produces.
class TFrontEndSkinForm : public QWidget {
  Q_OBJECT
 public:
  explicit TFrontEndSkinForm(QWidget* parent = nullptr);
};
