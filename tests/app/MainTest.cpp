#include "app/Main.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "AppTesting.h"
#include "app/Intro.h"
#include "app/TabRegions.h"
#include "data/RecWriter.h"

namespace halvena {
namespace {

using test::TProgramFolderTest;

class MainFormTest : public TProgramFolderTest {};

struct TClassCase {
  const char* Name;
  int ScreenWidth, ScreenHeight;
  std::uint8_t Class;
  QRect Window;  // position and size
  int RowHeight;
  QRect ContentLstBounds;  // zoomed
  QRect ContentBtnBounds;  // zoomed and collapsed, left edge kept
  QRect GoToBtnBounds;     // zoomed and collapsed, right edge kept
  int CaptionPixels;       // CaptionLbl's font, 13 pixels at design
};

class MainFormClasses : public MainFormTest, public ::testing::WithParamInterface<TClassCase> {};

TEST_P(MainFormClasses, BuildsTheWindowForTheScreen) {
  const TClassCase& c = GetParam();
  SetDisplay(c.ScreenWidth, c.ScreenHeight, 32);
  TMainForm form;
  ASSERT_FALSE(form.ScreenTooSmall());
  EXPECT_EQ(ScreenClass, c.Class);
  EXPECT_EQ(form.geometry(), c.Window);
  EXPECT_EQ(form.MainFormPanel->geometry(), QRect(QPoint(0, 0), c.Window.size()));
  EXPECT_EQ(form.Bk->geometry(), QRect(QPoint(0, 0), c.Window.size()));
  for (GTextControl* list :
       {form.iDbRecText, form.ContentLst, form.QueryResultsLst, form.GoToLst, form.SeeAlsoLst}) {
    EXPECT_EQ(list->ItemHeight(), c.RowHeight);
  }
  EXPECT_EQ(form.ContentLst->geometry(), c.ContentLstBounds);
  EXPECT_EQ(form.ContentBtn->geometry(), c.ContentBtnBounds);
  EXPECT_EQ(form.GoToBtn->geometry(), c.GoToBtnBounds);
  EXPECT_EQ(form.CaptionLbl->font().pixelSize(), c.CaptionPixels);
  EXPECT_EQ(form.CaptionLbl->text(), QStringLiteral("Halvena 2.0 release 3"));
  EXPECT_EQ(form.windowTitle(), QStringLiteral("Halvena 2.0 release 3"));
  EXPECT_EQ(form.ContentBtn->ClipRegion(), form.ModeBtnRgn.get());
  EXPECT_EQ(form.GoToBtn->ClipRegion(), form.ToolBtnRgn.get());
  EXPECT_TRUE(form.ContentBtn->Caption().isEmpty());
  EXPECT_FALSE(form.ContentBtn->ButtonIsDown());
  EXPECT_EQ(form.GoToPnl->mask(), PanelRegion(form.GoToPnl->width(), form.GoToPnl->height()));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, MainFormClasses,
    ::testing::Values(
        TClassCase{"Screen800x600", 800, 600, 0, QRect(80, 60, 640, 480), 16,
                   QRect(42, 132, 200, 192), QRect(21, 70, 65, 17), QRect(199, 410, 65, 17), 13},
        TClassCase{"Screen1024x600", 1024, 600, 0, QRect(192, 60, 640, 480), 16,
                   QRect(42, 132, 200, 192), QRect(21, 70, 65, 17), QRect(199, 410, 65, 17), 13},
        TClassCase{"Screen1024x768", 1024, 768, 1, QRect(112, 84, 800, 600), 20,
                   QRect(53, 165, 250, 240), QRect(26, 88, 81, 21), QRect(249, 513, 81, 21), 17},
        TClassCase{"Screen1280x1024", 1280, 1024, 2, QRect(128, 128, 1024, 768), 26,
                   QRect(67, 211, 320, 307), QRect(34, 112, 104, 27), QRect(318, 656, 104, 27), 21},
        TClassCase{"Screen1600x900", 1600, 900, 2, QRect(288, 66, 1024, 768), 26,
                   QRect(67, 211, 320, 307), QRect(34, 112, 104, 27), QRect(318, 656, 104, 27),
                   21}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST_F(MainFormTest, TooSmallScreenStopsTheConstruction) {
  SetDisplay(600, 800, 32);
  TMainForm form;
  EXPECT_TRUE(form.ScreenTooSmall());
  EXPECT_EQ(form.RecFile, nullptr);
}

TEST_F(MainFormTest, LoadsTheSkinsOfTheClass) {
  WriteSkin(QStringLiteral("bk6x4"), Qt::red);
  WriteSkin(QStringLiteral("bk8x6"), Qt::green);
  WriteSkin(QStringLiteral("bk10x7"), Qt::blue);
  WriteSkin(QStringLiteral("lpbk8x6"), Qt::cyan);
  WriteSkin(QStringLiteral("RPBK8x6"), Qt::magenta);  // found with letter case ignored
  const struct {
    int Width, Height;
    QColor Colour;
  } cases[] = {{800, 600, Qt::red}, {1024, 768, Qt::green}, {1280, 1024, Qt::blue}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Width);
    SetDisplay(c.Width, c.Height, 32);
    TMainForm form;
    ASSERT_FALSE(form.Bk->Background().Image().Empty());
    EXPECT_EQ(form.Bk->Background().Image().Image().pixelColor(1, 1), c.Colour);
    // Only the class 1 panels exist.
    EXPECT_EQ(form.GoToPnlBk->Background().Image().Empty(), ScreenClass != 1);
    EXPECT_EQ(form.SeeAlsoPnlBk->Background().Image().Empty(), ScreenClass != 1);
  }
}

TEST_F(MainFormTest, MissingSkinEmptiesTheTarget) {
  SetDisplay(800, 600, 32);
  TMainForm form;
  TPicture target;
  target.SetBitmap(QImage(4, 4, QImage::Format_RGB32));
  form.LoadSkin("nothing", target);
  EXPECT_FALSE(target.HasGraphic());
}

TEST_F(MainFormTest, MissingUpGlyphLeavesBothGlyphsEmpty) {
  SetDisplay(800, 600, 32);
  WriteSkin(QStringLiteral("bol6x4"), Qt::red, 139, 17);
  WriteSkin(QStringLiteral("bir6x4"), Qt::green, 139, 17);
  WriteSkin(QStringLiteral("bor6x4"), Qt::blue, 139, 17);
  TMainForm form;
  for (TBaseBtn* button : {form.ContentBtn, form.AnatomicBtn, form.SearchBtn, form.SeeAlsoBtn}) {
    EXPECT_TRUE(button->GlyphUp().Empty());
    EXPECT_TRUE(button->GlyphDown().Empty());
  }
  for (TBaseBtn* button : {form.GoToBtn, form.ToClipBrdBtn, form.PrintBtn}) {
    EXPECT_EQ(button->GlyphUp().Image().pixelColor(0, 0), QColor(Qt::green));
    EXPECT_EQ(button->GlyphDown().Image().pixelColor(0, 0), QColor(Qt::blue));
  }
  EXPECT_FALSE(form.LoadTabGlyphs(form.ContentBtn, TTabGroup::Left));
  EXPECT_TRUE(form.LoadTabGlyphs(form.ContentBtn, TTabGroup::Right));
}

// Each glyph file is decoded once and its picture shared by every button of its group, however
// large it is.
TEST_F(MainFormTest, TabButtonsShareTheirGlyphs) {
  SetDisplay(800, 600, 32);
  WriteSkin(QStringLiteral("bil6x4"), Qt::red, 139, 17);
  WriteSkin(QStringLiteral("bol6x4"), Qt::green, 139, 17);
  WriteSkin(QStringLiteral("bir6x4"), Qt::blue, 139, 17);
  WriteSkin(QStringLiteral("bor6x4"), Qt::cyan, 139, 17);
  TMainForm form;
  const std::vector<TBaseBtn*> left = {form.ContentBtn, form.AnatomicBtn, form.SearchBtn,
                                       form.SeeAlsoBtn};
  const std::vector<TBaseBtn*> right = {form.GoToBtn, form.ToClipBrdBtn, form.PrintBtn};
  for (const auto& group : {left, right}) {
    const TBaseBtn* first = group.front();
    ASSERT_FALSE(first->GlyphUp().Empty());
    ASSERT_FALSE(first->GlyphDown().Empty());
    for (const TBaseBtn* button : group) {
      EXPECT_EQ(button->GlyphUp().Image().constBits(), first->GlyphUp().Image().constBits());
      EXPECT_EQ(button->GlyphDown().Image().constBits(), first->GlyphDown().Image().constBits());
    }
  }
  EXPECT_NE(form.ContentBtn->GlyphUp().Image().constBits(),
            form.GoToBtn->GlyphUp().Image().constBits());
  EXPECT_EQ(form.GoToBtn->GlyphDown().Image().pixelColor(0, 0), QColor(Qt::cyan));
}

TEST_F(MainFormTest, TabButtonsPaintOnlyInsideTheirShape) {
  SetDisplay(800, 600, 32);
  WriteSkin(QStringLiteral("bil6x4"), Qt::red, 139, 17);
  WriteSkin(QStringLiteral("bol6x4"), Qt::red, 139, 17);
  WriteSkin(QStringLiteral("bir6x4"), Qt::blue, 139, 17);
  WriteSkin(QStringLiteral("bor6x4"), Qt::blue, 139, 17);
  TMainForm form;
  const QImage left = test::Render(*form.ContentBtn);
  ASSERT_EQ(left.size(), QSize(65, 17));
  EXPECT_EQ(left.pixelColor(1, 7), QColor(Qt::red));     // the knob at the outer end
  EXPECT_EQ(left.pixelColor(1, 15), QColor(Qt::white));  // under the knob
  EXPECT_EQ(left.pixelColor(40, 8), QColor(Qt::red));
  EXPECT_EQ(left.pixelColor(64, 0), QColor(Qt::white));  // the rounded far end
  const QImage right = test::Render(*form.GoToBtn);
  ASSERT_EQ(right.size(), QSize(65, 17));
  EXPECT_EQ(right.pixelColor(63, 7), QColor(Qt::blue));
  EXPECT_EQ(right.pixelColor(63, 15), QColor(Qt::white));
  EXPECT_EQ(right.pixelColor(0, 0), QColor(Qt::white));
  EXPECT_EQ(right.pixelColor(20, 8), QColor(Qt::blue));
}

TEST_F(MainFormTest, BackgroundDependsOnTheDisplayDepth) {
  const struct {
    int Bits;
    QColor Colour;
  } cases[] = {{8, QColor(0, 128, 0)}, {32, QColor(140, 177, 156)}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Bits);
    SetDisplay(800, 600, c.Bits);
    TMainForm form;
    const QImage window = test::Render(form);
    EXPECT_EQ(window.pixelColor(610, 300), c.Colour);
    EXPECT_EQ(form.SearchEdit->palette().color(QPalette::Base), c.Colour);
  }
}

TEST_F(MainFormTest, PressedFigureButtonsShowTheirSunkenFrame) {
  SetDisplay(800, 600, 32);
  TMainForm form;
  for (TBaseBtn* button : {form.RotateLeftBtn, form.RotateRightBtn, form.GenderBtn}) {
    button->SetButtonIsDown(true);
    const QImage image = test::Render(*button, Qt::black);
    EXPECT_EQ(image.pixelColor(0, 9), QColor(128, 128, 128));
    EXPECT_EQ(image.pixelColor(17, 9), QColor(Qt::white));
  }
}

TEST_F(MainFormTest, SearchEditTakesTextOfAnyLength) {
  SetDisplay(800, 600, 32);
  TMainForm form;
  const QString text(40000, QLatin1Char('a'));
  form.SearchEdit->setText(text);
  EXPECT_EQ(form.SearchEdit->text(), text);
}

TEST_F(MainFormTest, LoadsTheDictionaryAndTheQueryLinesOnTheIntroGauge) {
  SetDisplay(800, 600, 32);
  std::string dictionary;
  const TRecImage recs[] = {{1, "Hart|h", "Het hart."}, {2, "Long|l", "De long."}};
  ASSERT_TRUE(EncodeRecFile(recs, dictionary));
  WriteFile(QStringLiteral("D/IDbRecs.dat"), dictionary);
  static const char kLines[] = "[0]\r\n1,2,3,4=Hart\rB\n\xe9\n\0rest";
  WriteFile(QStringLiteral("D/qf.dat"), std::string(kLines, sizeof kLines - 1));
  ShowIntro();
  {
    TMainForm form;
    ASSERT_NE(form.RecFile, nullptr);
    EXPECT_EQ(form.RecFile->Recs.Count(), 2);
    ASSERT_NE(IntroForm, nullptr);
    EXPECT_EQ(IntroForm->Gauge->Progress(), 100);
    ASSERT_NE(form.FemaleQueryLines, nullptr);
    ASSERT_EQ(form.FemaleQueryLines->Count(), 4);
    EXPECT_EQ((*form.FemaleQueryLines)[1], "1,2,3,4=Hart");
    EXPECT_EQ((*form.FemaleQueryLines)[2], "B");
    EXPECT_EQ((*form.FemaleQueryLines)[3], "\xe9");
    ASSERT_NE(form.MaleQueryLines, nullptr);
    EXPECT_EQ(form.MaleQueryLines->Count(), 0);
    // The first show ends the intro.
    form.show();
    EXPECT_FALSE(IntroActive);
    EXPECT_EQ(IntroForm, nullptr);
  }
}

TEST_F(MainFormTest, CloseQueryReleasesTheDataAndIgnoresWhatWasStillQueued) {
  SetDisplay(800, 600, 32);
  TMainForm form;
  int closed = 0;
  form.OnClosed = [&closed] { ++closed; };
  form.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const QPoint before = form.pos();
  // Input and a show-yourself request that are still queued when the window closes.
  const QPoint at(100, 100);
  QApplication::postEvent(form.Bk, new QMouseEvent(QEvent::MouseButtonPress, QPointF(at),
                                                   QPointF(form.Bk->mapToGlobal(at)),
                                                   Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
  QApplication::postEvent(form.Bk, new QMouseEvent(QEvent::MouseMove, QPointF(at + QPoint(30, 0)),
                                                   QPointF(form.Bk->mapToGlobal(at)), Qt::NoButton,
                                                   Qt::LeftButton, Qt::NoModifier));
  QMetaObject::invokeMethod(
      &form, [&form] { form.WMShowInstance(); }, Qt::QueuedConnection);
  QMetaObject::invokeMethod(
      &form, [&form] { form.close(); }, Qt::QueuedConnection);
  form.close();
  QApplication::processEvents();
  EXPECT_EQ(closed, 1);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(form.RecFile, nullptr);
  EXPECT_EQ(form.FemaleQueryLines, nullptr);
  EXPECT_EQ(form.MaleQueryLines, nullptr);
  EXPECT_EQ(form.pos(), before);
  EXPECT_EQ(form.DragStartX, 0);
}

TEST_F(MainFormTest, CloseDuringTheLoadWaitsUntilTheLoadHasEnded) {
  SetDisplay(800, 600, 32);
  std::vector<TRecImage> recs;
  for (std::uint32_t id = 1; id <= 300; ++id)
    recs.push_back({id, "Titel " + std::to_string(id), "Tekst."});
  std::string dictionary;
  ASSERT_TRUE(EncodeRecFile(recs, dictionary));
  WriteFile(QStringLiteral("D/IDbRecs.dat"), dictionary);
  ShowIntro();
  // The intro gauge lets pending messages run while the dictionary loads; a close queued for
  // the window arrives in the middle of the load.
  int closeAttempts = 0;
  QTimer::singleShot(0, [&closeAttempts] {
    for (QWidget* widget : QApplication::topLevelWidgets()) {
      if (auto* form = dynamic_cast<TMainForm*>(widget)) {
        ++closeAttempts;
        form->close();
      }
    }
  });
  TMainForm form;
  int closed = 0;
  form.OnClosed = [&closed] { ++closed; };
  EXPECT_EQ(closeAttempts, 1);
  EXPECT_TRUE(form.Closing());
  ASSERT_NE(form.RecFile, nullptr);
  EXPECT_EQ(form.RecFile->Recs.Count(), 300);
  EXPECT_FALSE(form.LetPendingMessagesRun());
  // Back at the top of the event loop the close runs.
  QTest::qWait(10);
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(form.RecFile, nullptr);
  delete IntroForm;
  IntroForm = nullptr;
}
}  // namespace
}  // namespace halvena
