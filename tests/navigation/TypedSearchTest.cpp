#include "navigation/TypedSearch.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "data/RecWriter.h"

namespace halvena {
namespace {

namespace fs = std::filesystem;

// A store loaded from a file holding `recs`, as the program loads its dictionary.
class TypedSearchTest : public ::testing::Test {
 protected:
  void Load(const std::vector<TRecImage>& recs) {
    std::string bytes;
    ASSERT_TRUE(EncodeRecFile(recs, bytes));
    const fs::path path =
        fs::temp_directory_path() / ("halvena-typed-search-" + std::to_string(::getpid()) + ".dat");
    std::ofstream(path, std::ios::binary)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    ASSERT_TRUE(FStore.LoadFromFile(path.string(), nullptr));
    fs::remove(path);
  }

  TIDbRecFile FStore;
};

// Whole-word occurrence written plainly: letters and digits and the bytes 0x80..0xA5 are word
// characters, ASCII letters match either case.
bool HoldsWord(const std::string& text, const std::string& word) {
  const auto isWord = [](unsigned char c) {
    return std::isalnum(c) != 0 || (c >= 0x80 && c <= 0xA5);
  };
  const auto lower = [](std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
  };
  const std::string t = lower(text);
  const std::string w = lower(word);
  for (std::size_t at = t.find(w); at != std::string::npos; at = t.find(w, at + 1)) {
    const bool startOk = at == 0 || !isWord(static_cast<unsigned char>(t[at - 1]));
    const std::size_t end = at + w.size();
    const bool endOk = end == t.size() || !isWord(static_cast<unsigned char>(t[end]));
    if (startOk && endOk) return true;
  }
  return false;
}

TEST_F(TypedSearchTest, ListsExactlyTheEntriesThatHoldTheWholeWord) {
  const std::vector<TRecImage> recs = {
      {1, "Aorta", "De grote slagader van het hart."},
      {2, "Hartslag", "Het kloppen van het hart, te voelen aan de pols."},
      {3, "Hart", "Spier die het bloed rondpompt."},
      {4, "Hartritme", "Het ritme van de hartslag."},
      {5, "Long", "Orgaan van de ademhaling, naast het HART."},
      {6, "Nier", "Filtert het bloed; hart\x96vaatziekten raken haar ook."},
  };
  Load(recs);
  for (const std::string typed : {"hart", "HART", "het bloed", "bloed", "slagader van", "xyz"}) {
    const TTypedSearchResult result = RunTypedSearch(FStore, typed, nullptr);
    std::vector<std::string> expected;
    int number = 0;
    for (const TRecImage& rec : recs) {
      if (HoldsWord(rec.Text, typed) || HoldsWord(rec.Key, typed)) {
        expected.push_back(std::to_string(++number) + "|" + rec.Key);
      }
    }
    EXPECT_EQ(result.Items, expected) << typed;
    EXPECT_EQ(FStore.VisCount, static_cast<std::int32_t>(expected.size())) << typed;
  }
}

TEST_F(TypedSearchTest, ChoosesTheExactTitleThenAContainingTitleThenTheFirst) {
  Load({{1, "Aorta", "Vanuit het hart."},
        {2, "Hartslag", "Het hart klopt."},
        {3, "hart", "Het hart zelf."},
        {4, "Bloed", "Gaat door het hart en de long."}});
  TTypedSearchResult result = RunTypedSearch(FStore, "Hart", nullptr);
  ASSERT_EQ(result.Items.size(), 4u);
  EXPECT_EQ(result.Items[result.Chosen], "3|hart");
  result = RunTypedSearch(FStore, "klopt", nullptr);
  ASSERT_EQ(result.Items.size(), 1u);
  EXPECT_EQ(result.Chosen, 0);
  result = RunTypedSearch(FStore, "long", nullptr);
  EXPECT_EQ(result.Items, std::vector<std::string>{"1|Bloed"});
  EXPECT_EQ(result.Chosen, 0);
  result = RunTypedSearch(FStore, "nergens", nullptr);
  EXPECT_TRUE(result.Items.empty());
  EXPECT_EQ(result.Chosen, -1);
}

TEST_F(TypedSearchTest, OverlongTypedTextIsSearchedWhole) {
  // A body holds the longest word a record can hold; typing it with one letter more must not
  // find it, as a cut or wrapped query would.
  const std::string word(65535, 'a');
  Load({{1, "Lang", word}, {2, "Kort", "a"}});
  EXPECT_EQ(RunTypedSearch(FStore, word, nullptr).Items, std::vector<std::string>{"1|Lang"});
  EXPECT_TRUE(RunTypedSearch(FStore, word + "a", nullptr).Items.empty());
  EXPECT_TRUE(RunTypedSearch(FStore, std::string(70000, 'a'), nullptr).Items.empty());
}

}  // namespace
}  // namespace halvena
