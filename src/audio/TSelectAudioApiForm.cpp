#include "TSelectAudioApiForm.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>

#include "KestrelixAudioApi.h"

TSelectAudioApiForm* SelectAudioApiForm = nullptr;

TSelectAudioApiForm::TSelectAudioApiForm(QWidget* parent)
    : QDialog(parent),
      SelectLabel(new QLabel(QStringLiteral("Select Audio API:"), this)),
      AudioAPIsListBox(new QListWidget(this)),
      OKButton(new QPushButton(QStringLiteral("OK"), this)),
      CancelButton(new QPushButton(QStringLiteral("Cancel"), this)) {
  setWindowTitle(QStringLiteral("Dialog"));
  AudioAPIsListBox->addItems(
      {QStringLiteral("XAudio   API Output"), QStringLiteral("Bass 1.6 API OutPut")});

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(OKButton);
  buttons->addWidget(CancelButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SelectLabel);
  layout->addWidget(AudioAPIsListBox);
  layout->addLayout(buttons);

  connect(AudioAPIsListBox, &QListWidget::itemDoubleClicked, this,
          &TSelectAudioApiForm::AudioAPIsListBoxDblClick);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelButton, &QPushButton::clicked, this, &QDialog::reject);

  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void TSelectAudioApiForm::AudioAPIsListBoxDblClick(QListWidgetItem* item) {
  KestrelixAudioApi::SelectAudioAPI(AudioAPIsListBox->row(item));
}
