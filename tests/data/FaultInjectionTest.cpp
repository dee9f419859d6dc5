// The store under exhausted memory and a failing disk: the loader, the filter and the lists run
// with each of their allocations failing in turn, and the loader with each read failing or cut
// short. Every run must end in the promised state with the store consistent.
#include <gtest/gtest.h>

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "StoreFixture.h"
#include "base/FaultInjection.h"
#include "data/Chains.h"
#include "data/IDbRecs.h"

namespace halvena {
namespace {

using test::Encode;
using test::RecordingGauge;
using test::TempFile;

constexpr std::int64_t kCountOnly = std::numeric_limits<std::int64_t>::max();

// Disarms whatever a test armed, even when an assertion leaves it early.
struct Disarm {
  ~Disarm() {
    faults::FailAllocation(0);
    faults::FailRead(0, faults::TReadFault::None);
  }
};

std::vector<TRecImage> SmallDictionary() {
  return {{7, "Aambeien|Haemorrhoiden", "opgezette vaten rond de anus.\r\nZie {Anus}."},
          {9, "Aars", "de uitgang van het darmkanaal"},
          {0, "", ""},
          {12, "Abces", "een holte met pus, omgeven door ontstoken weefsel"},
          {15, "Bloeddruk|Tensie", "de druk van het bloed in de slagaders"},
          {21, "Zwangerschapsdiabetes", "suikerziekte tijdens de zwangerschap"}};
}

// A body as the loader shows it: the first letter a to z capitalised.
std::string Shown(std::string text) {
  if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] = static_cast<char>(text[0] - 32);
  return text;
}

// The store agrees with itself: texts end at their lengths, the visible count matches the
// flags, and every visible number resolves to the record a plain count finds.
void ExpectConsistent(TIDbRecFile& store) {
  std::vector<std::int32_t> visible;
  for (std::int32_t i = 1; i <= store.Recs.Count(); ++i) {
    const TIDbRec* rec = store.RecAt(i);
    ASSERT_NE(rec, nullptr);
    ASSERT_TRUE(rec->Visible == 0 || rec->Visible == 1);
    if (rec->Key != nullptr) {
      ASSERT_EQ(rec->Key[rec->KeyLen], '\0');
    }
    ASSERT_EQ(rec->Key == nullptr, rec->KeyLen == 0);
    if (rec->Text != nullptr) {
      ASSERT_EQ(rec->Text[rec->TextLen], '\0');
    }
    ASSERT_EQ(rec->Text == nullptr, rec->TextLen == 0);
    if (rec->Visible == 1) visible.push_back(i);
  }
  ASSERT_EQ(store.VisCount, static_cast<std::int32_t>(visible.size()));
  for (std::int32_t v = 1; v <= store.VisCount; ++v) {
    ASSERT_EQ(store.VisibleToIndex(v), visible[static_cast<std::size_t>(v - 1)]) << v;
  }
  EXPECT_EQ(store.VisibleToIndex(store.VisCount + 1), 0);
}

// The store holds exactly the first `n` records of `recs`.
void ExpectFirstRecords(TIDbRecFile& store, const std::vector<TRecImage>& recs, std::int32_t n) {
  ASSERT_EQ(store.Recs.Count(), n);
  for (std::int32_t i = 1; i <= n; ++i) {
    const TRecImage& want = recs[static_cast<std::size_t>(i - 1)];
    const TIDbRec* rec = store.RecAt(i);
    EXPECT_EQ(rec->Id, want.Id);
    EXPECT_EQ(rec->Key ? std::string(rec->Key) : "", want.Key);
    EXPECT_EQ(rec->Text ? std::string(rec->Text) : "", Shown(want.Text));
  }
}

// Loads into a store that already held other records, so a failed load shows whether it
// replaced them.
bool LoadOverOldRecords(TIDbRecFile& store, const std::string& path, RecordingGauge* gauge,
                        std::int64_t failingAllocation) {
  store.AddRecord(99, "Oud", "een record van voor het laden");
  store.ShowAll();
  // The gauge itself must not take memory while the store's allocations are counted.
  if (gauge != nullptr) {
    gauge->progress.reserve(128);
    gauge->visible.reserve(8);
  }
  faults::FailAllocation(failingAllocation);
  const bool ok = store.LoadFromFile(path, gauge);
  faults::FailAllocation(0);
  return ok;
}

TEST(FailingAllocation, EveryLoaderAllocationFailsInTurn) {
  Disarm disarm;
  const std::vector<TRecImage> recs = SmallDictionary();
  TempFile file;
  file.Write(Encode(recs));
  std::int64_t needed = 0;
  {
    TIDbRecFile store;
    RecordingGauge gauge;
    ASSERT_TRUE(LoadOverOldRecords(store, file.path(), &gauge, kCountOnly));
    needed = faults::AllocationsCounted();
  }
  ASSERT_GT(needed, 0);
  for (std::int64_t n = 1; n <= needed; ++n) {
    SCOPED_TRACE(n);
    TIDbRecFile store;
    RecordingGauge gauge;
    // Exhausted memory stops the load quietly: the answer stays true and the records before
    // the failure stay, the old ones never.
    EXPECT_TRUE(LoadOverOldRecords(store, file.path(), &gauge, n));
    ASSERT_LT(store.Recs.Count(), static_cast<std::int32_t>(recs.size()));
    ExpectFirstRecords(store, recs, store.Recs.Count());
    for (std::int32_t i = 1; i <= store.Recs.Count(); ++i) EXPECT_EQ(store.RecAt(i)->Visible, 0);
    // What was kept is a working store.
    store.ShowAll();
    ExpectConsistent(store);
    std::vector<std::string> all;
    store.FillTitleList(2, 'A', all);
    EXPECT_EQ(static_cast<std::int32_t>(all.size()), store.Recs.Count());
  }
}

class FailingStore : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const TRecImage& rec : SmallDictionary()) store.AddRecord(rec.Id, rec.Key, rec.Text);
    store.ShowAll();
  }
  // A query with terms long enough to need memory of their own, of every kind.
  void Search(std::int64_t failingAllocation, RecordingGauge* gauge) {
    std::string text = "%\"darmkanaal\"%zwangerschap%ontstoken weefsel-\"bloedvaten rond\"";
    TIDbQuery query;
    query.Query = text.data();
    query.QueryLen = text.size();
    if (gauge != nullptr) {
      gauge->progress.reserve(128);
      gauge->visible.reserve(8);
    }
    faults::FailAllocation(failingAllocation);
    store.Filter(query, gauge);
    faults::FailAllocation(0);
  }
  std::vector<std::string> Titles(int mode, char letter, std::int64_t failingAllocation) {
    std::vector<std::string> list{"oud item dat verdwijnen moet"};
    faults::FailAllocation(failingAllocation);
    store.FillTitleList(mode, letter, list);
    faults::FailAllocation(0);
    return list;
  }

  Disarm disarm;
  TIDbRecFile store;
};

TEST_F(FailingStore, AFilterWithoutMemoryFindsNothingAndTheStoreRecovers) {
  Search(kCountOnly, nullptr);
  const std::int64_t needed = faults::AllocationsCounted();
  ASSERT_EQ(store.VisCount, 3);
  ASSERT_GT(needed, 0);
  for (std::int64_t n = 1; n <= needed; ++n) {
    SCOPED_TRACE(n);
    RecordingGauge gauge;
    Search(n, &gauge);
    EXPECT_EQ(store.VisCount, 0);
    EXPECT_EQ(store.LastVisNo, 0);
    ExpectConsistent(store);
    // A gauge that was shown is hidden again.
    if (!gauge.visible.empty()) {
      EXPECT_FALSE(gauge.visible.back());
    }
    Search(0, nullptr);
    EXPECT_EQ(store.VisCount, 3);
  }
}

TEST_F(FailingStore, ShowAllNeedsNoMemory) {
  TIDbQuery nothing;
  store.Filter(nothing, nullptr);
  faults::FailAllocation(kCountOnly);
  store.ShowAll();
  EXPECT_EQ(faults::AllocationsCounted(), 0);
  faults::FailAllocation(0);
  EXPECT_EQ(store.VisCount, store.Recs.Count());
  ExpectConsistent(store);
}

TEST_F(FailingStore, AListWithoutMemoryKeepsTheItemsMadeBefore) {
  for (const int mode : {1, 2}) {
    SCOPED_TRACE(mode);
    const std::vector<std::string> whole = Titles(mode, 'a', kCountOnly);
    const std::int64_t needed = faults::AllocationsCounted();
    ASSERT_GT(needed, 0);
    for (std::int64_t n = 1; n <= needed; ++n) {
      SCOPED_TRACE(n);
      const std::vector<std::string> list = Titles(mode, 'a', n);
      ASSERT_LT(list.size(), whole.size());
      EXPECT_TRUE(std::equal(list.begin(), list.end(), whole.begin()));
      ExpectConsistent(store);
    }
  }
}

TEST(FailingAllocation, AChainThatGetsNoNodeStaysAsItWas) {
  Disarm disarm;
  std::vector<int> values(8);
  for (int i = 0; i < 8; ++i) values[static_cast<std::size_t>(i)] = i + 1;
  TPointerChain chain{"test"};
  std::int32_t expected = 0;
  for (int i = 0; i < 8; ++i) {
    // Every other append finds no memory for its node.
    faults::FailAllocation(i % 2 == 0 ? 1 : 0);
    const bool added = chain.Add(&values[static_cast<std::size_t>(i)]);
    faults::FailAllocation(0);
    EXPECT_EQ(added, i % 2 != 0);
    if (added) ++expected;
  }
  ASSERT_EQ(chain.Count(), expected);
  // Walked both ways, the chain holds the odd-numbered appends in order.
  for (std::int32_t i = expected; i >= 1; --i)
    EXPECT_EQ(*static_cast<int*>(chain.GetItem(i)), 2 * i);
  for (std::int32_t i = 1; i <= expected; ++i)
    EXPECT_EQ(*static_cast<int*>(chain.GetItem(i)), 2 * i);
}

TEST(FailingAllocation, RecordOperationsReportEachFailure) {
  Disarm disarm;
  faults::FailAllocation(1);
  EXPECT_EQ(NewRec(), nullptr);
  for (std::int64_t n = 1; n <= 2; ++n) {
    TIDbRec* rec = NewRec();
    ASSERT_NE(rec, nullptr);
    rec->Id = 5;
    rec->KeyLen = 4;
    rec->TextLen = 9;
    faults::FailAllocation(n);
    EXPECT_FALSE(AllocRecTexts(rec));
    faults::FailAllocation(0);
    // The text that got its buffer has it, ended; the other stays null. Nothing leaks.
    EXPECT_EQ(rec->Key == nullptr, n == 1);
    EXPECT_EQ(rec->Text == nullptr, n == 2);
    EXPECT_EQ(rec->Id, 5u);
    rec = FreeRec(rec);
  }
  char* buffer = nullptr;
  std::uint16_t length = 7;
  faults::FailAllocation(1);
  EXPECT_FALSE(SetCountedText("nier", buffer, length));
  EXPECT_EQ(buffer, nullptr);
  EXPECT_EQ(length, 0);
}

// Byte offsets at which each record of `recs` is complete in its file.
std::vector<std::size_t> RecordEnds(const std::vector<TRecImage>& recs) {
  std::vector<std::size_t> ends;
  std::size_t at = 4;
  for (const TRecImage& rec : recs) {
    at += 8 + rec.Key.size() + rec.Text.size();
    ends.push_back(at);
  }
  return ends;
}

// What the loader promises when only the first `delivered` bytes of the file arrive.
void ExpectLoadOf(TIDbRecFile& store, bool ok, const std::vector<TRecImage>& recs,
                  std::size_t delivered) {
  std::int32_t complete = 0;
  for (const std::size_t end : RecordEnds(recs)) {
    if (end <= delivered) ++complete;
  }
  EXPECT_EQ(ok, delivered >= 4 && complete == static_cast<std::int32_t>(recs.size()));
  ExpectFirstRecords(store, recs, delivered >= 4 ? complete : 0);
  ExpectConsistent(store);
}

TEST(FailingRead, AReadCutShortAtAnyByteKeepsTheCompleteRecords) {
  Disarm disarm;
  const std::vector<TRecImage> recs = SmallDictionary();
  const std::string bytes = Encode(recs);
  TempFile file;
  file.Write(bytes);
  for (std::size_t cut = 0; cut <= bytes.size(); ++cut) {
    SCOPED_TRACE(cut);
    TIDbRecFile store;
    faults::FailRead(1, faults::TReadFault::Short, cut);
    const bool ok = store.LoadFromFile(file.path(), nullptr);
    faults::FailRead(0, faults::TReadFault::None);
    ExpectLoadOf(store, ok, recs, cut);
  }
}

// A dictionary of a few megabytes is read in pieces, and every piece is needed: a failure or a
// cut in any of them answers false and keeps a first part of the records, never less than a
// failure in an earlier piece keeps.
TEST(FailingRead, EveryReadOfALargeDictionaryFailsInTurn) {
  Disarm disarm;
  std::vector<TRecImage> recs;
  for (std::uint32_t i = 1; i <= 40; ++i) {
    recs.push_back(
        {i, "Titel " + std::to_string(i), std::string(60000, static_cast<char>('a' + i % 26))});
  }
  TempFile file;
  file.Write(Encode(recs));
  std::int64_t reads = 0;
  {
    TIDbRecFile store;
    faults::FailRead(kCountOnly, faults::TReadFault::None);
    ASSERT_TRUE(store.LoadFromFile(file.path(), nullptr));
    reads = faults::ReadsCounted();
  }
  ASSERT_GT(reads, 2);
  std::int32_t keptBefore = 0;
  for (std::int64_t n = 1; n <= reads; ++n) {
    SCOPED_TRACE(n);
    std::int32_t kept[2] = {};
    for (const faults::TReadFault fault : {faults::TReadFault::Fail, faults::TReadFault::Short}) {
      TIDbRecFile store;
      faults::FailRead(n, fault, 1000);
      EXPECT_FALSE(store.LoadFromFile(file.path(), nullptr));
      faults::FailRead(0, faults::TReadFault::None);
      ExpectFirstRecords(store, recs, store.Recs.Count());
      ExpectConsistent(store);
      kept[fault == faults::TReadFault::Short] = store.Recs.Count();
    }
    if (n == 1) {
      EXPECT_EQ(kept[0], 0);
    }
    EXPECT_GE(kept[0], keptBefore);
    EXPECT_GE(kept[1], kept[0]);
    EXPECT_LT(kept[1], static_cast<std::int32_t>(recs.size()));
    keptBefore = kept[0];
  }
}

}  // namespace
}  // namespace halvena
