#pragma once
// "File Info" for a song file: a small read-only dialog with the file's path,
// format, length, bit rate, sample rate, channels and the tags found in it.
#include <QDialog>
#include <QString>

#include <utility>
#include <vector>

#include "playlist/SongFacts.h"

class QTableWidget;

// The dialog's rows (caption, value): the fixed facts, then one per tag field.
std::vector<std::pair<QString, QString>> FileInfoRows(const QString& path, const SongFacts::Facts& facts);

class TFileInfoForm : public QDialog {
  Q_OBJECT
 public:
  // Reads the file now (it is one file, and the user asked for it).
  explicit TFileInfoForm(const QString& path, QWidget* parent = nullptr);

  QTableWidget* InfoTable;
};
