#include "sites/server_options.h"

#include <algorithm>
#include <string_view>

namespace {

bool parsePort(std::string_view text, int& port) {
  if (text.empty() || text.size() > 5 ||
      !std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }))
    return false;
  const int value = std::stoi(std::string(text));
  if (value > 65535) return false;
  port = value;
  return true;
}

}  // namespace

std::string usageText() {
  return "Usage: pellumar-sites [--stats-port N] [--score-port N] [--bind ADDR] [--db PATH]\n"
         "Serves the statistics site and the hidden-score site.\n"
         "  --stats-port N  port of the statistics site (default 18360; 0 picks a free port)\n"
         "  --score-port N  port of the hidden-score site (default 18361; 0 picks a free port)\n"
         "  --bind ADDR     address to listen on (default 127.0.0.1)\n"
         "  --db PATH       SQLite database file, seeded when new (default: in memory)\n"
         "  --help          show this text\n"
         "Once both sites listen, one line gives the ports:\n"
         "  pellumar-sites listening: stats port N, score port M\n";
}

OptionsResult parseServerOptions(int argc, const char* const* argv) {
  OptionsResult result;
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    if (flag == "--help" || flag == "-h") return {OptionsStatus::help, {}, {}};
    if (flag != "--stats-port" && flag != "--score-port" && flag != "--bind" && flag != "--db")
      return {OptionsStatus::error, {}, "unknown option: " + std::string(flag)};
    if (i + 1 >= argc) return {OptionsStatus::error, {}, std::string(flag) + " needs a value"};
    const std::string_view value = argv[++i];
    if (flag == "--stats-port" || flag == "--score-port") {
      int& port = flag == "--stats-port" ? result.options.statsPort : result.options.scorePort;
      if (!parsePort(value, port))
        return {OptionsStatus::error, {}, "bad port for " + std::string(flag)};
    } else if (flag == "--bind") {
      if (value.empty()) return {OptionsStatus::error, {}, "--bind needs an address"};
      result.options.bind = value;
    } else {
      if (value.empty()) return {OptionsStatus::error, {}, "--db needs a path"};
      result.options.dbPath = value;
    }
  }
  if (result.options.statsPort != 0 && result.options.statsPort == result.options.scorePort)
    return {OptionsStatus::error, {}, "the two sites need different ports"};
  return result;
}
