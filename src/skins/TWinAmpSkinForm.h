#pragma once
#include <QWidget>

// Holds what the Winamp skin loader produces.
class TWinAmpSkinForm : public QWidget {
  Q_OBJECT
 public:
  explicit TWinAmpSkinForm(QWidget* parent = nullptr);
};
