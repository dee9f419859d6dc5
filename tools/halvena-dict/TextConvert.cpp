#include "halvena-dict/TextConvert.h"

#include "base/CodePage.h"

namespace halvena::dict {
namespace {

// Latin Extended-A, U+0100 to U+017F: the plain letter of each; "" where Windows-1252 holds
// the character itself (Œ œ Š š Ÿ Ž ž).
constexpr std::string_view kLatinExtendedA[128] = {
    "A", "a", "A",  "a",  "A", "a", "C", "c", "C", "c", "C", "c", "C", "c", "D", "d",  // 0100
    "D", "d", "E",  "e",  "E", "e", "E", "e", "E", "e", "E", "e", "G", "g", "G", "g",  // 0110
    "G", "g", "G",  "g",  "H", "h", "H", "h", "I", "i", "I", "i", "I", "i", "I", "i",  // 0120
    "I", "i", "IJ", "ij", "J", "j", "K", "k", "k", "L", "l", "L", "l", "L", "l", "L",  // 0130
    "l", "L", "l",  "N",  "n", "N", "n", "N", "n", "n", "N", "n", "O", "o", "O", "o",  // 0140
    "O", "o", "",   "",   "R", "r", "R", "r", "R", "r", "S", "s", "S", "s", "S", "s",  // 0150
    "",  "",  "T",  "t",  "T", "t", "T", "t", "U", "u", "U", "u", "U", "u", "U", "u",  // 0160
    "U", "u", "U",  "u",  "W", "w", "Y", "y", "",  "Z", "z", "Z", "z", "",  "",  "s",  // 0170
};

// The plain letters of Latin Extended Additional, U+1E00 to U+1EFF, as the base letter of
// each upper/lower pair (U+1E96 to U+1E9F are single letters: h t w y a s s s S d).
constexpr std::string_view kLatinAdditionalPairs =
    "AaBbBbBbCcDdDdDdDdDdEeEeEeEeEeFfGgHhHhHhHhHhIiIiKkKkKkLlLlLlLlMmMmMmNnNnNnNnOoOoOoOoPpPp"
    "RrRrRrRrSsSsSsSsSsTtTtTtTtUuUuUuUuUuVvVvWwWwWwWwWwXxXxYyZzZzZzhtwyasssSd"
    "AaAaAaAaAaAaAaAaAaAaAaAaEeEeEeEeEeEeEeEeIiIiOoOoOoOoOoOoOoOoOoOoOoOoUuUuUuUuUuUuUuYyYyYyYy"
    "LlVvYy";

// The letters of phonetic transcriptions, U+0250 to U+0292, as the plain letter each is
// nearest to (ɑ a, ɔ o, ə e, ɛ e, ɪ i, ʃ s, ʒ z, ...).
constexpr std::string_view kIpaLetters =
    "aaobocddeeeeeeejggggohhhiiillllmmmnnnooofrrrrrrrrrssjssttuuvuwyyzzz";

// Lines and corners of box drawings as the ASCII that drawings in plain text use.
std::string_view BoxDrawing(char32_t ch) {
  switch (ch) {
    case 0x2500:
    case 0x2501:
    case 0x2504:
    case 0x2505:
    case 0x2508:
    case 0x2509:
    case 0x254C:
    case 0x254D:
    case 0x2550:
    case 0x2574:
    case 0x2576:
    case 0x2578:
    case 0x257A:
      return "-";
    case 0x2502:
    case 0x2503:
    case 0x2506:
    case 0x2507:
    case 0x250A:
    case 0x250B:
    case 0x254E:
    case 0x254F:
    case 0x2551:
    case 0x2575:
    case 0x2577:
    case 0x2579:
    case 0x257B:
      return "|";
    default:
      return "+";
  }
}

// The plain form of a character Windows-1252 lacks; empty when there is none.
std::string_view PlainForm(char32_t ch) {
  if (ch >= 0x100 && ch < 0x180) return kLatinExtendedA[ch - 0x100];
  if (ch >= 0x2500 && ch <= 0x257F) return BoxDrawing(ch);
  if (ch >= 0x250 && ch < 0x250 + kIpaLetters.size()) return kIpaLetters.substr(ch - 0x250, 1);
  if (ch >= 0x1E00 && ch < 0x1E00 + kLatinAdditionalPairs.size()) {
    return kLatinAdditionalPairs.substr(ch - 0x1E00, 1);
  }
  switch (ch) {
    case 0x180:
    case 0x183:
    case 0x243:
      return ch == 0x243 ? "B" : "b";
    case 0x187:
    case 0x188:
      return ch == 0x187 ? "C" : "c";
    case 0x189:
    case 0x18A:
      return "D";
    case 0x191:
      return "F";
    case 0x197:
      return "I";
    case 0x19A:
      return "l";
    case 0x19D:
      return "N";
    case 0x19E:
      return "n";
    case 0x19F:
      return "O";
    case 0x1A0:
      return "O";
    case 0x1A1:
      return "o";
    case 0x1AF:
      return "U";
    case 0x1B0:
      return "u";
    case 0x1B5:
      return "Z";
    case 0x1B6:
      return "z";
    case 0x1CD:
      return "A";
    case 0x1CE:
      return "a";
    case 0x1CF:
      return "I";
    case 0x1D0:
      return "i";
    case 0x1D1:
      return "O";
    case 0x1D2:
      return "o";
    case 0x1D3:
    case 0x1D5:
    case 0x1D7:
    case 0x1D9:
    case 0x1DB:
      return "U";
    case 0x1D4:
    case 0x1D6:
    case 0x1D8:
    case 0x1DA:
    case 0x1DC:
      return "u";
    case 0x1E6:
      return "G";
    case 0x1E7:
      return "g";
    case 0x1E8:
      return "K";
    case 0x1E9:
      return "k";
    case 0x1EA:
    case 0x1EC:
      return "O";
    case 0x1EB:
    case 0x1ED:
      return "o";
    case 0x1F0:
      return "j";
    case 0x1F4:
      return "G";
    case 0x1F5:
      return "g";
    case 0x1F8:
      return "N";
    case 0x1F9:
      return "n";
    case 0x218:
      return "S";
    case 0x219:
      return "s";
    case 0x21A:
      return "T";
    case 0x21B:
      return "t";
    case 0x2BC:
    case 0x2B9:
    case 0x2032:
    case 0x2035:
    case 0x2C8:
      return "'";
    case 0x2CC:
      return ",";
    case 0x2D0:
      return ":";
    case 0x2D1:
      return ".";
    case 0x2BA:
    case 0x2033:
      return "\"";
    case 0x2010:
    case 0x2011:
    case 0x2012:
    case 0x2015:
    case 0x2212:
    case 0x2043:
      return "-";
    case 0x2002:
    case 0x2003:
    case 0x2009:
    case 0x200A:
    case 0x202F:
    case 0x2007:
    case 0x2008:
      return " ";
    case 0xFB00:
      return "ff";
    case 0xFB01:
      return "fi";
    case 0xFB02:
      return "fl";
    case 0xFB03:
      return "ffi";
    case 0xFB04:
      return "ffl";
    default:
      return {};
  }
}

bool IsCombiningMark(char32_t ch) {
  return (ch >= 0x300 && ch <= 0x36F) || (ch >= 0x1AB0 && ch <= 0x1AFF) ||
         (ch >= 0x1DC0 && ch <= 0x1DFF) || (ch >= 0x20D0 && ch <= 0x20FF) ||
         (ch >= 0xFE20 && ch <= 0xFE2F);
}

}  // namespace

void TCp1252Converter::Append(char32_t ch, std::string& out) {
  const int byte = UnicodeToCp1252(ch);
  // The C1 controls have no place in a text; they count as characters without a plain form.
  if (byte >= 0 && !(ch >= 0x80 && ch <= 0x9F)) {
    out += static_cast<char>(byte);
    return;
  }
  ++FReplaced;
  if (IsCombiningMark(ch)) return;
  const std::string_view plain = PlainForm(ch);
  out += plain.empty() ? std::string_view("?") : plain;
}

std::string TCp1252Converter::Convert(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  while (!text.empty()) {
    // Runs of ASCII, most of any text, go as they are.
    std::size_t ascii = 0;
    while (ascii < text.size() && static_cast<unsigned char>(text[ascii]) < 0x80) ++ascii;
    out.append(text.substr(0, ascii));
    text.remove_prefix(ascii);
    if (text.empty()) break;
    char32_t ch;
    std::size_t len = DecodeUtf8(text, 0, ch);
    if (len == 0) {
      // No UTF-8: a byte of an older 8-bit dictionary, which Windows-1252 holds as it is.
      out += text[0];
      text.remove_prefix(1);
      continue;
    }
    Append(ch, out);
    text.remove_prefix(len);
  }
  return out;
}

std::string LinesToParagraphs(std::string_view text) {
  std::string body;
  bool pendingEmpty = false;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::size_t first = line.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
      pendingEmpty = !body.empty();
      continue;
    }
    line = line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
    if (!body.empty()) body += pendingEmpty ? "\r\n\r\n" : "\r\n";
    pendingEmpty = false;
    body += line;
  }
  return body;
}

bool CutBody(std::string& body, std::size_t limit) {
  if (body.size() <= limit) return false;
  const std::size_t end = limit >= 2 ? body.rfind("\r\n", limit - 2) : std::string::npos;
  body.resize(end != std::string::npos && end > 0 ? end : limit);
  return true;
}

}  // namespace halvena::dict
