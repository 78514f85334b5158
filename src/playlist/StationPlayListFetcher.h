#pragma once
// Station playlists on the web: a radio's "listen.pls" or ".m3u" address is
// not a stream but a list of them. It is fetched in the background (the
// window goes on) and the streams it names are appended.
#include <QObject>
#include <QString>

class PlayListModel;
class QNetworkAccessManager;
class QNetworkReply;

class StationPlayListFetcher : public QObject {
  Q_OBJECT
 public:
  // Bytes of a station playlist at most, and seconds to wait for it.
  static constexpr qint64 kMaxBytes = 256 * 1024;
  static constexpr int kTimeoutMs = 15000;

  StationPlayListFetcher(PlayListModel& model, QObject* parent = nullptr);

  // An http(s) address whose path ends in .pls, .m3u or .m3u8.
  static bool IsStationPlayListUrl(const QString& url);

  // Starts fetching; the streams arrive in the model later, or a message
  // says why none could be had.
  void Fetch(const QString& url);

 signals:
  // One fetch ended, with the number of streams appended.
  void Fetched(int streams);

 private:
  void Finished(QNetworkReply* reply);

  PlayListModel& model_;
  QNetworkAccessManager* network_;
};
