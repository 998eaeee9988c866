# The Windows build's zip (cpack --config build-windows/CPackConfig.cmake):
# tavmir-VERSION-windows-x86_64.zip, one folder holding tavmir.exe with its catalogue beside it
# (the portable layout: the preferences stay in that folder while it can be written, else in
# %APPDATA%\Tavmir), the README and the licence texts.
install(TARGETS tavmir RUNTIME DESTINATION .)
install(FILES ${TAVMIR_BIN_DIR}/mset.dat ${TAVMIR_BIN_DIR}/template.dat DESTINATION .)
install(FILES README.md docs/windows.md DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
install(FILES packaging/copyright DESTINATION . RENAME COPYRIGHT.txt)
install(FILES samples/arena.cfg DESTINATION examples)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME tavmir)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tavmir developers")
set(CPACK_PACKAGE_FILE_NAME tavmir-${PROJECT_VERSION}-windows-x86_64)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
set(CPACK_STRIP_FILES ON)
include(CPack)
