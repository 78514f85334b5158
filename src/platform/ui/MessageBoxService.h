#pragma once
#include <QMessageBox>
#include <QString>

namespace PlatformUi {

// Modal message boxes go through this service so tests can answer them
// without a window ever blocking.
class MessageBoxService {
 public:
  virtual ~MessageBoxService() = default;
  virtual QMessageBox::StandardButton Show(const QString& text, const QString& caption,
                                           QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons) = 0;
};

MessageBoxService& MessageBoxes();
// Replaces the service; nullptr restores the real dialogs. The caller keeps ownership.
void SetMessageBoxService(MessageBoxService* service);

// Shorthands for the common boxes.
void ShowMessage(const QString& text, const QString& caption,
                 QMessageBox::Icon icon = QMessageBox::NoIcon);
void ShowErrorMessage(const QString& text);  // captioned "Error"

}  // namespace PlatformUi
