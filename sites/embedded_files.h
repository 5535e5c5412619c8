// Files built into the server: the database schema, the seed data and the
// avatar pictures. Building them in means the server reads no data file at
// run time and can serve nothing but these bytes.
#pragma once

#include <span>
#include <string_view>

struct EmbeddedFile {
  std::string_view name;  // file name without folder, e.g. "a01.png"
  std::string_view bytes;
};

std::span<const EmbeddedFile> embeddedFiles();
