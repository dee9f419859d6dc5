#include "output/PrintLayout.h"

namespace halvena {
namespace {

constexpr std::string_view kProduct = "Halvena";
constexpr std::string_view kContinued = "Vervolg: ";
constexpr std::string_view kPage = "Pagina ";

}  // namespace

TPrintLayout::TPrintLayout(TPageCanvas& canvas) : FCanvas(canvas) {}

void TPrintLayout::DrawLine(std::string_view text) {
  if (!FFailed && !text.empty()) FCanvas.TextOut(6 * FW, FY, text);
}

bool TPrintLayout::Fits(std::string_view text) {
  return FCanvas.TextWidth(text) <= FPW - 12 * FW;
}

void TPrintLayout::DrawPageFrame() {
  FCanvas.TextOut(FPW - FCanvas.TextWidth(kProduct) - 3 * FW, 2 * FH, kProduct);
  const std::string page = std::string(kPage) + std::to_string(FCanvas.PageNumber());
  FCanvas.TextOut(FPW - FCanvas.TextWidth(page) - 3 * FW, FPH - 3 * FH, page);
  FCanvas.TextOut(6 * FW, FPH - 3 * FH, kPrintNotice);
}

void TPrintLayout::AdvancePrintLine() {
  if (FFailed) return;
  FY += FH;
  if (FY <= FPH - 4 * FH) return;
  if (!FCanvas.NewPage()) {
    FFailed = true;
    return;
  }
  FY = 2 * FH;
  FCanvas.TextOut(6 * FW, FY, std::string(kContinued) + FName);
  DrawPageFrame();
  FY = 3 * FH;
}

// A word too wide for the line moves to the next line; on an empty line it stays, since a line
// is never split inside a word and a blank line before it would help nobody.
void TPrintLayout::EndParagraph() {
  if (!FLine.empty() && !Fits(FLine + FWord)) {
    DrawLine(FLine);
    AdvancePrintLine();
    DrawLine(FWord);
  } else {
    DrawLine(FLine + FWord);
  }
  AdvancePrintLine();
  FLine.clear();
  FWord.clear();
}

bool TPrintLayout::PrintEntry(std::string_view name, std::string_view text) {
  FName = name;
  FLine.clear();
  FWord.clear();
  FFailed = false;
  FCanvas.SetFontSize(kPrintBodyPoints);
  FH = FCanvas.TextHeight("H");
  FW = FCanvas.TextWidth("H");
  FPW = FCanvas.PageWidth();
  FPH = FCanvas.PageHeight();

  FY = 2 * FH;
  DrawPageFrame();
  FY = 3 * FH;
  FCanvas.SetFontSize(kPrintTitlePoints);
  FCanvas.TextOut(6 * FW, FY, FName);
  FCanvas.SetFontSize(kPrintBodyPoints);
  for (int i = 0; i < 3; ++i) AdvancePrintLine();

  for (std::size_t i = 0; i < text.size() && !FFailed; ++i) {
    const char c = text[i];
    if (c == '\n' && i > 0 && text[i - 1] == '\r') {
      EndParagraph();
      continue;
    }
    if (c == '\r' || c == '\n' || c == '{' || c == '}') continue;
    FWord += c;
    if (c != ' ') continue;
    if (!FLine.empty() && !Fits(FLine + FWord)) {
      DrawLine(FLine);
      AdvancePrintLine();
      FLine = FWord;
    } else {
      FLine += FWord;
    }
    FWord.clear();
  }
  if (!FWord.empty()) {
    EndParagraph();
  } else if (!FLine.empty()) {
    DrawLine(FLine);
    AdvancePrintLine();
  }
  return !FFailed;
}

}  // namespace halvena
