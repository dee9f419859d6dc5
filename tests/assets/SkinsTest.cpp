#include "assets/Skins.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Contrast.h"

namespace halvena::assets {
namespace {

using test::LowestContrast;
using test::LuminanceSpread;

const QRgb kText = qRgb(224, 235, 228);  // the window's text colour
const QRgb kWhite = qRgb(255, 255, 255);

std::string Name(const TScreenClass& screenClass) {
  return screenClass.Suffix.toStdString();
}

// The lists and labels of the main window draw their text straight onto the window skin: light
// text on the lists and explanations, white titles with a black shadow on the headers. The text
// must read (contrast 4.5 or more) and the ground under the lists must be even.
TEST(Skins, TextReadsOnTheWindowSkin) {
  const struct {
    const char* name;
    QRect place;
    QRgb text;
    bool list;
  } areas[] = {
      {"ContentLst", layout::kContentLst, kText, true},
      {"QueryResultsLst", layout::kQueryResultsLst, kText, true},
      {"iDbRecText", layout::kIDbRecText, kText, true},
      {"ContentLstLbl", layout::kContentLstLbl, kText, false},
      {"QueryResultsLstLbl", layout::kQueryResultsLstLbl, kText, false},
      {"AnatomicExpLbl", layout::kAnatomicExpLbl, kText, false},
      {"SearchEditLbl", layout::kSearchEditLbl, kText, false},
      {"SearchEditExpLbl", layout::kSearchEditExpLbl, kText, false},
      {"LstHeader", layout::kLstHeader, kWhite, false},
      {"iDbRecHeaderLbl", layout::kIDbRecHeaderLbl, kWhite, false},
  };
  for (const TScreenClass& screenClass : ScreenClasses()) {
    const QImage skin = WindowSkin(screenClass);
    ASSERT_EQ(skin.size(), screenClass.Window);
    for (const auto& area : areas) {
      const QRect place = screenClass.Zoom(area.place);
      EXPECT_GE(LowestContrast(skin, place, area.text), 4.5)
          << Name(screenClass) << " " << area.name;
      if (area.list) {
        EXPECT_LT(LuminanceSpread(skin, place), 0.01) << Name(screenClass) << " " << area.name;
      }
    }
  }
}

TEST(Skins, PanelTextReadsAndTheListGroundIsEven) {
  for (const TScreenClass& screenClass : ScreenClasses()) {
    for (const bool left : {true, false}) {
      const QImage panel = PanelSkin(screenClass, left);
      const QRect place = screenClass.Zoom(left ? layout::kGoToPnl : layout::kSeeAlsoPnl);
      ASSERT_EQ(panel.size(), place.size());
      const QRect list = screenClass.Zoom(layout::kPnlLst);
      const QRect header = screenClass.Zoom(layout::kPnlHeader);
      EXPECT_GE(LowestContrast(panel, list, kText), 4.5) << Name(screenClass);
      EXPECT_GE(LowestContrast(panel, header, kText), 4.5) << Name(screenClass);
      EXPECT_LT(LuminanceSpread(panel, list), 0.01) << Name(screenClass);
      // Outside the rounded shape the panel colour stays, for the frame of the panel.
      EXPECT_EQ(panel.pixel(0, 0), qRgb(107, 113, 161));
    }
  }
}

// An expanded tab shows its down glyph with the light caption on it, from the caption's left
// edge to the end of the bar; a collapsed tab shows its up glyph, which must stand out from
// the dark well it sits on.
TEST(Skins, CaptionsReadOnTheDownGlyphs) {
  for (const TScreenClass& screenClass : ScreenClasses()) {
    const QSize size = TabSize(screenClass);
    for (const TTabGroup group : {TTabGroup::Left, TTabGroup::Right}) {
      const QImage down = TabGlyph(screenClass, group, true);
      const QImage up = TabGlyph(screenClass, group, false);
      ASSERT_EQ(down.size(), size);
      ASSERT_EQ(up.size(), size);
      const double captionLeft = group == TTabGroup::Left ? 0.31 : 0.2;
      const int rows = static_cast<int>(std::lround(screenClass.Factor()));
      // The caption's room: between the highlight rows at the top and the bottom, and clear of
      // the knob at the right end of a right-group tab.
      const int right = group == TTabGroup::Left ? size.width() : size.width() * 115 / 139;
      const QRect caption(static_cast<int>(captionLeft * size.width()), 2 * rows,
                          right - static_cast<int>(captionLeft * size.width()),
                          size.height() - 4 * rows);
      EXPECT_GE(LowestContrast(down, caption, kText), 4.5) << Name(screenClass);
      EXPECT_GT(test::Luminance(up.pixel(size.width() / 3, size.height() / 2)),
                2 * test::Luminance(down.pixel(size.width() / 3, size.height() / 2)))
          << Name(screenClass);
    }
  }
}

// The bar runs evenly along the tab, so the window shape alone gives it its ends: every column
// of the bar's middle stretch is the same, whichever shape cuts it.
TEST(Skins, TabBarsAreEvenAlongTheirLength) {
  const TScreenClass& screenClass = ScreenClasses()[1];
  const QSize size = TabSize(screenClass);
  for (const TTabGroup group : {TTabGroup::Left, TTabGroup::Right}) {
    for (const bool down : {false, true}) {
      const QImage glyph = TabGlyph(screenClass, group, down);
      // Between the knobs of both shapes of both groups.
      const int from = size.width() * 24 / 139;
      const int to = size.width() * 40 / 139;
      for (int y = 0; y < size.height(); ++y) {
        for (int x = from; x < to; ++x) {
          ASSERT_EQ(glyph.pixel(x, y), glyph.pixel(from, y)) << x << ", " << y;
        }
      }
    }
  }
}

TEST(Skins, EverySkinOfEveryClassIsListedOnce) {
  const std::vector<TSkinFile> files = SkinFiles();
  ASSERT_EQ(files.size(), 42u);
  QStringList names;
  for (const TSkinFile& file : files) {
    names.append(file.Name);
    EXPECT_FALSE(file.Picture.isNull()) << file.Name.toStdString();
  }
  for (const char* literal :
       {"bk6x4",   "bk8x6",    "bk10x7", "lpbk6x4", "lpbk8x6", "lpbk10x7", "rpbk6x4",
        "rpbk8x6", "rpbk10x7", "bil6x4", "bil8x6",  "bil10x7", "bol6x4",   "bol8x6",
        "bol10x7", "bir6x4",   "bir8x6", "bir10x7", "bor6x4",  "bor8x6",   "bor10x7"}) {
    const QString name = QStringLiteral("I/B/") + QString::fromLatin1(literal);
    EXPECT_EQ(names.count(name), 1) << literal;
    EXPECT_EQ(names.count(name + QStringLiteral("@2x")), 1) << literal;
  }
}

}  // namespace
}  // namespace halvena::assets
