// The simple download: the whole resource at a URL in one HTTP/1.0 GET,
// through one session kept for the life of the process. Used for pictures.
#pragma once

#include "text/text.h"

// The agent string every download announces.
extern const char* const kDownloadAgent;

// All body bytes received (whatever the HTTP status), or empty when the URL
// is empty or unusable (only http and https) or nothing could be sent. A
// transfer that breaks off gives the bytes received until then.
ByteSet Download_Bytes(const Text& url);
