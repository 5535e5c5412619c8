# cmake -DOUTPUT=<file.cpp> -DINPUTS=<path;path...> -P embed_files.cmake
# Writes a C++ source that holds the bytes of every input, named by its file
# name, behind the interface of sites/embedded_files.h.
set(arrays "")
set(entries "")
set(index 0)
foreach(input ${INPUTS})
  get_filename_component(name ${input} NAME)
  file(READ ${input} hex HEX)
  string(LENGTH "${hex}" hex_length)
  math(EXPR size "${hex_length} / 2")
  # Every byte as an escape inside one string literal: compiles far faster
  # than an initialiser list, and a following escape ends the previous one.
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "\\\\x\\1" bytes "${hex}")
  string(APPEND arrays "const char file${index}[] = \"${bytes}\";\n")
  string(APPEND entries "    {\"${name}\", {file${index}, ${size}}},\n")
  math(EXPR index "${index} + 1")
endforeach()
file(WRITE ${OUTPUT}.tmp
"// Generated from the seed data and avatar pictures; do not edit.
#include \"sites/embedded_files.h\"

namespace {
${arrays}
const EmbeddedFile files[] = {
${entries}};
}  // namespace

std::span<const EmbeddedFile> embeddedFiles() { return files; }
")
file(COPY_FILE ${OUTPUT}.tmp ${OUTPUT} ONLY_IF_DIFFERENT)
file(REMOVE ${OUTPUT}.tmp)
