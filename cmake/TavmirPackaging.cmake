# Installation and the Debian package.
#
# Installed layout (prefix /usr in the package):
#   bin/tavmir                              the program
#   share/tavmir/{mset.dat,template.dat}    the catalogue, found from bin/ as ../share/tavmir
#   share/applications/tavmir.desktop       the desktop entry, the icon and the AppStream file
#   share/man/man1/tavmir.1.gz              the manual page
#   share/bash-completion/completions/tavmir  completion of the options and settings files
#   share/doc/tavmir/                       copyright, changelog, README, the sample file
if(WIN32)
  include(${CMAKE_CURRENT_LIST_DIR}/TavmirPackagingWindows.cmake)
  return()
endif()
include(GNUInstallDirs)

set(TAVMIR_PKG_DIR ${CMAKE_BINARY_DIR}/packaging)
file(MAKE_DIRECTORY ${TAVMIR_PKG_DIR})

# Files that carry the version are filled in from the project's version.
configure_file(packaging/org.tavmir.Tavmir.metainfo.xml ${TAVMIR_PKG_DIR}/org.tavmir.Tavmir.metainfo.xml @ONLY)
configure_file(packaging/tavmir.1 ${TAVMIR_PKG_DIR}/tavmir.1 @ONLY)
configure_file(packaging/changelog ${TAVMIR_PKG_DIR}/changelog @ONLY)

# Debian wants manual pages and changelogs compressed the same way every time (-n: no name,
# no time stamp), so that two builds give the same package.
find_program(TAVMIR_GZIP gzip)
if(TAVMIR_GZIP)
  add_custom_command(
    OUTPUT ${TAVMIR_PKG_DIR}/tavmir.1.gz ${TAVMIR_PKG_DIR}/changelog.gz
    COMMAND ${TAVMIR_GZIP} -9nkf ${TAVMIR_PKG_DIR}/tavmir.1 ${TAVMIR_PKG_DIR}/changelog
    DEPENDS ${TAVMIR_PKG_DIR}/tavmir.1 ${TAVMIR_PKG_DIR}/changelog
    COMMENT "Compressing the manual page and the changelog"
    VERBATIM)
  add_custom_target(tavmir_package_docs ALL
    DEPENDS ${TAVMIR_PKG_DIR}/tavmir.1.gz ${TAVMIR_PKG_DIR}/changelog.gz)
  set(TAVMIR_MAN_PAGE ${TAVMIR_PKG_DIR}/tavmir.1.gz)
  set(TAVMIR_CHANGELOG ${TAVMIR_PKG_DIR}/changelog.gz)
else()
  set(TAVMIR_MAN_PAGE ${TAVMIR_PKG_DIR}/tavmir.1)
  set(TAVMIR_CHANGELOG ${TAVMIR_PKG_DIR}/changelog)
endif()

install(TARGETS tavmir RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${TAVMIR_BIN_DIR}/mset.dat ${TAVMIR_BIN_DIR}/template.dat
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tavmir)
install(FILES packaging/tavmir.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES src/gui/resources/tavmir.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TAVMIR_PKG_DIR}/org.tavmir.Tavmir.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
install(FILES ${TAVMIR_MAN_PAGE} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(FILES packaging/tavmir.bash-completion
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME tavmir)
install(FILES packaging/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES ${TAVMIR_CHANGELOG} DESTINATION ${CMAKE_INSTALL_DOCDIR})
install(FILES samples/arena.cfg DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

# The Debian package: cpack --config build/CPackConfig.cmake (scripts/test-package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tavmir)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tavmir developers")
set(CPACK_PACKAGE_CONTACT "The Tavmir developers <developers@tavmir.org>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_GENERATE_SHLIBS OFF)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "editor and validator for Subspace server settings files")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
"Tavmir edits and validates the arena settings files (.cfg and .set) of the
Subspace game server subgame 1.34.14. It knows the server's 961 settings with
their defaults, limits and help texts, shows them on twelve pages (three
general pages, one page per ship and a computed average ship), edits one
setting for all ships, copies and swaps settings between ships, and moves
settings through the clipboard.

It also validates and compares whole folders of settings files, repairs the
server's template.sss, and validates or compares files from a terminal or a
script without a display.")
include(CPack)
