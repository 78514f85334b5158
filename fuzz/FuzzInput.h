#pragma once
// Shared by the fuzz targets: a headless Qt application for the readers that
// need one, and the input written to a file for readers that take a path.
#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

namespace Fuzz {

// Creates the offscreen application once.
void StartHeadlessApplication();

// Writes the input to a file of this process named with `suffix` (its
// extension) and returns the path; the same file is rewritten each run.
QString WriteInputFile(const uint8_t* data, size_t size, const QString& suffix);

inline QByteArray Bytes(const uint8_t* data, size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

}  // namespace Fuzz
