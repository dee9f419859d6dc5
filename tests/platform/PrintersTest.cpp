#include "platform/Printers.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPainter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace halvena {
namespace {

TEST(Printers, OverrideWinsAndClearingReturnsToTheSystemList) {
  const bool system = !QPrinterInfo::availablePrinterNames().isEmpty();
  SetPrintersInstalledOverride(!system);
  EXPECT_EQ(PrintersInstalled(), !system);
  ClearPrintersInstalledOverride();
  EXPECT_EQ(PrintersInstalled(), system);
}

TEST(Printers, SetupOverrideCancelsOrPrintsIntoAPdfFile) {
  QTemporaryDir folder;
  ASSERT_TRUE(folder.isValid());
  const QString pdf = folder.filePath(QStringLiteral("job.pdf"));
  {
    SetPrinterSetupOverride(QString());
    TPrinter printer;
    EXPECT_FALSE(printer.PrinterSetupDialog(nullptr));
  }
  SetPrinterSetupOverride(pdf);
  {
    TPrinter printer;
    ASSERT_TRUE(printer.PrinterSetupDialog(nullptr));
    printer.SetTitle(QStringLiteral("Halvena"));
    EXPECT_EQ(printer.Canvas(), nullptr);
    ASSERT_TRUE(printer.BeginDoc());
    ASSERT_NE(printer.Canvas(), nullptr);
    EXPECT_EQ(printer.PageNumber(), 1);
    EXPECT_GT(printer.PageWidth(), 1000);
    EXPECT_GT(printer.PageHeight(), printer.PageWidth());
    printer.Canvas()->drawText(100, 100, QStringLiteral("een"));
    ASSERT_TRUE(printer.NewPage());
    EXPECT_EQ(printer.PageNumber(), 2);
    EXPECT_FALSE(printer.Aborted());
    printer.EndDoc();
    EXPECT_EQ(printer.Canvas(), nullptr);
  }
  ClearPrinterSetupOverride();
  QFile file(pdf);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray bytes = file.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF"));
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 2);
}

}  // namespace
}  // namespace halvena
