#include "TfreedbMatchesDialogForm.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "cddb/CDInformation.h"
#include "platform/ui/ModalDialogService.h"

TfreedbMatchesDialogForm* freedbMatchesDialogForm = nullptr;

TfreedbMatchesDialogForm::TfreedbMatchesDialogForm(QWidget* parent)
    : QDialog(parent),
      ListBox1(new QListWidget),
      Button1(new QPushButton(QStringLiteral("OK"))),
      Button2(new QPushButton(QStringLiteral("Cancel"))) {
  setWindowTitle(QStringLiteral("Multiple Matches found"));
  auto* group = new QGroupBox(QStringLiteral("Select Exact Match"));
  auto* groupLayout = new QVBoxLayout(group);
  groupLayout->addWidget(ListBox1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
  Button1->setDefault(true);
  resize(480, 300);
  connect(Button1, &QPushButton::clicked, this, &TfreedbMatchesDialogForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
  connect(ListBox1, &QListWidget::itemDoubleClicked, this, &TfreedbMatchesDialogForm::Button1Click);
}

int TfreedbMatchesDialogForm::ShowModal() {
  FormShow();
  return PlatformUi::ExecModal(*this);
}

void TfreedbMatchesDialogForm::FormShow() {
  ListBox1->clear();
  ListBox1->addItems(FreeDBInterface::State().MatchList);
  if (ListBox1->count() > 0) ListBox1->setCurrentRow(0);
}

void TfreedbMatchesDialogForm::Button1Click() {
  FreeDBInterface::State().ChosenMatchIndex = ListBox1->currentRow();
  accept();
}
