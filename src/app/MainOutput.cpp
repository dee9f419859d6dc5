// TMainForm's output handlers: printing the entry on screen, copying it to the clipboard, the
// online help and the about window.
#include <QPainter>
#include <string_view>

#include "app/About.h"
#include "app/Browser.h"
#include "app/Main.h"
#include "output/BrowserStart.h"
#include "output/ClipboardText.h"
#include "output/PrintLayout.h"
#include "platform/Clipboard.h"
#include "platform/CodePageQt.h"
#include "platform/Printers.h"

namespace halvena {
namespace {

// A print job's pages for the layout: black text without background in the body font's
// family, drawn with the top of its cell at y.
class TPrinterCanvas : public TPageCanvas {
 public:
  TPrinterCanvas(TPrinter& printer, const QString& family) : FPrinter(printer), FFont(family) {
    QPainter& canvas = *FPrinter.Canvas();
    canvas.setPen(Qt::black);
    canvas.setBrush(Qt::NoBrush);
    canvas.setBackgroundMode(Qt::TransparentMode);
  }

  int PageWidth() override { return FPrinter.PageWidth(); }
  int PageHeight() override { return FPrinter.PageHeight(); }
  void SetFontSize(int points) override {
    FFont.setPointSize(points);
    FPrinter.Canvas()->setFont(FFont);
  }
  int TextWidth(std::string_view text) override {
    return FPrinter.Canvas()->fontMetrics().horizontalAdvance(Cp1252ToQString(text));
  }
  int TextHeight(std::string_view) override { return FPrinter.Canvas()->fontMetrics().height(); }
  void TextOut(int x, int y, std::string_view text) override {
    QPainter& canvas = *FPrinter.Canvas();
    canvas.drawText(x, y + canvas.fontMetrics().ascent(), Cp1252ToQString(text));
  }
  bool NewPage() override { return FPrinter.NewPage(); }
  int PageNumber() override { return FPrinter.PageNumber(); }

 private:
  TPrinter& FPrinter;
  QFont FFont;
};

std::string_view BodyOf(const TIDbRec& rec) {
  return rec.Text == nullptr ? std::string_view() : std::string_view(rec.Text, rec.TextLen);
}

}  // namespace

void TMainForm::ConnectOutput() {
  PrintBtn->OnClick = [this](TGraphicControl* sender) { PrintBtnClick(sender); };
  ToClipBrdBtn->OnClick = [this](TGraphicControl* sender) { ToClipBrdBtnClick(sender); };
  HelpBtn->OnClick = [this](TGraphicControl* sender) { HelpBtnClick(sender); };
  InfoBtn->OnClick = [this](TGraphicControl* sender) { InfoBtnClick(sender); };
}

bool TMainForm::EntryOnScreen() const {
  return RecFile != nullptr && RecFile->VisCount > 0 && RecFile->LastVisNo >= 1 &&
         RecFile->LastVisNo <= RecFile->VisCount;
}

// A job that fails on the way stops drawing at once and is aborted rather than ended, so that a
// print system that can drop it does; the next job starts afresh with a printer of its own.
void TMainForm::PrintBtnClick(TGraphicControl*) {
  if (Closing() || !EntryOnScreen() || !PrintersInstalled()) return;
  TPrinter printer;
  // The dialog runs its own event loop, in which the window may have started closing.
  if (!printer.PrinterSetupDialog(this) || Closing() || !EntryOnScreen()) return;
  printer.SetTitle(QStringLiteral("Halvena"));
  if (!printer.BeginDoc()) return;
  TPrinterCanvas canvas(printer, iDbRecText->Font().Name());
  TIDbRec rec;
  RecFile->GetVisibleRec(RecFile->LastVisNo, rec);
  TPrintLayout layout(canvas);
  const bool printed = layout.PrintEntry(KeyTitle(rec.Key), BodyOf(rec));
  if (printed && !printer.Aborted()) {
    printer.EndDoc();
  } else {
    printer.Abort();
  }
}

void TMainForm::ToClipBrdBtnClick(TGraphicControl*) {
  if (Closing() || !EntryOnScreen()) return;
  TIDbRec rec;
  RecFile->GetVisibleRec(RecFile->LastVisNo, rec);
  SetClipboardText(ClipboardText(KeyTitle(rec.Key), BodyOf(rec)));
}

void TMainForm::HelpBtnClick(TGraphicControl*) {
  if (Closing()) return;
  OpenInBrowser(HelpAddress());
  AppMinimize();
}

void TMainForm::InfoBtnClick(TGraphicControl*) {
  if (Closing()) return;
  ShowAboutBox();
}

}  // namespace halvena
