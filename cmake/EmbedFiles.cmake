# resource_script_files(<script> <out_var> [<folder>])
# Sets out_var to the files that the script's BITMAP, ICON and CURSOR statements name, as full
# paths in folder (beside the script when no folder is given). Fails the configuration when one
# is missing; a change of the script configures again.
function(resource_script_files script out_var)
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${script}")
  file(STRINGS "${script}" lines REGEX "^[ \t]*[A-Za-z0-9_]+[ \t]+(BITMAP|ICON|CURSOR)[ \t]")
  if(ARGC GREATER 2)
    set(folder "${ARGV2}")
  else()
    get_filename_component(folder "${script}" DIRECTORY)
  endif()
  set(files "")
  foreach(line IN LISTS lines)
    if(line MATCHES "\"([^\"]+)\"")
      string(REPLACE "\\\\" "/" name "${CMAKE_MATCH_1}")
      if(NOT EXISTS "${folder}/${name}")
        message(FATAL_ERROR "${script} names ${name}, which does not exist")
      endif()
      list(APPEND files "${folder}/${name}")
    endif()
  endforeach()
  list(REMOVE_DUPLICATES files)
  set(${out_var} ${files} PARENT_SCOPE)
endfunction()

# embed_files(<output.cpp> FUNCTION <name> BASE_DIR <dir> FILES <file>...)
# Generates at build time a C++ source defining
#   extern "C" const ResourceBundleData* <name>();
# which hands out every listed file, named by its path relative to BASE_DIR; a file outside
# BASE_DIR is named by its file name alone.
function(embed_files output)
  cmake_parse_arguments(EMBED "" "FUNCTION;BASE_DIR" "FILES" ${ARGN})
  set(list_file "${output}.files")
  set(names "")
  foreach(f IN LISTS EMBED_FILES)
    file(RELATIVE_PATH rel "${EMBED_BASE_DIR}" "${f}")
    if(rel MATCHES "^\\.\\./")
      get_filename_component(rel "${f}" NAME)
    endif()
    list(APPEND names "${rel}|${f}")
  endforeach()
  string(REPLACE ";" "\n" names_text "${names}")
  file(GENERATE OUTPUT "${list_file}" CONTENT "${names_text}\n")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${output} -DFUNCTION=${EMBED_FUNCTION}
            -DLIST_FILE=${list_file}
            -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFilesScript.cmake
    DEPENDS ${EMBED_FILES} "${list_file}" ${CMAKE_SOURCE_DIR}/cmake/EmbedFilesScript.cmake
    COMMENT "Embedding resources into ${output}"
    VERBATIM)
endfunction()
