#pragma once
#include <QWidget>

// The preferences dialog with the skin browser.
class TPreferencesDialogForm : public QWidget {
  Q_OBJECT
 public:
  explicit TPreferencesDialogForm(QWidget* parent = nullptr);
};
