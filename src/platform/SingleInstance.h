// TSingleInstance: the channel through which a second start of the program finds the copy that
// is already running and hands it a message, in place of a window found by its class name and a
// posted window message. The channel is a local socket named after the window class and the
// user id in the user's private runtime folder; only processes of the same user are heard.
// User-interface thread only.
#pragma once

#include <QString>
#include <QtGlobal>
#include <deque>
#include <functional>
#include <memory>

class QLocalServer;
class QLocalSocket;

namespace halvena {

// The messages one start hands to another, with the numbers of the window messages they stand
// for.
constexpr quint32 WM_CLOSE = 0x0010;
constexpr quint32 WM_SHOWINSTANCE = 0x1400;

// The socket path of the channel of window class `className` for the current user:
// "<runtime folder>/<className>-<uid>".
QString InstanceChannel(const QString& className);

// What a start became.
enum class TInstanceRole {
  RunningCopy,  // this process listens: it is the copy later starts find
  HandedOver,   // another copy answered and took the message: this process should end
  Alone         // the channel could not be set up: run without it
};

class TSingleInstance {
 public:
  // The channel at socket path `channel`; nothing happens until a method is called.
  explicit TSingleInstance(QString channel);
  ~TSingleInstance();
  TSingleInstance(const TSingleInstance&) = delete;
  TSingleInstance& operator=(const TSingleInstance&) = delete;

  // Sends `message` (both parameters 0) to the running copy without waiting for it to be
  // handled. False when no copy of the same user answers.
  bool PostToRunningCopy(quint32 message);

  // For a normal start: when a copy runs, hands it `message` and answers HandedOver; otherwise
  // removes a socket left behind by a crashed copy and listens. The check and the listening are
  // one step under a lock file, so of two copies started at the same instant the second finds
  // the first.
  TInstanceRole ClaimOrHandOver(quint32 message);

  // Receives each message that a later start hands over, in arrival order. Messages that arrive
  // before a handler is set wait, and reach it from the event loop once it is set.
  void SetOnMessage(std::function<void(quint32 Message)> handler);

 private:
  bool Listen();
  void Accept();
  void Read(QLocalSocket* socket);
  void Deliver(quint32 message);

  QString FChannel;
  std::unique_ptr<QLocalServer> FServer;
  std::function<void(quint32)> FOnMessage;
  std::deque<quint32> FWaiting;
};

}  // namespace halvena
