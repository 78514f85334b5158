#include "SkinArchive.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <algorithm>
#include <optional>
#include <vector>

#include "skins/ZipLibrary.h"

namespace SkinUnit {

namespace {

struct Entry {
  zip_uint64_t index;
  QString folder;  // path inside the archive up to the last delimiter
  QString name;    // the last component
};

struct ZipCloser {
  void operator()(zip_t* archive) const { Zip()->discard(archive); }
};
struct ZipFileCloser {
  void operator()(zip_file_t* file) const { Zip()->fclose(file); }
};

bool IsMarker(const QString& name) {
  return name.compare(QLatin1String("main.bmp"), Qt::CaseInsensitive) == 0 ||
         name.compare(QLatin1String("deckmain.bmp"), Qt::CaseInsensitive) == 0;
}

// The entries of the archive that name files; folders, hidden files and the
// resource forks some archivers add are left out.
std::vector<Entry> ListFiles(zip_t* archive) {
  std::vector<Entry> files;
  const zip_int64_t count = Zip()->get_num_entries(archive, 0);
  for (zip_int64_t i = 0; i < count; ++i) {
    const char* raw = Zip()->get_name(archive, zip_uint64_t(i), ZIP_FL_ENC_GUESS);
    if (!raw) continue;
    QString path = QString::fromUtf8(raw);
    path.replace(u'\\', u'/');
    const auto slash = path.lastIndexOf(u'/');
    Entry entry{zip_uint64_t(i), path.left(slash + 1), path.mid(slash + 1)};
    if (entry.name.isEmpty() || entry.name.startsWith(u'.') || path.contains(QLatin1String("__MACOSX/")))
      continue;
    files.push_back(std::move(entry));
  }
  return files;
}

// Reads one entry whole, refusing more than `limit` bytes whatever its header claims.
std::optional<QByteArray> ReadEntry(zip_t* archive, zip_uint64_t index, qint64 limit, QString* error) {
  std::unique_ptr<zip_file_t, ZipFileCloser> file(Zip()->fopen_index(archive, index, 0));
  if (!file) {
    *error = QStringLiteral("is damaged");
    return std::nullopt;
  }
  QByteArray data;
  char buffer[64 * 1024];
  for (;;) {
    const zip_int64_t read = Zip()->fread(file.get(), buffer, sizeof buffer);
    if (read < 0) {
      *error = QStringLiteral("is damaged");
      return std::nullopt;
    }
    if (read == 0) return data;
    if (data.size() + read > limit) {
      *error = QStringLiteral("is too large when unpacked");
      return std::nullopt;
    }
    data.append(buffer, qsizetype(read));
  }
}

bool IsArchiveName(const QString& name) {
  return name.endsWith(QLatin1String(".wsz"), Qt::CaseInsensitive) ||
         name.endsWith(QLatin1String(".zip"), Qt::CaseInsensitive);
}

}  // namespace

bool IsSkinArchive(const QString& path) { return IsArchiveName(path) && QFileInfo(path).isFile(); }

namespace {

// An archive read into memory with its file list and the entry of its skin's
// marker file; empty with an error when it cannot be used.
struct OpenedArchive {
  QByteArray bytes;
  std::unique_ptr<zip_t, ZipCloser> archive;
  std::vector<Entry> files;
  const Entry* marker = nullptr;
};

std::optional<OpenedArchive> OpenArchive(const QString& path, const SkinArchiveLimits& limits, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    *error = QStringLiteral("cannot be read (%1)").arg(file.errorString());
    return std::nullopt;
  }
  if (file.size() > limits.archiveBytes) {
    *error = QStringLiteral("is too large");
    return std::nullopt;
  }
  if (!Zip()) {
    *error = QStringLiteral("cannot be opened without libzip");
    return std::nullopt;
  }
  OpenedArchive opened;
  opened.bytes = file.readAll();

  zip_error_t openError;
  Zip()->error_init(&openError);
  zip_source_t* source =
      Zip()->source_buffer_create(opened.bytes.constData(), zip_uint64_t(opened.bytes.size()), 0, &openError);
  opened.archive.reset(source ? Zip()->open_from_source(source, ZIP_RDONLY, &openError) : nullptr);
  Zip()->error_fini(&openError);
  if (!opened.archive) {
    if (source) Zip()->source_free(source);
    *error = QStringLiteral("is damaged or not a zip archive");
    return std::nullopt;
  }

  opened.files = ListFiles(opened.archive.get());
  if (qsizetype(opened.files.size()) > limits.entries) {
    *error = QStringLiteral("holds too many files");
    return std::nullopt;
  }
  // The skin is the shallowest folder that holds a marker file.
  for (const Entry& entry : opened.files) {
    if (IsMarker(entry.name) && (!opened.marker || entry.folder.size() < opened.marker->folder.size()))
      opened.marker = &entry;
  }
  if (!opened.marker) {
    const bool nested = std::any_of(opened.files.begin(), opened.files.end(),
                                    [](const Entry& e) { return IsArchiveName(e.name); });
    *error = nested ? QStringLiteral("holds another archive instead of a skin")
                    : QStringLiteral("holds no skin (no \"Main.bmp\")");
    return std::nullopt;
  }
  return opened;
}

}  // namespace

QString SkinArchiveMarker(const QString& path) {
  QString error;
  const auto opened = OpenArchive(path, {}, &error);
  return opened ? opened->marker->name : QString();
}

UnpackedSkin UnpackSkinArchive(const QString& path, const SkinArchiveLimits& limits) {
  UnpackedSkin result;
  auto opened = OpenArchive(path, limits, &result.error);
  if (!opened) return result;
  zip_t* archive = opened->archive.get();
  const Entry* marker = opened->marker;

  auto dir = std::make_unique<QTemporaryDir>();
  if (!dir->isValid()) {
    result.error = QStringLiteral("cannot be unpacked (%1)").arg(dir->errorString());
    return result;
  }
  std::vector<const Entry*> skinFiles;
  QHash<QString, QString> seen;  // lower-case name -> name
  for (const Entry& entry : opened->files) {
    if (entry.folder != marker->folder) continue;
    const QString key = entry.name.toLower();
    if (seen.contains(key)) {
      result.error = QStringLiteral("names the file \"%1\" twice (as \"%2\")").arg(seen[key], entry.name);
      return result;
    }
    seen.insert(key, entry.name);
    skinFiles.push_back(&entry);
  }
  qint64 total = 0;
  for (const Entry* entry : skinFiles) {
    zip_stat_t stat;
    if (Zip()->stat_index(archive, entry->index, 0, &stat) == 0 && (stat.valid & ZIP_STAT_ENCRYPTION_METHOD) &&
        stat.encryption_method != ZIP_EM_NONE) {
      result.error = QStringLiteral("is encrypted");
      return result;
    }
    const auto data = ReadEntry(archive, entry->index, qMin(limits.entryBytes, limits.totalBytes - total),
                                &result.error);
    if (!data) return result;
    total += data->size();
    QSaveFile out(dir->filePath(entry->name));
    if (!out.open(QIODevice::WriteOnly) || out.write(*data) != data->size() || !out.commit()) {
      result.error = QStringLiteral("cannot be unpacked (%1)").arg(out.errorString());
      return result;
    }
  }
  result.dir = std::move(dir);
  return result;
}

}  // namespace SkinUnit
