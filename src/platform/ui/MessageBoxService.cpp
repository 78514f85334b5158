#include "MessageBoxService.h"

#include <QApplication>

namespace PlatformUi {

namespace {

class DialogMessageBoxService : public MessageBoxService {
 public:
  QMessageBox::StandardButton Show(const QString& text, const QString& caption,
                                   QMessageBox::Icon icon,
                                   QMessageBox::StandardButtons buttons) override {
    QMessageBox box(icon, caption, text, buttons, QApplication::activeWindow());
    return static_cast<QMessageBox::StandardButton>(box.exec());
  }
};

DialogMessageBoxService dialogService;
MessageBoxService* current = &dialogService;

}  // namespace

MessageBoxService& MessageBoxes() { return *current; }

void SetMessageBoxService(MessageBoxService* service) {
  current = service ? service : &dialogService;
}

void ShowMessage(const QString& text, const QString& caption, QMessageBox::Icon icon) {
  MessageBoxes().Show(text, caption, icon, QMessageBox::Ok);
}

void ShowErrorMessage(const QString& text) {
  ShowMessage(text, QStringLiteral("Error"), QMessageBox::Critical);
}

}  // namespace PlatformUi
