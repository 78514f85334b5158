#pragma once
#include <QWidget>

// Edits and submits CD information.
class TSubmitTofreedbForm : public QWidget {
  Q_OBJECT
 public:
  explicit TSubmitTofreedbForm(QWidget* parent = nullptr);
};
