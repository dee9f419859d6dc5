#include "app/Uninstall.h"

#include "platform/Registry.h"
#include "platform/ShellExecute.h"

namespace halvena {

TUninstallCommand SplitUninstallCommand(std::string_view commandLine) {
  TUninstallCommand command;
  if (!commandLine.empty() && commandLine.front() == '"') {
    const std::size_t close = commandLine.find('"', 1);
    if (close == std::string_view::npos) return {};
    command.Executable = commandLine.substr(1, close - 1);
    const std::size_t arguments = close + 2;
    if (arguments < commandLine.size()) command.Arguments = commandLine.substr(arguments);
  } else {
    const std::size_t split = commandLine.find(" \"");
    if (split == std::string_view::npos) return {};
    command.Executable = commandLine.substr(0, split);
    command.Arguments = commandLine.substr(split + 1);
  }
  const std::size_t separator = command.Executable.find_last_of("/\\");
  if (separator != std::string::npos) command.Folder = command.Executable.substr(0, separator + 1);
  if (command.Executable.size() > kMaxCommandPart || command.Arguments.size() > kMaxCommandPart ||
      command.Folder.size() > kMaxCommandPart) {
    return {};
  }
  return command;
}

void RunUninstaller() {
  const std::string commandLine =
      ReadRegistryString(TRegistryRoot::HKEY_LOCAL_MACHINE, kUninstallKey, kUninstallValue);
  if (commandLine.empty()) return;
  const TUninstallCommand command = SplitUninstallCommand(commandLine);
  if (command.Executable.empty()) return;
  ShellExecute(command.Executable, command.Arguments, command.Folder);
}

}  // namespace halvena
