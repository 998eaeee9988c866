# The windows' speed and memory, headless (offscreen with a 1920 x 1080 screen) unless
# QT_QPA_PLATFORM says otherwise:
#   editor_bench  opening a complete file into a new editor, switching pages
#   gui_bench     start-up, opening through the main window, page switches, eight open editors
if(TAVMIR_BUILD_GUI)
  foreach(name editor_bench gui_bench)
    add_executable(${name} ${CMAKE_CURRENT_SOURCE_DIR}/${name}.cpp)
    target_link_libraries(${name} PRIVATE tavmir_gui benchmark::benchmark)
    target_include_directories(${name} PRIVATE ${CMAKE_SOURCE_DIR}/tests)
    target_compile_definitions(${name} PRIVATE TAVMIR_BIN_DIR="${TAVMIR_BIN_DIR}")
    add_dependencies(${name} tavmir_catalogue_data)
  endforeach()
endif()
