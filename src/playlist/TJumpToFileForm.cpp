#include "TJumpToFileForm.h"

#include <QAbstractListModel>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include <vector>

#include "playlist/JumpToFileFilter.h"
#include "playlist/PlayListDisplayOptions.h"
#include "playlist/PlayListModel.h"

// The matching entries as the results list shows them: number, artist and title.
class JumpToFileResults : public QAbstractListModel {
 public:
  explicit JumpToFileResults(const PlayListModel& model, QObject* parent) : QAbstractListModel(parent), model_(model) {}

  void Show(const std::vector<int32_t>& matches) {
    beginResetModel();
    matches_ = matches;
    endResetModel();
  }
  int32_t EntryAt(int row) const { return row >= 0 && row < int(matches_.size()) ? matches_[size_t(row)] : -1; }

  int rowCount(const QModelIndex& parent) const override { return parent.isValid() ? 0 : int(matches_.size()); }
  QVariant data(const QModelIndex& index, int role) const override {
    const int32_t entry = EntryAt(index.row());
    if (role != Qt::DisplayRole || entry < 0 || entry >= model_.TotalFiles()) return {};
    return GeneralFunctions::DisplayTextOfEntry(model_.Entry(entry), entry, GeneralFunctions::doSongArtistTitle);
  }

 private:
  const PlayListModel& model_;
  std::vector<int32_t> matches_;
};

TJumpToFileForm::TJumpToFileForm(PlayListModel& model, std::function<void(int32_t)> playEntry, QWidget* parent)
    : QDialog(parent),
      SearchEdit(new QLineEdit),
      ResultsList(new QListView),
      PlayButton(new QPushButton(QStringLiteral("Play"))),
      QueueButton(new QPushButton(QStringLiteral("Queue"))),
      model_(model),
      playEntry_(std::move(playEntry)),
      filter_(std::make_unique<JumpToFileFilter>(model.Entries())),
      results_(new JumpToFileResults(model, this)) {
  setWindowTitle(QStringLiteral("Jump to File"));
  ResultsList->setModel(results_);
  ResultsList->setUniformItemSizes(true);
  ResultsList->setFocusPolicy(Qt::NoFocus);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(PlayButton);
  buttons->addWidget(QueueButton);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(SearchEdit);
  layout->addWidget(ResultsList);
  layout->addLayout(buttons);
  resize(420, 360);
  SearchEdit->installEventFilter(this);
  connect(SearchEdit, &QLineEdit::textChanged, this, &TJumpToFileForm::SearchChanged);
  connect(PlayButton, &QPushButton::clicked, this, &TJumpToFileForm::PlayButtonClick);
  connect(QueueButton, &QPushButton::clicked, this, &TJumpToFileForm::QueueButtonClick);
  connect(ResultsList, &QListView::doubleClicked, this, &TJumpToFileForm::PlayButtonClick);
  SearchChanged({});
}

TJumpToFileForm::~TJumpToFileForm() = default;

void TJumpToFileForm::SearchChanged(const QString& query) {
  results_->Show(filter_->Matches(query));
  ResultsList->setCurrentIndex(results_->index(0));
}

int32_t TJumpToFileForm::ChosenEntry() const { return results_->EntryAt(ResultsList->currentIndex().row()); }

void TJumpToFileForm::PlayButtonClick() {
  const int32_t entry = ChosenEntry();
  if (entry < 0) return;
  accept();
  playEntry_(entry);
}

void TJumpToFileForm::QueueButtonClick() {
  const int32_t entry = ChosenEntry();
  if (entry >= 0) model_.QueueEntries({entry});
}

bool TJumpToFileForm::eventFilter(QObject* watched, QEvent* event) {
  if (watched != SearchEdit || event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const int key = static_cast<QKeyEvent*>(event)->key();
  if (key == Qt::Key_Return || key == Qt::Key_Enter) {
    PlayButtonClick();
    return true;
  }
  if (key != Qt::Key_Up && key != Qt::Key_Down) return false;
  const int row = ResultsList->currentIndex().row() + (key == Qt::Key_Up ? -1 : 1);
  if (row >= 0 && row < results_->rowCount({})) ResultsList->setCurrentIndex(results_->index(row));
  return true;
}
