#include "ShellExecute.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <fstream>

namespace halvena {
namespace {

TEST(ShellExecuteTest, StartsTheProgramWithItsArgumentsInItsFolder) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString script = folder.filePath(QStringLiteral("record"));
  const QString out = folder.filePath(QStringLiteral("out.txt"));
  std::ofstream(script.toStdString())
      << "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"[$a]\"; done; } > out.tmp\n"
         "mv out.tmp out.txt\n";
  QFile::setPermissions(script, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
  const std::string path = "  " + script.toStdString() + " ";
  EXPECT_GT(ShellExecute(path, R"("two words" plain "")", folder.path().toStdString()), 32);
  QElapsedTimer timer;
  timer.start();
  while (!QFile::exists(out) && timer.elapsed() < 5000) QThread::msleep(20);
  QFile file(out);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), folder.path().toUtf8() + "\n[two words]\n[plain]\n[]\n");
}

TEST(ShellExecuteTest, ReportsWhatCannotBeStarted) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  EXPECT_EQ(ShellExecute("", "", ""), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(ShellExecute(folder.filePath(QStringLiteral("none")).toStdString(), "", ""),
            ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(ShellExecute("/bin/true", "", folder.filePath(QStringLiteral("none")).toStdString()),
            ERROR_PATH_NOT_FOUND);
  const QString plain = folder.filePath(QStringLiteral("plain"));
  std::ofstream(plain.toStdString()) << "not a program\n";
  EXPECT_EQ(ShellExecute(plain.toStdString(), "", ""), SE_ERR_ACCESSDENIED);
}

}  // namespace
}  // namespace halvena
