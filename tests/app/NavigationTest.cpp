// The reader's handlers of the main window on a small dictionary: modes, the contents list, the
// keyword search, the entry display with its cross-references, and the history.
#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "AppTesting.h"
#include "app/Main.h"
#include "data/RecWriter.h"
#include "platform/Printers.h"

namespace halvena {
namespace {

using TLines = std::vector<std::string>;

// Visible numbers equal these positions while every record is visible.
const std::vector<TRecImage> kDictionary = {
    {11, "Aambeien|a", "Gezwollen aders bij de anus. Zie {aorta}."},
    {12, "Aorta|a", "De grote slagader vanuit het {Hart}. Zie ook {hart} en {Bloed}."},
    {13, "bloed|b", "Vloeistof die door het hart stroomt."},
    {14, "Bloeddruk|b", "De druk van het bloed in de {vaten"},
    {15, "Hartslag|h", "Het kloppen van het hart. {"},
    {16, "Hart|h", "Spier die het bloed rondpompt.\r\n\r\nZie {Bloeddruk}."},
    {17, "Hoge bloeddruk|h", "Te hoge druk: hoge bloeddruk komt vaak voor."},
    {18, "Long|l", "Orgaan van de ademhaling."},
    {19, "\xc9tage|e", "Verdieping."},
    {20, "Zenuw|z", "Geleidt prikkels naar het {Hart}."},
};

// A skin whose every pixel tells where it lies, so that a copied backdrop shows its origin.
QRgb SkinPixel(int x, int y) {
  return qRgb(x % 256, y % 256, 60);
}

class NavigationTest : public test::TProgramFolderTest {
 protected:
  void SetUp() override {
    TProgramFolderTest::SetUp();
    SetDisplay(800, 600, 32);
    SetPrintersInstalledOverride(true);
  }
  void TearDown() override {
    ClearPrintersInstalledOverride();
    TProgramFolderTest::TearDown();
  }

  void WriteDictionary(const std::vector<TRecImage>& recs = kDictionary) {
    std::string bytes;
    ASSERT_TRUE(EncodeRecFile(recs, bytes));
    WriteFile(QStringLiteral("D/IDbRecs.dat"), bytes);
  }

  void WriteGradientSkin() {
    QImage skin(640, 480, QImage::Format_RGB32);
    for (int y = 0; y < skin.height(); ++y) {
      for (int x = 0; x < skin.width(); ++x) skin.setPixel(x, y, SkinPixel(x, y));
    }
    ASSERT_TRUE(skin.save(PathOf(QStringLiteral("I/B/bk6x4")), "BMP"));
  }

  // Shows the window, which opens the contents.
  static void Show(TMainForm& form) {
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  }

  static TLines Items(const GTextControl* list) {
    TLines items;
    for (int i = 0; i < list->Items().Count(); ++i) items.push_back(list->Items()[i]);
    return items;
  }

  static void Click(QWidget* widget, QPoint at = QPoint(5, 5)) {
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, at);
  }

  // Clicks the row of item `index` of a list.
  static void ClickItem(GTextControl* list, int index) {
    const int row = index - list->TopIndex();
    Click(list, QPoint(20, row * list->ItemHeight() + list->ItemHeight() / 2));
  }

  static void Type(TMainForm& form, const QString& text) {
    form.SearchEdit->setFocus();
    form.SearchEdit->clear();
    QTest::keyClicks(form.SearchEdit, text);
    QTest::keyClick(form.SearchEdit, Qt::Key_Return);
  }

  static std::string Title(const TMainForm& form) {
    return form.iDbRecHeaderLbl->text().toStdString();
  }
};

TEST_F(NavigationTest, FirstScreenOpensTheFirstLetterWithEntries) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  EXPECT_EQ(form.ViewMode, TViewMode::vmContents);
  EXPECT_EQ(form.LstHeader->text(), QStringLiteral("Inhoud"));
  EXPECT_EQ(form.LstHeaderBk->text(), QStringLiteral("Inhoud"));
  EXPECT_TRUE(form.ContentBtn->isHidden());
  EXPECT_FALSE(form.AnatomicBtn->isHidden());
  EXPECT_FALSE(form.SearchBtn->isHidden());
  std::string enabled;
  for (TBaseBtn* button : form.BaseBtns) {
    EXPECT_FALSE(button->isHidden());
    if (button->isEnabled()) enabled += button->Caption().toStdString();
  }
  // "\xc9tage" is filed under no letter.
  EXPECT_EQ(enabled, "ABHLZ");
  EXPECT_EQ(Items(form.ContentLst), (TLines{"1|Aambeien", "2|Aorta"}));
  EXPECT_EQ(form.ContentLst->ItemIndex(), 0);
  EXPECT_FALSE(form.ContentLst->isHidden());
  EXPECT_EQ(form.ContentLstLbl->text(), QStringLiteral("Gevonden onder \"A\": 2"));
  EXPECT_EQ(Title(form), "Aambeien");
  EXPECT_EQ(form.iDbRecHeaderLblBk->text(), QStringLiteral("Aambeien"));
  EXPECT_EQ(form.CurrentRecId, 11);
  EXPECT_FALSE(form.iDbRecText->isHidden());
  std::string text;
  for (const std::string& line : Items(form.iDbRecText)) text += line;
  EXPECT_EQ(text, "Gezwollen aders bij de anus. Zie aorta.");
  EXPECT_EQ(Items(form.SeeAlsoLst), TLines{"Aorta"});
  EXPECT_FALSE(form.SeeAlsoBtn->isHidden());
  EXPECT_EQ(Items(form.GoToLst), TLines{"Aambeien"});
  EXPECT_FALSE(form.ToClipBrdBtn->isHidden());
  EXPECT_FALSE(form.PrintBtn->isHidden());
  EXPECT_TRUE(form.SearchGauge->isHidden());
  EXPECT_TRUE(form.QueryResultsLst->isHidden());
  EXPECT_TRUE(form.BodyImage->isHidden());
}

TEST_F(NavigationTest, PrintButtonNeedsAPrinter) {
  WriteDictionary();
  SetPrintersInstalledOverride(false);
  TMainForm form;
  Show(form);
  EXPECT_FALSE(form.ToClipBrdBtn->isHidden());
  EXPECT_TRUE(form.PrintBtn->isHidden());
}

TEST_F(NavigationTest, ModeSwitchesShowTheModesControls) {
  WriteDictionary();
  TMainForm form;
  Show(form);

  Click(form.SearchBtn);
  EXPECT_EQ(form.ViewMode, TViewMode::vmSearch);
  EXPECT_EQ(form.LstHeader->text(), QStringLiteral("Zoeken"));
  EXPECT_TRUE(form.SearchBtn->isHidden());
  EXPECT_FALSE(form.ContentBtn->isHidden());
  EXPECT_FALSE(form.AnatomicBtn->isHidden());
  EXPECT_TRUE(form.ContentLst->isHidden());
  EXPECT_TRUE(form.ContentLstLbl->isHidden());
  for (TBaseBtn* button : form.BaseBtns) EXPECT_TRUE(button->isHidden());
  EXPECT_FALSE(form.SearchEdit->isHidden());
  EXPECT_TRUE(form.SearchEdit->text().isEmpty());
  EXPECT_FALSE(form.SearchEditLbl->isHidden());
  EXPECT_FALSE(form.SearchEditExpLbl->isHidden());
  // An empty query passes nothing: no results, no entry, nothing to copy.
  EXPECT_TRUE(form.QueryResultsLst->isHidden());
  EXPECT_FALSE(form.QueryResultsLstLbl->isHidden());
  EXPECT_EQ(form.QueryResultsLstLbl->text(), QStringLiteral("Gevonden: 0"));
  EXPECT_TRUE(form.iDbRecText->isHidden());
  EXPECT_TRUE(form.iDbRecHeaderLbl->isHidden());
  EXPECT_TRUE(form.SeeAlsoBtn->isHidden());
  EXPECT_TRUE(form.ToClipBrdBtn->isHidden());
  EXPECT_TRUE(form.PrintBtn->isHidden());
  EXPECT_EQ(form.QueryResultsLst->y(),
            form.SearchEditExpLbl->y() + form.SearchEditExpLbl->height() + 5);
  EXPECT_EQ(form.QueryResultsLst->y() + form.QueryResultsLst->height() + 5,
            form.QueryResultsLstLbl->y());

  Click(form.AnatomicBtn);
  EXPECT_EQ(form.ViewMode, TViewMode::vmAnatomy);
  EXPECT_EQ(form.LstHeader->text(), QStringLiteral("Anatomie"));
  for (QWidget* shown : std::initializer_list<QWidget*>{
           form.BodyImage, form.AnatomicExpLbl, form.GenderBtn, form.RotateLeftBtn,
           form.RotateRightBtn, form.QueryResultsLstLbl, form.ContentBtn, form.SearchBtn}) {
    EXPECT_FALSE(shown->isHidden());
  }
  EXPECT_TRUE(form.SearchEdit->isHidden());
  EXPECT_TRUE(form.AnatomicBtn->isHidden());
  EXPECT_EQ(form.QueryResultsLst->y(), form.BodyImage->y() + form.BodyImage->height() + 5);

  Click(form.ContentBtn);
  EXPECT_EQ(form.ViewMode, TViewMode::vmContents);
  for (QWidget* hidden : std::initializer_list<QWidget*>{
           form.BodyImage, form.AnatomicExpLbl, form.GenderBtn, form.RotateLeftBtn,
           form.RotateRightBtn, form.QueryResultsLstLbl, form.ContentBtn}) {
    EXPECT_TRUE(hidden->isHidden());
  }
  EXPECT_EQ(Title(form), "Aambeien");
  EXPECT_FALSE(form.PrintBtn->isHidden());
}

TEST_F(NavigationTest, LettersAndTitlesOfTheContents) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  ClickItem(form.ContentLst, 1);
  EXPECT_EQ(Title(form), "Aorta");
  EXPECT_EQ(form.ContentLst->TopIndex(), 0);  // a click in the list does not scroll it
  EXPECT_EQ(Items(form.SeeAlsoLst), (TLines{"Bloed", "Hart"}));

  // The letter already shown changes nothing.
  Click(form.BaseBtns[0]);
  EXPECT_EQ(Title(form), "Aorta");
  EXPECT_EQ(form.ContentLst->ItemIndex(), 1);

  // A title with a small first letter is filed under the capital.
  Click(form.BaseBtns['B' - 'A']);
  EXPECT_EQ(Items(form.ContentLst), (TLines{"3|bloed", "4|Bloeddruk"}));
  EXPECT_EQ(Title(form), "bloed");
  EXPECT_EQ(form.ContentLstLbl->text(), QStringLiteral("Gevonden onder \"B\": 2"));
  ClickItem(form.ContentLst, 1);
  EXPECT_EQ(Title(form), "Bloeddruk");
  // Clicking the title on screen does nothing; "B" again opens the letter anew, because its
  // first title starts with a small letter.
  ClickItem(form.ContentLst, 1);
  EXPECT_EQ(Items(form.GoToLst), (TLines{"Aambeien", "Aorta", "bloed", "Bloeddruk"}));
  Click(form.BaseBtns['B' - 'A']);
  EXPECT_EQ(Title(form), "bloed");

  // A disabled letter reacts to nothing.
  Click(form.BaseBtns['C' - 'A']);
  EXPECT_EQ(Title(form), "bloed");
  // Called for a letter without titles (a cross-reference can): an empty, hidden list.
  form.BaseBtnNClick(form.BaseBtns['C' - 'A']);
  EXPECT_EQ(form.ContentLst->Items().Count(), 0);
  EXPECT_TRUE(form.ContentLst->isHidden());
  EXPECT_EQ(form.ContentLstLbl->text(), QStringLiteral("Gevonden onder \"C\": 0"));
}

// The pixels of row `row` of a rendered list that are not skin: the text.
struct TInk {
  int Left = 1 << 20, Right = -1, Top = 1 << 20, Bottom = -1;
  int WidestLine = 0;  // the most ink pixels on one pixel line
  int Width() const { return Right - Left + 1; }
};

TInk InkOfRow(const QImage& image, const GTextControl& list, int row) {
  TInk ink;
  const QPoint origin = list.pos();
  for (int y = row * list.ItemHeight(); y < (row + 1) * list.ItemHeight(); ++y) {
    int line = 0;
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) == SkinPixel(x + origin.x(), y + origin.y())) continue;
      ++line;
      ink.Left = std::min(ink.Left, x);
      ink.Right = std::max(ink.Right, x);
      ink.Top = std::min(ink.Top, y);
      ink.Bottom = std::max(ink.Bottom, y);
    }
    ink.WidestLine = std::max(ink.WidestLine, line);
  }
  return ink;
}

TEST_F(NavigationTest, RowsShowTheSkinBehindTheirText) {
  WriteDictionary();
  WriteGradientSkin();
  TMainForm form;
  Show(form);
  ASSERT_EQ(form.ContentLst->pos(), QPoint(42, 132));
  const QImage image = test::Render(*form.ContentLst, Qt::white);
  // Where no text is, every pixel is the skin's at the same place of the window, also far
  // below the last row.
  for (const QPoint at : {QPoint(1, 1), QPoint(190, 20), QPoint(3, 100), QPoint(199, 191)}) {
    EXPECT_EQ(image.pixel(at), SkinPixel(at.x() + 42, at.y() + 132)) << at.x() << "," << at.y();
  }
  // The text starts 5 pixels in.
  const TInk first = InkOfRow(image, *form.ContentLst, 0);
  EXPECT_GE(first.Left, 5);
  EXPECT_LE(first.Left, 7);
  EXPECT_LT(first.Right, 200 - 24);
}

TEST_F(NavigationTest, SelectedRowIsLargerAndHotRowUnderlined) {
  WriteDictionary();
  WriteGradientSkin();
  TMainForm form;
  Show(form);
  GTextControl* list = form.ContentLst;
  // Row 0 drawn in each look in turn.
  const auto renderRow0 = [&](TOwnerDrawState state) {
    list->OnDrawItem = [&form, state](TGraphicControl* control, int index, TRect rect,
                                      TOwnerDrawState) {
      form.ContentLstDrawItem(control, index, rect, index == 0 ? state : 0);
    };
    return InkOfRow(test::Render(*list, Qt::white), *list, 0);
  };
  const TInk plain = renderRow0(0);
  const TInk selected = renderRow0(odSelected);
  const TInk hot = renderRow0(odHot);
  ASSERT_GT(plain.Width(), 20);
  EXPECT_GT(selected.Width(), plain.Width());
  EXPECT_GE(selected.Bottom - selected.Top, plain.Bottom - plain.Top);
  // An underline is one pixel line inked along the whole text; plain text has none.
  EXPECT_GE(hot.WidestLine, plain.Width() * 9 / 10);
  EXPECT_LT(plain.WidestLine, plain.Width() * 9 / 10);
  EXPECT_LT(selected.WidestLine, selected.Width() * 9 / 10);
}

TEST_F(NavigationTest, HoverRepaintsAtMostTwoRows) {
  std::vector<TRecImage> recs;
  for (std::uint32_t id = 1; id <= 30; ++id)
    recs.push_back({id, "Titel " + std::to_string(id), "x"});
  WriteDictionary(recs);
  TMainForm form;
  Show(form);
  GTextControl* list = form.ContentLst;
  ASSERT_EQ(list->Items().Count(), 30);
  std::vector<int> drawn;
  list->OnDrawItem = [&](TGraphicControl* control, int index, TRect rect, TOwnerDrawState state) {
    drawn.push_back(index);
    form.ContentLstDrawItem(control, index, rect, state);
  };
  int most = 0;
  for (int y = 2; y < list->height(); y += 3) {
    drawn.clear();
    QTest::mouseMove(list, QPoint(30, y));
    QApplication::processEvents();
    most = std::max(most, static_cast<int>(drawn.size()));
  }
  EXPECT_GT(list->HotIndex(), 0);
  EXPECT_LE(most, 2);
}

TEST_F(NavigationTest, EnterSelectsTheExactTitleAmongEarlierResults) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  Click(form.SearchBtn);
  Type(form, QStringLiteral("hart"));
  EXPECT_EQ(Items(form.QueryResultsLst),
            (TLines{"1|Aorta", "2|bloed", "3|Hartslag", "4|Hart", "5|Zenuw"}));
  EXPECT_EQ(form.QueryResultsLst->ItemIndex(), 3);
  EXPECT_EQ(form.QueryResultsLst->TopIndex(), 2);
  EXPECT_EQ(Title(form), "Hart");
  EXPECT_EQ(form.QueryResultsLstLbl->text(), QStringLiteral("Gevonden: 5"));
  EXPECT_EQ(form.SearchEdit->text(), QStringLiteral("hart"));
  EXPECT_FALSE(form.QueryResultsLst->isHidden());
  EXPECT_TRUE(form.SearchGauge->isHidden());
  EXPECT_EQ(form.GoToLst->Items()[form.GoToLst->Items().Count() - 1], "Hart");
  // Printing and copying follow the search's visible records.
  EXPECT_FALSE(form.PrintBtn->isHidden());

  // Clicking a result shows it without scrolling.
  ClickItem(form.QueryResultsLst, 2);
  EXPECT_EQ(Title(form), "Hartslag");
  EXPECT_EQ(form.QueryResultsLst->TopIndex(), 2);

  // Enter with a modifier does nothing.
  form.SearchEdit->setText(QStringLiteral("long"));
  QTest::keyClick(form.SearchEdit, Qt::Key_Return, Qt::ShiftModifier);
  EXPECT_EQ(Title(form), "Hartslag");
  QTest::keyClick(form.SearchEdit, Qt::Key_Enter, Qt::KeypadModifier);
  EXPECT_EQ(Title(form), "Long");
}

TEST_F(NavigationTest, TwoTypedWordsAreOnePhrase) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  Click(form.SearchBtn);
  Type(form, QStringLiteral("hoge bloeddruk"));
  EXPECT_EQ(Items(form.QueryResultsLst), TLines{"1|Hoge bloeddruk"});
  EXPECT_EQ(Title(form), "Hoge bloeddruk");
  Type(form, QStringLiteral("hoge  bloeddruk"));
  EXPECT_EQ(form.QueryResultsLst->Items().Count(), 0);
  EXPECT_TRUE(form.QueryResultsLst->isHidden());
  EXPECT_TRUE(form.iDbRecText->isHidden());
  EXPECT_EQ(form.CurrentRecId, 0);
  EXPECT_EQ(form.QueryResultsLstLbl->text(), QStringLiteral("Gevonden: 0"));
  EXPECT_TRUE(form.ToClipBrdBtn->isHidden());
}

TEST_F(NavigationTest, EmptyEnterListsEveryEntry) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  Click(form.SearchBtn);
  Type(form, QString());
  EXPECT_EQ(form.QueryResultsLst->Items().Count(), 10);
  EXPECT_EQ(form.QueryResultsLst->ItemIndex(), 0);
  EXPECT_EQ(Title(form), "Aambeien");
  EXPECT_EQ(form.QueryResultsLstLbl->text(), QStringLiteral("Gevonden: 10"));
}

TEST_F(NavigationTest, ModeQueryRunsTheFieldAsAQuery) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  Click(form.AnatomicBtn);
  // What the figure does: a query in the field, the organ's name in the hint panel, a click.
  form.SearchEdit->setText(QStringLiteral("  bloed%druk"));
  form.HintPnl->SetCaption(QStringLiteral("Hart"));
  form.StartQuerySearchBtnClick(form.BodyImage);
  EXPECT_EQ(form.SearchEdit->text(), QStringLiteral("+bloed%druk"));
  // "bloed" and (since an alternative exists) "druk" as substrings, in the body or the title.
  EXPECT_EQ(Items(form.QueryResultsLst), (TLines{"1|Bloeddruk", "2|Hart", "3|Hoge bloeddruk"}));
  EXPECT_EQ(form.QueryResultsLst->ItemIndex(), 0);
  EXPECT_EQ(Title(form), "Bloeddruk");
  EXPECT_EQ(form.QueryResultsLstLbl->text(), QStringLiteral("Gevonden onder \"Hart\": 3"));
}

TEST_F(NavigationTest, CrossReferencesOfTheShownEntry) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  const struct {
    char Letter;
    int Item;
    const char* Title;
    TLines Refs;
  } cases[] = {
      {'A', 1, "Aorta", {"Bloed", "Hart"}},  // twice, once in lower case
      {'B', 1, "Bloeddruk", {"Vaten"}},      // "{" without "}"
      {'H', 0, "Hartslag", {}},              // "{" last
      {'L', 0, "Long", {}},                  // no braces
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Title);
    Click(form.BaseBtns[static_cast<std::size_t>(c.Letter - 'A')]);
    ClickItem(form.ContentLst, c.Item);
    ASSERT_EQ(Title(form), c.Title);
    EXPECT_EQ(Items(form.SeeAlsoLst), c.Refs);
    EXPECT_EQ(form.SeeAlsoLst->ItemIndex(), -1);
    EXPECT_EQ(form.SeeAlsoBtn->isHidden(), c.Refs.empty());
  }
  // "Hart": an empty paragraph gives an empty line, and the text is padded to the list height.
  Click(form.BaseBtns['H' - 'A']);
  ClickItem(form.ContentLst, 1);
  ASSERT_EQ(Title(form), "Hart");
  EXPECT_EQ(form.iDbRecText->Items()[0], "Spier die het bloed rondpompt.");
  EXPECT_EQ(form.iDbRecText->Items()[1], "");
  EXPECT_EQ(form.iDbRecText->Items()[2], "Zie Bloeddruk.");
  EXPECT_GE(form.iDbRecText->Items().Count() * form.iDbRecText->ItemHeight(),
            form.iDbRecText->height());

  // The button toggles its pop-up and closes the history's.
  Click(form.GoToBtn);
  EXPECT_FALSE(form.GoToPnl->isHidden());
  Click(form.SeeAlsoBtn);
  EXPECT_TRUE(form.GoToPnl->isHidden());
  EXPECT_FALSE(form.SeeAlsoPnl->isHidden());
  Click(form.SeeAlsoBtn);
  EXPECT_TRUE(form.SeeAlsoPnl->isHidden());
  Click(form.SeeAlsoBtn);
  Click(form.GoToBtn);
  EXPECT_TRUE(form.SeeAlsoPnl->isHidden());
  EXPECT_FALSE(form.GoToPnl->isHidden());
}

TEST_F(NavigationTest, FollowingAReferenceFromSearchModeRecordsOnlyItsTarget) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  Click(form.SearchBtn);
  Type(form, QStringLiteral("hart"));
  ASSERT_EQ(Title(form), "Hart");
  ASSERT_EQ(Items(form.SeeAlsoLst), TLines{"Bloeddruk"});
  Click(form.SeeAlsoBtn);
  ASSERT_FALSE(form.SeeAlsoPnl->isHidden());
  ClickItem(form.SeeAlsoLst, 0);
  EXPECT_EQ(form.ViewMode, TViewMode::vmContents);
  EXPECT_EQ(form.LstHeader->text(), QStringLiteral("Inhoud"));
  EXPECT_TRUE(form.SeeAlsoPnl->isHidden());
  EXPECT_TRUE(form.SearchEdit->text().isEmpty());
  EXPECT_EQ(form.RecFile->VisCount, 10);
  EXPECT_EQ(Items(form.ContentLst), (TLines{"3|bloed", "4|Bloeddruk"}));
  EXPECT_EQ(form.ContentLst->ItemIndex(), 1);
  EXPECT_EQ(form.ContentLst->TopIndex(), 1);
  EXPECT_EQ(Title(form), "Bloeddruk");
  // Not "bloed", the first entry of the letter opened on the way.
  EXPECT_EQ(Items(form.GoToLst), (TLines{"Aambeien", "Hart", "Bloeddruk"}));
  EXPECT_TRUE(form.GoToLst->isEnabled());

  // A reference whose letter has no titles: an empty contents list, the entry stays.
  ASSERT_EQ(Items(form.SeeAlsoLst), TLines{"Vaten"});
  Click(form.SeeAlsoBtn);
  ClickItem(form.SeeAlsoLst, 0);
  EXPECT_EQ(Title(form), "Bloeddruk");
  EXPECT_TRUE(form.ContentLst->isHidden());
  EXPECT_EQ(form.ContentLstLbl->text(), QStringLiteral("Gevonden onder \"V\": 0"));
  EXPECT_TRUE(form.GoToLst->isEnabled());
}

TEST_F(NavigationTest, HistoryKeepsFifteenAndOpensOnTheNewest) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  // Sixteen titles in all: the first screen's, then visible numbers 2..10 and 1..6.
  for (const int visNo : {2, 3, 4, 5, 6, 7, 8, 9, 10, 1, 2, 3, 4, 5, 6}) {
    TIDbRec rec;
    form.RecFile->GetVisibleRec(visNo, rec);
    form.DisplayRec(rec);
  }
  ASSERT_EQ(form.GoToLst->Items().Count(), 15);
  EXPECT_EQ(form.GoToLst->Items()[0], "Aorta");
  EXPECT_EQ(form.GoToLst->Items()[14], "Hart");
  EXPECT_EQ(form.GoToLst->ItemIndex(), 14);
  Click(form.GoToBtn);
  EXPECT_FALSE(form.GoToPnl->isHidden());
  EXPECT_EQ(form.GoToLst->TopIndex(), 13);
  Click(form.GoToBtn);
  EXPECT_TRUE(form.GoToPnl->isHidden());

  // The newest item while it is on screen: nothing changes.
  const std::int32_t shown = form.CurrentRecId;
  form.GoToLst->SetItemIndex(14);
  form.GoToLstSelect(form.GoToLst);
  EXPECT_EQ(form.CurrentRecId, shown);
  EXPECT_EQ(form.GoToLst->Items().Count(), 15);
  EXPECT_EQ(form.GoToLst->Items()[14], "Hart");
}

TEST_F(NavigationTest, OlderHistoryItemShowsItsEntryInItsLetter) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  ClickItem(form.ContentLst, 1);
  Click(form.BaseBtns['B' - 'A']);
  ASSERT_EQ(Items(form.GoToLst), (TLines{"Aambeien", "Aorta", "bloed"}));
  Click(form.SearchBtn);
  Click(form.GoToBtn);
  ClickItem(form.GoToLst, 1);
  EXPECT_EQ(form.ViewMode, TViewMode::vmContents);
  EXPECT_EQ(Title(form), "Aorta");
  EXPECT_EQ(Items(form.ContentLst), (TLines{"1|Aambeien", "2|Aorta"}));
  EXPECT_EQ(form.ContentLst->ItemIndex(), 1);
  EXPECT_EQ(Items(form.GoToLst), (TLines{"Aambeien", "Aorta", "bloed", "Aorta"}));
  EXPECT_EQ(form.GoToLst->ItemIndex(), 3);
  EXPECT_TRUE(form.GoToPnl->isHidden());
}

TEST_F(NavigationTest, WithoutAStoreTheModesStillSwitch) {
  WriteDictionary();
  TMainForm form;
  form.RecFile.reset();
  Show(form);
  for (TBaseBtn* button : form.BaseBtns) EXPECT_FALSE(button->isEnabled());
  EXPECT_EQ(form.ContentLst->Items().Count(), 0);
  EXPECT_TRUE(form.iDbRecText->isHidden());
  EXPECT_TRUE(form.ToClipBrdBtn->isHidden());
  EXPECT_TRUE(form.PrintBtn->isHidden());
  Click(form.SearchBtn);
  EXPECT_EQ(form.ViewMode, TViewMode::vmSearch);
  Type(form, QStringLiteral("hart"));
  EXPECT_EQ(form.QueryResultsLst->Items().Count(), 0);
  form.GoToLstSelect(form.GoToLst);
  form.SeeAlsoLstSelect(form.SeeAlsoLst);
  EXPECT_EQ(form.CurrentRecId, 0);
  Click(form.ContentBtn);
  EXPECT_EQ(form.ViewMode, TViewMode::vmContents);
}

TEST_F(NavigationTest, EntryWithoutTitleIsListedButShowsNothing) {
  // A body without key: filed under no letter, found by its body, and like no entry when chosen.
  WriteDictionary({{1, "Long|l", "Orgaan."}, {2, "", "Zonder titel, wel een orgaan."}});
  TMainForm form;
  Show(form);
  EXPECT_EQ(Items(form.ContentLst), TLines{"1|Long"});
  Click(form.SearchBtn);
  Type(form, QStringLiteral("orgaan"));
  ASSERT_EQ(Items(form.QueryResultsLst), (TLines{"1|Long", "2|"}));
  EXPECT_EQ(Title(form), "Long");
  ClickItem(form.QueryResultsLst, 1);
  EXPECT_EQ(form.CurrentRecId, 0);
  EXPECT_TRUE(form.iDbRecText->isHidden());
  EXPECT_EQ(Items(form.GoToLst), TLines{"Long"});
}

TEST_F(NavigationTest, EmptyDictionaryOpensNoLetter) {
  TMainForm form;  // no dictionary file
  Show(form);
  for (TBaseBtn* button : form.BaseBtns) EXPECT_FALSE(button->isEnabled());
  EXPECT_TRUE(form.ContentLst->isHidden());
  EXPECT_EQ(form.ContentLstLbl->text(), QStringLiteral("Gevonden onder"));
  EXPECT_TRUE(form.iDbRecText->isHidden());
  EXPECT_TRUE(form.ToClipBrdBtn->isHidden());
  EXPECT_EQ(form.GoToLst->Items().Count(), 0);
}

TEST_F(NavigationTest, CloseDuringARefreshStopsItBeforeTheStoreGoes) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  Click(form.SearchBtn);
  Type(form, QStringLiteral("hart"));
  int closed = 0;
  form.OnClosed = [&closed] { ++closed; };
  // The close arrives while the search lets pending messages run.
  QTimer::singleShot(0, &form, [&form] { form.close(); });
  form.SearchEdit->setText(QStringLiteral("long"));
  form.StartQuerySearchBtnClick(form.SearchEdit);
  EXPECT_TRUE(form.Closing());
  EXPECT_EQ(closed, 0);
  ASSERT_NE(form.RecFile, nullptr);
  // The search stopped right after clearing the display: no filter ran, the results stayed.
  EXPECT_EQ(form.RecFile->VisCount, 5);
  EXPECT_EQ(form.QueryResultsLst->Items().Count(), 5);
  EXPECT_EQ(form.iDbRecText->Items().Count(), 0);
  EXPECT_EQ(form.GoToLst->Items().Count(), 2);
  QTest::qWait(10);
  EXPECT_EQ(closed, 1);
  EXPECT_EQ(form.RecFile, nullptr);
  // Whatever still reaches the handlers finds the window closing.
  form.SearchEditKeyDown(form.SearchEdit, Qt::Key_Return, Qt::NoModifier);
  form.BaseBtnNClick(form.BaseBtns[0]);
  form.GoToLstSelect(form.GoToLst);
  form.ResetBtnClick(form.ContentBtn);
  EXPECT_EQ(form.GoToLst->Items().Count(), 2);
}

TEST_F(NavigationTest, TabsWidenWhileHovered) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  const QRect left = form.AnatomicBtn->geometry();
  ASSERT_EQ(left.width(), 65);
  form.SBtnMouseIn(form.AnatomicBtn);
  EXPECT_EQ(form.AnatomicBtn->geometry(), QRect(left.topLeft(), QSize(139, left.height())));
  EXPECT_EQ(form.AnatomicBtn->Caption(), QStringLiteral("Anatomie"));
  EXPECT_EQ(form.AnatomicBtn->ClipRegion(), form.ModeBtnHotRgn.get());
  EXPECT_TRUE(form.AnatomicBtn->ButtonIsDown());
  form.SBtnMouseIn(form.AnatomicBtn);  // already expanded
  EXPECT_EQ(form.AnatomicBtn->width(), 139);
  form.SBtnMouseOut(form.AnatomicBtn);
  EXPECT_EQ(form.AnatomicBtn->geometry(), left);
  EXPECT_TRUE(form.AnatomicBtn->Caption().isEmpty());
  EXPECT_EQ(form.AnatomicBtn->ClipRegion(), form.ModeBtnRgn.get());

  // The right group grows to the left.
  const QRect right = form.GoToBtn->geometry();
  form.SBtnMouseIn(form.GoToBtn);
  EXPECT_EQ(form.GoToBtn->geometry().right(), right.right());
  EXPECT_EQ(form.GoToBtn->width(), 139);
  EXPECT_EQ(form.GoToBtn->Caption(), QStringLiteral("Historie"));
  EXPECT_EQ(form.GoToBtn->ClipRegion(), form.ToolBtnHotRgn.get());
  form.SBtnMouseOut(form.GoToBtn);
  EXPECT_EQ(form.GoToBtn->geometry(), right);

  // Small buttons turn bold, disabled ones stay as they are.
  TBaseBtn* a = form.BaseBtns[0];
  TBaseBtn* c = form.BaseBtns['C' - 'A'];
  form.BtnMouseIn(a);
  form.BtnMouseIn(c);
  EXPECT_TRUE(a->Font().Style() & fsBold);
  EXPECT_FALSE(c->Font().Style() & fsBold);
  form.BtnMouseOut(a);
  EXPECT_FALSE(a->Font().Style() & fsBold);
  EXPECT_EQ(form.GoToBtn->toolTip(), QStringLiteral("Geeft eerder gekozen onderwerpen weer"));
}

TEST_F(NavigationTest, FocusSelectsTheKeywords) {
  WriteDictionary();
  TMainForm form;
  Show(form);
  Click(form.SearchBtn);
  form.SearchEdit->setText(QStringLiteral("nier"));
  form.SearchEdit->deselect();
  form.SearchEditEnter(form.SearchEdit);
  EXPECT_EQ(form.SearchEdit->selectedText(), QStringLiteral("nier"));
}

}  // namespace
}  // namespace halvena
