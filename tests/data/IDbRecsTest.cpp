// The dictionary file: records, texts and the loader.
#include "data/IDbRecs.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <random>

#include "StoreFixture.h"
#include "data/Substitution.h"

namespace halvena {
namespace {

using test::Encode;
using test::RecordingGauge;
using test::TempFile;

std::string Key(const TIDbRec* rec) {
  return rec->Key ? std::string(rec->Key, rec->KeyLen) : "";
}
std::string Text(const TIDbRec* rec) {
  return rec->Text ? std::string(rec->Text, rec->TextLen) : "";
}

const std::vector<TRecImage> kThree = {
    {7, "Aambeien|Haemorrhoiden", "opgezette vaten.\r\nZie {Anus}."},
    {9, "Aars", "\xE9\xE9n opening"},
    {12, "Abces", "Een holte met pus."}};

TEST(LoadFromFile, ReadsEveryRecordInFileOrder) {
  TempFile file;
  file.Write(Encode(kThree));
  TIDbRecFile store;
  ASSERT_TRUE(store.LoadFromFile(file.path(), nullptr));
  ASSERT_EQ(store.Recs.Count(), 3);
  EXPECT_EQ(store.RecAt(1)->Id, 7u);
  EXPECT_EQ(Key(store.RecAt(1)), "Aambeien|Haemorrhoiden");
  EXPECT_EQ(store.RecAt(1)->Key[store.RecAt(1)->KeyLen], '\0');
  // A lower-case first letter of the body is capitalised; an accented one is left alone.
  EXPECT_EQ(Text(store.RecAt(1)), "Opgezette vaten.\r\nZie {Anus}.");
  EXPECT_EQ(Text(store.RecAt(2)), "\xE9\xE9n opening");
  for (int i = 1; i <= 3; ++i) EXPECT_EQ(store.RecAt(i)->Visible, 0);
  EXPECT_EQ(store.VisCount, 0);
}

TEST(LoadFromFile, StoredTextsAreSubstituted) {
  const std::string bytes = Encode({{1, "AB", "c"}});
  ASSERT_EQ(bytes.size(), 4u + 8 + 3);
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[12]), SubstituteByte('A'));
  EXPECT_EQ(static_cast<std::uint8_t>(bytes[14]), SubstituteByte('c'));
}

TEST(LoadFromFile, CountOfZeroOrBelowIsAnEmptyDictionary) {
  for (const std::string& count : {std::string("\0\0\0\0", 4), std::string("\xFF\xFF\xFF\xFF", 4),
                                   std::string("\x00\x00\x00\x80", 4)}) {
    TempFile file;
    file.Write(count + "garbage after the count");
    TIDbRecFile store;
    RecordingGauge gauge;
    EXPECT_TRUE(store.LoadFromFile(file.path(), &gauge));
    EXPECT_EQ(store.Recs.Count(), 0);
    EXPECT_EQ(gauge.progress, std::vector<int>{0});
    EXPECT_EQ(gauge.visible, std::vector<bool>{true});
  }
}

TEST(LoadFromFile, MissingOrShortFileFailsAndLeavesTheStoreEmpty) {
  TempFile file;
  TIDbRecFile store;
  RecordingGauge gauge;
  EXPECT_FALSE(store.LoadFromFile(file.path() + ".missing", &gauge));
  for (int len = 0; len < 4; ++len) {
    file.Write(std::string(len, '\x01'));
    EXPECT_FALSE(store.LoadFromFile(file.path(), &gauge));
    EXPECT_EQ(store.Recs.Count(), 0);
  }
  EXPECT_TRUE(gauge.progress.empty());  // the gauge is only touched once the count is read
}

// Every prefix of a file keeps the records that are complete in it.
TEST(LoadFromFile, TruncatedFileKeepsTheCompleteRecords) {
  const std::string full = Encode(kThree);
  std::vector<std::size_t> ends;  // where each record ends
  std::size_t pos = 4;
  for (const auto& r : kThree) ends.push_back(pos += 8 + r.Key.size() + r.Text.size());
  for (std::size_t len = 4; len <= full.size(); ++len) {
    TempFile file;
    file.Write(full.substr(0, len));
    TIDbRecFile store;
    const bool ok = store.LoadFromFile(file.path(), nullptr);
    int complete = 0;
    for (std::size_t e : ends) complete += e <= len;
    EXPECT_EQ(ok, len == full.size()) << len;
    ASSERT_EQ(store.Recs.Count(), complete) << len;
    if (complete > 0) {
      EXPECT_EQ(Key(store.RecAt(complete)), kThree[complete - 1].Key);
    }
  }
}

TEST(LoadFromFile, CountBeyondTheRecordsFailsButKeepsThem) {
  std::string bytes = Encode({kThree[0], kThree[1]});
  bytes[0] = 3;
  TempFile file;
  file.Write(bytes);
  TIDbRecFile store;
  EXPECT_FALSE(store.LoadFromFile(file.path(), nullptr));
  EXPECT_EQ(store.Recs.Count(), 2);
}

TEST(LoadFromFile, HugeLengthsInAShortFileFailWithoutReading) {
  // The header claims two texts of 65 535 bytes that the file does not hold.
  const std::string bytes =
      std::string("\x01\0\0\0", 4) + std::string("\x05\0\0\0\xFF\xFF\xFF\xFF", 8) + "abc";
  TempFile file;
  file.Write(bytes);
  TIDbRecFile store;
  EXPECT_FALSE(store.LoadFromFile(file.path(), nullptr));
  EXPECT_EQ(store.Recs.Count(), 0);
}

TEST(LoadFromFile, LongestTextsLoad) {
  const std::vector<TRecImage> recs = {{1, std::string(65535, 'k'), std::string(65535, 't')},
                                       {2, "B", "b"}};
  TempFile file;
  file.Write(Encode(recs));
  TIDbRecFile store;
  ASSERT_TRUE(store.LoadFromFile(file.path(), nullptr));
  ASSERT_EQ(store.Recs.Count(), 2);
  EXPECT_EQ(store.RecAt(1)->TextLen, 65535);
  EXPECT_EQ(Text(store.RecAt(1)), "T" + std::string(65534, 't'));
  EXPECT_EQ(Text(store.RecAt(2)), "B");
}

TEST(LoadFromFile, RecordWithoutTextsStaysWithIdZero) {
  TempFile file;
  file.Write(Encode({{5, "", ""}, {6, "", "x"}}));
  TIDbRecFile store;
  ASSERT_TRUE(store.LoadFromFile(file.path(), nullptr));
  ASSERT_EQ(store.Recs.Count(), 2);
  EXPECT_EQ(store.RecAt(1)->Id, 0u);
  EXPECT_EQ(store.RecAt(1)->Key, nullptr);
  EXPECT_EQ(store.RecAt(1)->Text, nullptr);
  EXPECT_EQ(store.RecAt(2)->Id, 6u);  // an empty key alone keeps the Id
  EXPECT_EQ(Text(store.RecAt(2)), "X");
}

TEST(LoadFromFile, GaugeFollowsTheRecordsAndLetsWorkRunOnEachChange) {
  TempFile file;
  file.Write(Encode(kThree));
  TIDbRecFile store;
  RecordingGauge gauge;
  ASSERT_TRUE(store.LoadFromFile(file.path(), &gauge));
  EXPECT_EQ(gauge.progress, (std::vector<int>{0, 33, 66, 100}));
  EXPECT_EQ(gauge.visible, std::vector<bool>{true});  // shown, never hidden by the loader
  EXPECT_EQ(gauge.pendingRuns, 3);

  std::vector<TRecImage> many(1000, {1, "K", "t"});
  file.Write(Encode(many));
  RecordingGauge big;
  ASSERT_TRUE(store.LoadFromFile(file.path(), &big));
  EXPECT_EQ(big.progress.size(), 101u);  // 0 to 100, each once
  EXPECT_EQ(big.progress.back(), 100);
  EXPECT_EQ(big.pendingRuns, 100);
}

TEST(LoadFromFile, SecondLoadReplacesTheRecords) {
  TempFile first, second;
  first.Write(Encode(kThree));
  second.Write(Encode({{40, "Zweer", "Een wond."}}));
  TIDbRecFile store;
  ASSERT_TRUE(store.LoadFromFile(first.path(), nullptr));
  store.ShowAll();
  ASSERT_TRUE(store.LoadFromFile(second.path(), nullptr));
  ASSERT_EQ(store.Recs.Count(), 1);
  EXPECT_EQ(store.RecAt(1)->Id, 40u);
  EXPECT_FALSE(store.LoadFromFile(first.path() + ".missing", nullptr));
  EXPECT_EQ(store.Recs.Count(), 0);
}

// Random records of every byte value and of lengths up to the largest, so that records cross
// the pieces in which the file is read: each loads to exactly its texts, NUL-terminated.
TEST(LoadFromFile, RandomRecordsLoadToTheirTexts) {
  std::mt19937 rng(11);
  auto randomText = [&](std::size_t maxLen) {
    std::string t(rng() % (maxLen + 1), '\0');
    for (char& c : t) c = static_cast<char>(rng());
    return t;
  };
  std::vector<TRecImage> recs;
  for (std::uint32_t i = 1; i <= 300; ++i) {
    const std::size_t longest = i % 50 == 0 ? 65535 : i % 7 == 0 ? 0 : 3000;
    recs.push_back({i, randomText(i % 5 == 0 ? 0 : 40), randomText(longest)});
  }
  TempFile file;
  file.Write(Encode(recs));
  TIDbRecFile store;
  ASSERT_TRUE(store.LoadFromFile(file.path(), nullptr));
  ASSERT_EQ(store.Recs.Count(), 300);
  for (std::int32_t i = 1; i <= 300; ++i) {
    const TIDbRec* rec = store.RecAt(i);
    const TRecImage& want = recs[static_cast<std::size_t>(i - 1)];
    std::string text = want.Text;
    if (!text.empty() && text[0] >= 'a' && text[0] <= 'z') text[0] -= 32;
    ASSERT_EQ(Key(rec), want.Key) << i;
    ASSERT_EQ(Text(rec), text) << i;
    EXPECT_EQ(rec->Id, want.Key.empty() && want.Text.empty() ? 0u : want.Id);
    EXPECT_EQ(rec->Key == nullptr, want.Key.empty());
    EXPECT_EQ(rec->Text == nullptr, want.Text.empty());
    if (rec->Key != nullptr) {
      EXPECT_EQ(rec->Key[rec->KeyLen], '\0');
    }
    if (rec->Text != nullptr) {
      EXPECT_EQ(rec->Text[rec->TextLen], '\0');
    }
  }
}

// Only a regular file is read: a pipe without a writer, a folder and endless devices answer
// at once, as a file that cannot be opened, and leave the store empty.
TEST(LoadFromFile, AnythingButARegularFileFailsAtOnce) {
  TempFile file;
  file.Write(Encode({{1, "Oud", "Tekst"}}));
  const std::string fifo = file.path() + ".fifo";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const std::string folder = file.path() + ".dir";
  std::filesystem::create_directory(folder);
  const std::string random = file.path() + ".random";
  std::filesystem::create_symlink("/dev/urandom", random);
  const std::string zero = file.path() + ".zero";
  std::filesystem::create_symlink("/dev/zero", zero);
  for (const std::string& path : {fifo, folder, random, zero}) {
    TIDbRecFile store;
    ASSERT_TRUE(store.LoadFromFile(file.path(), nullptr));
    RecordingGauge gauge;
    EXPECT_FALSE(store.LoadFromFile(path, &gauge)) << path;
    EXPECT_EQ(store.Recs.Count(), 0) << path;
    EXPECT_TRUE(gauge.visible.empty()) << path;
  }
}

TEST(Records, AllocAndFree) {
  TIDbRec* rec = NewRec();
  ASSERT_NE(rec, nullptr);
  EXPECT_EQ(rec->Key, nullptr);
  rec->Id = 3;
  rec->KeyLen = 2;
  ASSERT_TRUE(AllocRecTexts(rec));
  EXPECT_EQ(rec->Key[2], '\0');
  EXPECT_EQ(rec->Text, nullptr);
  EXPECT_EQ(rec->Id, 3u);
  rec->KeyLen = 0;
  ASSERT_TRUE(AllocRecTexts(rec));  // releases the old key; both empty zero the Id
  EXPECT_EQ(rec->Key, nullptr);
  EXPECT_EQ(rec->Id, 0u);
  EXPECT_EQ(FreeRec(rec), nullptr);
  EXPECT_EQ(FreeRec(nullptr), nullptr);
}

TEST(Records, SetCountedTextNeverWrapsTheLength) {
  char* buffer = nullptr;
  std::uint16_t length = 9;
  ASSERT_TRUE(SetCountedText("hart", buffer, length));
  EXPECT_EQ(length, 4);
  EXPECT_STREQ(buffer, "hart");
  ASSERT_TRUE(SetCountedText(std::string(65535, 'x'), buffer, length));
  EXPECT_EQ(length, 65535);
  // 65 536 bytes would wrap to 0; the text is refused instead.
  EXPECT_FALSE(SetCountedText(std::string(65536, 'x'), buffer, length));
  EXPECT_EQ(buffer, nullptr);
  EXPECT_EQ(length, 0);
  EXPECT_FALSE(SetCountedText(std::string(65536 + 4, 'x'), buffer, length));
  EXPECT_EQ(length, 0);
  ASSERT_TRUE(SetCountedText("", buffer, length));
  EXPECT_EQ(length, 0);
  EXPECT_STREQ(buffer, "");
  std::free(buffer);
}

TEST(Records, KeyTitleIsTheKeyBeforeTheFirstBar) {
  EXPECT_EQ(KeyTitle("Hart|Cor|x"), "Hart");
  EXPECT_EQ(KeyTitle("Hart"), "Hart");
  EXPECT_EQ(KeyTitle("|Cor"), "");
  EXPECT_EQ(KeyTitle(nullptr), "");
}

}  // namespace
}  // namespace halvena
