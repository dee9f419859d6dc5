// What a screen reader finds in the main window: the skinned buttons, the lists with their rows,
// the entry's lines and the figure's region under the pointer. The announcements are checked
// where Qt's accessibility is active (tests/app/AtSpi.sh runs these tests so).
#include <gtest/gtest.h>

#include <QAccessible>
#include <vector>

#include "AppTesting.h"
#include "app/Main.h"
#include "controls/Accessible.h"
#include "data/RecWriter.h"

namespace halvena {
namespace {

// The name-change announcements of `watched` while the object lives.
class TNameChanges {
 public:
  explicit TNameChanges(QObject* watched) {
    FWatched = watched;
    FCount = 0;
    QAccessible::installUpdateHandler(&Record);
  }
  ~TNameChanges() { QAccessible::installUpdateHandler(nullptr); }
  TNameChanges(const TNameChanges&) = delete;
  TNameChanges& operator=(const TNameChanges&) = delete;
  int Count() const { return FCount; }

 private:
  static void Record(QAccessibleEvent* event) {
    if (event->object() == FWatched && event->type() == QAccessible::NameChanged) ++FCount;
  }
  static inline QObject* FWatched = nullptr;
  static inline int FCount = 0;
};

class AccessibleWindowTest : public test::TProgramFolderTest {
 protected:
  void SetUp() override {
    TProgramFolderTest::SetUp();
    SetDisplay(800, 600, 32);
    InstallAccessibleControls();
    WriteFile(QStringLiteral("D/qf.dat"), "[0]\r\n0,0,508,1000=Borst|\r\n");
    WriteSkin(QStringLiteral("f6x4/f6x4_00"), Qt::darkCyan, 74, 215);
    const TRecImage recs[] = {{1, "Hart", "De hartspier pompt.\r\nZie {long}."},
                              {2, "Long", "De long ademt."}};
    std::string dictionary;
    ASSERT_TRUE(EncodeRecFile(recs, dictionary));
    WriteFile(QStringLiteral("D/IDbRecs.dat"), dictionary);
  }

  static QAccessibleInterface* Access(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
  }

  static QStringList RowNames(QAccessibleInterface* list) {
    QStringList names;
    for (int i = 0; i < list->childCount(); ++i) names << list->child(i)->text(QAccessible::Name);
    return names;
  }
};

TEST_F(AccessibleWindowTest, EveryButtonIsANamedPushButtonWithItsState) {
  TMainForm form;
  form.show();
  int buttons = 0;
  for (QWidget* widget : form.findChildren<QWidget*>()) {
    if (dynamic_cast<TBaseBtn*>(widget) == nullptr) continue;
    ++buttons;
    QAccessibleInterface* access = Access(widget);
    ASSERT_NE(access, nullptr);
    EXPECT_EQ(access->role(), QAccessible::Button);
    EXPECT_FALSE(access->text(QAccessible::Name).isEmpty()) << widget->objectName().toStdString();
  }
  EXPECT_GE(buttons, 26 + 7 + 3 + 4);
  EXPECT_EQ(Access(form.BaseBtns[7])->text(QAccessible::Name), QStringLiteral("H"));
  EXPECT_FALSE(Access(form.BaseBtns[7])->state().disabled);
  EXPECT_TRUE(Access(form.BaseBtns[0])->state().disabled);  // no title under A
  // A tab shows no caption until the pointer widens it: its hint names it.
  EXPECT_EQ(Access(form.AnatomicBtn)->text(QAccessible::Name),
            QStringLiteral("Geeft het zoeken via anatomisch model weer"));
  EXPECT_FALSE(Access(form.GenderBtn)->state().pressed);
  form.GenderBtnClick(form.GenderBtn);
  EXPECT_TRUE(Access(form.GenderBtn)->state().pressed);
}

TEST_F(AccessibleWindowTest, ListsShowTheirTitlesAndTheEntryItsLines) {
  TMainForm form;
  form.show();
  form.BaseBtnNClick(form.BaseBtns[11]);  // L
  QAccessibleInterface* contents = Access(form.ContentLst);
  ASSERT_NE(contents, nullptr);
  EXPECT_EQ(contents->role(), QAccessible::List);
  EXPECT_EQ(contents->text(QAccessible::Name), QStringLiteral("Inhoud"));
  ASSERT_EQ(RowNames(contents), QStringList{QStringLiteral("Long")});
  EXPECT_TRUE(contents->child(0)->state().selected);

  QAccessibleInterface* text = Access(form.iDbRecText);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(QAccessible::Name), QStringLiteral("Tekst"));
  ASSERT_GT(text->childCount(), 0);
  EXPECT_EQ(text->child(0)->text(QAccessible::Name), QStringLiteral("De long ademt."));
}

TEST_F(AccessibleWindowTest, FigureIsNamedByTheRegionUnderThePointer) {
  const bool announced = test::AccessibilityActive();
  TMainForm form;
  form.show();
  QAccessibleInterface* figure = Access(form.BodyImage);
  ASSERT_NE(figure, nullptr);
  EXPECT_EQ(figure->role(), QAccessible::Graphic);
  EXPECT_EQ(figure->text(QAccessible::Name), QStringLiteral("Lichaamsfiguur"));
  TNameChanges changes(form.BodyImage);
  test::SendMouse(form.BodyImage, QEvent::MouseMove, {37, 50}, Qt::NoButton, Qt::NoButton);
  EXPECT_EQ(figure->text(QAccessible::Name), QStringLiteral("Borst"));
  EXPECT_EQ(figure->text(QAccessible::Description), QStringLiteral("Borst"));
  test::SendMouse(form.BodyImage, QEvent::MouseMove, {38, 60}, Qt::NoButton, Qt::NoButton);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(form.BodyImage, &leave);
  EXPECT_EQ(figure->text(QAccessible::Name), QStringLiteral("Lichaamsfiguur"));
  EXPECT_TRUE(figure->text(QAccessible::Description).isEmpty());
  // One change into the region and one out of it; a move inside it says nothing new.
  if (announced) {
    EXPECT_EQ(changes.Count(), 2);
  }
}

}  // namespace
}  // namespace halvena
