#include "output/PrintLayout.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace halvena {
namespace {

// A page canvas with fixed metrics: at 10 points H is 20 pixels high and every character 10
// wide, so W = 10; the page is 800 x 1000. Body lines take at most 68 characters, and a page's
// body lines run from y = 120 (first page) or 60 (later pages) down to y = 920.
class TFakeCanvas : public TPageCanvas {
 public:
  struct TDrawn {
    int Page, X, Y, Points;
    std::string Text;
    bool operator==(const TDrawn&) const = default;
  };

  int PageWidth() override { return 800; }
  int PageHeight() override { return 1000; }
  void SetFontSize(int points) override { FPoints = points; }
  int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * FPoints; }
  int TextHeight(std::string_view) override { return 2 * FPoints; }
  void TextOut(int x, int y, std::string_view text) override {
    Drawn.push_back({FPage, x, y, FPoints, std::string(text)});
  }
  bool NewPage() override {
    if (FPage == FailAtPage) return false;
    ++FPage;
    return true;
  }
  int PageNumber() override { return FPage; }

  // The body lines: what is drawn at x = 60 below the header.
  std::vector<TDrawn> BodyLines() const {
    std::vector<TDrawn> lines;
    for (const TDrawn& drawn : Drawn) {
      const bool header = drawn.Y == 40 || drawn.Y == 940 || drawn.Points != 10;
      if (drawn.X == 60 && !header) lines.push_back(drawn);
    }
    return lines;
  }

  std::vector<TDrawn> Drawn;
  int FailAtPage = 0;

 private:
  int FPoints = 0;
  int FPage = 1;
};

using TDrawn = TFakeCanvas::TDrawn;

std::vector<std::string> Texts(const std::vector<TDrawn>& drawn) {
  std::vector<std::string> texts;
  for (const TDrawn& d : drawn) texts.push_back(d.Text);
  return texts;
}

TEST(PrintLayout, FirstPageHasHeaderFooterTitleAndBodyThreeLinesDown) {
  TFakeCanvas canvas;
  TPrintLayout layout(canvas);
  EXPECT_TRUE(layout.PrintEntry("Hart", "Het hart pompt.\r\nTweede alinea."));
  const std::vector<TDrawn> expected = {
      {1, 800 - 70 - 30, 40, 10, "Halvena"},       {1, 800 - 80 - 30, 940, 10, "Pagina 1"},
      {1, 60, 940, 10, std::string(kPrintNotice)}, {1, 60, 60, 14, "Hart"},
      {1, 60, 120, 10, "Het hart pompt."},         {1, 60, 140, 10, "Tweede alinea."},
  };
  EXPECT_EQ(canvas.Drawn, expected);
  EXPECT_EQ(layout.Y(), 160);
}

TEST(PrintLayout, LongEntryRunsOverThreePagesWithContinuationHeaders) {
  std::string body;
  for (int i = 1; i <= 100; ++i) body += "Regel " + std::to_string(i) + "\r\n";
  TFakeCanvas canvas;
  TPrintLayout layout(canvas);
  EXPECT_TRUE(layout.PrintEntry("Bloedsomloop", body));

  const std::vector<TDrawn> lines = canvas.BodyLines();
  ASSERT_EQ(lines.size(), 100u);
  // 41 lines fit on the first page (120 to 920), 44 on the next ones (60 to 920).
  EXPECT_EQ(lines[0], (TDrawn{1, 60, 120, 10, "Regel 1"}));
  EXPECT_EQ(lines[40], (TDrawn{1, 60, 920, 10, "Regel 41"}));
  EXPECT_EQ(lines[41], (TDrawn{2, 60, 60, 10, "Regel 42"}));
  EXPECT_EQ(lines[84], (TDrawn{2, 60, 920, 10, "Regel 85"}));
  EXPECT_EQ(lines[85], (TDrawn{3, 60, 60, 10, "Regel 86"}));
  EXPECT_EQ(lines[99], (TDrawn{3, 60, 340, 10, "Regel 100"}));

  for (int page = 2; page <= 3; ++page) {
    const std::string number = "Pagina " + std::to_string(page);
    const std::vector<TDrawn> frame = {
        {page, 60, 40, 10, "Vervolg: Bloedsomloop"},
        {page, 800 - 70 - 30, 40, 10, "Halvena"},
        {page, 800 - 80 - 30, 940, 10, number},
        {page, 60, 940, 10, std::string(kPrintNotice)},
    };
    std::vector<TDrawn> drawn;
    for (const TDrawn& d : canvas.Drawn) {
      if (d.Page == page && (d.Y == 40 || d.Y == 940)) drawn.push_back(d);
    }
    EXPECT_EQ(drawn, frame) << "page " << page;
  }
  EXPECT_EQ(canvas.PageNumber(), 3);
}

TEST(PrintLayout, WordThatDoesNotFitMovesWithItsSpaceAndIsNeverSplit) {
  TFakeCanvas canvas;
  TPrintLayout layout(canvas);
  const std::string first = std::string(60, 'x') + " ";
  layout.PrintEntry("Naam", first + "woordje eind");
  EXPECT_EQ(Texts(canvas.BodyLines()), (std::vector<std::string>{first, "woordje eind"}));

  // A word wider than a whole line stands alone on its line, without a blank line before it.
  TFakeCanvas wide;
  TPrintLayout wideLayout(wide);
  const std::string giant = std::string(80, 'z') + " ";
  wideLayout.PrintEntry("Naam", giant + "kort\r\n" + std::string(75, 'y'));
  const std::vector<TDrawn> lines = wide.BodyLines();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0], (TDrawn{1, 60, 120, 10, giant}));
  EXPECT_EQ(lines[1], (TDrawn{1, 60, 140, 10, "kort"}));
  EXPECT_EQ(lines[2], (TDrawn{1, 60, 160, 10, std::string(75, 'y')}));
}

TEST(PrintLayout, LoneLineEndsAndBracesNeverReachThePaper) {
  TFakeCanvas canvas;
  TPrintLayout layout(canvas);
  layout.PrintEntry("Naam", "een\ntwee\rdrie zie {Hart} en {Long}.");
  EXPECT_EQ(Texts(canvas.BodyLines()), (std::vector<std::string>{"eentweedrie zie Hart en Long."}));
  EXPECT_EQ(layout.Y(), 140);
}

TEST(PrintLayout, EmptyParagraphsLeaveBlankLinesAndAnEmptyBodyPrintsTheTitleOnly) {
  TFakeCanvas canvas;
  TPrintLayout layout(canvas);
  layout.PrintEntry("Naam", "a\r\n\r\nb ");
  const std::vector<TDrawn> lines = canvas.BodyLines();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_EQ(lines[0].Y, 120);
  EXPECT_EQ(lines[1], (TDrawn{1, 60, 160, 10, "b "}));

  TFakeCanvas empty;
  TPrintLayout emptyLayout(empty);
  EXPECT_TRUE(emptyLayout.PrintEntry("Naam", ""));
  EXPECT_TRUE(empty.BodyLines().empty());
  EXPECT_EQ(empty.Drawn.size(), 4u);
}

TEST(PrintLayout, FailingNewPageStopsTheLayout) {
  std::string body;
  for (int i = 1; i <= 60; ++i) body += "Regel " + std::to_string(i) + "\r\n";
  TFakeCanvas canvas;
  canvas.FailAtPage = 1;
  TPrintLayout layout(canvas);
  EXPECT_FALSE(layout.PrintEntry("Naam", body));
  const std::vector<TDrawn> lines = canvas.BodyLines();
  ASSERT_EQ(lines.size(), 41u);
  EXPECT_EQ(canvas.Drawn.back().Text, "Regel 41");
}

}  // namespace
}  // namespace halvena
