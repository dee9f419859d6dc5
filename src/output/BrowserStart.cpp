#include "output/BrowserStart.h"

#include <algorithm>

namespace halvena {
namespace {

constexpr std::string_view kHelpHost = "https://help.tarnix.example/";
constexpr std::string_view kCustomer = "Zenta";
constexpr std::string_view kProgramLabel = "tervolin";
constexpr int kProgramVersion = 2032;

std::string AsciiLower(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return result;
}

std::string AsciiUpper(std::string_view text) {
  std::string result(text);
  for (char& c : result) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  }
  return result;
}

}  // namespace

std::string HelpAddress(std::string_view host, std::string_view customer, std::string_view label,
                        int version) {
  return std::string(host) + "index.dll?lngid=31&customerno=" + AsciiLower(customer) +
         "&programlabel=" + AsciiLower(label) +
         "&programversionnumber=" + AsciiLower(std::to_string(version)) + "&show=onlinehelp";
}

std::string HelpAddress() {
  return HelpAddress(kHelpHost, kCustomer, kProgramLabel, kProgramVersion);
}

std::optional<TBrowserCommand> BrowserCommand(std::string_view commandLine,
                                              std::string_view address) {
  std::string line(commandLine);
  if (const std::size_t percent = line.find('%'); percent != std::string::npos) {
    line.erase(percent, 2);
  }
  line.erase(std::remove(line.begin(), line.end(), '"'), line.end());

  const std::string upper = AsciiUpper(line);
  std::size_t hit = std::string::npos;
  for (const std::string_view extension : {".BAT ", ".EXE ", ".COM "}) {
    hit = upper.find(extension);
    if (hit != std::string::npos) break;
  }
  TBrowserCommand command;
  std::string arguments;
  if (hit == std::string::npos) {
    command.Executable = line;
  } else {
    command.Executable = line.substr(0, hit + 4);
    arguments = line.substr(hit + 5);
  }
  command.Parameters =
      arguments.empty() ? std::string(address) : arguments + " " + std::string(address);
  if (command.Executable.size() > kMaxBrowserString ||
      command.Parameters.size() > kMaxBrowserString) {
    return std::nullopt;
  }
  return command;
}

bool OpenInBrowser(std::string_view address, const TClassesRootReader& readKey,
                   const TProgramStarter& start) {
  std::optional<std::string> type;
  for (const std::string_view extension : {".HTML", ".HTM", ".SHTML", ".SHTM"}) {
    type = readKey(extension);
    if (type) break;
  }
  std::optional<std::string> commandLine;
  if (type && !type->empty()) commandLine = readKey(*type + "\\Shell\\Open\\Command");
  if (!commandLine || commandLine->empty()) return false;
  const std::optional<TBrowserCommand> command = BrowserCommand(*commandLine, address);
  if (!command) return false;
  return start(command->Executable, command->Parameters) > 31;
}

}  // namespace halvena
