#include "halvena-dict/DictBuild.h"

#include <gtest/gtest.h>

namespace halvena::dict {
namespace {

TSourceEntry Entry(std::uint32_t id, std::string key, std::string text = "x", int line = 1) {
  TSourceEntry e;
  e.Id = id;
  e.Key = std::move(key);
  e.Text = std::move(text);
  e.File = "d.txt";
  e.Line = line;
  return e;
}

TEST(DictBuild, AssignsTheSmallestFreeIdsInSourceOrder) {
  std::vector<TSourceEntry> entries = {Entry(0, "A"), Entry(2, "B"), Entry(0, "C"), Entry(0, "D")};
  AssignIds(entries);
  EXPECT_EQ(entries[0].Id, 1u);
  EXPECT_EQ(entries[1].Id, 2u);
  EXPECT_EQ(entries[2].Id, 3u);
  EXPECT_EQ(entries[3].Id, 4u);
}

TEST(DictBuild, DuplicateIdIsAnError) {
  std::vector<TSourceEntry> entries = {Entry(5, "A", "x", 3), Entry(5, "B", "x", 9)};
  try {
    AssignIds(entries);
    FAIL() << "no error";
  } catch (const TDictError& e) {
    EXPECT_STREQ(e.what(), "d.txt:9: duplicate Id 5 (first at d.txt:3)");
  }
}

TEST(DictBuild, DictionaryOrderIgnoresCaseAndAccentsAndIsStable) {
  std::vector<TSourceEntry> entries = {Entry(1, "zweer"),
                                       Entry(2, "\xC9\xE9n|x"),
                                       Entry(3, "Eczeem"),
                                       Entry(4, "aorta"),
                                       Entry(5, "Aambeien"),
                                       Entry(6, "een"),
                                       Entry(7, "12-vingerige darm"),
                                       Entry(8, "\xC6ther")};
  SortEntries(entries);
  std::vector<std::uint32_t> order;
  for (const auto& e : entries) order.push_back(e.Id);
  // "Één" and "een" fold to the same title and keep their source order.
  EXPECT_EQ(order, (std::vector<std::uint32_t>{7, 5, 8, 4, 3, 2, 6, 1}));
  EXPECT_EQ(FoldForSorting("\xC6sop \xDF"), "aesop ss");
}

TEST(DictBuild, WarnsAboutWhatTheProgramCannotShowWell) {
  const std::vector<TSourceEntry> entries = {
      Entry(1, "Hart", "Zie {longen} en {Nier} en {nier}.", 1), Entry(2, "Longen", "x", 5),
      Entry(3, "\xC9\xE9n", "Zie {hart}.", 7), Entry(4, "hart|dubbel", "x", 9),
      Entry(5, "Leeg", "", 11)};
  EXPECT_EQ(CheckEntries(entries),
            (std::vector<std::string>{"d.txt:1: warning: cross-reference {Nier} names no title",
                                      "d.txt:7: warning: title \"\xC3\x89\xC3\xA9n\" does not "
                                      "begin with a letter A-Z and is listed under no letter",
                                      "d.txt:9: warning: title \"hart\" also at d.txt:1",
                                      "d.txt:11: warning: entry \"Leeg\" has no body"}));
}

}  // namespace
}  // namespace halvena::dict
