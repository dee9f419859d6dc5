# Runs first when Halvena is installed: notes which of the shared folders that the installation
# puts files into exist already, so that the uninstall record names only the folders that this
# installation creates.
set(HALVENA_INSTALL_ROOT "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(HALVENA_FOLDERS_BEFORE)
foreach(folder bin lib share share/applications share/icons share/icons/hicolor)
  if(IS_DIRECTORY "${HALVENA_INSTALL_ROOT}/${folder}")
    list(APPEND HALVENA_FOLDERS_BEFORE "${folder}")
  endif()
endforeach()
foreach(size 16 32 48 64)
  foreach(folder share/icons/hicolor/${size}x${size} share/icons/hicolor/${size}x${size}/apps)
    if(IS_DIRECTORY "${HALVENA_INSTALL_ROOT}/${folder}")
      list(APPEND HALVENA_FOLDERS_BEFORE "${folder}")
    endif()
  endforeach()
endforeach()
