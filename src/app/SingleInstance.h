#pragma once
// One player per settings folder: a second start hands its songs to the
// running player over a local socket and ends. A socket file left behind by
// a crashed player is taken over; a lock file keeps two starts at the same
// moment from both becoming the running player.
#include <QLocalServer>
#include <QObject>
#include <QStringList>

#include <functional>
#include <vector>

struct HandedOverSongs {
  QStringList files;
  bool enqueue = false;
};

class SingleInstance : public QObject {
  Q_OBJECT
 public:
  enum class Role { Running, HandedOver, Unanswered };

  // `socketPath`: the local socket's full path (see InstanceSocketPath).
  explicit SingleInstance(QString socketPath, QObject* parent = nullptr);

  // Hands `songs` to a player already running and returns HandedOver, or
  // Unanswered when that player took the connection but never confirmed.
  // Otherwise this program becomes the running player: it listens for later
  // starts and returns Running (also when it cannot listen; it then simply
  // runs alone).
  Role Claim(const HandedOverSongs& songs);

  // Songs handed over before the handler is set wait for it.
  void SetHandler(std::function<void(const HandedOverSongs&)> handler);

  bool IsListening() const { return server_.isListening(); }

 private:
  void Accept();
  void Deliver(const HandedOverSongs& songs);

  QString socketPath_;
  QLocalServer server_;
  std::function<void(const HandedOverSongs&)> handler_;
  std::vector<HandedOverSongs> waiting_;
};

// The socket of the player whose settings live in configFolder: in
// XDG_RUNTIME_DIR, else the temporary folder, named for the user and folder.
QString InstanceSocketPath(const QString& configFolder);
