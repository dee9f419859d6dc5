// halvena-dict: builds, dumps and queries Halvena's dictionary file with the program's own
// loader and record store, and looks up the regions of the anatomy query files.
#include <charconv>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "anatomy/QueryFiles.h"
#include "base/CodePage.h"
#include "base/FileRead.h"
#include "data/IDbRecs.h"
#include "data/RecWriter.h"
#include "halvena-dict/Check.h"
#include "halvena-dict/DictBuild.h"
#include "halvena-dict/DictSource.h"
#include "halvena-dict/Gzip.h"
#include "halvena-dict/Import.h"
#include "navigation/TypedSearch.h"

namespace fs = std::filesystem;
using namespace halvena;
using namespace halvena::dict;

namespace {

constexpr int kExitBrokenFile = 1;
constexpr int kExitError = 2;

const char kUsage[] =
    "usage: halvena-dict build [--sort] -o OUT SOURCE...   (SOURCE: .txt or .jsonl)\n"
    "       halvena-dict import [--sort] -o OUT SOURCE   (SOURCE: dictd .index or StarDict .ifo)\n"
    "       halvena-dict dump [--text] FILE\n"
    "       halvena-dict check FILE   (faults of a dictionary; exit 1 when there are any)\n"
    "       halvena-dict filter [--scope A] FILE QUERY\n"
    "       halvena-dict search FILE TEXT\n"
    "       halvena-dict contents FILE [LETTER]\n"
    "       halvena-dict region FILE VIEW X Y   (FILE: d/qf.dat or d/qm.dat, VIEW 0 to 15)\n"
    "       halvena-dict --help | --version\n"
    "Options come before FILE; -- ends them. LETTER is A-Z, # or 0.\n"
    "QUERY: +word required, %word any of these, -word excluded; \"word\" (in quotes) a whole\n"
    "word, otherwise any text. --scope A lists every entry when QUERY is empty.\n"
    "Lists print N|Title, where N is the entry's position in that list.\n"
    "Exit status: 0 done, 1 the file is broken (what it holds is used), 2 error.\n";

// Thrown for a wrong command line: the message (when there is one) and then the usage go to
// standard error, with exit code 2.
struct TUsageError {
  std::string message;
};

// Thrown for a failure the tool reports as "halvena-dict: message" with exit code 2.
struct TToolError {
  std::string message;
};

// The arguments of one command: options (with their values) before the first operand,
// everything from the first operand on taken as it is.
struct TArgs {
  std::vector<std::string> flags;
  std::string output;
  std::string scope;
  bool haveScope = false;
  std::vector<std::string> operands;
};

TArgs ParseArgs(int argc, char** argv, const std::vector<std::string>& allowed) {
  TArgs args;
  int i = 2;
  auto allowedOption = [&](const std::string& a) {
    for (const auto& o : allowed) {
      if (o == a) return true;
    }
    return false;
  };
  for (; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--") {
      ++i;
      break;
    }
    if (a.empty() || a[0] != '-') break;
    if (!allowedOption(a)) {
      throw TUsageError{"option " + a + " is unknown"};
    }
    if (a == "-o" || a == "--scope") {
      if (i + 1 >= argc) throw TUsageError{"option " + a + " needs a value"};
      (a == "-o" ? args.output : args.scope) = argv[++i];
      if (a == "--scope") args.haveScope = true;
    } else {
      args.flags.push_back(a);
    }
  }
  for (; i < argc; ++i) args.operands.emplace_back(argv[i]);
  return args;
}

// A usage error with `what` unless `args` has `least` to `most` operands.
void ExpectOperands(const TArgs& args, std::size_t least, std::size_t most, const char* what) {
  if (args.operands.size() < least || args.operands.size() > most) throw TUsageError{what};
}

bool HasFlag(const TArgs& args, const char* flag) {
  for (const auto& f : args.flags) {
    if (f == flag) return true;
  }
  return false;
}

// A source to build from: a regular file of at most kMaxImportFileBytes.
std::string ReadWholeFile(const std::string& path) {
  try {
    return ReadFileBytes(path);
  } catch (const TImportError& e) {
    throw TToolError{e.what()};
  }
}

// An argument as Windows-1252.
std::string ArgToCp1252(const std::string& what, const std::string& utf8) {
  std::string out;
  const TCp1252Result r = Utf8ToCp1252(utf8, out);
  if (!r.ok) throw TToolError{what + ": the text has a character that Windows-1252 cannot hold"};
  return out;
}

// Why LoadFromFile answered false, told from the file itself.
std::string LoadFailure(const TFileShape& shape, const TIDbRecFile& store) {
  if (shape.Status != TFileReadStatus::Ok) return FileReadStatusText(shape.Status);
  if (!shape.HasCount) return "the file is shorter than its 4-byte record count";
  return "the file ends inside record " + std::to_string(store.Recs.Count() + 1);
}

// Loads `path`; a failure is reported on stderr and turns the exit code to 1, but the
// records read before it are used, as the program does. What the loader passes over (a
// negative count, bytes after the records) is noted on stderr.
int LoadStore(const std::string& path, TIDbRecFile& store) {
  const bool loaded = store.LoadFromFile(path, nullptr);
  const TFileShape shape = loaded ? LoadedFileShape(path, store) : ReadFileShape(path);
  for (const std::string& note : QuietFaults(shape)) {
    std::cerr << "halvena-dict: " << path << ": " << note << "\n";
  }
  if (loaded) return 0;
  std::cerr << "halvena-dict: " << path << ": " << LoadFailure(shape, store) << "\n";
  return kExitBrokenFile;
}

void PrintItems(const std::vector<std::string>& items) {
  for (const auto& item : items) std::cout << Cp1252ToUtf8(item) << "\n";
}

int Build(int argc, char** argv) {
  const TArgs args = ParseArgs(argc, argv, {"--sort", "-o"});
  if (args.output.empty()) throw TUsageError{"build needs -o OUT"};
  if (args.operands.empty()) throw TUsageError{"build needs at least one SOURCE"};
  std::vector<TSourceEntry> entries;
  for (const auto& source : args.operands) {
    const std::string content = ReadWholeFile(source);
    const fs::path ext = fs::path(source).extension();
    std::vector<TSourceEntry> part;
    if (ext == ".txt") {
      part = ParseTxtSource(source, content);
    } else if (ext == ".jsonl") {
      part = ParseJsonlSource(source, content);
    } else {
      throw TToolError{source + ": unknown source format (the name must end in .txt or .jsonl)"};
    }
    for (auto& e : part) entries.push_back(std::move(e));
  }
  AssignIds(entries);
  if (HasFlag(args, "--sort")) SortEntries(entries);
  for (const auto& w : CheckEntries(entries)) std::cerr << "halvena-dict: " << w << "\n";

  std::vector<TRecImage> images;
  images.reserve(entries.size());
  for (auto& e : entries) images.push_back({e.Id, std::move(e.Key), std::move(e.Text)});
  std::string bytes;
  if (!EncodeRecFile(images, bytes)) throw TToolError{args.output + ": too many entries"};
  // Written beside the target and renamed, so that a failed build leaves no half file.
  const std::string temp = args.output + ".tmp";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush()) throw TToolError{temp + ": cannot write the file"};
  }
  std::error_code ec;
  fs::rename(temp, args.output, ec);
  if (ec) throw TToolError{args.output + ": cannot write the file: " + ec.message()};
  return 0;
}

// Reads a dictd or StarDict dictionary and writes it as `build` does; tells how many entries
// it wrote and how many characters Windows-1252 could not hold.
int Import(int argc, char** argv) {
  const TArgs args = ParseArgs(argc, argv, {"--sort", "-o"});
  if (args.output.empty()) throw TUsageError{"import needs -o OUT"};
  ExpectOperands(args, 1, 1, "import takes one SOURCE");
  try {
    TImported imported = ImportDictionary(args.operands[0]);
    const std::size_t count = imported.Entries.size();
    WriteDictionaryFile(std::move(imported.Entries), HasFlag(args, "--sort"), args.output);
    std::cout << args.output << ": " << count << " entries, " << imported.Replaced
              << " characters replaced by a plain letter or \"?\"";
    if (imported.CutBodies > 0) {
      std::cout << ", " << imported.CutBodies << " definitions cut to 65535 bytes";
    }
    std::cout << "\n";
  } catch (const TImportError& e) {
    throw TToolError{e.what()};
  }
  return 0;
}

int Dump(int argc, char** argv) {
  const TArgs args = ParseArgs(argc, argv, {"--text"});
  ExpectOperands(args, 1, 1, "dump takes one FILE");
  const bool text = HasFlag(args, "--text");
  TIDbRecFile store;
  const int status = LoadStore(args.operands[0], store);
  for (std::int32_t i = 1; i <= store.Recs.Count(); ++i) {
    const TIDbRec* rec = store.RecAt(i);
    const TDumpEntry entry{rec->Id, std::string_view(rec->Key ? rec->Key : "", rec->KeyLen),
                           std::string_view(rec->Text ? rec->Text : "", rec->TextLen)};
    if (text) {
      if (i > 1) std::cout << "\n";
      std::cout << FormatTxtEntry(entry);
    } else {
      std::cout << FormatJsonlEntry(entry);
    }
  }
  return status;
}

int Check(int argc, char** argv) {
  const TArgs args = ParseArgs(argc, argv, {});
  ExpectOperands(args, 1, 1, "check takes one FILE");
  return CheckDictionary(args.operands[0], std::cout) ? 0 : kExitBrokenFile;
}

int Filter(int argc, char** argv) {
  const TArgs args = ParseArgs(argc, argv, {"--scope"});
  ExpectOperands(args, 2, 2, "filter takes FILE and QUERY");
  if (args.haveScope && args.scope != "A") {
    throw TUsageError{"--scope must be A (every entry); leave it out for no scope"};
  }
  std::string scope = args.scope;
  std::string queryText = ArgToCp1252("query", args.operands[1]);
  TIDbRecFile store;
  const int status = LoadStore(args.operands[0], store);
  TIDbQuery query;
  if (args.haveScope) {
    query.Scope = scope.data();
    query.ScopeLen = scope.size();
  }
  if (!queryText.empty()) {
    query.Query = queryText.data();
    query.QueryLen = queryText.size();
  }
  store.Filter(query, nullptr);
  // Every hit may be listed: the items are written as they are made, never all held.
  store.ForEachTitleItem(2, ' ',
                         [](std::string_view item) { std::cout << Cp1252ToUtf8(item) << "\n"; });
  return status;
}

int Search(int argc, char** argv) {
  const TArgs args = ParseArgs(argc, argv, {});
  ExpectOperands(args, 2, 2, "search takes FILE and TEXT");
  const std::string typed = ArgToCp1252("text", args.operands[1]);
  TIDbRecFile store;
  const int status = LoadStore(args.operands[0], store);
  const TTypedSearchResult result = RunTypedSearch(store, typed, nullptr);
  PrintItems(result.Items);
  if (result.Chosen >= 0) {
    std::cout << "selected: " << Cp1252ToUtf8(result.Items[result.Chosen]) << "\n";
  }
  return status;
}

int Contents(int argc, char** argv) {
  const TArgs args = ParseArgs(argc, argv, {});
  ExpectOperands(args, 1, 2, "contents takes FILE and at most one LETTER");
  char letter = 0;
  if (args.operands.size() == 2) {
    const std::string& l = args.operands[1];
    const bool valid =
        l.size() == 1 && ((l[0] >= 'A' && l[0] <= 'Z') || (l[0] >= 'a' && l[0] <= 'z') ||
                          l[0] == '#' || l[0] == '0');
    if (!valid) throw TUsageError{"LETTER must be A\u2013Z, # or 0, not '" + l + "'"};
    letter = l[0];
  }
  TIDbRecFile store;
  const int status = LoadStore(args.operands[0], store);
  // The letters of a broken file would look like an answer: nothing is listed.
  if (status != 0) return status;
  char scope[] = "A";
  TIDbQuery query;
  query.Scope = scope;
  query.ScopeLen = 1;
  store.Filter(query, nullptr);
  std::vector<std::string> items;
  if (letter != 0) {
    store.FillTitleList(1, letter, items);
    PrintItems(items);
    return status;
  }
  for (char l = 'A'; l <= 'Z'; ++l) {
    std::size_t count = 0;
    if (store.HasTitlesFor(1, l)) {
      store.FillTitleList(1, l, items);
      count = items.size();
    }
    std::cout << l << ' ' << count << "\n";
  }
  return status;
}

// A whole decimal integer argument `what`; a usage error otherwise.
int IntegerArg(const std::string& text, const char* what) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) {
    throw TUsageError{std::string(what) + " must be a whole number, not '" + text + "'"};
  }
  return value;
}

// region FILE VIEW X Y: the name and the query of the region under point (X, Y) of the figure's
// reference frame in view VIEW of the anatomy query file FILE, one line each, as the program
// finds them; an empty line where there is none.
int Region(int argc, char** argv) {
  const TArgs args = ParseArgs(argc, argv, {});
  ExpectOperands(args, 4, 4, "region takes FILE VIEW X Y");
  const std::string& path = args.operands[0];
  const int view = IntegerArg(args.operands[1], "VIEW");
  const int x = IntegerArg(args.operands[2], "X");
  const int y = IntegerArg(args.operands[3], "Y");
  if (view < 0 || view > 15) throw TUsageError{"VIEW must be 0 to 15, not " + std::to_string(view)};
  // The program takes a missing or unreadable file for one without regions; the tool says so.
  TRegularFile file;
  if (file.Open(path) != TFileReadStatus::Ok) throw TToolError{path + ": cannot read the file"};
  if (file.Size() > kMaxQueryFileBytes) {
    throw TToolError{path + ": larger than " + std::to_string(kMaxQueryFileBytes) + " bytes"};
  }
  const std::vector<std::string> lines = ReadQueryLines(path);
  const TRegionHit hit = LookUpRegion(lines, view, x, y);
  std::cout << Cp1252ToUtf8(hit.Name) << "\n" << Cp1252ToUtf8(hit.Query) << "\n";
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  try {
    if (argc < 2) throw TUsageError{"a command is missing"};
    const std::string command = argv[1];
    if (command == "--help" || command == "-h" || command == "help") {
      std::cout << kUsage;
      return 0;
    }
    if (command == "--version") {
      std::cout << "halvena-dict " HALVENA_VERSION "\n";
      return 0;
    }
    if (command == "build") return Build(argc, argv);
    if (command == "import") return Import(argc, argv);
    if (command == "dump") return Dump(argc, argv);
    if (command == "check") return Check(argc, argv);
    if (command == "filter") return Filter(argc, argv);
    if (command == "search") return Search(argc, argv);
    if (command == "contents") return Contents(argc, argv);
    if (command == "region") return Region(argc, argv);
    throw TUsageError{(command.starts_with("-") ? "option " + command + " is unknown"
                                                : "unknown command '" + command + "'")};
  } catch (const TUsageError& e) {
    if (!e.message.empty()) std::cerr << "halvena-dict: " << e.message << "\n";
    std::cerr << kUsage;
  } catch (const TToolError& e) {
    std::cerr << "halvena-dict: " << e.message << "\n";
  } catch (const TDictError& e) {
    std::cerr << "halvena-dict: " << e.what() << "\n";
  }
  return kExitError;
}
