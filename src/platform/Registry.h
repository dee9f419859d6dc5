// The registry as the program reads it, read only. Two places are answered: the HTML file type
// and its open command under the classes root, presented as a command that runs xdg-open with
// the document when xdg-open is installed; and the uninstall key under the local machine root,
// read from the installation record that "cmake --install" writes beside the program.
// User-interface thread only.
#pragma once

#include <string>
#include <string_view>

namespace halvena {

enum class TRegistryRoot { HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE };

// The installation record, relative to the program folder. An INI text: the section
// "[Installation]" holds "Name=" (the uninstall key's DisplayName) and "Uninstaller=" (its
// UninstallString); lines starting with "#" or ";" are comments. A value runs to the end of its
// line, quotes included.
constexpr std::string_view kInstallRecord = "installation.ini";
constexpr std::string_view kInstallSection = "Installation";

// The record of earlier installations, read when there is no installation record: a line
// "[key path]" opens a key, and the lines "Name=value" after it are its string values.
constexpr std::string_view kOldRegistryRecord = "uninstall.ini";

// The key whose values the installation record answers.
constexpr std::string_view kUninstallKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Halvena";

// The string value `valueName` (empty: the key's default value) of key `keyPath` under `root`,
// or an empty string when the key or the value does not exist or cannot be read. Key paths and
// value names compare with ASCII letter case ignored; nothing is ever created.
std::string ReadRegistryString(TRegistryRoot root, std::string_view keyPath,
                               std::string_view valueName);

}  // namespace halvena
