#include "StationPlayListFetcher.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QUrl>

#include <algorithm>

#include "audio/StreamUrl.h"
#include "platform/ui/MessageBoxService.h"
#include "platform/ui/TextFile.h"
#include "playlist/PlayListEntry.h"
#include "playlist/PlayListFile.h"
#include "playlist/PlayListModel.h"

StationPlayListFetcher::StationPlayListFetcher(PlayListModel& model, QObject* parent)
    : QObject(parent), model_(model), network_(new QNetworkAccessManager(this)) {
  network_->setRedirectPolicy(QNetworkRequest::NoLessSafeRedirectPolicy);
  network_->setTransferTimeout(kTimeoutMs);
  connect(network_, &QNetworkAccessManager::finished, this, &StationPlayListFetcher::Finished);
}

bool StationPlayListFetcher::IsStationPlayListUrl(const QString& url) {
  if (!KestrelixAudioApi::IsStreamUrl(url)) return false;
  const QString path = QUrl(url).path().toLower();
  return path.endsWith(QLatin1String(".pls")) || path.endsWith(QLatin1String(".m3u")) ||
         path.endsWith(QLatin1String(".m3u8"));
}

void StationPlayListFetcher::Fetch(const QString& url) {
  QNetworkReply* reply = network_->get(QNetworkRequest(QUrl(url)));
  // A playlist is a few lines: anything much larger is not one.
  connect(reply, &QNetworkReply::downloadProgress, reply, [reply](qint64 received, qint64) {
    if (received > kMaxBytes) reply->abort();
  });
}

void StationPlayListFetcher::Finished(QNetworkReply* reply) {
  reply->deleteLater();
  const QString url = reply->request().url().toString();
  QStringList streams;
  if (reply->error() == QNetworkReply::NoError) {
    const QStringList lines = PlatformUi::SplitTextLines(QString::fromUtf8(reply->read(kMaxBytes)));
    // Only addresses count: paths on the radio's server mean nothing here.
    for (const QString& entry : PlayListFile::EntriesFromLines(lines, QString()))
      if (KestrelixAudioApi::IsStreamUrl(GeneralFunctions::GetEntrySongPath(entry))) streams.append(entry);
  }
  if (streams.isEmpty()) {
    const QString reason = reply->error() == QNetworkReply::NoError ? QStringLiteral("it names no stream")
                                                                    : reply->errorString();
    PlatformUi::ShowMessage(QStringLiteral("Could not add the station playlist %1: %2.").arg(url, reason),
                            QStringLiteral("Add Url"), QMessageBox::Warning);
  } else {
    model_.Append(streams);
  }
  emit Fetched(static_cast<int>(streams.size()));
}
