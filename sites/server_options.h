// The command line of pellumar-sites.
#pragma once

#include <string>

struct ServerOptions {
  std::string bind = "127.0.0.1";
  int statsPort = 18360;  // 0: any free port
  int scorePort = 18361;
  std::string dbPath;  // empty: a database in memory
};

enum class OptionsStatus { run, help, error };

struct [[nodiscard]] OptionsResult {
  OptionsStatus status = OptionsStatus::run;
  ServerOptions options;
  std::string message;  // what was wrong, for OptionsStatus::error
};

OptionsResult parseServerOptions(int argc, const char* const* argv);
std::string usageText();
