# One INTERFACE target carries the compiler flags every project target uses. Warnings are
# errors only on request (the test script and CI), so a newer compiler's new warning never
# breaks an ordinary build.
option(TAVMIR_WERROR "Treat compiler warnings as errors" OFF)

add_library(tavmir_flags INTERFACE)
target_compile_features(tavmir_flags INTERFACE cxx_std_20)
target_compile_options(tavmir_flags INTERFACE
  -Wall -Wextra -Wpedantic -Wold-style-cast -Woverloaded-virtual -Wnon-virtual-dtor)
if(TAVMIR_WERROR)
  target_compile_options(tavmir_flags INTERFACE -Werror)
endif()
if(TAVMIR_SANITIZE)
  target_compile_options(tavmir_flags INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(tavmir_flags INTERFACE -fsanitize=address,undefined)
endif()
if(TAVMIR_BUILD_FUZZ)
  target_compile_options(tavmir_flags INTERFACE -fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer)
  target_link_options(tavmir_flags INTERFACE -fsanitize=address,undefined)
endif()
