#include "platform/SingleInstance.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <cstring>
#include <vector>

namespace halvena {
namespace {

class SingleInstanceTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFolder.isValid());
    FChannel = FFolder.filePath(QStringLiteral("Halvena-test"));
  }

  // Lets the event loop run until `count` messages arrived or a second passed.
  static void WaitFor(const std::vector<quint32>& received, std::size_t count) {
    QElapsedTimer timer;
    timer.start();
    while (received.size() < count && timer.elapsed() < 1000) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
  }

  // A connection straight through the socket interface, as any local process could make it.
  static int RawConnect(const QString& path) {
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, QFile::encodeName(path).constData(),
                 sizeof address.sun_path - 1);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) {
      close(fd);
      return -1;
    }
    return fd;
  }

  QTemporaryDir FFolder;
  QString FChannel;
};

TEST_F(SingleInstanceTest, SecondStartHandsItsMessageToTheFirst) {
  TSingleInstance first(FChannel);
  EXPECT_FALSE(first.PostToRunningCopy(WM_SHOWINSTANCE));
  ASSERT_EQ(first.ClaimOrHandOver(WM_SHOWINSTANCE), TInstanceRole::RunningCopy);
  std::vector<quint32> received;
  first.SetOnMessage([&received](quint32 message) { received.push_back(message); });

  TSingleInstance second(FChannel);
  EXPECT_EQ(second.ClaimOrHandOver(WM_SHOWINSTANCE), TInstanceRole::HandedOver);
  TSingleInstance third(FChannel);
  EXPECT_TRUE(third.PostToRunningCopy(WM_CLOSE));
  WaitFor(received, 2);
  EXPECT_EQ(received, (std::vector<quint32>{WM_SHOWINSTANCE, WM_CLOSE}));
}

TEST_F(SingleInstanceTest, MessagesWaitForTheHandler) {
  TSingleInstance first(FChannel);
  ASSERT_EQ(first.ClaimOrHandOver(WM_SHOWINSTANCE), TInstanceRole::RunningCopy);
  TSingleInstance(FChannel).PostToRunningCopy(WM_CLOSE);
  std::vector<quint32> none;
  WaitFor(none, 1);  // the message arrives while nobody listens for it
  std::vector<quint32> received;
  first.SetOnMessage([&received](quint32 message) { received.push_back(message); });
  EXPECT_TRUE(received.empty());  // handed over from the event loop, not inside the setter
  WaitFor(received, 1);
  EXPECT_EQ(received, std::vector<quint32>{WM_CLOSE});
}

TEST_F(SingleInstanceTest, StaleSocketOfACrashedCopyDoesNotStopTheStart) {
  // A socket file that nobody listens on any more.
  const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strncpy(address.sun_path, QFile::encodeName(FChannel).constData(),
               sizeof address.sun_path - 1);
  ASSERT_EQ(bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  close(fd);
  ASSERT_TRUE(QFile::exists(FChannel));

  TSingleInstance start(FChannel);
  EXPECT_EQ(start.ClaimOrHandOver(WM_SHOWINSTANCE), TInstanceRole::RunningCopy);
  EXPECT_TRUE(TSingleInstance(FChannel).PostToRunningCopy(WM_SHOWINSTANCE));
}

TEST_F(SingleInstanceTest, TruncatedOrForeignMessagesAreDropped) {
  TSingleInstance first(FChannel);
  ASSERT_EQ(first.ClaimOrHandOver(WM_SHOWINSTANCE), TInstanceRole::RunningCopy);
  std::vector<quint32> received;
  first.SetOnMessage([&received](quint32 message) { received.push_back(message); });
  const int fd = RawConnect(FChannel);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(write(fd, "\x10\0\0", 3), 3);  // short of a whole message
  close(fd);
  WaitFor(received, 1);
  EXPECT_TRUE(received.empty());
}

TEST_F(SingleInstanceTest, OnlyTheSameUserIsHeard) {
  if (getuid() != 0) GTEST_SKIP() << "needs root to act as another user";
  // The folder lets anybody reach the socket file; the socket itself must not.
  QFile::setPermissions(FFolder.path(), QFileDevice::Permissions(0x7777));
  TSingleInstance first(FChannel);
  ASSERT_EQ(first.ClaimOrHandOver(WM_SHOWINSTANCE), TInstanceRole::RunningCopy);
  std::vector<quint32> received;
  first.SetOnMessage([&received](quint32 message) { received.push_back(message); });
  const QByteArray path = QFile::encodeName(FChannel);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // As user "nobody": connect and send a whole close message.
    if (setgid(65534) != 0 || setuid(65534) != 0) _exit(2);
    const int fd = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.constData(), sizeof address.sun_path - 1);
    if (connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0) {
      const char message[12] = {0x10};
      [[maybe_unused]] const ssize_t written = write(fd, message, sizeof message);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  ASSERT_EQ(WEXITSTATUS(status), 0);
  WaitFor(received, 1);
  EXPECT_TRUE(received.empty());
  // The same user still gets through afterwards.
  EXPECT_TRUE(TSingleInstance(FChannel).PostToRunningCopy(WM_SHOWINSTANCE));
  WaitFor(received, 1);
  EXPECT_EQ(received, std::vector<quint32>{WM_SHOWINSTANCE});
}

}  // namespace
}  // namespace halvena
