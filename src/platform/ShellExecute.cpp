#include "platform/ShellExecute.h"

#include <QFileInfo>
#include <QProcess>
#include <QString>

namespace halvena {
namespace {

// The arguments of a parameter string: blanks outside double quotes separate them, double quotes
// group and are dropped, and a pair of quotes alone is an empty argument.
QStringList SplitParameters(const QString& parameters) {
  QStringList arguments;
  QString current;
  bool inArgument = false;
  bool quoted = false;
  for (const QChar c : parameters) {
    if (c == QLatin1Char('"')) {
      quoted = !quoted;
      inArgument = true;
    } else if ((c == QLatin1Char(' ') || c == QLatin1Char('\t')) && !quoted) {
      if (inArgument) arguments.append(current);
      current.clear();
      inArgument = false;
    } else {
      current.append(c);
      inArgument = true;
    }
  }
  if (inArgument) arguments.append(current);
  return arguments;
}

}  // namespace

int ShellExecute(std::string_view file, std::string_view parameters, std::string_view directory) {
  const QString program =
      QString::fromLocal8Bit(file.data(), static_cast<qsizetype>(file.size())).trimmed();
  const QString folder =
      QString::fromLocal8Bit(directory.data(), static_cast<qsizetype>(directory.size()));
  if (program.isEmpty() || !QFileInfo(program).isFile()) return ERROR_FILE_NOT_FOUND;
  if (!folder.isEmpty() && !QFileInfo(folder).isDir()) return ERROR_PATH_NOT_FOUND;
  const QStringList arguments = SplitParameters(
      QString::fromLocal8Bit(parameters.data(), static_cast<qsizetype>(parameters.size())));
  return QProcess::startDetached(program, arguments, folder) ? kShellStarted : SE_ERR_ACCESSDENIED;
}

}  // namespace halvena
