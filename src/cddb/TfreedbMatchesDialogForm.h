#pragma once
#include <QWidget>

// Lets the user choose among several CD matches.
class TfreedbMatchesDialogForm : public QWidget {
  Q_OBJECT
 public:
  explicit TfreedbMatchesDialogForm(QWidget* parent = nullptr);
};
