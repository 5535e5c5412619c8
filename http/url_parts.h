// The pieces of a URL that a request needs, cut out with plain text
// operations: host, port and object path, and the value of a header line.
// URLs may come with "http://", "https://" or no scheme (then http).
#pragma once

#include "text/text.h"

// The host in lower case; with keepPort, followed by ":" and the port when
// the URL names one; with lastTwoLabels, only the last two dot-separated
// labels of it.
Text Url_Host(const Text& url, bool lastTwoLabels = false, bool keepPort = false);
// The named port, else 443 for https and 80 for everything else.
int Url_Port(const Text& url);
// Everything from the first "/" after the host to the end (query and
// fragment included, letter case kept), or "/".
Text Url_Path(const Text& url);
// The text after the line's first ":", trimmed; empty without a ":".
Text Http_HeaderValue(const Text& line);
