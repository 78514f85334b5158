#pragma once
#include <QString>
#include <QStringList>

class QWidget;

namespace PlatformUi {

// File and folder choosers go through this service so tests can script the
// user's answer. An empty result means the user cancelled.
class FileDialogService {
 public:
  virtual ~FileDialogService() = default;
  virtual QStringList OpenFileNames(QWidget* parent, const QString& title,
                                    const QString& folder, const QString& filter) = 0;
  virtual QString OpenFileName(QWidget* parent, const QString& title, const QString& folder,
                               const QString& filter) = 0;
  virtual QString SaveFileName(QWidget* parent, const QString& title, const QString& folder,
                               const QString& filter) = 0;
  virtual QString ExistingFolder(QWidget* parent, const QString& title,
                                 const QString& folder) = 0;
};

FileDialogService& FileDialogs();
// Replaces the service; nullptr restores the real dialogs. The caller keeps ownership.
void SetFileDialogService(FileDialogService* service);

}  // namespace PlatformUi
