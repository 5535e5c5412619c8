#include "sites/query_string.h"

#include <algorithm>

#include "sites/percent_decode.h"

namespace {

QueryResult failure(QueryStatus status, std::string detail) {
  return {status, std::move(detail), {}};
}

// Parameter names are echoed on error pages: keep only harmless characters.
std::string printableName(std::string_view name) {
  std::string shown;
  for (char c : name.substr(0, 40))
    shown.push_back((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                            c == '_'
                        ? c
                        : '?');
  return shown;
}

}  // namespace

const char* to_string(QueryStatus status) {
  switch (status) {
    case QueryStatus::ok:
      return "ok";
    case QueryStatus::malformed:
      return "malformed query";
    case QueryStatus::unknownParameter:
      return "unknown parameter";
    case QueryStatus::repeatedParameter:
      return "repeated parameter";
    case QueryStatus::missingParameter:
      return "missing parameter";
    case QueryStatus::badValue:
      return "bad parameter value";
  }
  return "unknown";
}

QueryResult parseQuery(std::string_view query, std::span<const QueryField> fields) {
  QueryResult result;
  // Split on every '&', so that "a=&" or "&&" shows up as an empty pair.
  std::size_t begin = 0;
  while (!query.empty() && begin <= query.size()) {
    const std::size_t end = std::min(query.find('&', begin), query.size());
    const std::string_view pair = query.substr(begin, end - begin);
    begin = end + 1;
    const std::size_t equals = pair.find('=');
    if (pair.empty() || equals == std::string_view::npos)
      return failure(QueryStatus::malformed, "");
    const std::string_view name = pair.substr(0, equals);
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [&](const QueryField& f) { return f.name == name; });
    if (field == fields.end()) return failure(QueryStatus::unknownParameter, printableName(name));
    if (result.values.contains(std::string(name)))
      return failure(QueryStatus::repeatedParameter, std::string(name));
    DecodeResult decoded = percentDecodeUtf8(pair.substr(equals + 1));
    if (decoded.status != DecodeStatus::ok)
      return failure(QueryStatus::badValue, std::string(name) + ": " + to_string(decoded.status));
    result.values.emplace(name, std::move(decoded.value));
  }
  for (const QueryField& field : fields)
    if (field.required && !result.values.contains(std::string(field.name)))
      return failure(QueryStatus::missingParameter, std::string(field.name));
  return result;
}
