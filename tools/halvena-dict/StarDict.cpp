#include "halvena-dict/StarDict.h"

#include <charconv>

#include "base/CodePage.h"
#include "halvena-dict/Gzip.h"

namespace halvena::dict {
namespace {

constexpr std::string_view kIfoMagic = "StarDict's dict ifo file";
constexpr std::size_t kMaxWordBytes = 256;

std::uint64_t BigEndian(std::string_view s, std::size_t at, int bytes) {
  std::uint64_t v = 0;
  for (int i = 0; i < bytes; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
  return v;
}

bool ParseNumber(std::string_view text, std::uint64_t& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc() && end == text.data() + text.size() && !text.empty();
}

// The NUL-terminated headword at `pos`, of fewer than 256 bytes; advances `pos` past the NUL.
std::string_view Headword(const std::string& file, std::string_view content, std::size_t& pos,
                          std::size_t number) {
  const std::size_t nul = content.find('\0', pos);
  const std::string where = "entry " + std::to_string(number) + ": ";
  if (nul == std::string_view::npos) throw TImportError(file, where + "cut short");
  if (nul - pos >= kMaxWordBytes) {
    throw TImportError(file, where + "a headword of 256 bytes or more");
  }
  if (nul == pos) throw TImportError(file, where + "empty headword");
  const std::string_view word = content.substr(pos, nul - pos);
  pos = nul + 1;
  return word;
}

char AsciiLowerByte(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c;
}

// The UTF-8 form of the character an entity names ("lt", "#233", "#xE9"); empty when it
// names none.
std::string Entity(std::string_view name) {
  if (name == "lt") return "<";
  if (name == "gt") return ">";
  if (name == "amp") return "&";
  if (name == "quot") return "\"";
  if (name == "apos") return "'";
  if (name == "nbsp") return "\xC2\xA0";
  if (name.size() < 2 || name[0] != '#') return {};
  std::uint32_t code = 0;
  const bool hex = name[1] == 'x' || name[1] == 'X';
  const std::string_view digits = name.substr(hex ? 2 : 1);
  const auto [end, ec] =
      std::from_chars(digits.data(), digits.data() + digits.size(), code, hex ? 16 : 10);
  if (ec != std::errc() || end != digits.data() + digits.size() || code == 0 || code > 0x10FFFF ||
      (code >= 0xD800 && code <= 0xDFFF)) {
    return {};
  }
  std::string out;
  AppendUtf8(out, static_cast<char32_t>(code));
  return out;
}

}  // namespace

TStarDictInfo ParseStarDictIfo(const std::string& file, std::string_view content) {
  TStarDictInfo info;
  bool first = true, haveWordCount = false, haveIdxSize = false, haveSynCount = false;
  while (!content.empty()) {
    const std::size_t end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (first) {
      if (line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
      if (line != kIfoMagic) throw TImportError(file, "not a StarDict .ifo file");
      first = false;
      continue;
    }
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    const std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
    auto number = [&](std::uint64_t& out) {
      if (!ParseNumber(value, out)) {
        throw TImportError(file, "bad " + std::string(key) + " \"" + std::string(value) + "\"");
      }
    };
    if (key == "version") {
      info.Version = value;
    } else if (key == "bookname") {
      info.BookName = value;
    } else if (key == "wordcount") {
      number(info.WordCount);
      haveWordCount = true;
    } else if (key == "synwordcount") {
      number(info.SynWordCount);
      haveSynCount = true;
    } else if (key == "idxfilesize") {
      number(info.IdxFileSize);
      haveIdxSize = true;
    } else if (key == "idxoffsetbits") {
      if (value != "32" && value != "64") {
        throw TImportError(file, "bad idxoffsetbits \"" + std::string(value) + "\"");
      }
      info.IdxOffsetBits = value == "64" ? 64 : 32;
    } else if (key == "sametypesequence") {
      info.SameTypeSequence = value;
    }
  }
  if (first) throw TImportError(file, "not a StarDict .ifo file");
  if (info.Version != "2.4.2" && info.Version != "3.0.0") {
    throw TImportError(file, "unknown version \"" + info.Version + "\"");
  }
  if (!haveWordCount) throw TImportError(file, "no wordcount");
  if (!haveIdxSize) throw TImportError(file, "no idxfilesize");
  if (info.IdxOffsetBits == 64 && info.Version != "3.0.0") {
    throw TImportError(file, "idxoffsetbits=64 needs version 3.0.0");
  }
  if (!haveSynCount) info.SynWordCount = 0;
  for (const char type : info.SameTypeSequence) {
    if (!IsReadableStarDictType(type)) {
      throw TImportError(file, "entries of type '" + std::string(1, type) + "' (" +
                                   StarDictTypeName(type) +
                                   ") cannot be imported; plain text (m, l, t), Pango markup "
                                   "(g) and XDXF (x) can");
    }
  }
  return info;
}

std::vector<TIndexEntry> ParseStarDictIdx(const std::string& file, std::string_view content,
                                          const TStarDictInfo& info) {
  if (content.size() != info.IdxFileSize) {
    throw TImportError(file,
                       "holds " + std::to_string(content.size()) +
                           " bytes, the .ifo says idxfilesize=" + std::to_string(info.IdxFileSize));
  }
  const int offsetBytes = info.IdxOffsetBits / 8;
  std::vector<TIndexEntry> entries;
  std::size_t pos = 0;
  while (pos < content.size()) {
    const std::size_t number = entries.size() + 1;
    const std::string_view word = Headword(file, content, pos, number);
    if (content.size() - pos < static_cast<std::size_t>(offsetBytes) + 4) {
      throw TImportError(file, "entry " + std::to_string(number) + ": cut short");
    }
    TIndexEntry entry;
    entry.Headword = word;
    entry.Offset = BigEndian(content, pos, offsetBytes);
    entry.Length = BigEndian(content, pos + offsetBytes, 4);
    pos += offsetBytes + 4;
    entries.push_back(std::move(entry));
  }
  if (entries.size() != info.WordCount) {
    throw TImportError(file,
                       "holds " + std::to_string(entries.size()) +
                           " entries, the .ifo says wordcount=" + std::to_string(info.WordCount));
  }
  return entries;
}

std::vector<TSynonym> ParseStarDictSyn(const std::string& file, std::string_view content,
                                       const TStarDictInfo& info, std::size_t entryCount) {
  std::vector<TSynonym> synonyms;
  std::size_t pos = 0;
  while (pos < content.size()) {
    const std::size_t number = synonyms.size() + 1;
    const std::string_view word = Headword(file, content, pos, number);
    if (content.size() - pos < 4) {
      throw TImportError(file, "entry " + std::to_string(number) + ": cut short");
    }
    TSynonym synonym;
    synonym.Word = word;
    synonym.Entry = static_cast<std::uint32_t>(BigEndian(content, pos, 4));
    pos += 4;
    if (synonym.Entry >= entryCount) {
      throw TImportError(file, "entry " + std::to_string(number) + ": names entry " +
                                   std::to_string(synonym.Entry) + " of an index of " +
                                   std::to_string(entryCount));
    }
    synonyms.push_back(std::move(synonym));
  }
  if (synonyms.size() != info.SynWordCount) {
    throw TImportError(
        file, "holds " + std::to_string(synonyms.size()) +
                  " entries, the .ifo says synwordcount=" + std::to_string(info.SynWordCount));
  }
  return synonyms;
}

std::vector<TStarDictField> SplitStarDictEntry(const std::string& file, std::string_view data,
                                               std::string_view sameTypeSequence) {
  std::vector<TStarDictField> fields;
  const bool sequence = !sameTypeSequence.empty();
  std::size_t next = 0;  // in the sequence
  while (sequence ? next < sameTypeSequence.size() : !data.empty()) {
    TStarDictField field;
    if (sequence) {
      field.Type = sameTypeSequence[next++];
    } else {
      field.Type = data[0];
      data.remove_prefix(1);
    }
    const bool last = sequence && next == sameTypeSequence.size();
    const bool sized = field.Type >= 'A' && field.Type <= 'Z';
    if (last) {
      field.Data = data;
      data = {};
    } else if (sized) {
      if (data.size() < 4) throw TImportError(file, "an entry's field is cut short");
      const std::uint64_t size = BigEndian(data, 0, 4);
      if (size > data.size() - 4) throw TImportError(file, "an entry's field is cut short");
      field.Data = data.substr(4, size);
      data.remove_prefix(4 + size);
    } else {
      const std::size_t nul = data.find('\0');
      if (nul == std::string_view::npos && sequence) {
        throw TImportError(file, "an entry's field is cut short");
      }
      // Without a sequence the last text field may end with the entry instead of a NUL.
      field.Data = data.substr(0, nul);
      data.remove_prefix(nul == std::string_view::npos ? data.size() : nul + 1);
    }
    fields.push_back(field);
  }
  return fields;
}

bool IsReadableStarDictType(char type) {
  return type == 'm' || type == 'l' || type == 't' || type == 'g' || type == 'x';
}

std::string StarDictTypeName(char type) {
  switch (type) {
    case 'm':
      return "plain text";
    case 'l':
      return "plain text in the locale's encoding";
    case 't':
      return "phonetics";
    case 'g':
      return "Pango markup";
    case 'x':
      return "XDXF";
    case 'h':
      return "HTML";
    case 'y':
      return "Yinbiao";
    case 'k':
      return "KingSoft PowerWord XML";
    case 'w':
      return "MediaWiki markup";
    case 'n':
      return "WordNet data";
    case 'r':
      return "resource file list";
    case 'W':
      return "WAV sound";
    case 'P':
      return "picture";
    case 'X':
      return "reserved for experiments";
    default:
      return "unknown type";
  }
}

std::string StarDictFieldText(const TStarDictField& field) {
  const bool markup = field.Type == 'g' || field.Type == 'x';
  const bool xdxf = field.Type == 'x';
  std::string out;
  out.reserve(field.Data.size());
  std::string_view s = field.Data;
  while (!s.empty()) {
    const char c = s[0];
    if (markup && c == '<') {
      const std::size_t close = s.find('>');
      if (close == std::string_view::npos) break;  // a tag cut short ends the text
      std::string_view tag = s.substr(1, close - 1);
      s.remove_prefix(close + 1);
      const bool closing = tag.starts_with('/');
      if (closing) tag.remove_prefix(1);
      const std::string_view name = tag.substr(0, tag.find_first_of(" \t\r\n/"));
      if (xdxf && name == "kref") {
        out += closing ? '}' : '{';
      } else if (name == "br") {
        out += '\n';
      }
      continue;
    }
    if (markup && c == '&') {
      const std::size_t semi = s.find(';');
      if (semi != std::string_view::npos && semi <= 10) {
        const std::string decoded = Entity(s.substr(1, semi - 1));
        if (!decoded.empty()) {
          out += decoded == "{" ? "(" : decoded == "}" ? ")" : decoded;
          s.remove_prefix(semi + 1);
          continue;
        }
      }
    }
    out += c == '{' ? '(' : c == '}' ? ')' : c;
    s.remove_prefix(1);
  }
  return out;
}

bool StarDictLess(std::string_view a, std::string_view b) {
  const std::size_t n = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < n; ++i) {
    const char x = AsciiLowerByte(a[i]), y = AsciiLowerByte(b[i]);
    if (x != y) return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

}  // namespace halvena::dict
