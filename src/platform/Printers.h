// The printers of the system as the program sees them: whether any is installed, the printer
// set-up dialog, and a print job with pages and a canvas. Tests pretend that printers exist or
// not, and print into a PDF file instead of showing the dialog. User-interface thread only.
#pragma once

#include <QString>
#include <memory>

class QPainter;
class QPrinter;
class QWidget;

namespace halvena {

// Whether the system has at least one installed printer (CUPS through Qt's printer list), or the
// override when one is set.
bool PrintersInstalled();
void SetPrintersInstalledOverride(bool installed);
void ClearPrintersInstalledOverride();

// Tests: the set-up dialog is not shown but answers at once, accepted with output into the PDF
// file `pdfPath`, or cancelled when `pdfPath` is empty.
void SetPrinterSetupOverride(const QString& pdfPath);
void ClearPrinterSetupOverride();

// One print job on the system's default printer, or on the printer the set-up dialog chose.
class TPrinter {
 public:
  TPrinter();
  ~TPrinter();
  TPrinter(const TPrinter&) = delete;
  TPrinter& operator=(const TPrinter&) = delete;

  // Shows the printer set-up dialog over `parent` (may be null), modally; false when the user
  // cancelled it.
  bool PrinterSetupDialog(QWidget* parent);
  // The job's title, as the print queue shows it; set before BeginDoc.
  void SetTitle(const QString& title);
  // Starts the job on its first page; false when the printer cannot start one.
  bool BeginDoc();
  // Ends the page and starts the next; false when the job failed.
  bool NewPage();
  // Sends the job to the printer.
  void EndDoc();
  // Aborts the job. Where the print system cannot withdraw it (Qt's PDF and CUPS output), what
  // was drawn so far still comes out.
  void Abort();
  // True once the job was aborted or failed.
  bool Aborted() const;
  // The number of the current page, 1 for the first; 0 before BeginDoc.
  int PageNumber() const { return FPageNumber; }
  // Printable width and height in device pixels.
  int PageWidth() const;
  int PageHeight() const;
  // The canvas of the current page, valid from BeginDoc to EndDoc or Abort; null outside.
  QPainter* Canvas() const { return FPainter.get(); }

 private:
  std::unique_ptr<QPrinter> FPrinter;
  std::unique_ptr<QPainter> FPainter;
  int FPageNumber = 0;
};

}  // namespace halvena
