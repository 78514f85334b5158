#include "TSubmitTofreedbForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include "cddb/CDInformation.h"
#include "cddb/CDLookupSettings.h"
#include "cddb/ServerWaitIndicator.h"
#include "cddb/TCddb.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/ModalDialogService.h"

TSubmitTofreedbForm* SubmitTofreedbForm = nullptr;

namespace {

const char* const Categories[] = {"blues", "classical", "country", "data",       "folk", "jazz",
                                  "newage", "reggae",   "rock",    "soundtrack", "misc"};

void Tell(const QString& text) { PlatformUi::ShowMessage(text, QStringLiteral("Message")); }

// Shows each track with its number, and an untitled one as such, so that
// empty titles can be found and chosen.
class TrackTitleDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

 protected:
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    const QString title = index.data().toString();
    option->text = QStringLiteral("%1. %2").arg(index.row() + 1, 2, 10, QLatin1Char('0'))
                       .arg(title.isEmpty() ? QStringLiteral("(no title)") : title);
  }
};

QLineEdit* ReadOnlyEdit() {
  auto* edit = new QLineEdit;
  edit->setReadOnly(true);
  return edit;
}

}  // namespace

TSubmitTofreedbForm::TSubmitTofreedbForm(QWidget* parent)
    : QDialog(parent),
      Edit1(new QLineEdit),
      Edit2(new QLineEdit),
      Edit11(ReadOnlyEdit()),
      Edit10(ReadOnlyEdit()),
      ListBox1(new QListWidget),
      Edit8(new QLineEdit),
      ComboBox1(new QComboBox),
      Edit3(ReadOnlyEdit()),
      Edit7(ReadOnlyEdit()),
      Memo1(new QPlainTextEdit),
      Memo2(new QPlainTextEdit),
      Edit5(new QLineEdit),
      Edit4(new QLineEdit),
      EmailEdit(new QLineEdit),
      TestSubmissionCheckBox(new QCheckBox(QStringLiteral("Test submission (the server checks the entry only)"))),
      Button3(new QPushButton(QStringLiteral("Save Local"))),
      Button1(new QPushButton(QStringLiteral("Submit disk"))),
      Button2(new QPushButton(QStringLiteral("Cancel"))),
      waitIndicator_(new ServerWaitIndicator) {
  setWindowTitle(QStringLiteral("Submit CD Information"));
  for (const char* category : Categories) ComboBox1->addItem(QLatin1String(category));
  ListBox1->setItemDelegate(new TrackTitleDelegate(ListBox1));
  Edit10->setMaximumWidth(50);
  Edit11->setMaximumWidth(50);

  auto* trackRow = new QHBoxLayout;
  trackRow->addWidget(Edit11);
  trackRow->addWidget(new QLabel(QStringLiteral("of")));
  trackRow->addWidget(Edit10);
  trackRow->addWidget(Edit8, 1);
  auto* required = new QGroupBox(QStringLiteral("Required fields"));
  auto* requiredForm = new QFormLayout(required);
  requiredForm->addRow(QStringLiteral("CD Artist"), Edit1);
  requiredForm->addRow(QStringLiteral("CD Title"), Edit2);
  requiredForm->addRow(QStringLiteral("CD Track"), trackRow);
  requiredForm->addRow(ListBox1);
  requiredForm->addRow(QStringLiteral("Category"), ComboBox1);
  requiredForm->addRow(QStringLiteral("DiscID"), Edit3);
  requiredForm->addRow(QStringLiteral("Revision"), Edit7);

  auto* optional = new QGroupBox(QStringLiteral("Optional Fields"));
  auto* optionalForm = new QFormLayout(optional);
  optionalForm->addRow(new QLabel(QStringLiteral("Extended CD Information")));
  optionalForm->addRow(Memo1);
  optionalForm->addRow(new QLabel(QStringLiteral("Extended CD Tracks Information")));
  optionalForm->addRow(Memo2);
  optionalForm->addRow(QStringLiteral("Genre"), Edit5);
  optionalForm->addRow(QStringLiteral("Year"), Edit4);

  auto* submission = new QGroupBox(QStringLiteral("Submission"));
  auto* submissionForm = new QFormLayout(submission);
  submissionForm->addRow(QStringLiteral("Email:"), EmailEdit);
  submissionForm->addRow(TestSubmissionCheckBox);

  auto* columns = new QHBoxLayout;
  columns->addWidget(required, 1);
  auto* right = new QVBoxLayout;
  right->addWidget(optional);
  right->addWidget(submission);
  columns->addLayout(right, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(waitIndicator_);
  buttons->addStretch();
  buttons->addWidget(Button3);
  buttons->addWidget(Button1);
  buttons->addWidget(Button2);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(columns);
  layout->addLayout(buttons);
  resize(760, 520);

  // Return in a field moves on instead of pressing an action button.
  for (QPushButton* button : {Button3, Button1, Button2}) button->setAutoDefault(false);
  Memo2->installEventFilter(this);
  connect(ListBox1, &QListWidget::currentRowChanged, this, &TSubmitTofreedbForm::ListBox1Click);
  connect(Edit8, &QLineEdit::textEdited, this, &TSubmitTofreedbForm::Edit8Change);
  connect(Edit8, &QLineEdit::returnPressed, this, [this] {
    if (ListBox1->currentRow() + 1 < ListBox1->count()) ListBox1->setCurrentRow(ListBox1->currentRow() + 1);
  });
  connect(Button3, &QPushButton::clicked, this, &TSubmitTofreedbForm::Button3Click);
  connect(Button1, &QPushButton::clicked, this, &TSubmitTofreedbForm::Button1Click);
  connect(Button2, &QPushButton::clicked, this, &TSubmitTofreedbForm::reject);
}

int TSubmitTofreedbForm::ShowModal() {
  FormShow();
  return PlatformUi::ExecModal(*this);
}

void TSubmitTofreedbForm::FormShow() {
  Cddb::TCddb* freedb = FreeDBInterface::Freedb();
  if (freedb == nullptr) return;
  const Cddb::TCDInfo& info = freedb->GetCDInfo();
  const int tracks = qBound(0, static_cast<int>(info.CDTOC.TrackCount), Cddb::MaxTracks);
  Edit3->setText(info.CDDiscId);
  Edit1->setText(info.CDArtist);
  Edit2->setText(info.CDTitle);
  Edit4->setText(info.CDYear);
  Edit5->setText(info.CDGenre);
  Edit7->setText(QString::number(info.CDRevision));
  Edit10->setText(QString::number(tracks));
  ComboBox1->setCurrentIndex(ComboBox1->findText(info.CDCategory, Qt::MatchFixedString | Qt::MatchCaseSensitive));
  Memo1->setPlainText(CDInfoEditing::SplitIntoLines(info.CDExtendedData).join(QLatin1Char('\n')));
  Memo2->clear();
  Edit11->clear();
  trackExtData_.clear();
  ListBox1->blockSignals(true);
  ListBox1->clear();
  for (int n = 0; n < tracks; ++n) {
    ListBox1->addItem(info.CDTrackTitles[static_cast<size_t>(n)]);
    trackExtData_.append(info.CDTrackExtData[static_cast<size_t>(n)]);
  }
  ListBox1->blockSignals(false);
  Edit8->setText(tracks > 0 ? info.CDTrackTitles[0] : QString());
  // With the first track chosen, typing in the title field names it.
  if (tracks > 0) ListBox1->setCurrentRow(0);

  const CDLookup::Settings settings = CDLookup::Load();
  EmailEdit->setText(settings.EmailUser);
  TestSubmissionCheckBox->setChecked(settings.SubmissionType == Cddb::TSubmissionType::TEST);
}

void TSubmitTofreedbForm::ListBox1Click() {
  const int row = ListBox1->currentRow();
  if (row < 0) return;
  Edit11->setText(QString::number(row + 1));
  Edit8->setText(ListBox1->item(row)->text());
  Memo2->setPlainText(CDInfoEditing::SplitIntoLines(trackExtData_.value(row)).join(QLatin1Char('\n')));
}

void TSubmitTofreedbForm::Edit8Change() {
  const int row = ListBox1->currentRow();
  if (row < 0) return;
  Edit11->setText(QString::number(row + 1));
  ListBox1->item(row)->setText(Edit8->text());
}

void TSubmitTofreedbForm::Memo2Exit() {
  const int row = ListBox1->currentRow();
  if (row < 0 || row >= trackExtData_.size()) return;
  trackExtData_[row] = CDInfoEditing::WithoutTrailingBlanks(Memo2->toPlainText());
}

bool TSubmitTofreedbForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Memo2 && event->type() == QEvent::FocusOut) Memo2Exit();
  return QDialog::eventFilter(watched, event);
}

CDInfoEditing::EditedFields TSubmitTofreedbForm::Fields() const {
  CDInfoEditing::EditedFields fields{Edit1->text(), Edit2->text(),          Edit3->text(), Edit7->text(),
                                     ComboBox1->currentText(), Edit4->text(), {}};
  for (int row = 0; row < ListBox1->count(); ++row) fields.trackTitles.append(ListBox1->item(row)->text());
  return fields;
}

bool TSubmitTofreedbForm::ValidateFields() {
  const CDInfoEditing::Validation validation = CDInfoEditing::Validate(Fields());
  for (const QString& message : validation.messages) Tell(message);
  if (validation.clearYear) Edit4->clear();
  return validation.Passed();
}

void TSubmitTofreedbForm::StoreIntoRecord() {
  Memo2Exit();
  Cddb::TCDInfo& info = FreeDBInterface::Freedb()->GetCDInfo();
  info.CDArtist = Edit1->text();
  info.CDTitle = Edit2->text();
  info.CDYear = Edit4->text();
  info.CDGenre = Edit5->text();
  info.CDRevision = Edit7->text().toInt();
  info.CDTOC.TrackCount = static_cast<uint8_t>(qBound(0, Edit10->text().toInt(), Cddb::MaxTracks));
  info.CDCategory = ComboBox1->currentText();
  info.CDExtendedData = CDInfoEditing::WithoutTrailingBlanks(Memo1->toPlainText());
  for (int row = 0; row < ListBox1->count() && row < Cddb::MaxTracks; ++row) {
    info.CDTrackTitles[static_cast<size_t>(row)] = ListBox1->item(row)->text();
    info.CDTrackExtData[static_cast<size_t>(row)] = CDInfoEditing::JoinedLines(trackExtData_.value(row));
  }
}

void TSubmitTofreedbForm::SaveSubmissionSettings() {
  CDLookup::Settings settings = CDLookup::Load();
  settings.EmailUser = EmailEdit->text().trimmed();
  settings.SubmissionType =
      TestSubmissionCheckBox->isChecked() ? Cddb::TSubmissionType::TEST : Cddb::TSubmissionType::SUBMIT;
  CDLookup::Save(settings);
}

void TSubmitTofreedbForm::Button3Click() {
  if (FreeDBInterface::Freedb() == nullptr || !ValidateFields()) return;
  StoreIntoRecord();
  if (FreeDBInterface::Freedb()->SaveLocal() != 0) {
    Tell(QStringLiteral("The CD Information could not be saved to the Local Database"));
    return;
  }
  Tell(QStringLiteral("CD Information Successfully Saved to Local Database"));
  accept();
}

void TSubmitTofreedbForm::Button1Click() {
  Cddb::TCddb* freedb = FreeDBInterface::Freedb();
  if (freedb == nullptr || !ValidateFields()) return;
  const QStringList refusals = CDInfoEditing::SubmissionRefusals(EmailEdit->text(), Fields());
  for (const QString& refusal : refusals) Tell(refusal);
  if (!refusals.isEmpty()) return;
  StoreIntoRecord();
  SaveSubmissionSettings();
  if (freedb->CreateEntry() != 0) {
    Tell(QStringLiteral("Submittion Failed"));
    return;
  }
  CDLookup::ApplyTo(CDLookup::Load(), *freedb, Cddb::TServerType::HTTP);
  const int result = waitIndicator_->Run(*freedb, {Edit1, Edit2, ListBox1, Edit8, ComboBox1, Memo1, Memo2, Edit5,
                                                   Edit4, EmailEdit, TestSubmissionCheckBox, Button3, Button1},
                                         [freedb] { return freedb->HttpSubmit(); });
  if (result != 0) {
    Tell(freedb->Cancelled() ? QStringLiteral("The submission was cancelled.")
                             : QStringLiteral("Submittion Failed due to an Internal Error"));
    return;
  }
  if (!freedb->SubmissionAccepted) {
    Tell(QStringLiteral("The freedb server did not accept the submission: ") + freedb->SubmissionReply);
    return;
  }
  Tell(QStringLiteral("CD Information Successfully Submitted to freedb Servers"));
  freedb->SaveLocal();
  accept();
}

void TSubmitTofreedbForm::reject() {
  if (waitIndicator_->Waiting()) {
    FreeDBInterface::Freedb()->Cancel();
    return;
  }
  QDialog::reject();
}
