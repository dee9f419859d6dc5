#include "platform/CodePageQt.h"

#include <QList>

#include "base/CodePage.h"

namespace halvena {

QString Cp1252ToQString(std::string_view text) {
  QString result;
  result.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) {
    // Every character of the code page lies in the Basic Multilingual Plane.
    result += QChar(static_cast<char16_t>(Cp1252ToUnicode(static_cast<unsigned char>(c))));
  }
  return result;
}

std::string QStringToCp1252(const QString& text) {
  std::string result;
  result.reserve(static_cast<std::size_t>(text.size()));
  for (const char32_t ch : text.toUcs4()) {
    const int byte = UnicodeToCp1252(ch);
    result += byte < 0 ? '?' : static_cast<char>(byte);
  }
  return result;
}

}  // namespace halvena
