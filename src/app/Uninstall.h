// The uninstall command: starts the uninstaller that the installation registered, with the
// arguments registered with it. User-interface thread only.
#pragma once

#include <string>
#include <string_view>

namespace halvena {

// Where the installation registers its uninstaller.
constexpr std::string_view kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Halvena";
constexpr std::string_view kUninstallValue = "UninstallString";

// The longest executable path, folder or argument string that is started.
constexpr std::size_t kMaxCommandPart = 1023;

// A registered command line taken apart.
struct TUninstallCommand {
  std::string Executable;  // empty: nothing can be started
  std::string Arguments;
  std::string Folder;  // the executable's folder with its trailing separator, or empty
  bool operator==(const TUninstallCommand&) const = default;
};

// Splits a registered command line. A line that begins with a double quote names the text up to
// the next double quote as the executable, and what follows that quote and one more character
// (the separating blank) as the arguments; a quote that is never closed gives no executable.
// Otherwise the executable is the text before the first blank followed by a double quote, and
// the arguments run from that quote on, quotes included; without such a blank there is no
// executable. A part longer than kMaxCommandPart also gives no executable, so that nothing
// cut short is ever started.
TUninstallCommand SplitUninstallCommand(std::string_view commandLine);

// Reads the registered command line and starts it in the executable's folder. Nothing happens,
// and nothing is reported, when none is registered or it cannot be started.
void RunUninstaller();

}  // namespace halvena
