#include "app/Uninstall.h"

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <filesystem>

#include "base/ProgramFolder.h"
#include "platform/Registry.h"

namespace halvena {
namespace {

namespace fs = std::filesystem;

// The last non-empty line of a process's error output, without the script's name before it.
std::string LastLine(const QByteArray& output) {
  const QList<QByteArray> lines = output.trimmed().split('\n');
  QByteArray line = lines.isEmpty() ? QByteArray() : lines.back().trimmed();
  const QByteArray prefix = QByteArray(kUninstallScript.data(), kUninstallScript.size()) + ": ";
  if (line.startsWith(prefix)) line = line.mid(prefix.size());
  return line.toStdString();
}

}  // namespace

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

TUninstallOutcome RunUninstaller() {
  const std::string commandLine =
      ReadRegistryString(TRegistryRoot::HKEY_LOCAL_MACHINE, kUninstallKey, kUninstallValue);
  if (commandLine.empty()) {
    return {false, "there is no uninstall record beside the program in " + ProgramFolder() +
                       ": Halvena was not installed with \"cmake --install\"; a package is "
                       "removed with the package manager"};
  }
  const fs::path script = fs::path(ProgramFolder()) / kUninstallScript;
  std::error_code error;
  if (!fs::is_regular_file(script, error)) {
    return {false, "the uninstall script " + script.string() + " is missing; nothing was removed"};
  }
  const TUninstallCommand command = SplitUninstallCommand(commandLine);
  if (command.Executable.empty() || !fs::equivalent(command.Executable, script, error)) {
    return {false, "the uninstall record names " +
                       (command.Executable.empty() ? commandLine : command.Executable) +
                       " instead of " + script.string() + "; nothing was run"};
  }

  QProcess process;
  process.setProgram(QString::fromStdString(script.string()));
  process.setWorkingDirectory(QStringLiteral("/"));
  process.setProcessChannelMode(QProcess::ForwardedOutputChannel);
  process.start();
  if (!process.waitForStarted(-1)) {
    return {false, "the uninstall script " + script.string() + " could not be started: " +
                       process.errorString().toStdString() + "; nothing was removed"};
  }
  process.waitForFinished(-1);
  if (process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) return {true, {}};
  const std::string reason = LastLine(process.readAllStandardError());
  if (process.exitStatus() != QProcess::NormalExit) {
    return {false, "the uninstall script ended abnormally; the installation may be partly removed"};
  }
  return {false, reason.empty() ? "the uninstall script failed without saying why" : reason};
}

}  // namespace halvena
