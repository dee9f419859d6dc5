// The main window's keyboard and wheel on a small dictionary: the list keys show an entry as a
// click does, the history steps back, the shortcuts reach their buttons' handlers, and the
// keyword field keeps its own keys.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QTest>
#include <QWheelEvent>
#include <string>
#include <vector>

#include "AppTesting.h"
#include "app/Main.h"
#include "data/RecWriter.h"
#include "platform/Printers.h"

namespace halvena {
namespace {

using TLines = std::vector<std::string>;

// Thirty entries under "A", then "Bloed" with a cross-reference and "Hart"; visible numbers
// equal these positions.
std::vector<TRecImage> Dictionary() {
  std::vector<TRecImage> recs;
  for (int i = 1; i <= 30; ++i) {
    const std::string number = (i < 10 ? "0" : "") + std::to_string(i);
    recs.push_back({static_cast<std::uint32_t>(i), "A" + number + "|a", "Over A" + number + "."});
  }
  recs.push_back({31, "Bloed|b", "Rood; zie {Hart}."});
  recs.push_back({32, "Hart|h", "Pompt het bloed rond."});
  return recs;
}

class MainKeysTest : public test::TProgramFolderTest {
 protected:
  void SetUp() override {
    TProgramFolderTest::SetUp();
    SetDisplay(800, 600, 32);
    SetPrintersInstalledOverride(true);
    std::string bytes;
    ASSERT_TRUE(EncodeRecFile(Dictionary(), bytes));
    WriteFile(QStringLiteral("D/IDbRecs.dat"), bytes);
    form = std::make_unique<TMainForm>();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
  }
  void TearDown() override {
    form.reset();
    ClearPrinterSetupOverride();
    ClearPrintersInstalledOverride();
    TProgramFolderTest::TearDown();
  }

  // A key pressed while the keyword field has no focus reaches the window.
  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form.get(), key, modifiers);
  }
  void FieldKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(form->SearchEdit, key, modifiers);
  }
  // Turns the wheel by `angle` over the top left of `widget`.
  static void Wheel(QWidget* widget, int angle) {
    const QPoint at(10, 10);
    QWheelEvent wheel(QPointF(at), QPointF(widget->mapToGlobal(at)), QPoint(), QPoint(0, angle),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(widget, &wheel);
  }
  std::string Title() const { return form->iDbRecHeaderLbl->text().toStdString(); }
  TLines History() const {
    TLines items;
    for (int i = 0; i < form->GoToLst->Items().Count(); ++i) {
      items.push_back(form->GoToLst->Items()[i]);
    }
    return items;
  }
  int Rows(const GTextControl* list) const { return list->height() / list->ItemHeight(); }

  std::unique_ptr<TMainForm> form;
};

TEST_F(MainKeysTest, ListKeysShowTheEntryAsAClickDoes) {
  GTextControl* list = form->ContentLst;
  ASSERT_EQ(list->Items().Count(), 30);
  ASSERT_EQ(Title(), "A01");
  Key(Qt::Key_Down);
  EXPECT_EQ(list->ItemIndex(), 1);
  EXPECT_EQ(Title(), "A02");
  EXPECT_EQ(History(), (TLines{"A01", "A02"}));
  Key(Qt::Key_Up);
  Key(Qt::Key_Up);  // at the first item: nothing more
  EXPECT_EQ(Title(), "A01");
  EXPECT_EQ(History(), (TLines{"A01", "A02", "A01"}));

  const int rows = Rows(list);
  ASSERT_LT(rows, 30);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(list->ItemIndex(), rows - 1);
  EXPECT_EQ(list->TopIndex(), 0);
  Key(Qt::Key_PageDown);
  EXPECT_EQ(list->ItemIndex(), 2 * (rows - 1));
  EXPECT_EQ(list->TopIndex(), 2 * (rows - 1) - rows + 1);  // the selection on the last row
  Key(Qt::Key_End, Qt::KeypadModifier);
  EXPECT_EQ(Title(), "A30");
  EXPECT_EQ(list->TopIndex(), 30 - rows);
  Key(Qt::Key_Home);
  EXPECT_EQ(Title(), "A01");
  EXPECT_EQ(list->TopIndex(), 0);

  // An open pop-up closes, as on a click.
  form->GoToBtnClick(form->GoToBtn);
  ASSERT_FALSE(form->GoToPnl->isHidden());
  Key(Qt::Key_Down);
  EXPECT_TRUE(form->GoToPnl->isHidden());
  EXPECT_EQ(Title(), "A02");
}

TEST_F(MainKeysTest, KeywordFieldKeepsItsKeysAndStepsTheResults) {
  Key(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(form->ViewMode, TViewMode::vmSearch);
  EXPECT_EQ(form->focusWidget(), form->SearchEdit);
  QTest::keyClicks(form->SearchEdit, QStringLiteral("over"));
  FieldKey(Qt::Key_Return);
  GTextControl* results = form->QueryResultsLst;
  ASSERT_EQ(results->Items().Count(), 30);
  ASSERT_EQ(results->ItemIndex(), 0);
  FieldKey(Qt::Key_Down);
  EXPECT_EQ(results->ItemIndex(), 1);
  EXPECT_EQ(Title(), "A02");
  // The wheel scrolls the results and leaves the focus where it was.
  Wheel(results, -120);
  EXPECT_EQ(results->TopIndex(), QApplication::wheelScrollLines());
  EXPECT_EQ(form->focusWidget(), form->SearchEdit);
  // Home, End and the letters stay with the field; so does its text.
  FieldKey(Qt::Key_Home);
  EXPECT_EQ(form->SearchEdit->cursorPosition(), 0);
  FieldKey(Qt::Key_B);
  EXPECT_EQ(form->SearchEdit->text(), QStringLiteral("bover"));
  EXPECT_EQ(results->ItemIndex(), 1);
  EXPECT_EQ(form->ViewMode, TViewMode::vmSearch);

  // Ctrl+C copies the field's selection, and the entry without one.
  QClipboard* clipboard = QGuiApplication::clipboard();
  form->SearchEdit->setSelection(0, 1);
  FieldKey(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(clipboard->text(), QStringLiteral("b"));
  form->SearchEdit->deselect();
  FieldKey(Qt::Key_C, Qt::ControlModifier);
  EXPECT_TRUE(clipboard->text().startsWith(QString::fromStdString(Title() + "\r\n")));

  // Ctrl+F again keeps the results.
  FieldKey(Qt::Key_F, Qt::ControlModifier);
  EXPECT_EQ(results->ItemIndex(), 1);
}

TEST_F(MainKeysTest, AltLeftStepsBackWithoutRecording) {
  Key(Qt::Key_Down);
  Key(Qt::Key_Down);
  ASSERT_EQ(History(), (TLines{"A01", "A02", "A03"}));
  Key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(Title(), "A02");
  Key(Qt::Key_Left, Qt::AltModifier);
  Key(Qt::Key_Left, Qt::AltModifier);  // the oldest: nothing more
  EXPECT_EQ(Title(), "A01");
  EXPECT_EQ(History(), (TLines{"A01", "A02", "A03"}));
  EXPECT_EQ(form->GoToLst->ItemIndex(), 0);
  EXPECT_TRUE(form->GoToLst->isEnabled());
  // The next entry shown is recorded as the newest again.
  Key(Qt::Key_End);
  EXPECT_EQ(History(), (TLines{"A01", "A02", "A03", "A30"}));
  EXPECT_EQ(form->GoToLst->ItemIndex(), 3);

  // From search mode it returns to the contents, as a history click does.
  form->SearchBtnClick(form->SearchBtn);
  Key(Qt::Key_Left, Qt::AltModifier);
  EXPECT_EQ(form->ViewMode, TViewMode::vmContents);
  EXPECT_EQ(Title(), "A03");
}

TEST_F(MainKeysTest, LettersEscapeAndPrint) {
  Key(Qt::Key_H);
  EXPECT_EQ(Title(), "Hart");
  Key(Qt::Key_C);  // no entries under "C": its button is disabled
  EXPECT_EQ(Title(), "Hart");
  Key(Qt::Key_B, Qt::ShiftModifier);
  EXPECT_EQ(Title(), "Bloed");

  form->SeeAlsoBtnClick(form->SeeAlsoBtn);
  ASSERT_FALSE(form->SeeAlsoPnl->isHidden());
  Key(Qt::Key_Escape);
  EXPECT_TRUE(form->SeeAlsoPnl->isHidden());
  EXPECT_EQ(Title(), "Bloed");

  const QString pdf = PathOf(QStringLiteral("out/bloed.pdf"));
  SetPrinterSetupOverride(pdf);
  Key(Qt::Key_P, Qt::ControlModifier);
  EXPECT_TRUE(QFile::exists(pdf));
}

TEST_F(MainKeysTest, HelpHintListsTheShortcuts) {
  const QString hint = form->HelpBtn->toolTip();
  EXPECT_TRUE(hint.startsWith(QStringLiteral("Halvena Online Help\n")));
  EXPECT_TRUE(hint.contains(QStringLiteral("Alt+Pijl links: terug in de historie")));
}

}  // namespace
}  // namespace halvena
