#include "halvena-dict/DictSource.h"

#include <charconv>
#include <cstdio>
#include <map>

#include "base/CodePage.h"

namespace halvena::dict {
namespace {

constexpr std::size_t kMaxTextLen = 0xFFFF;

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string CharName(char32_t ch) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "U+%04X", static_cast<unsigned>(ch));
  return buf;
}

// UTF-8 text as Windows-1252, or a TDictError naming the character that does not fit.
std::string ToCp1252(std::string_view utf8, const std::string& file, int line) {
  std::string out;
  const TCp1252Result r = Utf8ToCp1252(utf8, out);
  if (!r.ok) {
    throw TDictError(file, line,
                     r.badChar == 0
                         ? "malformed UTF-8"
                         : "character " + CharName(r.badChar) + " does not exist in Windows-1252");
  }
  return out;
}

// A `.txt` line without its escapes, as Windows-1252.
std::string Unescape(std::string_view line, const std::string& file, int lineNo) {
  std::string out;
  std::size_t pos = 0;
  while (pos < line.size()) {
    const std::size_t slash = line.find('\\', pos);
    out += ToCp1252(line.substr(pos, slash - pos), file, lineNo);
    if (slash == std::string_view::npos) break;
    if (slash + 1 < line.size() && line[slash + 1] == '\\') {
      out += '\\';
      pos = slash + 2;
    } else if (slash + 3 < line.size() && line[slash + 1] == 'x' &&
               HexDigit(line[slash + 2]) >= 0 && HexDigit(line[slash + 3]) >= 0) {
      out += static_cast<char>(HexDigit(line[slash + 2]) * 16 + HexDigit(line[slash + 3]));
      pos = slash + 4;
    } else {
      throw TDictError(file, lineNo,
                       "unknown escape (write \\\\ for a backslash, \\xHH for a byte)");
    }
  }
  return out;
}

struct TTxtEntryDraft {
  TSourceEntry entry;
  std::vector<std::string> paragraphs;
  bool inParagraph = false;
};

void FinishTxtEntry(TTxtEntryDraft& draft, std::vector<TSourceEntry>& entries) {
  std::string text;
  for (std::size_t i = 0; i < draft.paragraphs.size(); ++i) {
    if (i > 0) text += "\r\n";
    text += draft.paragraphs[i];
  }
  if (text.size() > kMaxTextLen) {
    throw TDictError(draft.entry.File, draft.entry.Line, "body longer than 65 535 bytes");
  }
  draft.entry.Text = std::move(text);
  entries.push_back(std::move(draft.entry));
}

TSourceEntry ParseTxtHeader(std::string_view line, const std::string& file, int lineNo) {
  TSourceEntry entry;
  entry.File = file;
  entry.Line = lineNo;
  std::size_t pos = 1;
  while (pos < line.size() && line[pos] >= '0' && line[pos] <= '9') ++pos;
  if (pos > 1) {
    const auto [end, error] = std::from_chars(line.data() + 1, line.data() + pos, entry.Id);
    if (error != std::errc() || end != line.data() + pos) {
      throw TDictError(file, lineNo, "the Id must be a number from 1 to 4294967295");
    }
  }
  if (pos < line.size() && !IsBlank(line[pos])) {
    throw TDictError(file, lineNo, "a blank must follow \"=\" and the Id");
  }
  entry.Key = Unescape(Trim(line.substr(pos)), file, lineNo);
  if (entry.Key.empty()) throw TDictError(file, lineNo, "empty key");
  if (entry.Key.size() > kMaxTextLen) {
    throw TDictError(file, lineNo, "key longer than 65 535 bytes");
  }
  return entry;
}

// --- JSON, just what one entry object needs -------------------------------------------------

class TJsonLine {
 public:
  TJsonLine(std::string_view text, const std::string& file, int line)
      : FText(text), FFile(file), FLine(line) {}

  TSourceEntry ParseEntry() {
    TSourceEntry entry;
    entry.File = FFile;
    entry.Line = FLine;
    bool haveKey = false;
    bool haveText = false;
    std::map<std::string, bool> seen;
    Expect('{');
    SkipSpace();
    if (Peek() != '}') {
      for (;;) {
        SkipSpace();
        const std::string name = ParseString();
        if (seen[name]) Fail("field \"" + name + "\" given twice");
        seen[name] = true;
        Expect(':');
        SkipSpace();
        if (name == "id") {
          entry.Id = ParseId();
        } else if (name == "key") {
          entry.Key = ToCp1252(ParseString(), FFile, FLine);
          haveKey = true;
        } else if (name == "text") {
          entry.Text = ToCp1252(ParseString(), FFile, FLine);
          haveText = true;
        } else {
          Fail("unknown field \"" + name + "\"");
        }
        SkipSpace();
        if (Peek() == ',') {
          ++FPos;
          continue;
        }
        break;
      }
    }
    Expect('}');
    SkipSpace();
    if (FPos != FText.size()) Fail("text after the object");
    if (!haveKey || entry.Key.empty()) Fail("empty key");
    if (!haveText) entry.Text.clear();
    if (entry.Key.size() > kMaxTextLen) Fail("key longer than 65 535 bytes");
    if (entry.Text.size() > kMaxTextLen) Fail("body longer than 65 535 bytes");
    return entry;
  }

 private:
  [[noreturn]] void Fail(const std::string& reason) const {
    throw TDictError(FFile, FLine, reason);
  }
  char Peek() const { return FPos < FText.size() ? FText[FPos] : '\0'; }
  void SkipSpace() {
    while (FPos < FText.size() && (FText[FPos] == ' ' || FText[FPos] == '\t' ||
                                   FText[FPos] == '\r' || FText[FPos] == '\n')) {
      ++FPos;
    }
  }
  void Expect(char c) {
    SkipSpace();
    if (Peek() != c) Fail(std::string("malformed JSON: expected '") + c + "'");
    ++FPos;
  }
  std::uint32_t ParseId() {
    const std::size_t start = FPos;
    while (FPos < FText.size() && FText[FPos] >= '0' && FText[FPos] <= '9') ++FPos;
    std::uint32_t id = 0;
    const auto [end, error] = std::from_chars(FText.data() + start, FText.data() + FPos, id);
    if (FPos == start || error != std::errc() || end != FText.data() + FPos || Peek() == '.' ||
        Peek() == 'e' || Peek() == 'E') {
      Fail("\"id\" must be a whole number from 0 to 4294967295");
    }
    return id;
  }
  unsigned ParseHex4() {
    if (FPos + 4 > FText.size()) Fail("malformed JSON: short \\u escape");
    unsigned value = 0;
    for (int i = 0; i < 4; ++i) {
      const int d = HexDigit(FText[FPos++]);
      if (d < 0) Fail("malformed JSON: bad \\u escape");
      value = value * 16 + static_cast<unsigned>(d);
    }
    return value;
  }
  // A JSON string as UTF-8.
  std::string ParseString() {
    if (Peek() != '"') Fail("malformed JSON: expected a string");
    ++FPos;
    std::string out;
    for (;;) {
      if (FPos >= FText.size()) Fail("malformed JSON: unterminated string");
      const char c = FText[FPos++];
      if (c == '"') return out;
      if (static_cast<unsigned char>(c) < 0x20)
        Fail("malformed JSON: control character in a string");
      if (c != '\\') {
        out += c;
        continue;
      }
      if (FPos >= FText.size()) Fail("malformed JSON: unterminated string");
      const char e = FText[FPos++];
      switch (e) {
        case '"':
          out += '"';
          break;
        case '\\':
          out += '\\';
          break;
        case '/':
          out += '/';
          break;
        case 'b':
          out += '\b';
          break;
        case 'f':
          out += '\f';
          break;
        case 'n':
          out += '\n';
          break;
        case 'r':
          out += '\r';
          break;
        case 't':
          out += '\t';
          break;
        case 'u': {
          char32_t ch = ParseHex4();
          if (ch >= 0xD800 && ch <= 0xDBFF) {
            if (FText.substr(FPos, 2) != "\\u") Fail("malformed JSON: lone surrogate");
            FPos += 2;
            const unsigned low = ParseHex4();
            if (low < 0xDC00 || low > 0xDFFF) Fail("malformed JSON: lone surrogate");
            ch = 0x10000 + ((ch - 0xD800) << 10) + (low - 0xDC00);
          } else if (ch >= 0xDC00 && ch <= 0xDFFF) {
            Fail("malformed JSON: lone surrogate");
          }
          AppendUtf8(out, ch);
          break;
        }
        default:
          Fail("malformed JSON: unknown escape");
      }
    }
  }

  std::string_view FText;
  const std::string& FFile;
  int FLine;
  std::size_t FPos = 0;
};

// Splits into lines at LF, dropping the CR of a CR LF; calls `fn(line, number)`.
template <typename Fn>
void ForEachLine(std::string_view content, Fn fn) {
  int number = 0;
  std::size_t pos = 0;
  while (pos < content.size()) {
    std::size_t end = content.find('\n', pos);
    const std::size_t next = end == std::string_view::npos ? content.size() : end + 1;
    if (end == std::string_view::npos) end = content.size();
    std::string_view line = content.substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    fn(line, ++number);
    pos = next;
  }
}

bool IsCp1252Control(unsigned char b) {
  return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

void AppendHexEscape(std::string& out, unsigned char b) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "\\x%02X", b);
  out += buf;
}

// One line of a `.txt` file for `text`: escapes where the plain form would read back
// differently. `bodyLine` also escapes a first "#" or "=".
std::string EscapeTxtLine(std::string_view text, bool bodyLine) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto b = static_cast<unsigned char>(text[i]);
    const bool edge = i == 0 || i + 1 == text.size();
    if (b == '\\') {
      out += "\\\\";
    } else if (IsCp1252Control(b) || (edge && b == ' ') ||
               (i == 0 && bodyLine && (b == '#' || b == '='))) {
      AppendHexEscape(out, b);
    } else {
      AppendUtf8(out, Cp1252ToUnicode(b));
    }
  }
  return out;
}

void AppendJsonString(std::string& out, std::string_view text) {
  out += '"';
  for (char c : text) {
    const char32_t ch = Cp1252ToUnicode(static_cast<unsigned char>(c));
    switch (ch) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (ch < 0x20 || (ch >= 0x7F && ch <= 0x9F)) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(ch));
          out += buf;
        } else {
          AppendUtf8(out, ch);
        }
    }
  }
  out += '"';
}

}  // namespace

TDictError::TDictError(const std::string& file, int line, const std::string& reason)
    : std::runtime_error(file + ":" + std::to_string(line) + ": " + reason) {}

std::vector<TSourceEntry> ParseTxtSource(const std::string& file, std::string_view content) {
  std::vector<TSourceEntry> entries;
  TTxtEntryDraft draft;
  bool haveEntry = false;
  ForEachLine(content, [&](std::string_view rawLine, int lineNo) {
    if (rawLine.find('\r') != std::string_view::npos) {
      throw TDictError(file, lineNo, "carriage return inside a line (write \\x0D)");
    }
    const std::string_view line = Trim(rawLine);
    if (!line.empty() && line.front() == '#') return;
    if (!line.empty() && line.front() == '=') {
      if (haveEntry) FinishTxtEntry(draft, entries);
      draft = TTxtEntryDraft{};
      draft.entry = ParseTxtHeader(line, file, lineNo);
      haveEntry = true;
      return;
    }
    if (line.empty()) {
      draft.inParagraph = false;
      return;
    }
    if (!haveEntry) throw TDictError(file, lineNo, "text before the first entry");
    std::string text = Unescape(line, file, lineNo);
    if (draft.inParagraph) {
      draft.paragraphs.back() += ' ';
      draft.paragraphs.back() += text;
    } else {
      draft.paragraphs.push_back(std::move(text));
      draft.inParagraph = true;
    }
  });
  if (haveEntry) FinishTxtEntry(draft, entries);
  return entries;
}

std::vector<TSourceEntry> ParseJsonlSource(const std::string& file, std::string_view content) {
  std::vector<TSourceEntry> entries;
  ForEachLine(content, [&](std::string_view line, int lineNo) {
    if (Trim(line).empty()) return;
    entries.push_back(TJsonLine(line, file, lineNo).ParseEntry());
  });
  return entries;
}

std::string FormatTxtEntry(const TDumpEntry& entry) {
  std::string out = "=";
  if (entry.Id != 0) out += std::to_string(entry.Id);
  out += ' ';
  out += EscapeTxtLine(entry.Key, false);
  out += '\n';
  // One line per paragraph. An empty paragraph cannot be an empty line (that separates
  // paragraphs), so its paragraph end joins the neighbouring line as an escape.
  std::vector<std::string> lines;
  std::string current;
  std::size_t pos = 0;
  bool first = true;
  while (first || pos <= entry.Text.size()) {
    std::size_t end = entry.Text.find("\r\n", pos);
    if (end == std::string_view::npos) end = entry.Text.size();
    const std::string para = EscapeTxtLine(entry.Text.substr(pos, end - pos), true);
    if (first) {
      current = para;
    } else if (!current.empty() && !para.empty()) {
      lines.push_back(std::move(current));
      current = para;
    } else {
      current += "\\x0D\\x0A" + para;
    }
    first = false;
    pos = end + 2;
  }
  if (!current.empty()) lines.push_back(std::move(current));
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) out += '\n';
    out += lines[i];
    out += '\n';
  }
  return out;
}

std::string FormatJsonlEntry(const TDumpEntry& entry) {
  std::string out = "{\"id\": " + std::to_string(entry.Id) + ", \"key\": ";
  AppendJsonString(out, entry.Key);
  out += ", \"text\": ";
  AppendJsonString(out, entry.Text);
  out += "}\n";
  return out;
}

}  // namespace halvena::dict
