#include "platform/ShellExecute.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

namespace halvena {
namespace {

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
