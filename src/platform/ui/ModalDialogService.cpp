#include "ModalDialogService.h"

#include <QDialog>

namespace PlatformUi {

namespace {

class RealModalDialogService : public ModalDialogService {
 public:
  int Exec(QDialog& dialog) override { return dialog.exec(); }
};

RealModalDialogService realService;
ModalDialogService* current = &realService;

}  // namespace

ModalDialogService& ModalDialogs() { return *current; }

void SetModalDialogService(ModalDialogService* service) { current = service ? service : &realService; }

int ExecModal(QDialog& dialog) { return current->Exec(dialog); }

}  // namespace PlatformUi
