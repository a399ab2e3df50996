# The source lists are globbed. When a glob brings a new file into an existing build
# folder, automoc does not look at it again by itself, and a new Q_OBJECT header then
# fails to link. Remembering each target's list and dropping automoc's timestamp
# when the list changes makes the next build scan every file anew.
function(glimtex_refresh_automoc target)
  string(JOIN "\n" listed ${ARGN})
  set(list_file ${CMAKE_CURRENT_BINARY_DIR}/${target}_sources.txt)
  set(previous "")
  if(EXISTS ${list_file})
    file(READ ${list_file} previous)
  endif()
  if(NOT previous STREQUAL listed)
    file(WRITE ${list_file} "${listed}")
    file(REMOVE ${CMAKE_CURRENT_BINARY_DIR}/${target}_autogen/timestamp)
  endif()
endfunction()
