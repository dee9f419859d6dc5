#include "platform/Registry.h"

#include <QStandardPaths>
#include <algorithm>
#include <fstream>

#include "base/ProgramFolder.h"

namespace halvena {
namespace {

char AsciiLower(char c) {
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return AsciiLower(x) == AsciiLower(y);
         });
}

// The type name that HTML documents and their relatives carry, and its open command.
constexpr std::string_view kHtmlType = "htmlfile";

std::string ReadClassesRoot(std::string_view keyPath, std::string_view valueName) {
  if (!valueName.empty()) return {};
  for (const std::string_view extension : {".html", ".htm", ".shtml", ".shtm"}) {
    if (SameName(keyPath, extension)) return std::string(kHtmlType);
  }
  if (!SameName(keyPath, std::string(kHtmlType) + "\\Shell\\Open\\Command")) return {};
  const QString opener = QStandardPaths::findExecutable(QStringLiteral("xdg-open"));
  if (opener.isEmpty()) return {};
  return "\"" + opener.toStdString() + "\" \"%1\"";
}

std::string ReadRecord(std::string_view keyPath, std::string_view valueName) {
  std::ifstream file(ResolveProgramPath(kRegistryRecord), std::ios::binary);
  bool inKey = false;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.find(']');
      inKey = close != std::string::npos && SameName(line.substr(1, close - 1), keyPath);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (inKey && equals != std::string::npos && SameName(line.substr(0, equals), valueName)) {
      return line.substr(equals + 1);
    }
  }
  return {};
}

}  // namespace

std::string ReadRegistryString(TRegistryRoot root, std::string_view keyPath,
                               std::string_view valueName) {
  switch (root) {
    case TRegistryRoot::HKEY_CLASSES_ROOT:
      return ReadClassesRoot(keyPath, valueName);
    case TRegistryRoot::HKEY_LOCAL_MACHINE:
      return ReadRecord(keyPath, valueName);
  }
  return {};
}

}  // namespace halvena
