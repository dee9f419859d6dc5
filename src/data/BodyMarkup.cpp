#include "data/BodyMarkup.h"

namespace halvena {

std::vector<std::string> CrossRefTexts(std::string_view body) {
  body = body.substr(0, body.find('\0'));
  std::vector<std::string> refs;
  std::size_t pos = 0;
  while (pos + 1 < body.size()) {
    if (body[pos] != '{') {
      ++pos;
      continue;
    }
    const std::size_t close = body.find('}', pos + 1);
    const std::size_t end = close == std::string_view::npos ? body.size() : close;
    refs.emplace_back(body.substr(pos + 1, end - pos - 1));
    pos = end + 1;
  }
  return refs;
}

}  // namespace halvena
