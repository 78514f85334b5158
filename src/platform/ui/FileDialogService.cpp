#include "FileDialogService.h"

#include <QFileDialog>

namespace PlatformUi {

namespace {

class QtFileDialogService : public FileDialogService {
 public:
  QStringList OpenFileNames(QWidget* parent, const QString& title, const QString& folder,
                            const QString& filter) override {
    return QFileDialog::getOpenFileNames(parent, title, folder, filter);
  }
  QString OpenFileName(QWidget* parent, const QString& title, const QString& folder,
                       const QString& filter) override {
    return QFileDialog::getOpenFileName(parent, title, folder, filter);
  }
  QString SaveFileName(QWidget* parent, const QString& title, const QString& folder,
                       const QString& filter) override {
    return QFileDialog::getSaveFileName(parent, title, folder, filter);
  }
  QString ExistingFolder(QWidget* parent, const QString& title, const QString& folder) override {
    return QFileDialog::getExistingDirectory(parent, title, folder);
  }
};

QtFileDialogService qtService;
FileDialogService* current = &qtService;

}  // namespace

FileDialogService& FileDialogs() { return *current; }

void SetFileDialogService(FileDialogService* service) {
  current = service ? service : &qtService;
}

}  // namespace PlatformUi
