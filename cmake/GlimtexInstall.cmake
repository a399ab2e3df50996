# cmake --install build --prefix PREFIX puts the programs into PREFIX/bin and the
# bundled Default, Include/ and Macro/ into PREFIX/share/glimtex, from where each
# user's own program folder is filled on first use (desktop/ adds the menu entry
# and the icons). cpack -G DEB in the build folder makes a Debian package of it.
set(GLIMTEX_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/glimtex)

install(TARGETS glimtex-render RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET glimtex)
  install(TARGETS glimtex RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES ${CMAKE_SOURCE_DIR}/data/Default DESTINATION ${GLIMTEX_SHARE_DIR})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/data/Include ${CMAKE_SOURCE_DIR}/data/Macro
  DESTINATION ${GLIMTEX_SHARE_DIR}
  PATTERN .gitkeep EXCLUDE)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME glimtex)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR Glimtex)
set(CPACK_PACKAGE_CONTACT "Glimtex developers <glimtex@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Decorates a line of text and writes its HTML")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION web)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(TARGET glimtex)
  # The windows need a platform plugin and a font with Japanese characters, which
  # the libraries' own dependencies do not bring.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-cjk")
endif()
set(CPACK_STRIP_FILES ON)
include(CPack)
