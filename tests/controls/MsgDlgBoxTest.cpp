#include "controls/MsgDlgBox.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>

#include "base/ProgramFolder.h"
#include "imaging/PMultiImage.h"

namespace halvena {
namespace {

TMessageDlgBox* OpenDialog() {
  return dynamic_cast<TMessageDlgBox*>(QApplication::activeModalWidget());
}

class MsgDlgBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(FFolder.isValid());
    SetProgramFolder(FFolder.path().toStdString());
  }
  void TearDown() override { SetProgramFolder({}); }

  // Runs ShowMessageDlgBox while `act` works on the open dialog from inside its modal loop;
  // a dialog still open after five seconds is closed.
  bool Ask(const std::function<void(TMessageDlgBox*)>& act,
           const QString& text = QStringLiteral("Doorgaan?")) {
    QTimer::singleShot(0, [act] {
      TMessageDlgBox* dialog = OpenDialog();
      ASSERT_NE(dialog, nullptr);
      act(dialog);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
      if (TMessageDlgBox* dialog = OpenDialog()) dialog->close();
    });
    guard.start(5000);
    return ShowMessageDlgBox(FLoader, text, QStringLiteral("Ja"), QStringLiteral("Nee"));
  }

  static void Click(TGraphicControl* button) {
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
  }

  QTemporaryDir FFolder;
  TPMultiImage FLoader;
};

TEST_F(MsgDlgBoxTest, AnswersTrueOnlyForTheFirstButton) {
  EXPECT_TRUE(Ask([](TMessageDlgBox* dialog) {
    EXPECT_EQ(dialog->MsgLbl->text(), QStringLiteral("Doorgaan?"));
    EXPECT_EQ(dialog->OkBtn->Caption(), QStringLiteral("Ja"));
    EXPECT_EQ(dialog->CancelBtn->Caption(), QStringLiteral("Nee"));
    EXPECT_EQ(dialog->size(), QSize(400, 150));
    Click(dialog->OkBtn);
  }));
  EXPECT_FALSE(Ask([](TMessageDlgBox* dialog) { Click(dialog->CancelBtn); }));
  EXPECT_FALSE(Ask([](TMessageDlgBox* dialog) { dialog->close(); }));
  EXPECT_FALSE(MessageDlgBoxShown);
}

TEST_F(MsgDlgBoxTest, EscapeDoesNotCloseTheDialog) {
  EXPECT_TRUE(Ask([](TMessageDlgBox* dialog) {
    QTest::keyClick(dialog, Qt::Key_Escape);
    QTest::keyClick(dialog, Qt::Key_Return);
    EXPECT_TRUE(dialog->isVisible());
    Click(dialog->OkBtn);
  }));
}

TEST_F(MsgDlgBoxTest, OneDialogAtATime) {
  EXPECT_FALSE(Ask([this](TMessageDlgBox* dialog) {
    EXPECT_TRUE(MessageDlgBoxShown);
    // A second request answers false at once and leaves the first dialog up.
    EXPECT_FALSE(ShowMessageDlgBox(FLoader, QStringLiteral("Nog een?"), QStringLiteral("Ok"),
                                   QStringLiteral("Cancel")));
    int dialogs = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (dynamic_cast<TMessageDlgBox*>(widget) != nullptr) ++dialogs;
    }
    EXPECT_EQ(dialogs, 1);
    EXPECT_EQ(OpenDialog(), dialog);
    EXPECT_EQ(dialog->MsgLbl->text(), QStringLiteral("Doorgaan?"));
    Click(dialog->CancelBtn);
  }));
  EXPECT_FALSE(MessageDlgBoxShown);
}

TEST_F(MsgDlgBoxTest, GlyphsComeFromTheSkinFilesOrStayEmpty) {
  {
    TMessageDlgBox dialog(FLoader);
    EXPECT_TRUE(dialog.OkBtn->GlyphUp().Empty());
    EXPECT_TRUE(dialog.CancelBtn->GlyphDown().Empty());
    EXPECT_TRUE(dialog.OkBtn->GlyphDisabled().Empty());
  }
  QDir(FFolder.path()).mkpath(QStringLiteral("I"));
  const struct {
    const char* File;
    QColor Colour;
  } files[] = {{"I/butup.bmp", Qt::red}, {"I/butdown.bmp", Qt::green}};
  for (const auto& file : files) {
    QImage image(20, 10, QImage::Format_RGB32);
    image.fill(file.Colour);
    ASSERT_TRUE(image.save(FFolder.filePath(QString::fromLatin1(file.File)), "BMP"));
  }
  TMessageDlgBox dialog(FLoader);
  for (TBaseBtn* button : {dialog.OkBtn, dialog.CancelBtn}) {
    ASSERT_FALSE(button->GlyphUp().Empty());
    EXPECT_EQ(button->GlyphUp().Image().pixelColor(5, 5), QColor(Qt::red));
    ASSERT_FALSE(button->GlyphDown().Empty());
    EXPECT_EQ(button->GlyphDown().Image().pixelColor(5, 5), QColor(Qt::green));
    EXPECT_TRUE(button->GlyphDisabled().Empty());
  }
  EXPECT_TRUE(FLoader.ImageName().isEmpty());
}

}  // namespace
}  // namespace halvena
