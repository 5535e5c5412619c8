// Process-wide libcurl state: the one-time global initialisation and the
// cookie store that every request shares unless it opts out.
#pragma once

#include <curl/curl.h>

namespace inet::detail {

// Initialises libcurl on first use (thread-safe) and returns the shared
// cookie store, which lives until the process ends.
CURLSH* cookieShare();

}  // namespace inet::detail
