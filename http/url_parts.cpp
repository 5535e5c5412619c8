#include "http/url_parts.h"

#include "text/markers.h"
#include "text/text_ops.h"

namespace {

bool startsWithHttps(const Text& url) {
  return Text_ToLower(Text_Left(url, 5)) == Text("https");
}

}  // namespace

Text Url_Host(const Text& url, bool lastTwoLabels, bool keepPort) {
  Text v = Text_ToLower(url);
  if (Text_Right(v, 1) != Text("/")) v = Text_Concat(v, Text("/"));
  Text prefix("https://");
  if (Text_Left(v, 8) != prefix) {
    prefix = Text("http://");
    if (Text_Find(v, prefix) == -1) v = Text_Concat(prefix, v);
  }
  v = Text_Between(v, prefix, Text("/"));
  if (lastTwoLabels) {
    TextArray labels = Text_Split(v, Text("."));
    std::int64_t n = TextArray_Count(labels);
    if (n >= 2) v = Text_Concat(TextArray_At(labels, n - 1), Text("."), TextArray_At(labels, n));
  }
  if (keepPort) return v;
  std::int64_t colon = Text_Find(v, Text(":"));
  return colon == -1 ? v : Text_Left(v, colon - 1);
}

int Url_Port(const Text& url) {
  Text authority = Url_Host(url, false, true);
  std::int64_t colon = Text_FindLast(authority, Text(":"));
  if (colon == -1) return startsWithHttps(url) ? 443 : 80;
  return Text_ToInt(Text_Mid(authority, colon + 1, Text_Length(authority) - colon));
}

Text Url_Path(const Text& url) {
  std::int64_t a = Text_Find(url, Url_Host(url), 1, true);
  std::int64_t b = Text_Find(url, Text("/"), a);
  if (b == -1) return Text("/");
  return Text_Mid(url, b, Text_Length(url) - b + 1);
}

Text Http_HeaderValue(const Text& line) {
  std::int64_t colon = Text_Find(line, Text(":"));
  if (colon == -1) return Text();
  return Text_Trim(Text_Mid(line, colon + 1, Text_Length(line) - colon));
}
