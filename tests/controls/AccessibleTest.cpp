#include "controls/Accessible.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <vector>

#include "ControlTesting.h"
#include "controls/BaseBtn.h"
#include "controls/CTxtCtrl.h"
#include "controls/ProImg.h"

namespace halvena {
namespace {

// The events the controls announce while the object lives, as (event type, child) pairs of the
// object `watched`.
class TAccessibleEvents {
 public:
  explicit TAccessibleEvents(QObject* watched) {
    FWatched = watched;
    FEvents.clear();
    QAccessible::installUpdateHandler(&Record);
  }
  ~TAccessibleEvents() { QAccessible::installUpdateHandler(nullptr); }
  TAccessibleEvents(const TAccessibleEvents&) = delete;
  TAccessibleEvents& operator=(const TAccessibleEvents&) = delete;

  const std::vector<std::pair<QAccessible::Event, int>>& Events() const { return FEvents; }

 private:
  static void Record(QAccessibleEvent* event) {
    if (event->object() == FWatched) FEvents.emplace_back(event->type(), event->child());
  }
  static inline QObject* FWatched = nullptr;
  static inline std::vector<std::pair<QAccessible::Event, int>> FEvents;
};

class AccessibleTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallAccessibleControls(); }
};

TEST_F(AccessibleTest, ButtonIsNamedByItsCaptionOrElseItsHint) {
  TBaseBtn button;
  button.setToolTip(QStringLiteral("Naar links draaien"));
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&button);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(access->role(), QAccessible::Button);
  EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Naar links draaien"));
  button.SetCaption(QStringLiteral("A"));
  EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("A"));
}

TEST_F(AccessibleTest, ButtonStateFollowsDownAndEnabled) {
  TBaseBtn button;
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&button);
  ASSERT_NE(access, nullptr);
  EXPECT_FALSE(access->state().pressed);
  button.SetButtonIsDown(true);
  EXPECT_TRUE(access->state().pressed);
  button.SetButtonIsDown(false);
  button.setEnabled(false);
  EXPECT_TRUE(access->state().disabled);
}

TEST_F(AccessibleTest, PressActionClicksAnEnabledButtonOnly) {
  TBaseBtn button;
  int clicks = 0;
  button.OnClick = [&clicks](TGraphicControl*) { ++clicks; };
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&button);
  ASSERT_NE(access, nullptr);
  QAccessibleActionInterface* actions = access->actionInterface();
  ASSERT_NE(actions, nullptr);
  ASSERT_TRUE(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks, 1);
  EXPECT_FALSE(button.Pressed());
  button.setEnabled(false);
  actions->doAction(QAccessibleActionInterface::pressAction());
  EXPECT_EQ(clicks, 1);
}

TEST_F(AccessibleTest, ListRowsAreItemsNamedByWhatTheyShowWithTheSelection) {
  GTextControl list;
  list.Items().Assign(std::vector<std::string>{"1|Hart", "2|Lever", "3|Long", "4|Maag"});
  list.OnItemText = [](const std::string& item) {
    return QString::fromStdString(item.substr(item.find('|') + 1));
  };
  list.SetItemIndex(1);
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&list);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(access->role(), QAccessible::List);
  ASSERT_EQ(access->childCount(), 4);
  QAccessibleInterface* row = access->child(1);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->role(), QAccessible::ListItem);
  EXPECT_EQ(row->text(QAccessible::Name), QStringLiteral("Lever"));
  EXPECT_TRUE(row->state().selected);
  EXPECT_FALSE(access->child(0)->state().selected);
  EXPECT_EQ(access->indexOfChild(row), 1);
  EXPECT_EQ(row->parent(), access);
  EXPECT_EQ(access->child(1), row);  // the same row each time it is asked for
  EXPECT_EQ(access->child(4), nullptr);
  // A row is where it is drawn.
  const TRect drawn = list.ItemRect(2);
  EXPECT_EQ(access->child(2)->rect().topLeft(), list.mapToGlobal(QPoint(drawn.Left, drawn.Top)));
  EXPECT_EQ(
      access->childAt(access->child(2)->rect().center().x(), access->child(2)->rect().center().y()),
      access->child(2));

  // A shorter list leaves the rows past its end invalid instead of dangling.
  list.Items().Assign(std::vector<std::string>{"9|Nier"});
  EXPECT_FALSE(row->isValid());
  EXPECT_EQ(access->childCount(), 1);
  EXPECT_EQ(access->child(0)->text(QAccessible::Name), QStringLiteral("Nier"));
}

TEST_F(AccessibleTest, SelectingARowIsAnnounced) {
  // Qt delivers announcements only while its accessibility is active (tests/app/AtSpi.sh).
  if (!test::AccessibilityActive()) GTEST_SKIP() << "accessibility is not active on this platform";
  GTextControl list;
  list.Items().Assign(std::vector<std::string>{"Hart", "Lever"});
  TAccessibleEvents events(&list);
  list.SetItemIndex(1);
  list.SetItemIndex(1);
  list.SetItemIndex(-1);
  ASSERT_EQ(events.Events().size(), 1u);
  EXPECT_EQ(events.Events()[0], std::make_pair(QAccessible::Selection, 1));
}

TEST_F(AccessibleTest, PictureIsAGraphicNamedByItsAccessibleName) {
  TProportionalImage image;
  image.setAccessibleName(QStringLiteral("Hart"));
  QAccessibleInterface* access = QAccessible::queryAccessibleInterface(&image);
  ASSERT_NE(access, nullptr);
  EXPECT_EQ(access->role(), QAccessible::Graphic);
  EXPECT_EQ(access->text(QAccessible::Name), QStringLiteral("Hart"));
}

}  // namespace
}  // namespace halvena
