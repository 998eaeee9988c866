# What a cross build (the windows preset) takes from the build machine: the header-only
# libraries (nlohmann/json, tl::expected) are Debian's own, seen through a folder of links so
# that the target's compiler never sees the rest of the build machine's /usr/include, and
# GoogleTest is built from Debian's googletest sources with the target's compiler.
set(TAVMIR_HOST_HEADERS ${CMAKE_BINARY_DIR}/host-headers)
file(MAKE_DIRECTORY ${TAVMIR_HOST_HEADERS})
foreach(dir nlohmann tl)
  if(NOT EXISTS /usr/include/${dir})
    message(FATAL_ERROR "/usr/include/${dir} is missing (scripts/setup.sh installs it)")
  endif()
  file(CREATE_LINK /usr/include/${dir} ${TAVMIR_HOST_HEADERS}/${dir} SYMBOLIC)
endforeach()
target_include_directories(tavmir_flags SYSTEM INTERFACE ${TAVMIR_HOST_HEADERS})
add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)

# Every Windows program carries the manifest (UTF-8 as its code page, long paths).
if(WIN32)
  enable_language(RC)
  set(TAVMIR_MANIFEST_RC ${CMAKE_BINARY_DIR}/generated/tavmir-manifest.rc)
  file(WRITE ${TAVMIR_MANIFEST_RC}
    "// 1: the process's manifest (CREATE_PROCESS_MANIFEST_RESOURCE_ID); 24: RT_MANIFEST.\n1 24 \"${CMAKE_SOURCE_DIR}/packaging/windows/tavmir.manifest\"\n")
  target_sources(tavmir_flags INTERFACE
    $<$<STREQUAL:$<TARGET_PROPERTY:TYPE>,EXECUTABLE>:${TAVMIR_MANIFEST_RC}>)
endif()
