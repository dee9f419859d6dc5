// The StarDict files: .ifo fields, .idx and .syn entries, and the fields of an entry's data.
#include "halvena-dict/StarDict.h"

#include <gtest/gtest.h>

#include "ImportFiles.h"
#include "halvena-dict/Gzip.h"

namespace halvena::dict {
namespace {

using test::BigEndian;

template <typename F>
std::string ErrorOf(F f) {
  try {
    f();
  } catch (const TImportError& e) {
    return e.what();
  }
  return "";
}

const char kIfo[] =
    "StarDict's dict ifo file\r\n"
    "version=3.0.0\r\n"
    "bookname=Medisch woordenboek\r\n"
    "wordcount=2\r\n"
    "synwordcount=1\r\n"
    "idxfilesize=33\r\n"
    "idxoffsetbits=64\r\n"
    "author=Halvena\r\n"
    "email=a@b.nl\r\n"
    "website=https://example.org\r\n"
    "description=Een test<br>met opmaak\r\n"
    "date=2026.12.07\r\n"
    "sametypesequence=tm\r\n";

TEST(StarDictIfo, EveryField) {
  const TStarDictInfo info = ParseStarDictIfo("d.ifo", kIfo);
  EXPECT_EQ(info.Version, "3.0.0");
  EXPECT_EQ(info.BookName, "Medisch woordenboek");
  EXPECT_EQ(info.WordCount, 2u);
  EXPECT_EQ(info.SynWordCount, 1u);
  EXPECT_EQ(info.IdxFileSize, 33u);
  EXPECT_EQ(info.IdxOffsetBits, 64);
  EXPECT_EQ(info.SameTypeSequence, "tm");
  const TStarDictInfo old = ParseStarDictIfo(
      "d.ifo", "\xEF\xBB\xBFStarDict's dict ifo file\nversion=2.4.2\nwordcount=0\nidxfilesize=0\n");
  EXPECT_EQ(old.IdxOffsetBits, 32);
  EXPECT_EQ(old.SynWordCount, 0u);
}

TEST(StarDictIfo, Faults) {
  const std::string head = "StarDict's dict ifo file\n";
  auto error = [](const std::string& text) {
    return ErrorOf([&] { ParseStarDictIfo("d.ifo", text); });
  };
  EXPECT_EQ(error("version=2.4.2\n"), "d.ifo: not a StarDict .ifo file");
  EXPECT_EQ(error(""), "d.ifo: not a StarDict .ifo file");
  EXPECT_EQ(error(head + "version=9\nwordcount=1\nidxfilesize=1\n"),
            "d.ifo: unknown version \"9\"");
  EXPECT_EQ(error(head + "version=2.4.2\nidxfilesize=1\n"), "d.ifo: no wordcount");
  EXPECT_EQ(error(head + "version=2.4.2\nwordcount=1\n"), "d.ifo: no idxfilesize");
  EXPECT_EQ(error(head + "version=2.4.2\nwordcount=-1\nidxfilesize=1\n"),
            "d.ifo: bad wordcount \"-1\"");
  EXPECT_EQ(error(head + "version=2.4.2\nwordcount=99999999999999999999\nidxfilesize=1\n"),
            "d.ifo: bad wordcount \"99999999999999999999\"");
  EXPECT_EQ(error(head + "version=2.4.2\nwordcount=1\nidxfilesize=1\nidxoffsetbits=64\n"),
            "d.ifo: idxoffsetbits=64 needs version 3.0.0");
  EXPECT_EQ(error(head + "version=3.0.0\nwordcount=1\nidxfilesize=1\nidxoffsetbits=16\n"),
            "d.ifo: bad idxoffsetbits \"16\"");
  EXPECT_EQ(error(head + "version=2.4.2\nwordcount=1\nidxfilesize=1\nsametypesequence=mh\n"),
            "d.ifo: entries of type 'h' (HTML) cannot be imported; plain text (m, l, t), Pango "
            "markup (g) and XDXF (x) can");
}

TStarDictInfo Info(std::uint64_t words, std::uint64_t size, int bits = 32, std::uint64_t syn = 0) {
  TStarDictInfo info;
  info.WordCount = words;
  info.IdxFileSize = size;
  info.IdxOffsetBits = bits;
  info.SynWordCount = syn;
  return info;
}

TEST(StarDictIdx, EntriesWith32And64BitOffsets) {
  const std::string idx32 = std::string("hart\0", 5) + BigEndian(7, 4) + BigEndian(300, 4) +
                            std::string("long\0", 5) + BigEndian(0xFFFFFFFF, 4) + BigEndian(1, 4);
  const auto e32 = ParseStarDictIdx("d.idx", idx32, Info(2, idx32.size()));
  ASSERT_EQ(e32.size(), 2u);
  EXPECT_EQ(e32[0].Headword, "hart");
  EXPECT_EQ(e32[0].Offset, 7u);
  EXPECT_EQ(e32[0].Length, 300u);
  EXPECT_EQ(e32[1].Offset, 0xFFFFFFFFu);
  const std::string idx64 = std::string("nier\0", 5) + BigEndian(1ull << 40, 8) + BigEndian(9, 4);
  const auto e64 = ParseStarDictIdx("d.idx", idx64, Info(1, idx64.size(), 64));
  ASSERT_EQ(e64.size(), 1u);
  EXPECT_EQ(e64[0].Offset, 1ull << 40);
  EXPECT_EQ(e64[0].Length, 9u);
}

TEST(StarDictIdx, LyingOrCutIndexIsAnError) {
  const std::string one = std::string("hart\0", 5) + BigEndian(0, 4) + BigEndian(3, 4);
  auto error = [](const std::string& idx, const TStarDictInfo& info) {
    return ErrorOf([&] { ParseStarDictIdx("d.idx", idx, info); });
  };
  EXPECT_EQ(error(one, Info(1, 99)), "d.idx: holds 13 bytes, the .ifo says idxfilesize=99");
  EXPECT_EQ(error(one, Info(1u << 30, 13)),
            "d.idx: holds 1 entries, the .ifo says wordcount=1073741824");
  EXPECT_EQ(error(one.substr(0, 10), Info(1, 10)), "d.idx: entry 1: cut short");
  EXPECT_EQ(error("hart", Info(1, 4)), "d.idx: entry 1: cut short");
  const std::string longWord = std::string(256, 'a') + '\0' + BigEndian(0, 8);
  EXPECT_EQ(error(longWord, Info(1, longWord.size())),
            "d.idx: entry 1: a headword of 256 bytes or more");
  const std::string empty = std::string("\0", 1) + BigEndian(0, 8);
  EXPECT_EQ(error(empty, Info(1, empty.size())), "d.idx: entry 1: empty headword");
}

TEST(StarDictSyn, SynonymsNameEntriesOfTheIndex) {
  const std::string syn =
      std::string("cor\0", 4) + BigEndian(1, 4) + std::string("pulmo\0", 6) + BigEndian(0, 4);
  const auto synonyms = ParseStarDictSyn("d.syn", syn, Info(2, 0, 32, 2), 2);
  ASSERT_EQ(synonyms.size(), 2u);
  EXPECT_EQ(synonyms[0].Word, "cor");
  EXPECT_EQ(synonyms[0].Entry, 1u);
  EXPECT_EQ(ErrorOf([&] { ParseStarDictSyn("d.syn", syn, Info(2, 0, 32, 2), 1); }),
            "d.syn: entry 1: names entry 1 of an index of 1");
  EXPECT_EQ(ErrorOf([&] { ParseStarDictSyn("d.syn", syn, Info(2, 0, 32, 5), 2); }),
            "d.syn: holds 2 entries, the .ifo says synwordcount=5");
  EXPECT_EQ(ErrorOf([&] { ParseStarDictSyn("d.syn", syn.substr(0, 6), Info(2, 0, 32, 2), 2); }),
            "d.syn: entry 1: cut short");
}

TEST(StarDictEntry, FieldsByTypeSequenceOrByTypeLetters) {
  const std::string seq = std::string("ha:t\0", 5) + "Een spier";
  auto fields = SplitStarDictEntry("d.dict", seq, "tm");
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_EQ(fields[0].Type, 't');
  EXPECT_EQ(fields[0].Data, "ha:t");
  EXPECT_EQ(fields[1].Data, "Een spier");  // the last field runs to the end of the entry

  const std::string typed = std::string("mEen\0", 5) + "W" + BigEndian(3, 4) + "abc" + "gOok";
  fields = SplitStarDictEntry("d.dict", typed, "");
  ASSERT_EQ(fields.size(), 3u);
  EXPECT_EQ(fields[0].Data, "Een");
  EXPECT_EQ(fields[1].Type, 'W');
  EXPECT_EQ(fields[1].Data, "abc");
  EXPECT_EQ(fields[2].Data, "Ook");

  EXPECT_EQ(ErrorOf([&] { SplitStarDictEntry("d.dict", "W" + BigEndian(9, 4) + "ab", ""); }),
            "d.dict: an entry's field is cut short");
  EXPECT_EQ(ErrorOf([&] { SplitStarDictEntry("d.dict", "geen nul", "tm"); }),
            "d.dict: an entry's field is cut short");
  EXPECT_EQ(ErrorOf([&] { SplitStarDictEntry("d.dict", "ab", "Wm"); }),
            "d.dict: an entry's field is cut short");
}

TEST(StarDictEntry, MarkupBecomesTextAndXdxfReferencesCrossReferences) {
  EXPECT_EQ(StarDictFieldText({'m', "a {b} <i>c</i> &amp;"}), "a (b) <i>c</i> &amp;");
  EXPECT_EQ(StarDictFieldText({'g', "<b>Hart</b>&lt;1&gt;<br>&#233;&#xE9; &#123;x&#125; &bogus;"}),
            "Hart<1>\n\xC3\xA9\xC3\xA9 (x) &bogus;");
  EXPECT_EQ(StarDictFieldText({'x', "<k>hart</k> zie <kref>Long</kref> {oud}<br/>einde <open"}),
            "hart zie {Long} (oud)\neinde ");
  EXPECT_TRUE(IsReadableStarDictType('x'));
  EXPECT_FALSE(IsReadableStarDictType('h'));
  EXPECT_EQ(StarDictTypeName('P'), "picture");
}

TEST(StarDictEntry, IndexOrderIgnoresAsciiCaseFirst) {
  EXPECT_TRUE(StarDictLess("abc", "ABD"));
  EXPECT_TRUE(StarDictLess("ABC", "abc"));
  EXPECT_FALSE(StarDictLess("abc", "ABC"));
  EXPECT_TRUE(StarDictLess("ab", "abc"));
}

}  // namespace
}  // namespace halvena::dict
