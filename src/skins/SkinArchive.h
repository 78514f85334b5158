#pragma once
// Skin archives (.wsz, .zip): the skin inside is read with libzip into memory
// and written, flat, into a private temporary folder that lives as long as
// the returned object. Only the folder of the archive that holds the skin's
// marker file is taken; names never leave the temporary folder.
#include <QString>
#include <QTemporaryDir>

#include <memory>

namespace SkinUnit {

struct SkinArchiveLimits {
  qint64 archiveBytes = 16 * 1024 * 1024;
  qint64 entryBytes = 8 * 1024 * 1024;  // unpacked size of one file
  qint64 totalBytes = 32 * 1024 * 1024;  // unpacked size of the skin
  int entries = 1024;
};

struct UnpackedSkin {
  std::unique_ptr<QTemporaryDir> dir;  // empty when the archive was refused
  QString error;                       // why, as a sentence part for the user
  QString Folder() const { return dir ? dir->path() : QString(); }
};

// A file whose name ends in ".wsz" or ".zip" (any case).
bool IsSkinArchive(const QString& path);

// The name of the skin's marker file in the archive ("Main.bmp" or
// "DeckMain.bmp" in the archive's case), or empty for an unusable archive;
// nothing is unpacked.
QString SkinArchiveMarker(const QString& path);

UnpackedSkin UnpackSkinArchive(const QString& path, const SkinArchiveLimits& limits = {});

}  // namespace SkinUnit
