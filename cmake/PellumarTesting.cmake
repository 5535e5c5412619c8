# One helper per kind of test: each creates the target, links the shared
# main, registers the tests with CTest and sets their environment.

include(GoogleTest)

# add_unit_test(<name> SOURCES <files...> LIBS <targets...>)
function(add_unit_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    PROPERTIES ENVIRONMENT "PELLUMAR_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 60)
endfunction()

# add_gui_test(<name> SOURCES <files...> LIBS <targets...>)
# Runs on Qt's offscreen platform with a QApplication made by the shared GUI
# test main (target pellumar_gui_test_main, defined by app/).
function(add_gui_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_LIBS} pellumar_gui_test_main GTest::gtest)
  gtest_discover_tests(${name}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PELLUMAR_SOURCE_DIR=${PROJECT_SOURCE_DIR}"
    DISCOVERY_TIMEOUT 60
    DISCOVERY_EXTRA_ARGS "-platform;offscreen")
endfunction()

# add_fuzz_target(<name> SOURCES <files...> LIBS <targets...>)
# <files> define LLVMFuzzerTestOneInput. The corpus lives in
# fuzz/corpus/<name>/. Always builds <name>_replay, which runs the target over
# every corpus file as an ordinary test; with PELLUMAR_FUZZ it also builds the
# libFuzzer binary <name>_fuzzer, collected under the target all_fuzzers.
function(add_fuzz_target name)
  cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
  set(corpus ${PROJECT_SOURCE_DIR}/fuzz/corpus/${name})
  if(PELLUMAR_FUZZ)
    add_executable(${name}_fuzzer ${ARG_SOURCES})
    target_link_libraries(${name}_fuzzer PRIVATE ${ARG_LIBS})
    target_link_options(${name}_fuzzer PRIVATE -fsanitize=fuzzer)
    add_dependencies(all_fuzzers ${name}_fuzzer)
    set_property(GLOBAL APPEND PROPERTY PELLUMAR_FUZZERS "${name}")
  else()
    add_executable(${name}_replay ${ARG_SOURCES} ${PROJECT_SOURCE_DIR}/fuzz/replay_main.cpp)
    target_link_libraries(${name}_replay PRIVATE ${ARG_LIBS})
    add_test(NAME fuzz_replay.${name} COMMAND ${name}_replay ${corpus})
  endif()
endfunction()

# add_unit_tests_in_folder(LIBS <targets...>): every *_test.cpp of the
# calling folder becomes a test executable of its own.
function(add_unit_tests_in_folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_test.cpp)
  foreach(source ${sources})
    get_filename_component(stem ${source} NAME_WE)
    add_unit_test(${stem} SOURCES ${source} LIBS ${ARG_LIBS})
  endforeach()
endfunction()

# add_gui_tests_in_folder(LIBS <targets...>): the same for *_guitest.cpp.
function(add_gui_tests_in_folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*_guitest.cpp)
  foreach(source ${sources})
    get_filename_component(stem ${source} NAME_WE)
    add_gui_test(${stem} SOURCES ${source} LIBS ${ARG_LIBS})
  endforeach()
endfunction()

# add_fuzz_targets_in_folder(LIBS <targets...>): every *.cpp of the calling
# folder is one fuzz target named after the file.
function(add_fuzz_targets_in_folder)
  cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
  foreach(source ${sources})
    get_filename_component(stem ${source} NAME_WE)
    add_fuzz_target(${stem} SOURCES ${source} LIBS ${ARG_LIBS})
  endforeach()
endfunction()
