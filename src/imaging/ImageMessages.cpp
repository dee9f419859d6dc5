#include "imaging/ImageMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace halvena {

void TMessageBoxes::ShowError(const QString& text) {
  QMessageBox::critical(QApplication::activeWindow(), QApplication::applicationName(), text);
}

void TMessageBoxes::ShowInformation(const QString& text) {
  QMessageBox::information(QApplication::activeWindow(), QApplication::applicationName(), text);
}

}  // namespace halvena
