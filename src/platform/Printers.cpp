#include "platform/Printers.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <optional>

namespace halvena {
namespace {

std::optional<bool>& Override() {
  static std::optional<bool> installed;
  return installed;
}

std::optional<QString>& SetupOverride() {
  static std::optional<QString> pdfPath;
  return pdfPath;
}

}  // namespace

bool PrintersInstalled() {
  if (Override()) return *Override();
  return !QPrinterInfo::availablePrinterNames().isEmpty();
}

void SetPrintersInstalledOverride(bool installed) {
  Override() = installed;
}

void ClearPrintersInstalledOverride() {
  Override().reset();
}

void SetPrinterSetupOverride(const QString& pdfPath) {
  SetupOverride() = pdfPath;
}

void ClearPrinterSetupOverride() {
  SetupOverride().reset();
}

TPrinter::TPrinter() : FPrinter(std::make_unique<QPrinter>(QPrinter::HighResolution)) {}

TPrinter::~TPrinter() {
  if (FPainter) Abort();
}

bool TPrinter::PrinterSetupDialog(QWidget* parent) {
  if (SetupOverride()) {
    if (SetupOverride()->isEmpty()) return false;
    FPrinter->setOutputFormat(QPrinter::PdfFormat);
    FPrinter->setOutputFileName(*SetupOverride());
    return true;
  }
  QPrintDialog dialog(FPrinter.get(), parent);
  return dialog.exec() == QDialog::Accepted;
}

void TPrinter::SetTitle(const QString& title) {
  FPrinter->setDocName(title);
}

bool TPrinter::BeginDoc() {
  FPainter = std::make_unique<QPainter>();
  if (!FPainter->begin(FPrinter.get())) {
    FPainter.reset();
    return false;
  }
  FPageNumber = 1;
  return true;
}

bool TPrinter::NewPage() {
  if (!FPainter || Aborted() || !FPrinter->newPage()) return false;
  ++FPageNumber;
  return true;
}

void TPrinter::EndDoc() {
  if (!FPainter) return;
  FPainter->end();
  FPainter.reset();
}

void TPrinter::Abort() {
  if (!FPainter) return;
  FPrinter->abort();
  FPainter->end();
  FPainter.reset();
}

bool TPrinter::Aborted() const {
  const QPrinter::PrinterState state = FPrinter->printerState();
  return state == QPrinter::Aborted || state == QPrinter::Error;
}

int TPrinter::PageWidth() const {
  return FPrinter->width();
}

int TPrinter::PageHeight() const {
  return FPrinter->height();
}

}  // namespace halvena
