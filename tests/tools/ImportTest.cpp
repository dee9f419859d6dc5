// halvena-dict import from files written here: dictd and StarDict, with and without
// compression, and the faults of lying or missing files.
#include "halvena-dict/Import.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ImportFiles.h"
#include "data/IDbRecs.h"
#include "halvena-dict/Gzip.h"

namespace halvena::dict {
namespace {

using test::Base64Number;
using test::BigEndian;
using test::Dictzip;
using test::Gzip;
using test::TScratch;

// A dictd dictionary of three entries and the database's own entries, UTF-8.
struct TDictdFiles {
  std::string index, data;
};

TDictdFiles DictdSample() {
  const std::pair<std::string, std::string> entries[] = {
      {"00-database-utf8", "\n"},
      {"00-database-info", "Over dit woordenboek.\n"},
      {"Hart", "Hart\n   Een holle spier, zie {Long}.\n\n   Caf\xC3\xA9 \xC4\x81 \xCE\xB1.\n"},
      {"Long", "Long\n   Ademhalingsorgaan.\n"},
      {"a|b", "Een titel met een streep.\n"}};
  TDictdFiles f;
  for (const auto& [word, definition] : entries) {
    f.index +=
        word + "\t" + Base64Number(f.data.size()) + "\t" + Base64Number(definition.size()) + "\n";
    f.data += definition;
  }
  return f;
}

void ExpectSampleEntries(const TImported& imported) {
  ASSERT_EQ(imported.Entries.size(), 3u);
  EXPECT_EQ(imported.Entries[0].Key, "Hart");
  EXPECT_EQ(imported.Entries[0].Text, "Hart\r\nEen holle spier, zie {Long}.\r\n\r\nCaf\xE9 a ?.");
  EXPECT_EQ(imported.Entries[1].Key, "Long");
  EXPECT_EQ(imported.Entries[2].Key, "a/b");
  EXPECT_EQ(imported.Replaced, 2u);
  EXPECT_EQ(imported.CutBodies, 0u);
}

std::string ImportError(const std::string& source) {
  try {
    ImportDictionary(source);
  } catch (const TImportError& e) {
    return e.what();
  }
  return "";
}

TEST(ImportDictd, PlainGzipAndDictzipDataGiveTheSameEntries) {
  const TDictdFiles f = DictdSample();
  for (int form = 0; form < 3; ++form) {
    TScratch dir;
    const std::string index = dir.Write("med.index", f.index);
    if (form == 0) dir.Write("med.dict", f.data);
    if (form == 1) dir.Write("med.dict.dz", Gzip(f.data));
    if (form == 2) dir.Write("med.dict.dz", Dictzip(f.data, 16));
    ExpectSampleEntries(ImportDictionary(index));
  }
}

TEST(ImportDictd, LyingIndexOrMissingDataIsAnError) {
  TScratch dir;
  const TDictdFiles f = DictdSample();
  const std::string index = dir.Write("med.index", f.index);
  EXPECT_EQ(ImportError(index), index + ": no data file beside it (med.dict.dz or med.dict)");
  dir.Write("med.dict", f.data);
  dir.Write("past.dict", f.data);
  const std::string past =
      dir.Write("past.index", "Hart\t" + Base64Number(f.data.size() - 2) + "\tD\n");
  EXPECT_EQ(ImportError(past), dir.Path("past.dict") + ": an entry at offset " +
                                   std::to_string(f.data.size() - 2) +
                                   " of 3 bytes runs past the end of the data (" +
                                   std::to_string(f.data.size()) + " bytes)");
  dir.Write("huge.dict", f.data);
  const std::string huge = dir.Write("huge.index", "Hart\tA\t//////////\n");
  EXPECT_NE(ImportError(huge).find(huge + ": the entry \"Hart\" claims"), std::string::npos);
  dir.Write("digit.dict", f.data);
  EXPECT_EQ(ImportError(dir.Write("digit.index", "Hart\tA\tB*\n")),
            dir.Path("digit.index") + ": line 1: bad base-64 number \"B*\"");
  std::string corrupt = Gzip(f.data);
  for (std::size_t i = 20; i < corrupt.size() - 8; ++i) corrupt[i] = '\x55';
  dir.Write("corrupt.dict.dz", corrupt);
  dir.Write("corrupt.index", f.index);
  EXPECT_NE(ImportError(dir.Path("corrupt.index")).find(dir.Path("corrupt.dict.dz") + ": "),
            std::string::npos);
  EXPECT_EQ(
      ImportError(dir.Path("x.txt")),
      dir.Path("x.txt") + ": unknown dictionary format (a dictd .index or a StarDict .ifo file)");
}

// A StarDict dictionary: two entries, one synonym, the data with or without a type sequence.
struct TStarDictFiles {
  std::string ifo, idx, dict, syn;
};

TStarDictFiles StarDictSample(bool sequence, bool offsets64) {
  const std::string nul(1, '\0');
  const std::pair<std::string, std::string> entries[] = {
      {"hart", sequence ? "h\xC9\x91rt" + nul + "Een spier {echt}.\nTweede regel."
                        : "th\xC9\x91rt" + nul + "mEen spier {echt}.\nTweede regel." + nul},
      {"Long", sequence ? "l\xC9\x94\xC5\x8B" + nul + "Ademhaling."
                        : "gAdem<b>haling</b>&amp;<br>zie <i>hart</i>" + nul}};
  TStarDictFiles f;
  for (const auto& [word, data] : entries) {
    f.idx += word + std::string(1, '\0') + BigEndian(f.dict.size(), offsets64 ? 8 : 4) +
             BigEndian(data.size(), 4);
    f.dict += data;
  }
  f.syn = std::string("cor\0", 4) + BigEndian(0, 4) + std::string("pulmo\0", 6) + BigEndian(1, 4);
  f.ifo =
      std::string("StarDict's dict ifo file\nversion=") + (offsets64 ? "3.0.0" : "2.4.2") +
      "\nbookname=Test\nwordcount=2\nsynwordcount=2\nidxfilesize=" + std::to_string(f.idx.size()) +
      (offsets64 ? "\nidxoffsetbits=64" : "") + (sequence ? "\nsametypesequence=tm" : "") + "\n";
  return f;
}

TEST(ImportStarDict, EntriesAndSynonymsInIndexOrder) {
  TScratch dir;
  const TStarDictFiles f = StarDictSample(true, false);
  const std::string ifo = dir.Write("med.ifo", f.ifo);
  dir.Write("med.idx", f.idx);
  dir.Write("med.dict", f.dict);
  dir.Write("med.syn", f.syn);
  const TImported imported = ImportDictionary(ifo);
  ASSERT_EQ(imported.Entries.size(), 4u);
  EXPECT_EQ(imported.Entries[0].Key, "cor");
  EXPECT_EQ(imported.Entries[0].Text, "{hart}");
  EXPECT_EQ(imported.Entries[1].Key, "hart");
  EXPECT_EQ(imported.Entries[1].Text, "hart\r\nEen spier (echt).\r\nTweede regel.");
  EXPECT_EQ(imported.Entries[2].Key, "Long");
  EXPECT_EQ(imported.Entries[2].Text, "lon\r\nAdemhaling.");
  EXPECT_EQ(imported.Entries[3].Key, "pulmo");
  EXPECT_EQ(imported.Entries[3].Text, "{Long}");
  EXPECT_EQ(imported.Replaced, 3u);  // ɑ, ɔ and ŋ, each by its plain letter
}

TEST(ImportStarDict, TypedFieldsCompressedFilesAnd64BitOffsets) {
  TScratch dir;
  const TStarDictFiles f = StarDictSample(false, true);
  const std::string ifo = dir.Write("med.ifo", f.ifo);
  dir.Write("med.idx.gz", Gzip(f.idx));
  dir.Write("med.dict.dz", Dictzip(f.dict, 10));
  dir.Write("med.syn", f.syn);
  const TImported imported = ImportDictionary(ifo);
  ASSERT_EQ(imported.Entries.size(), 4u);
  EXPECT_EQ(imported.Entries[1].Text, "hart\r\nEen spier (echt).\r\nTweede regel.");
  EXPECT_EQ(imported.Entries[2].Text, "Ademhaling&\r\nzie hart");
}

TEST(ImportStarDict, LyingOrUnreadableFilesAreErrors) {
  const TStarDictFiles f = StarDictSample(true, false);
  {
    TScratch dir;
    const std::string ifo = dir.Write("med.ifo", f.ifo);
    EXPECT_EQ(ImportError(ifo), ifo + ": no index beside it (med.idx or med.idx.gz)");
    dir.Write("med.idx", f.idx);
    EXPECT_EQ(ImportError(ifo), ifo + ": no data file beside it (med.dict.dz or med.dict)");
    dir.Write("med.dict", f.dict.substr(0, f.dict.size() - 1));
    EXPECT_EQ(ImportError(ifo), ifo + ": synwordcount is given, but there is no med.syn");
    dir.Write("med.syn", f.syn);
    EXPECT_NE(ImportError(ifo).find(dir.Path("med.dict") + ": an entry at offset"),
              std::string::npos);
  }
  {
    TScratch dir;
    std::string ifo = f.ifo;
    ifo.replace(ifo.find("sametypesequence=tm"), 19, "synwordcount=2");
    dir.Write("med.ifo", ifo);
    dir.Write("med.idx", f.idx);
    dir.Write("med.syn", f.syn);
    dir.Write("med.dict", std::string("h<html>\0", 8) + std::string(40, 'x'));
    EXPECT_EQ(ImportError(dir.Path("med.ifo")),
              dir.Path("med.dict") +
                  ": the entry \"hart\" has a field of type 'h' (HTML), which cannot be imported; "
                  "plain text (m, l, t), Pango markup (g) and XDXF (x) can");
  }
}

TEST(WriteDictionaryFile, WritesWhatTheStoreLoadsAndLeavesNothingOnFailure) {
  TScratch dir;
  const TDictdFiles f = DictdSample();
  dir.Write("med.dict", f.data);
  TImported imported = ImportDictionary(dir.Write("med.index", f.index));
  const std::string out = dir.Path("med.dat");
  WriteDictionaryFile(std::move(imported.Entries), true, out);
  TIDbRecFile store;
  ASSERT_TRUE(store.LoadFromFile(out, nullptr));
  ASSERT_EQ(store.Recs.Count(), 3);
  EXPECT_STREQ(store.RecAt(1)->Key, "a/b");  // sorted
  EXPECT_STREQ(store.RecAt(2)->Key, "Hart");
  EXPECT_EQ(store.RecAt(2)->Id, 1u);  // Ids in source order

  const std::string missingFolder = dir.Path("none/med.dat");
  EXPECT_THROW(WriteDictionaryFile({}, false, missingFolder), TImportError);
  EXPECT_FALSE(std::filesystem::exists(missingFolder + ".tmp"));
}

}  // namespace
}  // namespace halvena::dict
