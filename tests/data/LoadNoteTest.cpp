#include "data/LoadNote.h"

#include <gtest/gtest.h>

#include "StoreFixture.h"

namespace halvena {
namespace {

using test::Encode;
using test::TempFile;

// The note for each way a load can go, told from the loader's own answer.
TEST(DictionaryLoadNote, TellsWhatWentWrongAndNothingForASoundFile) {
  TempFile file;
  auto noteFor = [&](const std::string& bytes) {
    file.Write(bytes);
    TIDbRecFile store;
    const bool loaded = store.LoadFromFile(file.path(), nullptr);
    return DictionaryLoadNote(file.path(), loaded, store);
  };
  const std::string two = Encode({{1, "Hart", "Spier."}, {2, "Long", "Adem."}});
  EXPECT_EQ(noteFor(two), "");
  EXPECT_EQ(noteFor(two.substr(0, two.size() - 2)),
            file.path() + ": the dictionary is cut short; 1 entry loaded");
  EXPECT_EQ(noteFor(std::string("\x05\0\0\0", 4)),
            file.path() + ": the dictionary is cut short; 0 entries loaded");
  EXPECT_EQ(
      noteFor("ab"),
      file.path() + ": the dictionary could not be read (shorter than its 4-byte record count)");
  EXPECT_EQ(noteFor(std::string(4, '\0')), file.path() + ": the dictionary holds no entries");
  EXPECT_EQ(noteFor("\xFF\xFF\xFF\xFF"), file.path() + ": the dictionary holds no entries");
}

TEST(DictionaryLoadNote, AFolderCannotBeReadAndAMissingFileIsLeftToTheStart) {
  TempFile file;
  std::filesystem::create_directory(file.path());
  TIDbRecFile store;
  EXPECT_EQ(DictionaryLoadNote(file.path(), store.LoadFromFile(file.path(), nullptr), store),
            file.path() + ": the dictionary could not be read (not a regular file)");
  const std::string missing = file.path() + ".missing";
  EXPECT_EQ(DictionaryLoadNote(missing, store.LoadFromFile(missing, nullptr), store), "");
}

}  // namespace
}  // namespace halvena
