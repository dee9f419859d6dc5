// Starting another program the way the shell's execute operation does, without any shell in
// between: the program runs detached in a working folder with the arguments of a parameter
// string. User-interface thread only.
#pragma once

#include <string_view>

namespace halvena {

// Codes of ShellExecute: above 32 means the program was started.
constexpr int kShellStarted = 42;
constexpr int ERROR_FILE_NOT_FOUND = 2;
constexpr int ERROR_PATH_NOT_FOUND = 3;
constexpr int SE_ERR_ACCESSDENIED = 5;

// Starts the program `file` (blanks around it ignored) with the arguments of `parameters`
// (separated by blanks; double quotes group blanks into one argument and are removed, and ""
// alone is an empty argument) in the
// folder `directory` (empty: the current folder). Answers kShellStarted, or
// ERROR_FILE_NOT_FOUND for a missing program, ERROR_PATH_NOT_FOUND for a missing folder,
// SE_ERR_ACCESSDENIED when the program cannot be started.
int ShellExecute(std::string_view file, std::string_view parameters, std::string_view directory);

}  // namespace halvena
