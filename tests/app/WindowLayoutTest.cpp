#include <gtest/gtest.h>

#include <QWidget>
#include <cmath>
#include <set>
#include <string>

#include "AppTesting.h"
#include "app/Main.h"
#include "layout/Design.h"
#include "layout/ScreenClass.h"

namespace halvena {
namespace {

using test::TProgramFolderTest;

struct TLayoutCase {
  const char* Name;
  int ScreenWidth, ScreenHeight;
  std::uint8_t Class;
};

class WindowLayout : public TProgramFolderTest,
                     public ::testing::WithParamInterface<TLayoutCase> {};

// Where the window must put a control: its design place zoomed to the class, and for a tab button
// collapsed to 65/139 of that width, the left group keeping its left edge and the right group its
// right edge.
QRect ExpectedPlace(const layout::TDesignControl& control, const layout::TScreenChoice& zoom) {
  const QRect full = layout::ZoomBounds(control.Bounds, zoom.M, zoom.D);
  const std::string name(control.Name);
  const bool leftTab =
      name == "ContentBtn" || name == "AnatomicBtn" || name == "SearchBtn" || name == "SeeAlsoBtn";
  const bool rightTab = name == "GoToBtn" || name == "ToClipBrdBtn" || name == "PrintBtn";
  if (!leftTab && !rightTab) return full;
  const int collapsed = static_cast<int>(std::nearbyint(full.width() * layout::kTabCollapseFactor));
  const int left = leftTab ? full.left() : full.left() + full.width() - collapsed;
  return QRect(left, full.top(), collapsed, full.height());
}

TEST_P(WindowLayout, EveryControlSitsAtItsZoomedDesignPlace) {
  const TLayoutCase& c = GetParam();
  SetDisplay(c.ScreenWidth, c.ScreenHeight, 32);
  TMainForm form;
  ASSERT_FALSE(form.ScreenTooSmall());
  ASSERT_EQ(ScreenClass, c.Class);
  const layout::TScreenChoice zoom = layout::DesignZoom(c.Class);
  std::set<std::string> seen;
  for (const layout::TDesignControl& control : layout::DesignControls()) {
    const QString name = QString::fromLatin1(control.Name.data(), qsizetype(control.Name.size()));
    auto* widget = form.findChild<QWidget*>(name);
    ASSERT_NE(widget, nullptr) << name.toStdString();
    const QString parent =
        widget->parentWidget() == &form ? QString() : widget->parentWidget()->objectName();
    EXPECT_EQ(parent.toStdString(), std::string(control.Parent)) << name.toStdString();
    if (control.Name == "MainFormPanel") {
      // Moved to the window's corner and as large as the window.
      EXPECT_EQ(widget->geometry(), QRect(QPoint(0, 0), layout::WindowSizeOf(c.Class)));
      continue;
    }
    EXPECT_EQ(widget->geometry(), ExpectedPlace(control, zoom)) << name.toStdString();
    seen.insert(name.toStdString());
  }
  EXPECT_EQ(seen.size() + 1, layout::DesignControls().size());
  EXPECT_EQ(form.size(), layout::WindowSizeOf(c.Class));
}

INSTANTIATE_TEST_SUITE_P(Classes, WindowLayout,
                         ::testing::Values(TLayoutCase{"Class0", 800, 600, 0},
                                           TLayoutCase{"Class1", 1024, 768, 1},
                                           TLayoutCase{"Class2ByWidth", 1280, 1024, 2},
                                           TLayoutCase{"Class2ByHeight", 1600, 900, 2}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace halvena
