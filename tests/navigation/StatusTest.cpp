#include "navigation/Status.h"

#include <gtest/gtest.h>

#include <string>

namespace halvena {
namespace {

TEST(Status, EachModeShowsItsOwnControls) {
  const struct {
    TViewMode Mode;
    const char* Header;
    bool Content, Anatomy, Search;
  } cases[] = {{TViewMode::vmContents, "Inhoud", true, false, false},
               {TViewMode::vmAnatomy, "Anatomie", false, true, false},
               {TViewMode::vmSearch, "Zoeken", false, false, true}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.Header);
    TStatusInput input;
    input.Mode = c.Mode;
    input.ContentHasItems = input.ResultsHaveItems = true;
    const TStatusView view = StatusOf(input);
    EXPECT_EQ(std::string(view.Header), c.Header);
    // The button of the current mode is hidden.
    EXPECT_EQ(view.ContentBtn, !c.Content);
    EXPECT_EQ(view.AnatomicBtn, !c.Anatomy);
    EXPECT_EQ(view.SearchBtn, !c.Search);
    EXPECT_EQ(view.ContentGroup, c.Content);
    EXPECT_EQ(view.ContentLst, c.Content);
    EXPECT_EQ(view.AnatomyGroup, c.Anatomy);
    EXPECT_EQ(view.FigureButtons, c.Anatomy);
    EXPECT_EQ(view.SearchGroup, c.Search);
    EXPECT_EQ(view.ResultsLst, !c.Content);
    EXPECT_EQ(view.ResultsLbl, !c.Content);
  }
}

TEST(Status, EmptyListsAndEntryAreHidden) {
  TStatusInput input;
  input.Mode = TViewMode::vmSearch;
  TStatusView view = StatusOf(input);
  EXPECT_FALSE(view.ResultsLst);
  EXPECT_TRUE(view.ResultsLbl);
  EXPECT_FALSE(view.Entry);
  EXPECT_FALSE(view.SeeAlsoBtn);
  input.Mode = TViewMode::vmContents;
  view = StatusOf(input);
  EXPECT_FALSE(view.ContentLst);
  EXPECT_TRUE(view.ContentGroup);
  input.EntryHasLines = input.CrossRefsHaveItems = true;
  view = StatusOf(input);
  EXPECT_TRUE(view.Entry);
  EXPECT_TRUE(view.SeeAlsoBtn);
}

TEST(Status, PrintingNeedsAnEntryAndAPrinter) {
  const struct {
    bool Entry, Printers, Clip, Print;
  } cases[] = {{false, false, false, false},
               {false, true, false, false},
               {true, false, true, false},
               {true, true, true, true}};
  for (const auto& c : cases) {
    TStatusInput input;
    input.EntryAvailable = c.Entry;
    input.PrintersInstalled = c.Printers;
    const TStatusView view = StatusOf(input);
    EXPECT_EQ(view.ToClipBrdBtn, c.Clip);
    EXPECT_EQ(view.PrintBtn, c.Print);
  }
}

}  // namespace
}  // namespace halvena
