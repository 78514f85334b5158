#include "TAddUrlForm.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "audio/StreamUrl.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/ModalDialogService.h"
#include "playlist/RecentUrls.h"

TAddUrlForm::TAddUrlForm(QWidget* parent)
    : QDialog(parent),
      UrlComboBox(new QComboBox),
      OKButton(new QPushButton(QStringLiteral("OK"))),
      CancelButton(new QPushButton(QStringLiteral("Cancel"))) {
  setWindowTitle(QStringLiteral("Add Url"));
  UrlComboBox->setEditable(true);
  UrlComboBox->setInsertPolicy(QComboBox::NoInsert);
  UrlComboBox->setMinimumContentsLength(40);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(QStringLiteral("Address of the internet radio stream or station playlist:")));
  layout->addWidget(UrlComboBox);
  layout->addLayout(buttons);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &TAddUrlForm::OKButtonClick);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

QString TAddUrlForm::AskForUrl() {
  chosen_.clear();
  UrlComboBox->clear();
  UrlComboBox->addItems(RecentUrls::LoadRecentUrls());
  UrlComboBox->setCurrentIndex(-1);
  UrlComboBox->setEditText(QString());
  UrlComboBox->setFocus();
  if (PlatformUi::ExecModal(*this) != QDialog::Accepted) return {};
  RecentUrls::RememberUrl(chosen_);
  return chosen_;
}

void TAddUrlForm::OKButtonClick() {
  const KestrelixAudioApi::CheckedUrl checked = KestrelixAudioApi::CheckStreamUrl(UrlComboBox->currentText());
  if (checked.url.isEmpty()) {
    PlatformUi::ShowMessage(checked.error, QStringLiteral("Add Url"), QMessageBox::Warning);
    UrlComboBox->lineEdit()->selectAll();
    return;
  }
  chosen_ = checked.url;
  accept();
}
