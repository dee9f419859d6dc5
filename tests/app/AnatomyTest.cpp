// The main window's body figure: loading its pictures, pointing at regions, turning it and
// switching its gender, on a program folder with small query files and solid pictures.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFontMetrics>
#include <QTest>

#include "AppTesting.h"
#include "anatomy/QueryFiles.h"
#include "app/Main.h"
#include "data/RecWriter.h"
#include "platform/Application.h"

namespace halvena {
namespace {

// Regions of the female figure: a one-unit target at the point (37, 100) of a 74 x 215 figure
// maps to, the two halves of the upper body, and one region in views 7 and 15.
const char kFemaleQueries[] =
    "[0]\r\n"
    "254,687,255,688=Punt|\r\n"
    "0,0,254,1000=Links|links\r\n"
    "254,0,508,1000=Rechts|\r\n"
    "[7]\r\n"
    "0,0,508,1476=Zeven|\r\n"
    "[Queries]\r\n"
    "Punt=+punt\r\n"
    "Links=+\"links\"\r\n";
const char kMaleQueries[] =
    "[0]\r\n"
    "0,0,508,1476=Man nul|\r\n"
    "[7]\r\n"
    "0,0,508,1476=Man zeven|\r\n"
    "[Queries]\r\n"
    "Man zeven=+man\r\n";

// Every picture of a view is one colour of its own.
QColor ViewColour(bool male, int view) {
  return QColor(male ? 200 : 40, 10 + view * 15, 90);
}

class AnatomyTest : public test::TProgramFolderTest {
 protected:
  void SetUp() override {
    TProgramFolderTest::SetUp();
    SetDisplay(800, 600, 32);
    WriteFile(QStringLiteral("D/qf.dat"), kFemaleQueries);
    WriteFile(QStringLiteral("D/qm.dat"), kMaleQueries);
    // Every female view; of the male figure only view 7.
    for (int view = 0; view < 16; ++view) WritePicture(false, view);
    WritePicture(true, 7);
  }

  void WritePicture(bool male, int view) const {
    const QString stem = male ? QStringLiteral("m6x4") : QStringLiteral("f6x4");
    WriteSkin(QStringLiteral("%1/%1_%2").arg(stem).arg(view, 2, 10, QLatin1Char('0')),
              ViewColour(male, view), 74, 215);
  }

  // The colour the figure shows in its middle, or black when it shows no picture.
  static QColor Shown(const TMainForm& form) {
    const TPicture& picture = form.BodyImage->Image();
    if (picture.Empty()) return Qt::black;
    return picture.Image().pixelColor(picture.Width() / 2, picture.Height() / 2);
  }

  static void MoveOverFigure(TMainForm& form, QPoint at) {
    test::SendMouse(form.BodyImage, QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
  }

  static void Click(QWidget* widget, QPoint at) {
    test::SendMouse(widget, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
    test::SendMouse(widget, QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
  }
};

TEST_F(AnatomyTest, FirstShowLoadsTheFemaleFrontViewWithTheHand) {
  TMainForm form;
  EXPECT_TRUE(form.BodyImage->Image().Empty());
  form.show();
  EXPECT_EQ(form.BodyView, 0);
  EXPECT_FALSE(form.GenderBtn->ButtonIsDown());
  EXPECT_EQ(Shown(form), ViewColour(false, 0));
  EXPECT_EQ(form.BodyImage->CursorSlot(), crHand);
  EXPECT_TRUE(form.anImage.ImageName().isEmpty());  // the loader is emptied after each load
}

TEST_F(AnatomyTest, PointingNamesTheRegionBesideThePointer) {
  TMainForm form;
  form.show();
  ASSERT_EQ(form.BodyImage->size(), QSize(74, 215));
  const int hintHeight = form.HintPnl->height();
  const QFontMetrics metrics(form.font());

  // (37, 100) on the 74 x 215 figure is the point (254, 687) of the reference frame.
  MoveOverFigure(form, {37, 100});
  EXPECT_EQ(form.HintPnl->Caption(), QStringLiteral("Punt"));
  EXPECT_TRUE(form.HintPnl->isVisibleTo(form.MainFormPanel));
  EXPECT_EQ(form.SearchEdit->text(), QStringLiteral("+punt"));
  const QPoint pointer = form.BodyImage->pos() + QPoint(37, 100);
  EXPECT_EQ(form.HintPnl->geometry(),
            QRect(pointer.x() + 32, pointer.y() - 32,
                  metrics.horizontalAdvance(QStringLiteral("Punt")) + 10, hintHeight));

  MoveOverFigure(form, {10, 100});
  EXPECT_EQ(form.HintPnl->Caption(), QStringLiteral("Links"));
  EXPECT_EQ(form.SearchEdit->text(), QStringLiteral("+\"links\""));
  EXPECT_EQ(form.HintPnl->width(), metrics.horizontalAdvance(QStringLiteral("Links")) + 10);

  // A region without a query line is named, but leaves nothing to search.
  MoveOverFigure(form, {60, 100});
  EXPECT_EQ(form.HintPnl->Caption(), QStringLiteral("Rechts"));
  EXPECT_TRUE(form.HintPnl->isVisibleTo(form.MainFormPanel));
  EXPECT_TRUE(form.SearchEdit->text().isEmpty());

  // Outside every region: the panel hides and the field empties.
  MoveOverFigure(form, {10, 100});
  MoveOverFigure(form, {10, 200});
  EXPECT_FALSE(form.HintPnl->isVisibleTo(form.MainFormPanel));
  EXPECT_TRUE(form.SearchEdit->text().isEmpty());
}

// The pixels of the figure at which the pointer names `name` in `view` of the female figure.
QRegion PixelsNaming(const TMainForm& form, int view, std::string_view name) {
  const QSize size = form.BodyImage->size();
  QRegion pixels;
  for (int y = 0; y < size.height(); ++y) {
    for (int x = 0; x < size.width(); ++x) {
      int fx = 0, fy = 0;
      if (!MapToFigureFrame(x, y, size.width(), size.height(), fx, fy)) continue;
      if (LookUpRegion(form.FemaleQueryLines->Items(), view, fx, fy).Name == name) {
        pixels += QRect(x, y, 1, 1);
      }
    }
  }
  return pixels;
}

TEST_F(AnatomyTest, PointedRegionLightsUpWhereThePointerNamesIt) {
  TMainForm form;
  form.show();
  const QRegion links = PixelsNaming(form, 0, "Links");
  ASSERT_FALSE(links.isEmpty());
  MoveOverFigure(form, {10, 100});
  EXPECT_EQ(form.BodyImage->Tint(), links);
  const QImage shown = test::Render(*form.BodyImage);
  EXPECT_NE(shown.pixelColor(10, 100), ViewColour(false, 0));
  EXPECT_EQ(shown.pixelColor(60, 100), ViewColour(false, 0));

  form.RotateBtnClick(form.RotateLeftBtn);
  EXPECT_TRUE(form.BodyImage->Tint().isEmpty());  // a turned figure has another area
  for (int turn = 0; turn < 6; ++turn) form.RotateBtnClick(form.RotateLeftBtn);
  MoveOverFigure(form, {20, 20});
  EXPECT_EQ(form.BodyImage->Tint(), QRegion(form.BodyImage->rect()));  // "Zeven", all of it

  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form.BodyImage, &leave);
  EXPECT_TRUE(form.BodyImage->Tint().isEmpty());
}

TEST_F(AnatomyTest, MovingThePointerRepaintsOnlyTheOldAndTheNewArea) {
  TMainForm form;
  ASSERT_TRUE(test::ShowAndWait(form));
  form.AnatomicBtnClick(form.AnatomicBtn);
  ASSERT_TRUE(form.BodyImage->isVisible());
  QTest::qWait(20);
  // The name beside the pointer covers part of the figure; where it was and where it goes is
  // painted too.
  QRegion hint;
  const auto move = [&](QPoint at) {
    const QRect hintBefore = form.HintPnl->geometry();
    test::TPaintCounter counter(*form.BodyImage);
    MoveOverFigure(form, at);
    counter.PaintsAfterEvents();
    const QRect hintAfter = form.HintPnl->geometry();
    const QPoint origin = form.BodyImage->pos();
    hint = QRegion(hintBefore.translated(-origin)) + hintAfter.translated(-origin);
    return counter.Painted() - hint;
  };
  const QRegion toLinks = move({10, 100});
  const QRegion links = form.BodyImage->Tint();
  EXPECT_EQ(links, PixelsNaming(form, 0, "Links"));
  EXPECT_EQ(toLinks, links - hint);
  EXPECT_TRUE(move({12, 110}).isEmpty());  // still the same region
  const QRegion toRechts = move({60, 100});
  const QRegion rechts = form.BodyImage->Tint();
  EXPECT_TRUE(toRechts.subtracted(links + rechts).isEmpty());
  EXPECT_FALSE(toRechts.intersected(links).isEmpty());
  EXPECT_FALSE(toRechts.intersected(rechts).isEmpty());
  EXPECT_TRUE(move({60, 200}).subtracted(rechts).isEmpty());
}

TEST_F(AnatomyTest, LeavingTheFigureHidesTheNameButKeepsItAndTheQuery) {
  TMainForm form;
  form.show();
  MoveOverFigure(form, {37, 100});
  ASSERT_TRUE(form.HintPnl->isVisibleTo(form.MainFormPanel));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form.BodyImage, &leave);
  EXPECT_FALSE(form.HintPnl->isVisibleTo(form.MainFormPanel));
  EXPECT_EQ(form.HintPnl->Caption(), QStringLiteral("Punt"));
  EXPECT_EQ(form.SearchEdit->text(), QStringLiteral("+punt"));
  // The panel never takes the pointer from the figure beneath it.
  EXPECT_TRUE(form.HintPnl->testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST_F(AnatomyTest, SixteenLeftTurnsComeBackAndRightTurnsWrapToFifteen) {
  TMainForm form;
  form.show();
  form.SeeAlsoPnl->show();
  form.GoToPnl->show();
  Click(form.RotateLeftBtn, {5, 5});
  EXPECT_EQ(form.BodyView, 1);
  EXPECT_EQ(Shown(form), ViewColour(false, 1));
  EXPECT_FALSE(form.SeeAlsoPnl->isVisibleTo(form.MainFormPanel));
  EXPECT_FALSE(form.GoToPnl->isVisibleTo(form.MainFormPanel));
  for (int turn = 2; turn <= 16; ++turn) {
    form.RotateBtnClick(form.RotateLeftBtn);
    EXPECT_EQ(form.BodyView, turn % 16);
    EXPECT_EQ(Shown(form), ViewColour(false, turn % 16));
  }
  Click(form.RotateRightBtn, {5, 5});
  EXPECT_EQ(form.BodyView, 15);
  EXPECT_EQ(Shown(form), ViewColour(false, 15));
  form.RotateBtnClick(form.RotateRightBtn);
  EXPECT_EQ(form.BodyView, 14);
  // Another sender closes the pop-up panels and turns nothing.
  form.SeeAlsoPnl->show();
  form.RotateBtnClick(form.GenderBtn);
  EXPECT_EQ(form.BodyView, 14);
  EXPECT_FALSE(form.SeeAlsoPnl->isVisibleTo(form.MainFormPanel));
}

TEST_F(AnatomyTest, GenderSwitchKeepsTheViewAndLooksUpTheOtherFile) {
  TMainForm form;
  form.show();
  form.BodyView = 7;
  Click(form.GenderBtn, {5, 5});
  EXPECT_TRUE(form.GenderBtn->ButtonIsDown());
  EXPECT_EQ(form.BodyView, 7);
  EXPECT_EQ(Shown(form), ViewColour(true, 7));
  MoveOverFigure(form, {37, 100});
  EXPECT_EQ(form.HintPnl->Caption(), QStringLiteral("Man zeven"));
  EXPECT_EQ(form.SearchEdit->text(), QStringLiteral("+man"));
  form.GenderBtnClick(form.GenderBtn);
  EXPECT_FALSE(form.GenderBtn->ButtonIsDown());
  EXPECT_EQ(form.BodyView, 7);
  EXPECT_EQ(Shown(form), ViewColour(false, 7));
  MoveOverFigure(form, {37, 100});
  EXPECT_EQ(form.HintPnl->Caption(), QStringLiteral("Zeven"));
}

TEST_F(AnatomyTest, MissingPictureLeavesTheFigureBlankAndRegionsWorking) {
  TMainForm form;
  form.show();
  form.GenderBtnClick(form.GenderBtn);  // male view 0 has no picture
  EXPECT_TRUE(form.BodyImage->Image().Empty());
  MoveOverFigure(form, {37, 100});
  EXPECT_EQ(form.HintPnl->Caption(), QStringLiteral("Man nul"));
  EXPECT_TRUE(form.HintPnl->isVisibleTo(form.MainFormPanel));
  form.RotateBtnClick(form.RotateRightBtn);  // and turning goes on to the next file
  form.RotateBtnClick(form.RotateLeftBtn);
  form.GenderBtnClick(form.GenderBtn);
  EXPECT_EQ(Shown(form), ViewColour(false, 0));
}

TEST_F(AnatomyTest, MissingQueryFileNamesNoRegion) {
  QFile::remove(PathOf(QStringLiteral("D/qf.dat")));
  TMainForm form;
  form.show();
  form.SearchEdit->setText(QStringLiteral("oud"));
  MoveOverFigure(form, {37, 100});
  EXPECT_FALSE(form.HintPnl->isVisibleTo(form.MainFormPanel));
  EXPECT_TRUE(form.SearchEdit->text().isEmpty());
}

TEST_F(AnatomyTest, FolderOrPipeAsQueryFileGivesAnEmptyListWithoutWaiting) {
  QFile::remove(PathOf(QStringLiteral("D/qf.dat")));
  QFile::remove(PathOf(QStringLiteral("D/qm.dat")));
  ASSERT_TRUE(QDir().mkpath(PathOf(QStringLiteral("D/qf.dat"))));
  ASSERT_EQ(::mkfifo(PathOf(QStringLiteral("D/qm.dat")).toLocal8Bit().constData(), 0600), 0);
  TMainForm form;
  EXPECT_EQ(form.FemaleQueryLines->Count(), 0);
  EXPECT_EQ(form.MaleQueryLines->Count(), 0);
}

TEST_F(AnatomyTest, PicturesAreDecodedAtTheDisplaysDepth) {
  SetDisplay(800, 600, 8);
  TMainForm form;
  form.show();
  EXPECT_EQ(form.anImage.ImageReadRes(), lColor256);
  EXPECT_TRUE(form.anImage.ImageDither());
  EXPECT_FALSE(form.BodyImage->Image().Empty());
}

TEST_F(AnatomyTest, PointingAfterTheCloseDoesNothing) {
  TMainForm form;
  form.show();
  form.close();
  ASSERT_EQ(form.FemaleQueryLines, nullptr);
  form.BodyImageMouseMove(form.BodyImage, Qt::NoModifier, 37, 100);
  EXPECT_FALSE(form.HintPnl->isVisibleTo(form.MainFormPanel));
}

// In anatomy mode over a small dictionary: only "Punt" holds the word punt.
class AnatomySearchTest : public AnatomyTest {
 protected:
  void SetUp() override {
    AnatomyTest::SetUp();
    const TRecImage recs[] = {{1, "Links", "De linkerkant."},
                              {2, "Punt", "Een punt van het lichaam."},
                              {3, "Rechts", "De rechterkant."}};
    std::string dictionary;
    ASSERT_TRUE(EncodeRecFile(recs, dictionary));
    WriteFile(QStringLiteral("D/IDbRecs.dat"), dictionary);
  }
};

TEST_F(AnatomySearchTest, ClickSearchesTheRegionPointedAtAndShowsTheFirstEntry) {
  TMainForm form;
  form.show();
  form.AnatomicBtnClick(form.AnatomicBtn);
  ASSERT_TRUE(form.BodyImage->isVisibleTo(&form));
  MoveOverFigure(form, {37, 100});
  Click(form.BodyImage, {37, 100});
  ASSERT_EQ(form.QueryResultsLst->Items().Count(), 1);
  EXPECT_EQ(form.QueryResultsLst->Items()[0], "1|Punt");
  EXPECT_EQ(form.QueryResultsLst->ItemIndex(), 0);
  EXPECT_EQ(form.iDbRecHeaderLbl->text(), QStringLiteral("Punt"));
  EXPECT_GT(form.iDbRecText->Items().Count(), 0);
  EXPECT_EQ(form.QueryResultsLstLbl->text(), QStringLiteral("Gevonden onder \"Punt\": 1"));
  EXPECT_TRUE(form.QueryResultsLst->isVisibleTo(&form));
  EXPECT_EQ(form.QueryResultsLst->y(), form.BodyImage->y() + form.BodyImage->height() + 5);
}

TEST_F(AnatomySearchTest, RegionOfTheEntryShownStaysLitInAnatomyModeOnly) {
  TMainForm form;
  form.show();
  form.AnatomicBtnClick(form.AnatomicBtn);
  const QRegion punt = PixelsNaming(form, 0, "Punt");
  MoveOverFigure(form, {37, 100});
  Click(form.BodyImage, {37, 100});
  ASSERT_EQ(form.iDbRecHeaderLbl->text(), QStringLiteral("Punt"));
  MoveOverFigure(form, {10, 100});
  EXPECT_EQ(form.BodyImage->Tint(), punt + PixelsNaming(form, 0, "Links"));
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form.BodyImage, &leave);
  EXPECT_EQ(form.BodyImage->Tint(), punt);
  form.GenderBtnClick(form.GenderBtn);  // the male figure has no "Punt"
  EXPECT_TRUE(form.BodyImage->Tint().isEmpty());
  form.GenderBtnClick(form.GenderBtn);
  EXPECT_EQ(form.BodyImage->Tint(), punt);
  form.ContentBtnClick(form.ContentBtn);
  EXPECT_TRUE(form.BodyImage->Tint().isEmpty());
}

TEST_F(AnatomySearchTest, ClickWithoutAQueryPointedAtDoesNothing) {
  TMainForm form;
  form.show();
  form.SearchEdit->setText(QStringLiteral("+punt"));  // left over from another mode
  form.AnatomicBtnClick(form.AnatomicBtn);
  form.QueryResultsLstLbl->setText(QStringLiteral("ongewijzigd"));
  Click(form.BodyImage, {37, 100});  // before any pointing
  EXPECT_EQ(form.QueryResultsLstLbl->text(), QStringLiteral("ongewijzigd"));
  MoveOverFigure(form, {60, 100});  // "Rechts" has no query
  Click(form.BodyImage, {60, 100});
  EXPECT_EQ(form.QueryResultsLstLbl->text(), QStringLiteral("ongewijzigd"));
  EXPECT_EQ(form.QueryResultsLst->Items().Count(), 0);
}

struct TFigureClass {
  const char* Name;
  int ScreenWidth, ScreenHeight;
  QSize Figure;
};

class AnatomyClasses : public AnatomyTest, public ::testing::WithParamInterface<TFigureClass> {};

// The pictures have the figure's size in every class and map the reference frame edge to edge;
// the figure must draw them edge to edge too, or the hit test points beside what is drawn.
TEST_P(AnatomyClasses, PictureFillsTheFigureThatTheHitTestMaps) {
  const TFigureClass& c = GetParam();
  SetDisplay(c.ScreenWidth, c.ScreenHeight, 32);
  QImage picture(c.Figure, QImage::Format_RGB32);
  picture.fill(Qt::green);
  for (int x = 0; x < c.Figure.width(); ++x) {
    picture.setPixelColor(x, 0, Qt::red);
    picture.setPixelColor(x, c.Figure.height() - 1, Qt::red);
  }
  for (int y = 0; y < c.Figure.height(); ++y) {
    picture.setPixelColor(0, y, Qt::red);
    picture.setPixelColor(c.Figure.width() - 1, y, Qt::red);
  }
  const QString stem = QStringLiteral("f") + c.Name;
  ASSERT_TRUE(picture.save(PathOf(QStringLiteral("I/B/%1/%1_00").arg(stem)), "BMP"));
  TMainForm form;
  form.show();
  ASSERT_EQ(form.BodyImage->size(), c.Figure);
  form.BodyImage->show();
  const QImage shown = test::Render(*form.BodyImage);
  const int w = c.Figure.width();
  const int h = c.Figure.height();
  for (QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
    EXPECT_EQ(shown.pixelColor(corner), QColor(Qt::red)) << corner.x() << "," << corner.y();
  }
  EXPECT_EQ(shown.pixelColor(1, 1), QColor(Qt::green));
  EXPECT_EQ(shown.pixelColor(w - 2, h - 2), QColor(Qt::green));
  MoveOverFigure(form, {w * 3 / 4, h / 4});
  EXPECT_EQ(form.HintPnl->Caption(), QStringLiteral("Rechts"));
  // The light covers the region's rectangle, also a pixel of it that the earlier "Punt" line
  // names.
  const QRegion tint = form.BodyImage->Tint();
  const QRegion rechts = PixelsNaming(form, 0, "Rechts");
  EXPECT_TRUE(rechts.subtracted(tint).isEmpty());
  EXPECT_TRUE(tint.subtracted(rechts).subtracted(PixelsNaming(form, 0, "Punt")).isEmpty());
}

TEST_P(AnatomyClasses, FigureButtonsShowGlyphsDrawnAtTheirSize) {
  const TFigureClass& c = GetParam();
  SetDisplay(c.ScreenWidth, c.ScreenHeight, 32);
  TMainForm form;
  form.show();
  for (TBaseBtn* button : {form.RotateLeftBtn, form.RotateRightBtn, form.GenderBtn}) {
    EXPECT_EQ(button->GlyphUp().Image().size(), button->size());
    EXPECT_EQ(button->GlyphDown().Image().size(), button->size());
  }
  // The gender button shows the figure on screen: female up, male down.
  EXPECT_NE(form.GenderBtn->GlyphUp().Image(), form.GenderBtn->GlyphDown().Image());
  EXPECT_NE(form.RotateLeftBtn->GlyphUp().Image(), form.RotateRightBtn->GlyphUp().Image());
}

INSTANTIATE_TEST_SUITE_P(Classes, AnatomyClasses,
                         ::testing::Values(TFigureClass{"6x4", 800, 600, {74, 215}},
                                           TFigureClass{"8x6", 1024, 768, {93, 268}},
                                           TFigureClass{"10x7", 1280, 1024, {119, 344}}),
                         [](const auto& info) { return std::string("Class") + info.param.Name; });

}  // namespace
}  // namespace halvena
