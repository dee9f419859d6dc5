#include "halvena-dict/Import.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "data/RecWriter.h"
#include "halvena-dict/DictBuild.h"
#include "halvena-dict/Dictd.h"
#include "halvena-dict/Gzip.h"
#include "halvena-dict/StarDict.h"
#include "halvena-dict/TextConvert.h"

namespace fs = std::filesystem;

namespace halvena::dict {
namespace {

constexpr std::size_t kMaxText = 0xFFFF;

// `path` with `suffix` in place of its last `oldSuffix`.
std::string Beside(const std::string& path, std::string_view oldSuffix, std::string_view suffix) {
  return path.substr(0, path.size() - oldSuffix.size()) + std::string(suffix);
}

// The first of `candidates` that exists; throws naming `source` when none does.
std::string FindBeside(const std::string& source, const std::vector<std::string>& candidates,
                       const std::string& what) {
  for (const auto& c : candidates) {
    std::error_code ec;
    if (fs::is_regular_file(c, ec)) return c;
  }
  std::string names;
  for (const auto& c : candidates) {
    names += (names.empty() ? "" : " or ") + fs::path(c).filename().string();
  }
  throw TImportError(source, "no " + what + " beside it (" + names + ")");
}

// Builds the entries: titles and bodies converted, limits kept.
class TEntryMaker {
 public:
  explicit TEntryMaker(std::string source) : FSource(std::move(source)) {}

  // The title of a headword: blanks around it dropped, Windows-1252, and a "|", which would
  // end the title, made "/".
  std::string Title(std::string_view headword) {
    const std::size_t first = headword.find_first_not_of(" \t");
    headword = first == std::string_view::npos
                   ? std::string_view()
                   : headword.substr(first, headword.find_last_not_of(" \t") - first + 1);
    std::string title = FConverter.Convert(headword);
    std::replace(title.begin(), title.end(), '|', '/');
    return title;
  }
  // `body` is the definition as Windows-1252 lines.
  void Add(std::string_view headword, std::string body, int line) {
    TSourceEntry e;
    e.Key = Title(headword);
    if (e.Key.size() > kMaxText) {
      throw TImportError(FSource, "entry " + std::to_string(line) + ": headword too long");
    }
    e.Text = LinesToParagraphs(body);
    if (CutBody(e.Text, kMaxText)) ++FResult.CutBodies;
    e.File = FSource;
    e.Line = line;
    FResult.Entries.push_back(std::move(e));
  }
  std::string Convert(std::string_view text) { return FConverter.Convert(text); }
  TImported Finish() {
    FResult.Replaced = FConverter.Replaced();
    return std::move(FResult);
  }

 private:
  std::string FSource;
  TCp1252Converter FConverter;
  TImported FResult;
};

void CheckLength(const std::string& file, const TIndexEntry& entry) {
  if (entry.Length > kMaxDefinitionBytes) {
    throw TImportError(file, "the entry \"" + entry.Headword + "\" claims " +
                                 std::to_string(entry.Length) + " bytes of definition");
  }
}

}  // namespace

TImported ImportDictd(const std::string& indexPath) {
  const std::vector<TIndexEntry> index = ParseDictdIndex(indexPath, ReadFileBytes(indexPath));
  const std::string dataPath = FindBeside(
      indexPath, {Beside(indexPath, ".index", ".dict.dz"), Beside(indexPath, ".index", ".dict")},
      "data file");
  TDictData data(dataPath);
  TEntryMaker maker(indexPath);
  int line = 0;
  for (const TIndexEntry& entry : index) {
    ++line;
    if (IsDictdDatabaseEntry(entry.Headword)) continue;
    CheckLength(indexPath, entry);
    maker.Add(entry.Headword, maker.Convert(data.Read(entry.Offset, entry.Length)), line);
  }
  return maker.Finish();
}

TImported ImportStarDict(const std::string& ifoPath) {
  const TStarDictInfo info = ParseStarDictIfo(ifoPath, ReadFileBytes(ifoPath));
  const std::string idxPath = FindBeside(
      ifoPath, {Beside(ifoPath, ".ifo", ".idx"), Beside(ifoPath, ".ifo", ".idx.gz")}, "index");
  std::string idxBytes = ReadFileBytes(idxPath);
  if (idxPath.ends_with(".gz")) idxBytes = InflateGzip(idxPath, idxBytes, info.IdxFileSize);
  const std::vector<TIndexEntry> index = ParseStarDictIdx(idxPath, idxBytes, info);
  idxBytes = {};
  const std::string dataPath =
      FindBeside(ifoPath, {Beside(ifoPath, ".ifo", ".dict.dz"), Beside(ifoPath, ".ifo", ".dict")},
                 "data file");
  std::vector<TSynonym> synonyms;
  const std::string synPath = Beside(ifoPath, ".ifo", ".syn");
  std::error_code ec;
  if (fs::is_regular_file(synPath, ec)) {
    synonyms = ParseStarDictSyn(synPath, ReadFileBytes(synPath), info, index.size());
  } else if (info.SynWordCount > 0) {
    throw TImportError(
        ifoPath, "synwordcount is given, but there is no " + fs::path(synPath).filename().string());
  }
  // Synonyms join the entries in the index's own order.
  std::stable_sort(synonyms.begin(), synonyms.end(), [](const TSynonym& a, const TSynonym& b) {
    return StarDictLess(a.Word, b.Word);
  });

  TDictData data(dataPath);
  TEntryMaker maker(idxPath);
  std::size_t nextSynonym = 0;
  auto addSynonymsBefore = [&](const std::string* headword) {
    while (nextSynonym < synonyms.size() &&
           (headword == nullptr || StarDictLess(synonyms[nextSynonym].Word, *headword))) {
      const TSynonym& s = synonyms[nextSynonym++];
      maker.Add(s.Word, "{" + maker.Title(index[s.Entry].Headword) + "}",
                static_cast<int>(nextSynonym));
    }
  };
  int line = 0;
  for (const TIndexEntry& entry : index) {
    ++line;
    addSynonymsBefore(&entry.Headword);
    CheckLength(idxPath, entry);
    std::string body;
    for (const TStarDictField& field : SplitStarDictEntry(
             dataPath, data.Read(entry.Offset, entry.Length), info.SameTypeSequence)) {
      if (!IsReadableStarDictType(field.Type)) {
        throw TImportError(dataPath, "the entry \"" + entry.Headword + "\" has a field of type '" +
                                         std::string(1, field.Type) + "' (" +
                                         StarDictTypeName(field.Type) +
                                         "), which cannot be imported; plain text (m, l, t), "
                                         "Pango markup (g) and XDXF (x) can");
      }
      if (!body.empty()) body += '\n';
      body += maker.Convert(StarDictFieldText(field));
    }
    maker.Add(entry.Headword, std::move(body), line);
  }
  addSynonymsBefore(nullptr);
  return maker.Finish();
}

TImported ImportDictionary(const std::string& source) {
  if (source.ends_with(".index")) return ImportDictd(source);
  if (source.ends_with(".ifo")) return ImportStarDict(source);
  throw TImportError(source, "unknown dictionary format (a dictd .index or a StarDict .ifo file)");
}

void WriteDictionaryFile(std::vector<TSourceEntry> entries, bool sort, const std::string& output) {
  try {
    AssignIds(entries);
  } catch (const TDictError& e) {
    throw TImportError(output, e.what());
  }
  if (sort) SortEntries(entries);
  std::vector<TRecImage> images;
  images.reserve(entries.size());
  for (auto& e : entries) images.push_back({e.Id, std::move(e.Key), std::move(e.Text)});
  entries = {};
  std::string bytes;
  if (!EncodeRecFile(images, bytes)) throw TImportError(output, "too many entries");
  images = {};
  const std::string temp = output + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) {
      out.close();
      std::error_code ignored;
      fs::remove(temp, ignored);
      throw TImportError(output, "cannot write the file");
    }
  }
  std::error_code ec;
  fs::rename(temp, output, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(temp, ignored);
    throw TImportError(output, "cannot write the file: " + ec.message());
  }
}

}  // namespace halvena::dict
