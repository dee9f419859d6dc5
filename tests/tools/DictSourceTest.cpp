#include "halvena-dict/DictSource.h"

#include <gtest/gtest.h>

#include <random>

namespace halvena::dict {
namespace {

std::vector<TSourceEntry> Txt(const std::string& content) {
  return ParseTxtSource("a.txt", content);
}

// The error text of parsing `content`, or "" when it parses.
std::string TxtError(const std::string& content) {
  try {
    Txt(content);
  } catch (const TDictError& e) {
    return e.what();
  }
  return "";
}

std::string JsonlError(const std::string& content) {
  try {
    ParseJsonlSource("b.jsonl", content);
  } catch (const TDictError& e) {
    return e.what();
  }
  return "";
}

TEST(TxtSource, EntriesWithParagraphsIdsAndComments) {
  const auto entries =
      Txt("# Letter H\n"
          "= Hart|Cor\r\n"
          "Het hart is een spier\n"
          "  in de borstkas.  \n"
          "\n\n"
          "Tweede alinea met {Longen}.\n"
          "# comment inside a body\n"
          "=42   Hoest\n"
          "Kort.\n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Id, 0u);
  EXPECT_EQ(entries[0].Key, "Hart|Cor");
  EXPECT_EQ(entries[0].Text,
            "Het hart is een spier in de borstkas.\r\nTweede alinea met {Longen}.");
  EXPECT_EQ(entries[0].Line, 2);
  EXPECT_EQ(entries[1].Id, 42u);
  EXPECT_EQ(entries[1].Key, "Hoest");
  EXPECT_EQ(entries[1].Text, "Kort.");
  EXPECT_EQ(entries[1].Line, 9);
}

TEST(TxtSource, TextIsWindows1252WithEscapes) {
  const auto entries = Txt("= Cafe\xC3\xAF\\x20\ncaf\xC3\xA9 \\\\ \\x0d\\x0A\\x81 \xE2\x82\xAC\n");
  ASSERT_EQ(entries.size(), 1u);
  EXPECT_EQ(entries[0].Key, "Cafe\xEF ");
  EXPECT_EQ(entries[0].Text, "caf\xE9 \\ \r\n\x81 \x80");
}

TEST(TxtSource, ErrorsNameFileAndLine) {
  EXPECT_EQ(TxtError("= A\nok\n= \n"), "a.txt:3: empty key");
  EXPECT_EQ(TxtError("=7\n"), "a.txt:1: empty key");
  EXPECT_EQ(TxtError("=A\n"), "a.txt:1: a blank must follow \"=\" and the Id");
  EXPECT_EQ(TxtError("=99999999999 A\n"), "a.txt:1: the Id must be a number from 1 to 4294967295");
  EXPECT_EQ(TxtError("tekst\n= A\n"), "a.txt:1: text before the first entry");
  EXPECT_EQ(TxtError("= A\nmet \\q\n"),
            "a.txt:2: unknown escape (write \\\\ for a backslash, \\xHH for a byte)");
  EXPECT_EQ(TxtError("= A\n\\x4\n"),
            "a.txt:2: unknown escape (write \\\\ for a backslash, \\xHH for a byte)");
  EXPECT_EQ(TxtError("= A\npijl \xE2\x86\x92\n"),
            "a.txt:2: character U+2192 does not exist in Windows-1252");
  EXPECT_EQ(TxtError("= A\n\xFF\n"), "a.txt:2: malformed UTF-8");
  EXPECT_EQ(TxtError("= A\na\rb\n"), "a.txt:2: carriage return inside a line (write \\x0D)");
  EXPECT_EQ(TxtError("= A\n" + std::string(65536, 'x') + "\n"),
            "a.txt:1: body longer than 65 535 bytes");
  EXPECT_EQ(TxtError("= A\n" + std::string(65535, 'x') + "\n"), "");
}

TEST(JsonlSource, ReadsObjectsInOrder) {
  const auto entries =
      ParseJsonlSource("b.jsonl",
                       "{\"id\": 3, \"key\": \"Hart\", \"text\": \"E\\u00e9n\\r\\nx\\\"\\\\\\/\"}\n"
                       "\n"
                       "  {\"key\":\"Long\"}  \n");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].Id, 3u);
  EXPECT_EQ(entries[0].Text, "E\xE9n\r\nx\"\\/");
  EXPECT_EQ(entries[1].Key, "Long");
  EXPECT_EQ(entries[1].Text, "");
  EXPECT_EQ(entries[1].Line, 3);
}

TEST(JsonlSource, RejectsMalformedLines) {
  EXPECT_EQ(JsonlError("{\"key\": \"A\"\n"), "b.jsonl:1: malformed JSON: expected '}'");
  EXPECT_EQ(JsonlError("{\"key\": \"A\"} x\n"), "b.jsonl:1: text after the object");
  EXPECT_EQ(JsonlError("{\"key\": \"A\", \"kleur\": 1}"), "b.jsonl:1: unknown field \"kleur\"");
  EXPECT_EQ(JsonlError("{\"key\": \"A\", \"key\": \"B\"}"), "b.jsonl:1: field \"key\" given twice");
  EXPECT_EQ(JsonlError("{\"text\": \"A\"}"), "b.jsonl:1: empty key");
  EXPECT_EQ(JsonlError("{\"id\": -1, \"key\": \"A\"}"),
            "b.jsonl:1: \"id\" must be a whole number from 0 to 4294967295");
  EXPECT_EQ(JsonlError("{\"id\": 1.5, \"key\": \"A\"}"),
            "b.jsonl:1: \"id\" must be a whole number from 0 to 4294967295");
  EXPECT_EQ(JsonlError("{\"key\": \"\\ud83d\"}"), "b.jsonl:1: malformed JSON: lone surrogate");
  EXPECT_EQ(JsonlError("{\"key\": \"\\ud83d\\ude00\"}"),
            "b.jsonl:1: character U+1F600 does not exist in Windows-1252");
  EXPECT_EQ(JsonlError("{\"key\": \"a\tb\"}"),
            "b.jsonl:1: malformed JSON: control character in a string");
  EXPECT_EQ(JsonlError("{\"key\": \"a"), "b.jsonl:1: malformed JSON: unterminated string");
}

// Any key and body, written in either form, must read back the same.
TEST(DumpFormats, RandomEntriesRoundTrip) {
  std::mt19937 rng(11);
  const std::string pieces[] = {"\r\n", "\r",    "\n",   " ",    "  ",
                                "\t",   "#",     "=",    "\\",   "{Hart}",
                                "a",    "\xE9",  "\x81", "\x80", std::string(1, '\0'),
                                "\x7F", "x\\x41"};
  for (int round = 0; round < 3000; ++round) {
    std::string key, text;
    for (int i = rng() % 4; i >= 0; --i) key += pieces[rng() % std::size(pieces)];
    for (int i = rng() % 12; i > 0; --i) text += pieces[rng() % std::size(pieces)];
    const TDumpEntry entry{static_cast<std::uint32_t>(rng() % 5), key, text};

    const auto fromTxt = ParseTxtSource("t.txt", FormatTxtEntry(entry));
    ASSERT_EQ(fromTxt.size(), 1u) << FormatTxtEntry(entry);
    EXPECT_EQ(fromTxt[0].Key, key) << FormatTxtEntry(entry);
    EXPECT_EQ(fromTxt[0].Text, text) << FormatTxtEntry(entry);
    EXPECT_EQ(fromTxt[0].Id, entry.Id);

    const auto fromJson = ParseJsonlSource("t.jsonl", FormatJsonlEntry(entry));
    ASSERT_EQ(fromJson.size(), 1u);
    EXPECT_EQ(fromJson[0].Key, key);
    EXPECT_EQ(fromJson[0].Text, text);
  }
}

TEST(DumpFormats, TxtIsReadable) {
  EXPECT_EQ(FormatTxtEntry({17, "Hart|Cor", "Een spier.\r\nTweede {Longen}."}),
            "=17 Hart|Cor\nEen spier.\n\nTweede {Longen}.\n");
  EXPECT_EQ(FormatTxtEntry({1, "A", "a\r\n\r\nb"}), "=1 A\na\\x0D\\x0A\n\nb\n");
  EXPECT_EQ(FormatTxtEntry({1, " A", "= b "}), "=1 \\x20A\n\\x3D b\\x20\n");
  EXPECT_EQ(FormatJsonlEntry({2, "\xC9\xE9n", "a\r\n\"b\"\x81"}),
            "{\"id\": 2, \"key\": \"\xC3\x89\xC3\xA9n\", \"text\": \"a\\r\\n\\\"b\\\"\\u0081\"}\n");
}

}  // namespace
}  // namespace halvena::dict
