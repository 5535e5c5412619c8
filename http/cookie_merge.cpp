#include "http/cookie_merge.h"

#include "text/text_ops.h"

namespace {

bool isDeleted(const Text& pair) {
  return Text_Right(pair, 8) == Text("=deleted");
}

// Text_Left of all but the last n bytes; an empty text stays empty.
Text withoutLast(const Text& t, std::int64_t n) {
  return Text_Left(t, Text_Length(t) - n);
}

}  // namespace

Text Cookie_Merge(Text& cookies, Text& receivedCookies) {
  cookies = Text_RemoveSpaces(cookies);
  receivedCookies = Text_RemoveSpaces(receivedCookies);
  const Text separator(";");
  const TextArray oldPairs = Text_Split(cookies, separator);
  TextArray pairs = Text_Split(receivedCookies, separator);
  for (const Text& pair : oldPairs.items())
    if (!Cookie_HasName(pairs, Cookie_Name(pair))) TextArray_Append(pairs, pair);

  std::string joined;
  for (const Text& pair : pairs.items())
    if (!isDeleted(pair)) joined.append(pair.bytes()).append("; ");
  cookies = withoutLast(Text(std::move(joined)), 2);
  cookies = Text_DedupeJoin(cookies, Text("; "));
  return cookies;
}

Text Cookie_Name(const Text& pair) {
  std::int64_t equals = Text_Find(pair, Text("="));
  return Text_Trim(equals == -1 ? pair : Text_Left(pair, equals - 1));
}

bool Cookie_HasName(const TextArray& pairs, const Text& name) {
  for (const Text& pair : pairs.items())
    if (Text_Compare(Cookie_Name(pair), name) == 0) return true;
  return false;
}

Text Text_DedupeJoin(const Text& text, const Text& separator) {
  TextArray seen;
  const TextArray items = Text_Split(text, separator);
  std::string joined;
  for (const Text& item : items.items()) {
    if (TextArray_IndexOf(seen, item) != -1) continue;
    TextArray_Append(seen, item);
    joined.append(item.bytes()).append(separator.bytes());
  }
  return withoutLast(Text(std::move(joined)), Text_Length(separator));
}

std::int64_t TextArray_IndexOf(const TextArray& array, const Text& text) {
  const std::int64_t count = TextArray_Count(array);
  for (std::int64_t i = 1; i <= count; ++i)
    if (Text_Compare(TextArray_At(array, i), text) == 0) return i;
  return -1;
}
