// The printed form of a dictionary entry: its name as a title and its body as word-wrapped
// running text over as many pages as needed, each page with "Halvena" at the top right, a page
// number and the publisher's notice at the foot. The layout is measured in the height H and the
// width W of the letter "H" in the 10-point body font, so it scales with the printer. It draws
// through TPageCanvas, so tests check every position without a printer. Plain code; one job
// per layout object, any thread.
#pragma once

#include <string>
#include <string_view>

namespace halvena {

// The publisher's notice at the foot of every page (Windows-1252).
inline constexpr std::string_view kPrintNotice =
    "\xa9 Uitgeverij Zenta - bron: Halvena, medisch woordenboek van Zenta";

// A print job's pages as the layout sees them. Coordinates are device pixels from the top left
// of the printable area; y is the top of the text's cell. Texts are Windows-1252 bytes.
class TPageCanvas {
 public:
  virtual ~TPageCanvas() = default;
  // Printable width and height of a page.
  virtual int PageWidth() = 0;
  virtual int PageHeight() = 0;
  // The font size in points for the texts measured and drawn from now on.
  virtual void SetFontSize(int points) = 0;
  virtual int TextWidth(std::string_view text) = 0;
  virtual int TextHeight(std::string_view text) = 0;
  virtual void TextOut(int x, int y, std::string_view text) = 0;
  // Ends the page and starts the next one; false when the job failed.
  virtual bool NewPage() = 0;
  // The number of the current page, 1 for the first.
  virtual int PageNumber() = 0;
};

// The body font's size and the entry name's size, in points.
inline constexpr int kPrintBodyPoints = 10;
inline constexpr int kPrintTitlePoints = 14;

class TPrintLayout {
 public:
  // Lays out on `canvas`, which must outlive the layout; the canvas must stand on the first
  // page of a job that has begun.
  explicit TPrintLayout(TPageCanvas& canvas);

  // Prints the entry `name` with body `text` from the first page on. Lone CR and LF bytes are
  // dropped, CR LF ends a paragraph, the braces of cross-references never reach the paper, and
  // a line breaks only after a word's trailing space. False when the canvas failed to start a
  // page: the layout stopped there.
  bool PrintEntry(std::string_view name, std::string_view text);

  // Moves y down one line; when that passes the last line of the page (PH - 4H) starts a new
  // page with its continuation header, "Pagina " and the notice, and puts y on its first line
  // (3H).
  void AdvancePrintLine();

  int Y() const { return FY; }

 private:
  void DrawPageFrame();
  void DrawLine(std::string_view text);
  bool Fits(std::string_view text);
  void EndParagraph();

  TPageCanvas& FCanvas;
  std::string FName;
  std::string FLine;
  std::string FWord;
  int FY = 0;
  int FH = 0;
  int FW = 0;
  int FPW = 0;
  int FPH = 0;
  bool FFailed = false;
};

}  // namespace halvena
