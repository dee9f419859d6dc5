// The registry as the program reads it, read only. Two places are answered: the HTML file type
// and its open command under the classes root, presented as a command that runs xdg-open with
// the document when xdg-open is installed; and keys under the local machine root, read from the
// record that the installation writes beside the program. User-interface thread only.
#pragma once

#include <string>
#include <string_view>

namespace halvena {

enum class TRegistryRoot { HKEY_CLASSES_ROOT, HKEY_LOCAL_MACHINE };

// The record of local-machine keys, relative to the program folder. An INI text: a line
// "[key path]" opens a key, and the lines "Name=value" after it are its string values; the
// value runs to the end of the line, quotes included.
constexpr std::string_view kRegistryRecord = "uninstall.ini";

// The string value `valueName` (empty: the key's default value) of key `keyPath` under `root`,
// or an empty string when the key or the value does not exist or cannot be read. Key paths and
// value names compare with ASCII letter case ignored; nothing is ever created.
std::string ReadRegistryString(TRegistryRoot root, std::string_view keyPath,
                               std::string_view valueName);

}  // namespace halvena
