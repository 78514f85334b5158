#pragma once
class QDialog;

namespace PlatformUi {

// Modal dialog windows are run through this service so tests can act on the
// dialog and answer for the user without a window ever blocking.
class ModalDialogService {
 public:
  virtual ~ModalDialogService() = default;
  // Runs the dialog modally; its result (QDialog::Accepted or Rejected).
  virtual int Exec(QDialog& dialog) = 0;
};

ModalDialogService& ModalDialogs();
// Replaces the service; nullptr restores the real dialogs. The caller keeps ownership.
void SetModalDialogService(ModalDialogService* service);

// Shorthand: ModalDialogs().Exec(dialog).
int ExecModal(QDialog& dialog);

}  // namespace PlatformUi
