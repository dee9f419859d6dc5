// The program folder and the resolver for the program's Windows-style relative data paths.
// User-interface thread only.
#pragma once

#include <string>
#include <string_view>

namespace halvena {

// The folder of the running executable, or the folder set by SetProgramFolder (tests).
std::string ProgramFolder();
// Tests point the program folder elsewhere; an empty folder returns to the executable's.
void SetProgramFolder(const std::string& folder);

// The file on disk that a relative path such as "I\B\bk6x4" or "d\qf.dat" names under the
// program folder: backslashes (and slashes) separate components, and each component matches
// a directory entry exactly or else with ASCII letter case ignored. When nothing matches, the
// plainly joined path (which does not exist) is answered. Every file access of the program
// goes through here.
std::string ResolveProgramPath(std::string_view windowsPath);

}  // namespace halvena
