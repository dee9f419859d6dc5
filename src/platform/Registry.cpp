#include "platform/Registry.h"

#include <QStandardPaths>
#include <algorithm>
#include <filesystem>
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

// The value `valueName` of section `section` in the INI file `path`, or "" when the file, the
// section or the value is missing.
std::string ReadIniValue(const std::string& path, std::string_view section,
                         std::string_view valueName) {
  std::ifstream file(path, std::ios::binary);
  bool inSection = false;
  std::string line;
  while (std::getline(file, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (!line.empty() && line.front() == '[') {
      const std::size_t close = line.find(']');
      inSection = close != std::string::npos && SameName(line.substr(1, close - 1), section);
      continue;
    }
    const std::size_t equals = line.find('=');
    if (inSection && equals != std::string::npos && SameName(line.substr(0, equals), valueName)) {
      return line.substr(equals + 1);
    }
  }
  return {};
}

// The installation record's name for a value of the uninstall key, or "" for a value that the
// record does not hold.
std::string_view InstallRecordName(std::string_view valueName) {
  if (SameName(valueName, "UninstallString")) return "Uninstaller";
  if (SameName(valueName, "DisplayName")) return "Name";
  return {};
}

std::string ReadLocalMachine(std::string_view keyPath, std::string_view valueName) {
  const std::string record = ResolveProgramPath(kInstallRecord);
  std::error_code error;
  if (std::filesystem::exists(record, error)) {
    const std::string_view name = InstallRecordName(valueName);
    if (!SameName(keyPath, kUninstallKey) || name.empty()) return {};
    return ReadIniValue(record, kInstallSection, name);
  }
  return ReadIniValue(ResolveProgramPath(kOldRegistryRecord), keyPath, valueName);
}

}  // namespace

std::string ReadRegistryString(TRegistryRoot root, std::string_view keyPath,
                               std::string_view valueName) {
  switch (root) {
    case TRegistryRoot::HKEY_CLASSES_ROOT:
      return ReadClassesRoot(keyPath, valueName);
    case TRegistryRoot::HKEY_LOCAL_MACHINE:
      return ReadLocalMachine(keyPath, valueName);
  }
  return {};
}

}  // namespace halvena
