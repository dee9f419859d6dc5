// The output handlers of the main window, the about window and the farewell.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <iostream>
#include <string>
#include <vector>

#include "AppTesting.h"
#include "app/About.h"
#include "app/Main.h"
#include "data/RecWriter.h"
#include "imaging/ResourceBitmap.h"
#include "output/BrowserStart.h"
#include "output/ClipboardText.h"
#include "platform/CodePageQt.h"
#include "platform/Printers.h"
#include "platform/Resources.h"

namespace halvena {
namespace {

QImage Opaque(const QImage& image) {
  return image.isNull() ? QImage() : image.convertToFormat(QImage::Format_RGB32);
}

void Click(TGraphicControl* control) {
  QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, control->rect().center());
}

// A program folder with a dictionary of three entries; the second one, "Long", is put on the
// screen the way the display does it: every record visible and the store's cache on it.
class OutputTest : public test::TProgramFolderTest {
 protected:
  void SetUp() override {
    TProgramFolderTest::SetUp();
    std::string body = "De long ademt; zie {Hart} en {Bloed}.\r\n";
    for (int i = 1; i <= 150; ++i) body += "Alinea " + std::to_string(i) + " over de long.\r\n";
    const std::vector<TRecImage> recs = {
        {1, "Bloed|b", "Rood."}, {2, "Long|l", body}, {3, "Leeg|e", ""}};
    std::string dictionary;
    ASSERT_TRUE(EncodeRecFile(recs, dictionary));
    WriteFile(QStringLiteral("D/IDbRecs.dat"), dictionary);
    FBody = body;
  }
  void TearDown() override {
    FreeAboutBox();
    ClearPrintersInstalledOverride();
    ClearPrinterSetupOverride();
    SetFarewellMilliseconds(0);
    if (!FSavedPath.isEmpty()) qputenv("PATH", FSavedPath);
    TProgramFolderTest::TearDown();
  }

  static void ShowEntry(TMainForm& form, std::int32_t visNo) {
    form.RecFile->ShowAll();
    TIDbRec rec;
    form.RecFile->GetVisibleRec(visNo, rec);
  }

  // Puts a stand-in xdg-open first on the PATH that writes its arguments to a file; answers
  // that file.
  QString RecordBrowserStarts() {
    const QString bin = PathOf(QStringLiteral("bin/xdg-open"));
    const QString log = PathOf(QStringLiteral("bin/started"));
    QFile script(bin);
    EXPECT_TRUE(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1'\n").arg(log).toUtf8());
    script.close();
    script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    FSavedPath = qgetenv("PATH");
    qputenv("PATH", QFileInfo(bin).path().toLocal8Bit() + ":" + FSavedPath);
    return log;
  }

  // The lines the stand-in browser was started with, once it has written them.
  static QStringList Started(const QString& log) {
    QFile file(log);
    for (int i = 0; i < 500 && !file.exists(); ++i) QTest::qWait(10);
    QTest::qWait(20);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
  }

  std::string FBody;
  QByteArray FSavedPath;
};

TEST_F(OutputTest, ClipboardTakesTheEntryOnScreen) {
  TMainForm form;
  QClipboard* clipboard = QGuiApplication::clipboard();
  clipboard->setText(QStringLiteral("vorige"));
  // Nothing is visible yet: the clipboard keeps its contents.
  Click(form.ToClipBrdBtn);
  EXPECT_EQ(clipboard->text(), QStringLiteral("vorige"));

  ShowEntry(form, 2);
  Click(form.ToClipBrdBtn);
  std::string body = FBody;
  std::erase(body, '{');
  std::erase(body, '}');
  EXPECT_EQ(clipboard->text(),
            Cp1252ToQString("Long\r\n\r\n" + body + "\r\n" + std::string(kClipboardNotice1) +
                            "\r\n" + std::string(kClipboardNotice2)));

  ShowEntry(form, 3);
  form.ToClipBrdBtnClick(form.ToClipBrdBtn);
  EXPECT_EQ(clipboard->text(), Cp1252ToQString(ClipboardText("Leeg", "")));

  // After the close the handler does nothing.
  form.close();
  clipboard->setText(QStringLiteral("vorige"));
  form.ToClipBrdBtnClick(form.ToClipBrdBtn);
  EXPECT_EQ(clipboard->text(), QStringLiteral("vorige"));
}

TEST_F(OutputTest, PrintsTheEntryOnScreenIntoAPdfFile) {
  const QString pdf = PathOf(QStringLiteral("out/long.pdf"));
  TMainForm form;
  ShowEntry(form, 2);
  SetPrinterSetupOverride(pdf);

  SetPrintersInstalledOverride(false);
  Click(form.PrintBtn);
  EXPECT_FALSE(QFile::exists(pdf));
  SetPrintersInstalledOverride(true);
  SetPrinterSetupOverride(QString());  // the dialog is cancelled
  form.PrintBtnClick(form.PrintBtn);
  EXPECT_FALSE(QFile::exists(pdf));

  SetPrinterSetupOverride(pdf);
  Click(form.PrintBtn);
  ASSERT_TRUE(QFile::exists(pdf));
  const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
  if (pdftotext.isEmpty()) GTEST_SKIP() << "pdftotext (poppler-utils) is not installed";
  QProcess process;
  process.start(pdftotext, {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
  ASSERT_TRUE(process.waitForFinished(30000));
  const QString text = QString::fromUtf8(process.readAllStandardOutput());
  EXPECT_TRUE(text.contains(QStringLiteral("Halvena")));
  EXPECT_TRUE(text.contains(QStringLiteral("Long")));
  EXPECT_TRUE(text.contains(QStringLiteral("Pagina 1")));
  EXPECT_TRUE(text.contains(QStringLiteral("Pagina 2")));
  EXPECT_TRUE(text.contains(QStringLiteral("Pagina 3")));
  EXPECT_TRUE(text.contains(QStringLiteral("Vervolg: Long")));
  EXPECT_TRUE(text.contains(QStringLiteral("zie Hart en Bloed.")));
  EXPECT_TRUE(text.contains(QStringLiteral("Alinea 150 over de long.")));
  EXPECT_TRUE(text.contains(QStringLiteral("Uitgeverij Zenta")));
  EXPECT_FALSE(text.contains(QLatin1Char('{')));
  EXPECT_FALSE(text.contains(QLatin1Char('}')));
  if (HasFailure()) std::cout << text.toStdString();
}

TEST_F(OutputTest, HelpStartsTheBrowserWithTheHelpAddressAndMinimises) {
  const QString log = RecordBrowserStarts();
  TMainForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  Click(form.HelpBtn);
  EXPECT_EQ(Started(log), QStringList{QString::fromStdString(HelpAddress())});
  EXPECT_TRUE(form.isMinimized());
}

TEST_F(OutputTest, InfoButtonShowsOneAboutWindow) {
  TMainForm form;
  Click(form.InfoBtn);
  Click(form.InfoBtn);
  int windows = 0;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    if (dynamic_cast<TAboutBox*>(widget) != nullptr) ++windows;
  }
  EXPECT_EQ(windows, 1);
  ASSERT_NE(AboutBox, nullptr);
  EXPECT_TRUE(AboutBoxExists);
  EXPECT_TRUE(AboutBox->isVisible());
  // Closing only hides it; the next request shows the same window.
  TAboutBox* first = AboutBox;
  AboutBox->close();
  EXPECT_FALSE(first->isVisible());
  EXPECT_TRUE(AboutBoxExists);
  form.InfoBtnClick(form.InfoBtn);
  EXPECT_EQ(AboutBox, first);
  EXPECT_TRUE(first->isVisible());
}

TEST_F(OutputTest, AboutPictureFollowsTheDisplayDepth) {
  const struct {
    int Bits;
    const char* Resource;
  } cases[] = {{8, "About256"}, {16, "About"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Bits);
    SetDisplay(1024, 768, c.Bits);
    TAboutBox about;
    QImage expected;
    ASSERT_TRUE(LoadBitmapResource(QString::fromLatin1(c.Resource), expected));
    EXPECT_EQ(Opaque(about.AboutBoxImage->Image().Image()), Opaque(expected));
  }
  SetDisplay(1024, 768, 32);
  TAboutBox about;
  EXPECT_EQ(Opaque(about.AboutBoxImage->Image().Image()),
            Opaque(PictureResource(QStringLiteral("AboutBoxImage"))));
  // The picture fills the frame, so the logos lie under their buttons.
  const QImage shown = test::Render(about);
  EXPECT_EQ(shown.pixel(0, 0), qRgb(0, 0, 0));
  EXPECT_EQ(shown.pixel(2 + 100, 2 + 200),
            Opaque(PictureResource(QStringLiteral("AboutBoxImage"))).pixel(100, 200));
}

TEST_F(OutputTest, AboutWindowClosesOnPlainEnterOrEscape) {
  ShowAboutBox();
  const struct {
    Qt::Key Key;
    Qt::KeyboardModifiers Modifiers;
    bool Closes;
  } cases[] = {
      {Qt::Key_Return, Qt::ShiftModifier, false}, {Qt::Key_Escape, Qt::ControlModifier, false},
      {Qt::Key_A, Qt::NoModifier, false},         {Qt::Key_Return, Qt::NoModifier, true},
      {Qt::Key_Enter, Qt::KeypadModifier, true},  {Qt::Key_Escape, Qt::NoModifier, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Key);
    ShowAboutBox();
    QKeyEvent release(QEvent::KeyRelease, c.Key, c.Modifiers);
    QApplication::sendEvent(AboutBox, &release);
    EXPECT_EQ(AboutBox->isVisible(), !c.Closes);
  }
}

TEST_F(OutputTest, AboutWindowClosesWhenAnotherWindowIsActivated) {
  QWidget other;
  other.show();
  ShowAboutBox();
  ASSERT_TRUE(QTest::qWaitForWindowActive(AboutBox));
  other.activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&other));
  QTRY_VERIFY(!AboutBox->isVisible());
  EXPECT_TRUE(AboutBoxExists);
  // Pressing the info button asks to activate the main window and then the about window; the
  // about window stays, however late the first activation arrives.
  ShowAboutBox();
  ASSERT_TRUE(QTest::qWaitForWindowActive(AboutBox));
  other.activateWindow();
  ShowAboutBox();
  QTest::qWait(50);
  EXPECT_TRUE(AboutBox->isVisible());
}

TEST_F(OutputTest, LogoButtonsOpenTheWebSitesAndCloseTheWindow) {
  const QString log = RecordBrowserStarts();
  ShowAboutBox();
  Click(AboutBox->ZentaSBtn);
  EXPECT_FALSE(AboutBox->isVisible());
  ShowAboutBox();
  Click(AboutBox->TarnixSBtn);
  EXPECT_FALSE(AboutBox->isVisible());
  const QStringList started = Started(log);
  EXPECT_EQ(started.size(), 2);
  EXPECT_TRUE(started.contains(QString::fromLatin1(kPublisherAddress)));
  EXPECT_TRUE(started.contains(QString::fromLatin1(kMakerAddress)));
}

TEST_F(OutputTest, CloseShowsTheFarewellOverTheHiddenWindow) {
  SetFarewellMilliseconds(200);
  TMainForm form;
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  bool farewellSeen = false;
  QTimer::singleShot(50, [&] {
    farewellSeen = AboutBox != nullptr && AboutBox->isVisible() && !form.isVisible();
  });
  int closed = 0;
  form.OnClosed = [&closed] { ++closed; };
  form.close();
  EXPECT_TRUE(farewellSeen);
  EXPECT_EQ(closed, 1);
  ASSERT_TRUE(AboutBoxExists);
  EXPECT_FALSE(AboutBox->isVisible());
  // The window is closing: the info button no longer answers.
  form.InfoBtnClick(form.InfoBtn);
  EXPECT_FALSE(AboutBox->isVisible());
}

}  // namespace
}  // namespace halvena
