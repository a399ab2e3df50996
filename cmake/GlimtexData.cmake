# Copies data/ (Default, Include/, Macro/) beside the executables on every build,
# so the programs in the build tree find their start-up macro.
add_custom_target(glimtex_data ALL
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  COMMAND ${CMAKE_COMMAND} -E copy_directory ${CMAKE_SOURCE_DIR}/data ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}
  COMMENT "Copying Default, Include/ and Macro/ beside the executables")
