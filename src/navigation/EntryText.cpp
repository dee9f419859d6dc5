#include "navigation/EntryText.h"

#include "base/StringList.h"
#include "data/BodyMarkup.h"
#include "data/TextSearch.h"

namespace halvena {
namespace {

constexpr char kCr = '\r';
constexpr char kLf = '\n';

// The line builder: the pending line and the pending word, and the lines done.
class TLineBuilder {
 public:
  TLineBuilder(const TTextWidth& width, double wrapWidth) : FWidth(width), FWrap(wrapWidth) {}

  void Append(char c) { FWord += c; }

  // A blank ended the pending word: it joins the line when the two fit, else it starts one.
  void EndWord() {
    if (Fits()) {
      FLine += FWord;
    } else {
      FLines.push_back(std::move(FLine));
      FLine = std::move(FWord);
    }
    FWord.clear();
  }

  // The pending line and word end as one line when they fit, else as two.
  void EndParagraph() {
    if (Fits()) {
      FLines.push_back(FLine + FWord);
    } else {
      FLines.push_back(std::move(FLine));
      FLines.push_back(std::move(FWord));
    }
    FLine.clear();
    FWord.clear();
  }

  std::vector<std::string> Finish() {
    if (!FWord.empty()) {
      EndParagraph();
    } else if (!FLine.empty()) {
      FLines.push_back(std::move(FLine));
    }
    return std::move(FLines);
  }

 private:
  bool Fits() const { return FWidth(FLine + FWord) <= FWrap; }

  const TTextWidth& FWidth;
  double FWrap;
  std::string FLine, FWord;
  std::vector<std::string> FLines;
};

}  // namespace

std::vector<std::string> LayOutLines(std::string_view body, const TTextWidth& width,
                                     double wrapWidth) {
  body = body.substr(0, body.find('\0'));
  TLineBuilder builder(width, wrapWidth);
  for (std::size_t i = 0; i < body.size(); ++i) {
    const char c = body[i];
    if (c == kLf) {
      if (i > 0 && body[i - 1] == kCr) builder.EndParagraph();
    } else if (c != kCr && c != '{' && c != '}') {
      builder.Append(c);
      if (c == ' ') builder.EndWord();
    }
  }
  return builder.Finish();
}

void PadLines(std::vector<std::string>& lines, int rowHeight, int height) {
  if (rowHeight <= 0) return;
  while (static_cast<long long>(lines.size()) * rowHeight < height) lines.emplace_back();
}

std::vector<std::string> CrossRefList(std::string_view body) {
  TStringList sorted;
  sorted.SetSorted(true);
  for (std::string text : CrossRefTexts(body)) {
    if (text.empty()) continue;
    text.front() = AsciiUpper(text.front());
    sorted.Add(text);
  }
  std::vector<std::string> refs;
  refs.reserve(static_cast<std::size_t>(sorted.Count()));
  for (int i = 0; i < sorted.Count(); ++i) refs.push_back(sorted[i]);
  return refs;
}

}  // namespace halvena
