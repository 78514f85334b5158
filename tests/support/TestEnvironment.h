#pragma once
// Shared by every test executable: a headless QApplication, a fresh temporary
// program folder for each test (SOLVANE_HOME), and message-box and file-dialog
// services that record what the player asked and answer from a script.
#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

#include "platform/ui/FileDialogService.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/ModalDialogService.h"

namespace TestSupport {

struct ShownMessage {
  QString text;
  QString caption;
};

class RecordingMessageBoxService : public PlatformUi::MessageBoxService {
 public:
  QMessageBox::StandardButton Show(const QString& text, const QString& caption, QMessageBox::Icon,
                                   QMessageBox::StandardButtons buttons) override;
  std::vector<ShownMessage> shown;
  // Answers given in order; when empty the box answers OK (or its first button).
  std::deque<QMessageBox::StandardButton> answers;
};

struct FileDialogCall {
  QString kind;  // "OpenFileNames", "OpenFileName", "SaveFileName" or "ExistingFolder"
  QString title;
  QString folder;
  QString filter;
};

class ScriptedFileDialogService : public PlatformUi::FileDialogService {
 public:
  QStringList OpenFileNames(QWidget*, const QString& title, const QString& folder,
                            const QString& filter) override;
  QString OpenFileName(QWidget*, const QString& title, const QString& folder,
                       const QString& filter) override;
  QString SaveFileName(QWidget*, const QString& title, const QString& folder,
                       const QString& filter) override;
  QString ExistingFolder(QWidget*, const QString& title, const QString& folder) override;

  std::vector<FileDialogCall> calls;
  // Each dialog takes the next answer; an empty answer (or none left) is a cancel.
  std::deque<QStringList> answers;

 private:
  QStringList Next(FileDialogCall call);
};

// Modal dialogs are handed to the test's function, which plays the user on
// the dialog and returns its result; without one every dialog is cancelled.
class ScriptedModalDialogService : public PlatformUi::ModalDialogService {
 public:
  int Exec(QDialog& dialog) override;
  std::function<int(QDialog&)> answer;
  QStringList shownTitles;
};

// The services installed for the running test.
RecordingMessageBoxService& MessageBoxes();
ScriptedFileDialogService& FileDialogs();
ScriptedModalDialogService& ModalDialogs();

// The running test's own program folder, with a trailing "/".
QString ProgramFolder();

// The build directory (holds the generated default skin and demo songs).
QString BuildFolder();

}  // namespace TestSupport
