#include "output/ClipboardText.h"

namespace halvena {

std::string ClipboardText(std::string_view name, std::string_view text) {
  std::string result;
  result.reserve(name.size() + 4 + text.size() + 4 + kClipboardNotice1.size() +
                 kClipboardNotice2.size());
  result += name;
  result += "\r\n\r\n";
  for (const char c : text) {
    if (c != '{' && c != '}') result += c;
  }
  result += "\r\n";
  result += kClipboardNotice1;
  result += "\r\n";
  result += kClipboardNotice2;
  return result;
}

}  // namespace halvena
