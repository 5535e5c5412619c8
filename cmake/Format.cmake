# format: rewrites every C++ source in place; format-check: fails on any
# file that clang-format would change.
find_program(CLANG_FORMAT NAMES clang-format clang-format-14)
if(CLANG_FORMAT)
  file(GLOB_RECURSE PELLUMAR_FORMAT_SOURCES CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/main.cpp
    ${PROJECT_SOURCE_DIR}/text/*.cpp ${PROJECT_SOURCE_DIR}/text/*.h
    ${PROJECT_SOURCE_DIR}/http/*.cpp ${PROJECT_SOURCE_DIR}/http/*.h
    ${PROJECT_SOURCE_DIR}/app/*.cpp ${PROJECT_SOURCE_DIR}/app/*.h
    ${PROJECT_SOURCE_DIR}/detail/*.cpp ${PROJECT_SOURCE_DIR}/detail/*.h
    ${PROJECT_SOURCE_DIR}/sites/*.cpp ${PROJECT_SOURCE_DIR}/sites/*.h
    ${PROJECT_SOURCE_DIR}/fuzz/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.h)
  add_custom_target(format COMMAND ${CLANG_FORMAT} -i ${PELLUMAR_FORMAT_SOURCES} VERBATIM)
  add_custom_target(format-check
    COMMAND ${CLANG_FORMAT} --dry-run --Werror ${PELLUMAR_FORMAT_SOURCES} VERBATIM)
endif()
