# Runs last when Halvena is installed: writes the launcher, the desktop entry, the uninstall
# record that the program reads for its "uninstall" command, and the list of everything this
# installation put in place, which the uninstall script removes again.
cmake_policy(PUSH)
cmake_policy(SET CMP0057 NEW)
set(program_folder "${CMAKE_INSTALL_PREFIX}/lib/halvena")
set(root "${HALVENA_INSTALL_ROOT}")

set(launcher "${root}/bin/halvena")
file(WRITE "${launcher}" "#!/bin/sh\n# Starts Halvena from its program folder.\nexec \"${program_folder}/halvena\" \"$@\"\n")
file(CHMOD "${launcher}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
     GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)

set(desktop "${root}/share/applications/halvena.desktop")
file(WRITE "${desktop}" "[Desktop Entry]
Type=Application
Name=Halvena
GenericName=Medisch woordenboek
Comment=Medisch woordenboek met inhoudsopgave, trefwoorden en anatomisch model
Exec=${CMAKE_INSTALL_PREFIX}/bin/halvena
Icon=halvena
Terminal=false
Categories=Education;Science;MedicalSoftware;
StartupWMClass=Halvena
")

set(manifest_path "${program_folder}/uninstall.manifest")
set(record "${root}/lib/halvena/uninstall.ini")
file(WRITE "${record}" "; The installation of Halvena, read by \"halvena uninstall\".
[Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Halvena]
DisplayName=Halvena 2.0 release 3
UninstallString=\"${program_folder}/halvena-uninstall\" \"${manifest_path}\"
")

# Files as they will be on the machine (without a staging DESTDIR).
set(files)
foreach(file IN LISTS CMAKE_INSTALL_MANIFEST_FILES ITEMS "${launcher}" "${desktop}" "${record}")
  if(NOT "$ENV{DESTDIR}" STREQUAL "" AND file MATCHES "^$ENV{DESTDIR}")
    string(LENGTH "$ENV{DESTDIR}" length)
    string(SUBSTRING "${file}" ${length} -1 file)
  endif()
  list(APPEND files "${file}")
endforeach()
list(APPEND files "${manifest_path}")
list(REMOVE_DUPLICATES files)

# Folders: everything in the program folder is Halvena's; a shared folder only when this
# installation created it. Deepest first, so that each is empty when its turn comes.
set(folders)
foreach(file IN LISTS files)
  get_filename_component(folder "${file}" DIRECTORY)
  while(folder MATCHES "^${CMAKE_INSTALL_PREFIX}/" AND NOT folder STREQUAL CMAKE_INSTALL_PREFIX)
    file(RELATIVE_PATH relative "${CMAKE_INSTALL_PREFIX}" "${folder}")
    if(relative MATCHES "^lib/halvena(/|$)" OR NOT relative IN_LIST HALVENA_FOLDERS_BEFORE)
      list(APPEND folders "${folder}")
    endif()
    get_filename_component(folder "${folder}" DIRECTORY)
  endwhile()
endforeach()
list(REMOVE_DUPLICATES folders)
set(ordered)
foreach(folder IN LISTS folders)
  string(REGEX REPLACE "[^/]" "" slashes "${folder}")
  string(LENGTH "${slashes}" depth)
  math(EXPR key "1000 - ${depth}")
  list(APPEND ordered "${key} ${folder}")
endforeach()
list(SORT ordered)

set(text "# Installed by Halvena: f is a file, d a folder created for it. Read by halvena-uninstall.\n")
foreach(file IN LISTS files)
  string(APPEND text "f ${file}\n")
endforeach()
foreach(entry IN LISTS ordered)
  string(REGEX REPLACE "^[0-9]+ " "" folder "${entry}")
  string(APPEND text "d ${folder}\n")
endforeach()
file(WRITE "$ENV{DESTDIR}${manifest_path}" "${text}")
message(STATUS "Uninstall record: ${record}")
cmake_policy(POP)
