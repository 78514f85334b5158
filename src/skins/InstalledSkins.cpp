#include "InstalledSkins.h"

#include <QDir>

#include "skins/SkinArchive.h"
#include "skins/SkinUnit.h"

namespace SkinUnit {

namespace {

bool HoldsSkin(const QFileInfo& entry) {
  if (entry.isDir()) return GetSkinType(entry.filePath()) != stUnknown;
  return IsSkinArchive(entry.filePath());
}

}  // namespace

QStringList InstalledSkins(const QString& skinsFolder, int limit) {
  QDir folder(skinsFolder);
  folder.setFilter(QDir::AllDirs | QDir::Files | QDir::NoDotAndDotDot | QDir::Readable);
  folder.setSorting(QDir::Name | QDir::IgnoreCase);
  QStringList names;
  for (const QFileInfo& entry : folder.entryInfoList()) {
    if (names.size() >= limit) break;
    if (HoldsSkin(entry)) names.append(entry.fileName());
  }
  return names;
}

}  // namespace SkinUnit
