// The data file of an open dictionary: plain, gzip and dictzip read by ranges alike.
#include "halvena-dict/Gzip.h"

#include <gtest/gtest.h>

#include "ImportFiles.h"

namespace halvena::dict {
namespace {

using test::Dictzip;
using test::Gzip;
using test::TScratch;

std::string Sample() {
  std::string data;
  for (int i = 0; i < 500; ++i) data += "regel " + std::to_string(i) + " met wat tekst\n";
  return data;
}

std::string ErrorOf(TDictData& data, std::uint64_t offset, std::uint64_t length) {
  try {
    data.Read(offset, length);
  } catch (const TImportError& e) {
    return e.what();
  }
  return "";
}

// Every range, also across chunk borders and in any order, reads the same from all three.
TEST(DictData, PlainGzipAndDictzipReadTheSameRanges) {
  TScratch dir;
  const std::string data = Sample();
  TDictData plain(dir.Write("a.dict", data));
  TDictData gzip(dir.Write("b.dict.dz", Gzip(data)));
  TDictData dictzip(dir.Write("c.dict.dz", Dictzip(data, 1000)));
  EXPECT_FALSE(plain.IsCompressed());
  EXPECT_TRUE(gzip.IsCompressed());
  EXPECT_FALSE(gzip.IsDictzip());
  EXPECT_TRUE(dictzip.IsDictzip());
  const std::pair<std::uint64_t, std::uint64_t> ranges[] = {
      {5000, 3000}, {0, 10}, {990, 20}, {data.size() - 7, 7}, {1000, 1000}, {123, 0}, {0, 0}};
  for (const auto& [offset, length] : ranges) {
    const std::string want = data.substr(offset, length);
    EXPECT_EQ(plain.Read(offset, length), want) << offset;
    EXPECT_EQ(std::string(gzip.Read(offset, length)), want) << offset;
    EXPECT_EQ(std::string(dictzip.Read(offset, length)), want) << offset;
  }
}

TEST(DictData, RangesPastTheDataAreErrors) {
  TScratch dir;
  const std::string data = Sample();
  TDictData plain(dir.Write("a.dict", data));
  TDictData gzip(dir.Write("b.dict.dz", Gzip(data)));
  TDictData dictzip(dir.Write("c.dict.dz", Dictzip(data, 1000)));
  for (TDictData* d : {&plain, &gzip, &dictzip}) {
    EXPECT_NE(ErrorOf(*d, data.size() - 1, 2).find("runs past the end of the data"),
              std::string::npos);
    EXPECT_NE(ErrorOf(*d, data.size() + 5000, 1), "");
    EXPECT_NE(ErrorOf(*d, 1, UINT64_MAX), "");
    EXPECT_NE(ErrorOf(*d, UINT64_MAX, 1), "");
  }
  EXPECT_EQ(ErrorOf(plain, data.size(), 0), "");
}

TEST(DictData, CorruptOrCutCompressedDataIsAnError) {
  TScratch dir;
  const std::string data = Sample();
  std::string gzip = Gzip(data);
  std::string dictzip = Dictzip(data, 1000);
  // A cut stream ends early; a dictzip chunk table that runs past the file is refused.
  TDictData cut(dir.Write("cut.dict.dz", gzip.substr(0, gzip.size() / 2)));
  EXPECT_NE(ErrorOf(cut, data.size() - 10, 10).find("the gzip data ends early"), std::string::npos);
  EXPECT_THROW(TDictData(dir.Write("cutzip.dict.dz", dictzip.substr(0, dictzip.size() / 2))),
               TImportError);
  EXPECT_THROW(TDictData(dir.Write("header.dict.dz", gzip.substr(0, 12))), TImportError);
  // Garbage in the middle of the compressed data.
  for (std::size_t i = gzip.size() / 3; i < gzip.size() / 3 + 40; ++i) gzip[i] = '\xFF';
  for (std::size_t i = dictzip.size() / 3; i < dictzip.size() / 3 + 40; ++i) dictzip[i] = '\xFF';
  TDictData badGzip(dir.Write("bad.dict.dz", gzip));
  TDictData badDictzip(dir.Write("badzip.dict.dz", dictzip));
  EXPECT_NE(ErrorOf(badGzip, 0, data.size()), "");
  bool anyError = false;
  for (std::uint64_t at = 0; at < data.size(); at += 1000) {
    anyError = anyError || !ErrorOf(badDictzip, at, 1).empty();
  }
  EXPECT_TRUE(anyError);
}

TEST(DictData, MissingFileIsAnError) {
  TScratch dir;
  try {
    TDictData d(dir.Path("none.dict"));
    FAIL();
  } catch (const TImportError& e) {
    EXPECT_EQ(std::string(e.what()), dir.Path("none.dict") + ": cannot read the file");
  }
}

TEST(Gzip, MembersFollowingOneAnotherAreOneStreamAndTheLimitStops) {
  const std::string twice = Gzip("eerste ") + Gzip("tweede");
  EXPECT_EQ(InflateGzip("x.gz", twice, 1000), "eerste tweede");
  EXPECT_EQ(InflateGzip("x.gz", twice, 3).size(), 4u);  // more than the limit: it is longer
  EXPECT_THROW(InflateGzip("x.gz", "no gzip at all", 100), TImportError);
}

}  // namespace
}  // namespace halvena::dict
