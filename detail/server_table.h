// The hidden-score site names its game servers by number; the search results
// name them in words. ServerTable holds the 27 servers as the site's own
// option list, one line per server, numbered 1 to 27 in order.
#pragma once

#include "text/text.h"

// 27 lines, each: five TABs, <option  value="N">name</option>, CR LF.
// 1,373 bytes in code page 936.
const Text& ServerTable();
