// Strict parsing of a request's query string against the parameters a page
// accepts: "name=value" pairs joined by '&', each value percent-encoded UTF-8.
#pragma once

#include <map>
#include <span>
#include <string>
#include <string_view>

enum class QueryStatus {
  ok,
  malformed,          // an empty pair or a pair without '='
  unknownParameter,   // a name the page does not accept
  repeatedParameter,  // a name given twice
  missingParameter,   // a required name not given
  badValue,           // a value that does not decode (see DecodeStatus)
};

const char* to_string(QueryStatus status);

struct QueryField {
  std::string_view name;
  bool required;
};

struct [[nodiscard]] QueryResult {
  QueryStatus status = QueryStatus::ok;
  std::string detail;                         // the parameter at fault and why, for the error page
  std::map<std::string, std::string> values;  // decoded; only when status is ok
};

QueryResult parseQuery(std::string_view query, std::span<const QueryField> fields);
