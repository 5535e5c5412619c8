// Percent-encoding of a name for a query string: only '-', '.', the digits
// and the ASCII letters pass; every other byte becomes %HH (upper case).
#pragma once

#include "text/text.h"

Text Url_Encode(const Text& text, bool keepSafe = false, bool toUtf8 = false);
