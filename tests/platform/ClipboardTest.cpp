#include "platform/Clipboard.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>

namespace halvena {
namespace {

TEST(Clipboard, TakesWindows1252TextAsPlainText) {
  SetClipboardText("Caf\xe9 \x80\r\n{x}");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("Café €\r\n{x}"));
  SetClipboardText("");
  EXPECT_EQ(QGuiApplication::clipboard()->text(), QString());
}

}  // namespace
}  // namespace halvena
