#include "TestEnvironment.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace TestSupport {

QMessageBox::StandardButton RecordingMessageBoxService::Show(const QString& text,
                                                             const QString& caption,
                                                             QMessageBox::Icon,
                                                             QMessageBox::StandardButtons buttons) {
  shown.push_back({text, caption});
  if (!answers.empty()) {
    const auto answer = answers.front();
    answers.pop_front();
    return answer;
  }
  return buttons.testFlag(QMessageBox::Ok) ? QMessageBox::Ok : QMessageBox::Yes;
}

QStringList ScriptedFileDialogService::Next(FileDialogCall call) {
  calls.push_back(std::move(call));
  if (answers.empty()) return {};
  QStringList answer = answers.front();
  answers.pop_front();
  return answer;
}

QStringList ScriptedFileDialogService::OpenFileNames(QWidget*, const QString& title,
                                                     const QString& folder, const QString& filter) {
  return Next({"OpenFileNames", title, folder, filter});
}

QString ScriptedFileDialogService::OpenFileName(QWidget*, const QString& title,
                                                const QString& folder, const QString& filter) {
  return Next({"OpenFileName", title, folder, filter}).value(0);
}

QString ScriptedFileDialogService::SaveFileName(QWidget*, const QString& title,
                                                const QString& folder, const QString& filter) {
  return Next({"SaveFileName", title, folder, filter}).value(0);
}

QString ScriptedFileDialogService::ExistingFolder(QWidget*, const QString& title,
                                                  const QString& folder) {
  return Next({"ExistingFolder", title, folder, {}}).value(0);
}

int ScriptedModalDialogService::Exec(QDialog& dialog) {
  shownTitles.append(dialog.windowTitle());
  return answer ? answer(dialog) : QDialog::Rejected;
}

namespace {

struct PerTestState {
  QTemporaryDir programFolder;
  RecordingMessageBoxService messageBoxes;
  ScriptedFileDialogService fileDialogs;
  ScriptedModalDialogService modalDialogs;
};

std::unique_ptr<PerTestState> current;

// Gives each test a fresh program folder and fresh dialog services.
class FreshProgramFolderListener : public testing::EmptyTestEventListener {
  void OnTestStart(const testing::TestInfo&) override {
    current = std::make_unique<PerTestState>();
    qputenv("SOLVANE_HOME", current->programFolder.path().toLocal8Bit());
    PlatformUi::SetMessageBoxService(&current->messageBoxes);
    PlatformUi::SetFileDialogService(&current->fileDialogs);
    PlatformUi::SetModalDialogService(&current->modalDialogs);
  }
  void OnTestEnd(const testing::TestInfo&) override {
    PlatformUi::SetMessageBoxService(nullptr);
    PlatformUi::SetFileDialogService(nullptr);
    PlatformUi::SetModalDialogService(nullptr);
    current.reset();
  }
};

}  // namespace

RecordingMessageBoxService& MessageBoxes() { return current->messageBoxes; }
ScriptedFileDialogService& FileDialogs() { return current->fileDialogs; }
ScriptedModalDialogService& ModalDialogs() { return current->modalDialogs; }

QString ProgramFolder() { return current->programFolder.path() + "/"; }

QString BuildFolder() { return qEnvironmentVariable("SOLVANE_BUILD_DIR"); }

}  // namespace TestSupport

int main(int argc, char** argv) {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (!qEnvironmentVariableIsSet("SOLVANE_AUDIO_OUTPUT")) qputenv("SOLVANE_AUDIO_OUTPUT", "null");
  QApplication app(argc, argv);
  testing::InitGoogleTest(&argc, argv);
  testing::UnitTest::GetInstance()->listeners().Append(
      new TestSupport::FreshProgramFolderListener);
  return RUN_ALL_TESTS();
}
