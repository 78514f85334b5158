#include "TFileInfoForm.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QString Unknown(int value, const QString& text) { return value > 0 ? text : QStringLiteral("unknown"); }

QString ChannelsText(int channels) {
  if (channels == 1) return QStringLiteral("1 (mono)");
  if (channels == 2) return QStringLiteral("2 (stereo)");
  return Unknown(channels, QString::number(channels));
}

}  // namespace

std::vector<std::pair<QString, QString>> FileInfoRows(const QString& path, const SongFacts::Facts& facts) {
  std::vector<std::pair<QString, QString>> rows{
      {QStringLiteral("Path"), path},
      {QStringLiteral("Format"), facts.format.isEmpty() ? QStringLiteral("not readable") : facts.format},
      {QStringLiteral("Length"), facts.seconds >= 0 ? SongFacts::LengthText(facts.seconds) : QStringLiteral("unknown")},
      {QStringLiteral("Bit rate"), Unknown(facts.bitRate, QStringLiteral("%1 kbit/s").arg(facts.bitRate))},
      {QStringLiteral("Sample rate"), Unknown(facts.sampleRate, QStringLiteral("%1 Hz").arg(facts.sampleRate))},
      {QStringLiteral("Channels"), ChannelsText(facts.channels)},
  };
  if (facts.tags.empty()) rows.emplace_back(QStringLiteral("Tags"), QStringLiteral("none found"));
  for (const auto& [name, value] : facts.tags) rows.emplace_back(name, value);
  return rows;
}

TFileInfoForm::TFileInfoForm(const QString& path, QWidget* parent) : QDialog(parent), InfoTable(new QTableWidget(this)) {
  setWindowTitle(QStringLiteral("File Info"));
  SongFacts::Facts facts = SongFacts::ReadSongFacts(path, SongFacts::Detail::AllTags);
  SongFacts::ScanExactLength(path, facts);  // the length the list shows too
  const auto rows = FileInfoRows(path, facts);
  InfoTable->setColumnCount(2);
  InfoTable->setRowCount(static_cast<int>(rows.size()));
  InfoTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
  InfoTable->horizontalHeader()->hide();
  InfoTable->verticalHeader()->hide();
  InfoTable->horizontalHeader()->setStretchLastSection(true);
  InfoTable->setWordWrap(false);
  for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
    InfoTable->setItem(row, 0, new QTableWidgetItem(rows[static_cast<size_t>(row)].first));
    auto* value = new QTableWidgetItem(rows[static_cast<size_t>(row)].second);
    value->setToolTip(value->text());
    InfoTable->setItem(row, 1, value);
  }
  InfoTable->resizeColumnToContents(0);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(InfoTable);
  layout->addWidget(buttons);
  resize(460, 300);
}
