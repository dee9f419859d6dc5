#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "platform/CodePageQt.h"

namespace halvena {

void SetClipboardText(std::string_view text) {
  if (qGuiApp == nullptr) return;
  QGuiApplication::clipboard()->setText(Cp1252ToQString(text));
}

}  // namespace halvena
