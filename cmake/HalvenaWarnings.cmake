# Compiler warnings for the code we write: -Wall -Wextra always, -Werror when HALVENA_WERROR is on
# (CI turns it on). The flags live on one interface target, halvena_warnings, that every target
# of the project links at the end of configuration, so a new target needs no line of its own.
# Generated sources (moc's and rcc's output) are compiled with warnings off: they are not ours
# to mend, and a newer compiler must not fail the build on them.
option(HALVENA_WERROR "Treat compiler warnings in our own code as errors" OFF)

add_library(halvena_warnings INTERFACE)
target_compile_options(halvena_warnings INTERFACE
  -Wall -Wextra $<$<BOOL:${HALVENA_WERROR}>:-Werror>)
# GCC 12 warns of overlapping copies inside libstdc++'s `"text" + std::string(...)` once it
# inlines them (-O3, GCC bug 105651, mended in GCC 13); there is no overlap, and every such
# concatenation in the tree would fail a Release build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(halvena_warnings INTERFACE -Wno-restrict)
endif()

# Every build-system target defined in `dir` and the folders below it.
function(_halvena_targets_below dir out)
  get_property(targets DIRECTORY ${dir} PROPERTY BUILDSYSTEM_TARGETS)
  get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
  foreach(subdir IN LISTS subdirs)
    _halvena_targets_below(${subdir} below)
    list(APPEND targets ${below})
  endforeach()
  set(${out} ${targets} PARENT_SCOPE)
endfunction()

function(_halvena_apply_warnings)
  _halvena_targets_below(${PROJECT_SOURCE_DIR} targets)
  foreach(target IN LISTS targets)
    get_target_property(type ${target} TYPE)
    if(NOT type MATCHES "^(EXECUTABLE|STATIC_LIBRARY|SHARED_LIBRARY|MODULE_LIBRARY|OBJECT_LIBRARY)$")
      continue()
    endif()
    target_link_libraries(${target} PRIVATE halvena_warnings)

    # AUTOMOC compiles its output in one file that it adds at generation time; rcc's output and
    # anything else a custom command writes is marked GENERATED.
    get_target_property(autogen_dir ${target} AUTOGEN_BUILD_DIR)
    if(NOT autogen_dir)
      get_target_property(binary_dir ${target} BINARY_DIR)
      set(autogen_dir ${binary_dir}/${target}_autogen)
    endif()
    set(generated ${autogen_dir}/mocs_compilation.cpp)
    get_target_property(source_dir ${target} SOURCE_DIR)
    get_target_property(sources ${target} SOURCES)
    foreach(source IN LISTS sources)
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${source_dir})
      get_source_file_property(is_generated ${source} TARGET_DIRECTORY ${target} GENERATED)
      if(is_generated)
        list(APPEND generated ${source})
      endif()
    endforeach()
    set_source_files_properties(${generated} TARGET_DIRECTORY ${target}
      PROPERTIES COMPILE_OPTIONS -w)
  endforeach()
endfunction()

cmake_language(DEFER DIRECTORY ${PROJECT_SOURCE_DIR} CALL _halvena_apply_warnings)
