#include "TAddAudioCDForm.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/cdaccess/CdAccess.h"
#include "platform/ui/FileDialogService.h"
#include "platform/ui/ModalDialogService.h"
#include "platform/ui/ProgramFolder.h"

namespace {

QString DriveDescription(const QString& drive) {
  CDTOCRecord toc;
  if (CdAccess::ReadToc(drive, toc) != CdAccess::TocStatus::Ok) return drive + QStringLiteral(" - no disc");
  return drive + QStringLiteral(" - CD with %1 tracks").arg(toc.TrackCount);
}

}  // namespace

TAddAudioCDForm::TAddAudioCDForm(QWidget* parent)
    : QDialog(parent),
      DriveList(new QListWidget),
      ImageButton(new QPushButton(QStringLiteral("Disc Image..."))),
      AddButton(new QPushButton(QStringLiteral("Add"))),
      CancelButton(new QPushButton(QStringLiteral("Cancel"))) {
  setWindowTitle(QStringLiteral("Add Audio CD"));
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ImageButton);
  buttons->addStretch();
  buttons->addWidget(AddButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Add the tracks of the CD in:")));
  layout->addWidget(DriveList);
  layout->addLayout(buttons);
  AddButton->setDefault(true);
  resize(420, 240);
  connect(ImageButton, &QPushButton::clicked, this, &TAddAudioCDForm::ImageButtonClick);
  connect(AddButton, &QPushButton::clicked, this, &TAddAudioCDForm::AddButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
  connect(DriveList, &QListWidget::itemDoubleClicked, this, &TAddAudioCDForm::AddButtonClick);
}

QString TAddAudioCDForm::ChooseDisc() {
  chosen_.clear();
  FillDriveList();
  return PlatformUi::ExecModal(*this) == QDialog::Accepted ? chosen_ : QString();
}

void TAddAudioCDForm::FillDriveList() {
  DriveList->clear();
  for (const QString& drive : CdAccess::EnumerateDrives()) {
    auto* item = new QListWidgetItem(DriveDescription(drive), DriveList);
    item->setData(Qt::UserRole, drive);
  }
  if (DriveList->count() == 0) {
    auto* item = new QListWidgetItem(QStringLiteral("No CD drive found: choose a disc image"), DriveList);
    item->setFlags(Qt::NoItemFlags);
  } else {
    DriveList->setCurrentRow(0);
  }
  AddButton->setEnabled(DriveList->currentRow() >= 0);
}

void TAddAudioCDForm::ImageButtonClick() {
  const QString image = PlatformUi::FileDialogs().OpenFileName(
      this, QStringLiteral("Open Disc Image"), PlatformUi::DefaultLastFolder(),
      QStringLiteral("CD Images (*.cue *.toc *.nrg);;All files (*)"));
  if (image.isEmpty()) return;
  chosen_ = image;
  accept();
}

void TAddAudioCDForm::AddButtonClick() {
  const QListWidgetItem* item = DriveList->currentItem();
  if (item == nullptr || !(item->flags() & Qt::ItemIsEnabled)) return;
  chosen_ = item->data(Qt::UserRole).toString();
  accept();
}
