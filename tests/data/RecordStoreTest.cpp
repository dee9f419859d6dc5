// The record store's queries: visibility, visible numbers, filtering and title lists.
#include <gtest/gtest.h>

#include <random>

#include "StoreFixture.h"
#include "data/IDbRecs.h"

namespace halvena {
namespace {

using test::AddRec;
using test::RecordingGauge;

class RecordStore : public ::testing::Test {
 protected:
  void AddNumbered(int n) {
    for (int i = 1; i <= n; ++i) AddRec(store, i, "Titel " + std::to_string(i), "tekst");
  }
  // Filters with a query and no scope, as the keyword search does.
  void Search(std::string text, RecordingGauge* gauge = nullptr) {
    TIDbQuery query;
    query.Query = text.empty() ? nullptr : text.data();
    query.QueryLen = text.size();
    store.Filter(query, gauge);
  }
  void ShowContents() {
    char scope[] = "A";
    TIDbQuery query;
    query.Scope = scope;
    query.ScopeLen = 1;
    store.Filter(query, nullptr);
  }
  std::vector<std::string> Titles(int mode, char letter) {
    std::vector<std::string> list{"stale"};
    store.FillTitleList(mode, letter, list);
    return list;
  }

  TIDbRecFile store;
};

TEST_F(RecordStore, ShowAllNumbersEveryRecord) {
  AddNumbered(5);
  store.ShowAll();
  EXPECT_EQ(store.VisCount, 5);
  EXPECT_EQ(store.LastVisNo, 1);
  EXPECT_EQ(store.LastIndex, 1);
  EXPECT_EQ(store.VisibleToIndex(3), 3);
  TIDbRec rec;
  store.GetVisibleRec(6, rec);
  EXPECT_EQ(rec.Id, 0u);
  EXPECT_EQ(rec.Key, nullptr);
  EXPECT_EQ(rec.Text, nullptr);
  store.GetVisibleRec(4, rec);
  EXPECT_EQ(rec.Id, 4u);
  EXPECT_EQ(rec.Key, store.RecAt(4)->Key);  // a shallow copy
}

TEST_F(RecordStore, ShowAllKeepsTheCachedRecord) {
  AddNumbered(6);
  Search("+titel 4");
  ASSERT_EQ(store.LastIndex, 4);
  store.ShowAll();
  EXPECT_EQ(store.LastVisNo, 4);
  EXPECT_EQ(store.LastIndex, 4);
}

TEST_F(RecordStore, ShowAllOnAnEmptyStoreClearsTheCounts) {
  store.LastVisNo = store.LastIndex = store.VisCount = 3;
  store.ShowAll();
  EXPECT_EQ(store.VisCount, 0);
  EXPECT_EQ(store.LastVisNo, 0);
  EXPECT_EQ(store.LastIndex, 0);
  EXPECT_EQ(store.VisibleToIndex(1), 0);
}

TEST_F(RecordStore, VisibleNumbersSkipHiddenRecords) {
  AddNumbered(6);
  Search("%titel 2%titel 5");
  EXPECT_EQ(store.VisCount, 2);
  EXPECT_EQ(store.LastIndex, 2);
  EXPECT_EQ(store.VisibleToIndex(2), 5);
  EXPECT_EQ(store.VisibleToIndex(1), 2);
  EXPECT_EQ(store.VisibleToIndex(3), 0);
  EXPECT_EQ(store.VisibleToIndex(0), 0);
  EXPECT_EQ(store.VisibleToIndex(-1), 0);
  EXPECT_EQ(store.LastVisNo, 1);  // failures leave the cache alone
}

// Against a plain count, for random visibility and random jumps: every walk direction and
// start (cache, first, last) must land on the right record.
TEST_F(RecordStore, VisibleToIndexAgreesWithCountingForAnyAccessOrder) {
  std::mt19937 rng(3);
  for (int round = 0; round < 20; ++round) {
    TIDbRecFile s;
    const int n = 1 + static_cast<int>(rng() % 60);
    std::vector<int> visibleIndices;
    for (int i = 1; i <= n; ++i) {
      const bool visible = rng() % 3 == 0;
      AddRec(s, i, visible ? "ja" : "nee", "x");
      if (visible) visibleIndices.push_back(i);
    }
    std::string query = "+\"ja\"";
    TIDbQuery q;
    q.Query = query.data();
    q.QueryLen = query.size();
    s.Filter(q, nullptr);
    ASSERT_EQ(s.VisCount, static_cast<int>(visibleIndices.size()));
    for (int step = 0; step < 200; ++step) {
      const int v = static_cast<int>(rng() % (visibleIndices.size() + 3)) - 1;
      const int expected =
          v >= 1 && v <= static_cast<int>(visibleIndices.size()) ? visibleIndices[v - 1] : 0;
      ASSERT_EQ(s.VisibleToIndex(v), expected) << "n " << n << " v " << v;
    }
  }
}

TEST_F(RecordStore, FilterJudgesTitleWhenTheBodyFails) {
  AddRec(store, 1, "Hartinfarct|Myocardinfarct", "Afsterven van hartspier.");
  AddRec(store, 2, "Longen", "Organen in de borstkas.");
  AddRec(store, 3, "Zweer|hart", "Een wond.");  // only the part after "|" has the word
  Search("+\"hartinfarct\"");
  EXPECT_EQ(store.VisCount, 1);
  EXPECT_EQ(store.RecAt(1)->Visible, 1);
  Search("+\"hart\"");
  EXPECT_EQ(store.VisCount, 0);
}

TEST_F(RecordStore, FilterStartsTheCacheAtTheFirstMatch) {
  AddNumbered(4);
  AddRec(store, 5, "Lever", "lever");
  AddRec(store, 6, "Lever|2", "lever");
  Search("+lever");
  EXPECT_EQ(store.VisCount, 2);
  EXPECT_EQ(store.LastVisNo, 1);
  EXPECT_EQ(store.LastIndex, 5);
  TIDbRec rec;
  store.GetVisibleRec(2, rec);
  EXPECT_EQ(rec.Id, 6u);
}

TEST_F(RecordStore, EmptyQueryShowsAllWithAScopeAndNothingWithout) {
  AddNumbered(3);
  AddRec(store, 4, "", "");
  ShowContents();
  EXPECT_EQ(store.VisCount, 4);
  EXPECT_EQ(store.LastVisNo, 1);
  EXPECT_EQ(store.LastIndex, 1);
  Search("");
  EXPECT_EQ(store.VisCount, 0);
  EXPECT_EQ(store.LastIndex, 0);
  // Enter in an empty field: every record with a body or a title.
  Search("+\"\"");
  EXPECT_EQ(store.VisCount, 3);
}

TEST_F(RecordStore, FilterLowerCasesTheCallersQuery) {
  AddNumbered(1);
  std::string text = "+TITEL";
  TIDbQuery query;
  query.Query = text.data();
  query.QueryLen = text.size();
  store.Filter(query, nullptr);
  EXPECT_EQ(text, "+titel");
  EXPECT_EQ(store.VisCount, 1);
}

TEST_F(RecordStore, FilterGaugeShowsProgressThenHides) {
  AddNumbered(3);
  RecordingGauge gauge;
  Search("+titel", &gauge);
  EXPECT_EQ(gauge.progress, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(gauge.visible, (std::vector<bool>{true, false}));
  EXPECT_EQ(gauge.pendingRuns, 0);  // only the gauge repaints during a search
}

TEST_F(RecordStore, TitleListsCarryVisibleNumbers) {
  AddRec(store, 1, "Aambeien", "a");
  AddRec(store, 2, "Zweer", "b");
  AddRec(store, 3, "Abces|Abscessus", "c");
  Search("%\"a\"%\"c\"");
  EXPECT_EQ(Titles(2, ' '), (std::vector<std::string>{"1|Aambeien", "2|Abces"}));
  EXPECT_EQ(Titles(1, 'a'), (std::vector<std::string>{"1|Aambeien", "2|Abces"}));
  EXPECT_EQ(Titles(1, 'Z'), std::vector<std::string>{});
  EXPECT_EQ(Titles(3, 'A'), std::vector<std::string>{});
}

TEST_F(RecordStore, LetterGroupsFollowTheFirstCharacter) {
  const char* titles[] = {"12-vingerige darm", "\xC9\xE9n", "(Bij)nier", " spatie", "enkel",
                          "Elleboog",          "Oog",       "",          "0-meting"};
  for (int i = 0; i < 9; ++i) AddRec(store, i + 1, titles[i], "x");
  store.ShowAll();
  EXPECT_EQ(Titles(1, '0'), (std::vector<std::string>{"1|12-vingerige darm", "9|0-meting"}));
  EXPECT_EQ(Titles(1, '#'),
            (std::vector<std::string>{"2|\xC9\xE9n", "3|(Bij)nier", "4| spatie", "8|"}));
  EXPECT_EQ(Titles(1, 'e'), (std::vector<std::string>{"5|enkel", "6|Elleboog"}));
  EXPECT_TRUE(store.HasTitlesFor(1, 'E'));
  EXPECT_TRUE(store.HasTitlesFor(1, 'o'));
  EXPECT_FALSE(store.HasTitlesFor(1, 'B'));
  for (char l = 'A'; l <= 'Z'; ++l) EXPECT_FALSE(store.HasTitlesFor(2, l));
}

TEST_F(RecordStore, HiddenRecordsAreListedUnderNoLetter) {
  AddRec(store, 1, "Oog", "zien");
  AddRec(store, 2, "Oor", "horen");
  Search("+horen");
  EXPECT_EQ(Titles(1, 'O'), std::vector<std::string>{"1|Oor"});
  Search("+ruiken");
  EXPECT_FALSE(store.HasTitlesFor(1, 'O'));
}

// One pass gives every letter's answer, the same as asking letter by letter, for stores of
// every kind of title and any visibility.
TEST_F(RecordStore, LettersWithTitlesAgreeWithAskingEachLetter) {
  const std::string firsts = "aAzZmM09(# \xC9\xE9\x80\xFF|";
  std::mt19937 rng(5);
  for (int round = 0; round < 200; ++round) {
    TIDbRecFile s;
    const int n = static_cast<int>(rng() % 12);
    for (int i = 1; i <= n; ++i) {
      std::string title;
      if (rng() % 8 != 0) title = std::string(1, firsts[rng() % firsts.size()]) + "x";
      AddRec(s, i, title + (rng() % 2 ? "|zie" : ""), rng() % 2 ? "ja" : "nee");
    }
    switch (round % 3) {
      case 0:
        s.ShowAll();
        break;
      case 1: {
        std::string text = "+\"ja\"";
        TIDbQuery q;
        q.Query = text.data();
        q.QueryLen = text.size();
        s.Filter(q, nullptr);
        break;
      }
      default:
        break;  // nothing visible
    }
    const TLetterSet letters = s.LettersWithTitles();
    for (int c = 0; c < 256; ++c) {
      const char letter = static_cast<char>(c);
      ASSERT_EQ(letters.Has(letter), s.HasTitlesFor(1, letter)) << "round " << round << " " << c;
    }
  }
}

}  // namespace
}  // namespace halvena
