// The dictd index: base-64 numbers, its lines and their faults.
#include "halvena-dict/Dictd.h"

#include <gtest/gtest.h>

#include "halvena-dict/Gzip.h"

namespace halvena::dict {
namespace {

std::string IndexError(const std::string& content) {
  try {
    ParseDictdIndex("d.index", content);
  } catch (const TImportError& e) {
    return e.what();
  }
  return "";
}

TEST(DictdIndex, Base64Numbers) {
  std::uint64_t v = 99;
  ASSERT_TRUE(DecodeDictdNumber("A", v));
  EXPECT_EQ(v, 0u);
  ASSERT_TRUE(DecodeDictdNumber("BA", v));
  EXPECT_EQ(v, 64u);
  ASSERT_TRUE(DecodeDictdNumber("+/", v));
  EXPECT_EQ(v, 62u * 64 + 63);
  ASSERT_TRUE(DecodeDictdNumber("za9", v));
  EXPECT_EQ(v, 51u * 4096 + 26 * 64 + 61);
  ASSERT_TRUE(DecodeDictdNumber("//////////", v));  // ten digits: 2^60 - 1
  EXPECT_EQ(v, (1ull << 60) - 1);
  for (const char* bad : {"", "A=", "-B", "B A", "\xC3\xA9", "AAAAAAAAAAA"}) {
    EXPECT_FALSE(DecodeDictdNumber(bad, v)) << bad;
  }
}

TEST(DictdIndex, LinesWithThreeOrFourFields) {
  const auto entries = ParseDictdIndex(
      "d.index", "00-database-info\tA\tc\nhart\tBA\tK\r\n\nlong\tBK\tB\tLong\nnier\tC\tD");
  ASSERT_EQ(entries.size(), 4u);
  EXPECT_EQ(entries[1].Headword, "hart");
  EXPECT_EQ(entries[1].Offset, 64u);
  EXPECT_EQ(entries[1].Length, 10u);
  EXPECT_EQ(entries[2].Headword, "Long");  // the fourth field: the headword before folding
  EXPECT_EQ(entries[3].Length, 3u);        // the last line needs no line end
  EXPECT_TRUE(IsDictdDatabaseEntry(entries[0].Headword));
  EXPECT_TRUE(IsDictdDatabaseEntry("00databaseutf8"));
  EXPECT_TRUE(IsDictdDatabaseEntry("00-web1913-info"));
  EXPECT_FALSE(IsDictdDatabaseEntry("hart"));
  EXPECT_FALSE(IsDictdDatabaseEntry("00-"));
  EXPECT_FALSE(IsDictdDatabaseEntry("00-Agent"));
  EXPECT_FALSE(IsDictdDatabaseEntry("00 database"));
}

TEST(DictdIndex, FaultsNameTheLine) {
  EXPECT_EQ(IndexError("a\tA\tB\nb\tA\n"), "d.index: line 2: not headword, offset and length");
  EXPECT_EQ(IndexError("\tA\tB\n"), "d.index: line 1: empty headword");
  EXPECT_EQ(IndexError("a\tA\tB\nb\tA\tB!\n"), "d.index: line 2: bad base-64 number \"B!\"");
  EXPECT_EQ(IndexError("a\t\tB\n"), "d.index: line 1: bad base-64 number \"\"");
  EXPECT_EQ(IndexError("a\tAAAAAAAAAAAB\tB\n"),
            "d.index: line 1: bad base-64 number \"AAAAAAAAAAAB\"");
  EXPECT_EQ(IndexError(""), "");
}

}  // namespace
}  // namespace halvena::dict
