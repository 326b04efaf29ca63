# Helpers for the sources, which every CMake file lists by hand.

# vocset_sources_of(<variable> <library>...): the sources the libraries list, as full paths, for a
# build that compiles them again with other options.
function(vocset_sources_of variable)
  set(sources)
  foreach(library IN LISTS ARGN)
    get_target_property(library_sources ${library} SOURCES)
    get_target_property(library_folder ${library} SOURCE_DIR)
    foreach(source IN LISTS library_sources)
      cmake_path(ABSOLUTE_PATH source BASE_DIRECTORY ${library_folder} NORMALIZE)
      list(APPEND sources ${source})
    endforeach()
  endforeach()
  set(${variable} ${sources} PARENT_SCOPE)
endfunction()

# vocset_require_listed(FOLDERS <folder>... TARGETS <target>...): stops the configure step at a .cpp
# file of the folders (below this CMake file's folder) that none of the targets lists; such a file
# would never be built, and the tests in it never run.
function(vocset_require_listed)
  cmake_parse_arguments(PARSE_ARGV 0 arg "" "" "FOLDERS;TARGETS")
  vocset_sources_of(listed ${arg_TARGETS})
  foreach(folder IN LISTS arg_FOLDERS)
    file(GLOB present ${CMAKE_CURRENT_SOURCE_DIR}/${folder}/*.cpp)
    foreach(file IN LISTS present)
      cmake_path(NORMAL_PATH file)
      if(NOT file IN_LIST listed)
        message(FATAL_ERROR "${file} is in no source list: add it to ${CMAKE_CURRENT_LIST_FILE}")
      endif()
    endforeach()
  endforeach()
endfunction()
