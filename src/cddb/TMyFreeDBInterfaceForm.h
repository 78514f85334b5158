#pragma once
#include <QWidget>

// The CD information lookup window.
class TMyFreeDBInterfaceForm : public QWidget {
  Q_OBJECT
 public:
  explicit TMyFreeDBInterfaceForm(QWidget* parent = nullptr);
};
