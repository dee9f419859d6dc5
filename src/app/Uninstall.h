// The uninstall command: runs the uninstall script that the installation put beside the program,
// after checking that the installation record names that script, waits for it and reports how
// it went. User-interface thread only.
#pragma once

#include <string>
#include <string_view>

namespace halvena {

constexpr std::string_view kUninstallValue = "UninstallString";

// The uninstall script's name in the program folder. It removes what the manifest beside it
// lists, and nothing when any line of it is wrong.
constexpr std::string_view kUninstallScript = "halvena-uninstall";

// The longest executable path, folder or argument string that is accepted.
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
// executable. A part longer than kMaxCommandPart also gives no executable.
TUninstallCommand SplitUninstallCommand(std::string_view commandLine);

// How the uninstall command went: `Done` when the script removed the installation; otherwise
// `Reason` says in one line why not, and whether anything was removed.
struct TUninstallOutcome {
  bool Done = false;
  std::string Reason;
};

// Reads the uninstall record and, when its command names the uninstall script in the program
// folder, runs that script (never the record's arguments, never another program) with the root
// folder as working folder, passes its standard output on, and waits for it to end. The record's
// command line only decides whether the script runs: no record means that the installation
// belongs to the package manager; a record naming anything else is refused.
TUninstallOutcome RunUninstaller();

}  // namespace halvena
